// The boxed panel up and to the right of the circle: theta, cos(theta) and sin(theta).
#include "view/orbel_view.h"

#include "platform/graphics.h"
#include "trig/exact_values.h"
#include "view/figure_colours.h"

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

void OrbelView::drawResume(Graphics &g)
{
    const double u = m_unit;
    const TextAttributes attributes = fontAttributeWithSize(textSize(u * 0.08), 0, 0.0f);

    quint32 thetaBits;
    std::memcpy(&thetaBits, &m_theta, sizeof thetaBits);
    const SummaryPanelLayout *panel = m_panel.get();
    if (panel && panel->unit == m_unit && panel->thetaBits == thetaBits
        && panel->displayTheta == m_displayTheta && panel->thetaString == m_thetaString
        && panel->angleHidden == m_angleHidden && panel->attributes == attributes) {
        for (int i = 0; i < panel->surds; ++i)
            surdBar(attributes);
    } else {
        auto layout = std::make_shared<SummaryPanelLayout>();
        layout->unit = m_unit;
        layout->thetaBits = thetaBits;
        layout->displayTheta = m_displayTheta;
        layout->thetaString = m_thetaString;
        layout->angleHidden = m_angleHidden;
        layout->attributes = attributes;
        layOutResume(*layout);
        m_panel = layout;
        panel = layout.get();
    }

    Rect box = panel->box;
    Point textAt { m_unit, m_unit };
    if (!m_displayOptions.isPlain()) {
        // Larger texts make a larger box: it moves left and down as far as it must to stay
        // within the view.
        const Rect visible = bounds();
        const double margin = 0.03 * u;
        const double right = double(visible.origin.x + visible.size.width) - margin;
        const double top = double(visible.origin.y + visible.size.height) - margin;
        const float dx = float(std::min(0.0, right - double(box.origin.x + box.size.width)));
        const float dy = float(std::min(0.0, top - double(box.origin.y + box.size.height)));
        box.origin = Point { box.origin.x + dx, box.origin.y + dy };
        textAt = Point { textAt.x + dx, textAt.y + dy };
    }

    g.setColor(ink(figure::lightGrey()));
    g.strokeRect(box);
    // Filled after the outline: the fill covers the inner half of the line.
    g.setColor(ink(QColor::fromRgbF(0.95f, 0.95f, 0.95f, 1.0f)));
    g.fillRect(box);
    g.drawStyledText(panel->text, textAt);
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
