// How the user asked the figure and the graph to look on screen: larger or smaller texts, light on
// a dark ground, and the projector's thick lines, large texts and deep colours. The default is the
// designed look, and a drawing pass that finds it draws exactly as designed.
#pragma once

#include <QColor>

#include <algorithm>
#include <cmath>

struct DisplayOptions
{
    // Larger Text and Smaller Text move by one step: a quarter larger, or back.
    static constexpr int smallestStep = -2;
    static constexpr int largestStep = 6;
    static constexpr double stepFactor = 1.25;

    int textStep = 0;
    // The desktop's text size over the size the figure is designed for, when it is larger.
    double desktopTextScale = 1.0;
    bool reverseContrast = false;
    bool projector = false;

    static int clampedStep(int step) { return std::clamp(step, smallestStep, largestStep); }

    // The factor on every text: the user's steps, the desktop's size, twice in projector mode.
    double textScale() const
    {
        return std::pow(stepFactor, clampedStep(textStep)) * std::max(1.0, desktopTextScale)
            * (projector ? 2.0 : 1.0);
    }

    bool isPlain() const { return textScale() == 1.0 && !reverseContrast && !projector; }

    // The width of the lines of a figure whose radius is unit: one pixel as designed; in
    // projector mode three at the radius a 1080-line screen gives the circle, and never below two.
    float lineWidth(double unit) const
    {
        return projector ? float(std::max(2.0, unit * 3.0 / 270.0)) : 1.0f;
    }

    bool operator==(const DisplayOptions &o) const
    {
        return textStep == o.textStep && desktopTextScale == o.desktopTextScale
            && reverseContrast == o.reverseContrast && projector == o.projector;
    }
    bool operator!=(const DisplayOptions &o) const { return !(*this == o); }
};

namespace figure {

// The colour a drawing asks for, as the options show it. Reverse contrast lightens the inks and
// darkens the grounds; the projector deepens the light inks until they stand 4.5 : 1 on white.
// Each role keeps its hue, so that cosine stays red and sine blue.
inline QColor forDisplay(const QColor &designed, const DisplayOptions &options)
{
    if (!options.reverseContrast && !options.projector)
        return designed;
    struct Ink
    {
        QRgb designed;
        QRgb reversed;
        QRgb projected;
    };
    static const Ink inks[] = {
        { qRgb(255, 255, 255), qRgb(18, 18, 18), qRgb(255, 255, 255) }, // the ground
        { qRgb(0, 0, 0), qRgb(240, 240, 240), qRgb(0, 0, 0) }, // texts, dots
        { qRgb(128, 128, 128), qRgb(170, 170, 170), qRgb(100, 100, 100) }, // axes, tick labels
        { qRgb(85, 85, 85), qRgb(200, 200, 200), qRgb(85, 85, 85) }, // the circle
        { qRgb(170, 170, 170), qRgb(110, 110, 110), qRgb(140, 140, 140) }, // panel outline
        { qRgb(242, 242, 242), qRgb(40, 40, 40), qRgb(242, 242, 242) }, // panel ground
        { qRgb(255, 0, 0), qRgb(255, 110, 110), qRgb(200, 0, 0) }, // positive angle
        { qRgb(0, 0, 255), qRgb(120, 140, 255), qRgb(0, 0, 255) }, // negative angle
        { qRgb(255, 0, 255), qRgb(255, 130, 255), qRgb(170, 0, 170) }, // standard angles
        { qRgb(228, 228, 228), qRgb(60, 60, 60), qRgb(210, 210, 210) }, // the graph's grid
        { qRgb(0, 114, 178), qRgb(86, 180, 233), qRgb(0, 114, 178) }, // the graph's cosine
        { qRgb(213, 94, 0), qRgb(240, 160, 70), qRgb(180, 70, 0) }, // the graph's sine
        { qRgb(0, 140, 100), qRgb(0, 200, 150), qRgb(0, 120, 85) }, // the graph's tangent
    };
    const QRgb rgb = designed.rgb() & 0xffffff;
    for (const Ink &ink : inks) {
        if ((ink.designed & 0xffffff) == rgb) {
            QColor shown = QColor::fromRgb(options.reverseContrast ? ink.reversed : ink.projected);
            shown.setAlpha(designed.alpha());
            return shown;
        }
    }
    if (!options.reverseContrast)
        return designed;
    // Any other colour keeps its hue with its lightness turned over.
    const float lightness = designed.lightnessF();
    return QColor::fromHslF(designed.hslHueF(), designed.hslSaturationF(), 1.0f - lightness,
                            designed.alphaF());
}

} // namespace figure
