// The boxed panel up and to the right of the circle: theta, cos(theta) and sin(theta).
#include "view/orbel_view.h"

#include "platform/graphics.h"
#include "trig/exact_values.h"
#include "view/figure_colours.h"
#include "view/text_boxes.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>

// The panel as last laid out, with what it was made from: the angle, its label and the
// attributes. The layout is most of the panel's cost, and while the point stands still (or only
// the window repaints) nothing of it changes.
struct SummaryPanelLayout
{
    float unit = 0.0f;
    quint32 thetaBits = 0;
    QString displayTheta;
    QString thetaString;
    bool angleHidden = false;
    TextAttributes attributes;
    StyledText text;
    Rect box;
    // The surd texts among the values, whose diagnostic line each pass writes again.
    int surds = 0;
};

const SummaryPanelLayout &OrbelView::resumeLayout(const TextAttributes &attributes)
{
    quint32 thetaBits;
    std::memcpy(&thetaBits, &m_theta, sizeof thetaBits);
    const SummaryPanelLayout *panel = m_panel.get();
    if (panel && panel->unit == m_unit && panel->thetaBits == thetaBits
        && panel->displayTheta == m_displayTheta && panel->thetaString == m_thetaString
        && panel->angleHidden == m_angleHidden && panel->attributes == attributes)
        return *panel;
    auto layout = std::make_shared<SummaryPanelLayout>();
    layout->unit = m_unit;
    layout->thetaBits = thetaBits;
    layout->displayTheta = m_displayTheta;
    layout->thetaString = m_thetaString;
    layout->angleHidden = m_angleHidden;
    layout->attributes = attributes;
    layOutResume(*layout);
    m_panel = layout;
    return *layout;
}

void OrbelView::drawResume(Graphics &g)
{
    const double u = m_unit;
    Rect box;
    Point textAt { m_unit, m_unit };
    const SummaryPanelLayout *panel = nullptr;
    if (m_displayOptions.isPlain()) {
        const TextAttributes attributes = fontAttributeWithSize(textSize(u * 0.08), 0, 0.0f);
        const SummaryPanelLayout *before = m_panel.get();
        panel = &resumeLayout(attributes);
        // A panel laid out afresh has written its surds' lines already; a kept one writes them.
        if (panel == before)
            for (int i = 0; i < panel->surds; ++i)
                surdBar(attributes);
        box = panel->box;
    } else {
        const TextAttributes attributes = placeScaledResume(box, textAt);
        panel = &resumeLayout(attributes);
        m_placed.push_back(box);
    }

    g.setColor(ink(figure::lightGrey()));
    g.strokeRect(box);
    // Filled after the outline: the fill covers the inner half of the line.
    g.setColor(ink(QColor::fromRgbF(0.95f, 0.95f, 0.95f, 1.0f)));
    g.fillRect(box);
    g.drawStyledText(panel->text, textAt);
}

TextAttributes OrbelView::placeScaledResume(Rect &box, Point &textAt)
{
    const double u = m_unit;
    const Rect visible = bounds();
    const double margin = 0.03 * u;
    const double gap = 0.04 * u;
    const double lineWidth = double(m_displayOptions.lineWidth(u));
    // Where the values may stand while the point turns: along each axis within the circle, as
    // wide or as tall as the widest value beside it.
    const TextAttributes valueAttributes = fontAttributeWithSize(textSize(0.08 * u), 0, 0.0f);
    const Size value = sizeWithAttributes(QStringLiteral("\u22120.000"), valueAttributes);
    const double band = 0.05 * u + double(value.width);
    const double reach = 1.32 * u;
    std::vector<Rect> keepOff = scaledStillLabelBoxes();
    keepOff.push_back(figure::boxAt(-reach, -(0.03 * u + double(value.height)), 2.0 * reach,
                                    2.0 * (0.03 * u + double(value.height))));
    keepOff.push_back(figure::boxAt(-band, -reach, 2.0 * band, 2.0 * reach));
    const auto clear = [&](const Rect &candidate) {
        if (figure::nearAny(candidate, keepOff, gap))
            return false;
        // Outside the circle: its nearest point farther than the radius and the line.
        const double nx = std::clamp(0.0, double(candidate.origin.x),
                                     double(candidate.origin.x + candidate.size.width));
        const double ny = std::clamp(0.0, double(candidate.origin.y),
                                     double(candidate.origin.y + candidate.size.height));
        return std::hypot(nx, ny) > u + lineWidth + gap
            && candidate.size.width <= visible.size.width - 2.0f * float(margin)
            && candidate.size.height <= visible.size.height - 2.0f * float(margin);
    };

    const int designed = int(0.08 * u);
    const int scaled = textSize(0.08 * u);
    int size = scaled;
    for (;;) {
        const TextAttributes attributes = fontAttributeWithSize(size, 0, 0.0f);
        const Rect laid = resumeLayout(attributes).box;
        const double left = double(visible.origin.x) + margin;
        const double right
            = double(visible.origin.x + visible.size.width) - margin - double(laid.size.width);
        const double bottom = double(visible.origin.y) + margin;
        const double top
            = double(visible.origin.y + visible.size.height) - margin - double(laid.size.height);
        // The designed corner first (up and right), then up and left, then the lower ones.
        const std::pair<double, double> corners[]
            = { { right, top }, { left, top }, { right, bottom }, { left, bottom } };
        for (const auto &[x, y] : corners) {
            const Rect candidate
                = figure::boxAt(x, y, double(laid.size.width), double(laid.size.height));
            if (clear(candidate)) {
                box = candidate;
                textAt = Point { float(x + u - double(laid.origin.x)),
                                 float(y + u - double(laid.origin.y)) };
                return attributes;
            }
        }
        if (size <= designed) {
            // Nowhere clear: the designed size where it was designed, moved into the view.
            const float dx = float(std::min(0.0, right - double(laid.origin.x)));
            const float dy = float(std::min(0.0, top - double(laid.origin.y)));
            box = Rect { Point { laid.origin.x + dx, laid.origin.y + dy }, laid.size };
            textAt = Point { m_unit + dx, m_unit + dy };
            return attributes;
        }
        size = std::max(designed, int(size / DisplayOptions::stepFactor));
    }
}

void OrbelView::layOutResume(SummaryPanelLayout &panel) const
{
    const double u = m_unit;
    const TextAttributes &attributes = panel.attributes;

    const QString &t = m_thetaString;
    // While practice asks for the angle, the panel asks too.
    const QString shownTheta = panel.angleHidden ? QStringLiteral("?") : panel.displayTheta;
    StyledText text(QStringLiteral("       ") + t + QStringLiteral("  = ") + shownTheta
                        + QStringLiteral("\ncos(") + t + QStringLiteral(") = \n sin(") + t
                        + QStringLiteral(") = "),
                    attributes);
    // The tail "\n sin(θ) = " is 11 units long, so the cosine lands right after "cos(θ) = ".
    const int length = text.length();
    const float cosine = std::cos(m_theta);
    const float sine = std::sin(m_theta);
    text.insert(displayedValue(cosine, attributes), length - 11);
    text.insert(displayedValue(sine, attributes), text.length());
    const auto isSurd = [](float value) {
        const figure::ExactForm form = figure::exactFormOf(std::fabs(value));
        return form == figure::ExactForm::RootThreeHalves
            || form == figure::ExactForm::RootTwoHalves;
    };
    panel.surds = int(isSurd(cosine)) + int(isSurd(sine));

    const float xHeight = xHeightOf(attributes.font);
    const float lineHeight = float(double(xHeight) * 2.8);
    text.setLineHeight(lineHeight, 0, text.length());

    // The box is as wide as a fixed reference text, so it does not change with the values.
    const float referenceWidth
        = sizeWithAttributes(QStringLiteral("cos(T) = 0.12345\n\n\n"), attributes).width;
    const float textHeight = text.size().height;
    panel.box = Rect { Point { float(u * 0.97), float(u * 0.98) },
                       Size { float(double(referenceWidth) + u * 0.06),
                              float(double(textHeight) + u * 0.04) } };
    panel.text = std::move(text);
}
