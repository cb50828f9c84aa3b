// The boxed panel up and to the right of the circle: theta, cos(theta) and sin(theta).
#include "view/orbel_view.h"

#include "platform/graphics.h"
#include "view/figure_colours.h"

#include <algorithm>
#include <cmath>

void OrbelView::drawResume(Graphics &g)
{
    const double u = m_unit;
    const TextAttributes attributes = fontAttributeWithSize(textSize(u * 0.08), 0, 0.0f);

    const QString &t = m_thetaString;
    // While practice asks for the angle, the panel asks too.
    const QString shownTheta = m_angleHidden ? QStringLiteral("?") : m_displayTheta;
    StyledText text(QStringLiteral("       ") + t + QStringLiteral("  = ") + shownTheta
                        + QStringLiteral("\ncos(") + t + QStringLiteral(") = \n sin(") + t
                        + QStringLiteral(") = "),
                    attributes);
    // The tail "\n sin(θ) = " is 11 units long, so the cosine lands right after "cos(θ) = ".
    const int length = text.length();
    text.insert(displayedValue(std::cos(m_theta), attributes), length - 11);
    text.insert(displayedValue(std::sin(m_theta), attributes), text.length());

    const float xHeight = xHeightOf(attributes.font);
    const float lineHeight = float(double(xHeight) * 2.8);
    text.setLineHeight(lineHeight, 0, text.length());

    // The box is as wide as a fixed reference text, so it does not change with the values.
    const float referenceWidth
        = sizeWithAttributes(QStringLiteral("cos(T) = 0.12345\n\n\n"), attributes).width;
    const float textHeight = text.size().height;
    Rect box { Point { float(u * 0.97), float(u * 0.98) },
               Size { float(double(referenceWidth) + u * 0.06),
                      float(double(textHeight) + u * 0.04) } };
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
    g.drawStyledText(text, textAt);
}
