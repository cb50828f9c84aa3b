// One drawing pass of the figure: background and frame on screen, axes, circle, reference
// points, projections, the point with its radius, the angle arc and label, and the panel last.
// Every position is a factor of the unit u, formed in double precision and stored as a float.
#include "view/orbel_view.h"

#include "platform/graphics.h"
#include "trig/exact_values.h"
#include "view/figure_colours.h"

#include <cmath>

namespace {

constexpr double pi = 3.141592653589793;

// A text centred on a point: its box moved by half its measured size.
void drawCentred(Graphics &g, const QString &text, const TextAttributes &attributes, float cx,
                 float cy)
{
    const Size size = sizeWithAttributes(text, attributes);
    g.drawText(text, attributes, Point { cx - size.width / 2.0f, cy - size.height / 2.0f });
}

} // namespace

void OrbelView::drawRect(Graphics &g)
{
    drawPass(g, false);
}

void OrbelView::drawScreenPass(Graphics &g)
{
    drawPass(g, true);
}

void OrbelView::drawStillParts(Graphics &g)
{
    const Rect visible = bounds();
    g.setColor(figure::white());
    g.fillRect(visible);
    g.setColor(figure::black());
    g.strokeRect(visible);
    setOrigin();
    drawCircleAndAxes(g);
}

void OrbelView::drawPass(Graphics &g, bool reuseStillLayer)
{
    if (g.drawingToScreen()) {
        if (!reuseStillLayer || !copyStillLayer(g))
            drawStillParts(g);
    } else {
        setPrintOrigin();
        drawCircleAndAxes(g);
    }

    const float u = m_unit;
    m_displayPoint = Point { m_currentPoint.x * u, m_currentPoint.y * u };

    // The projections would lie on an axis at multiples of pi/2; they also give way to the drag.
    const float quarterTurns = float(double(m_theta + m_theta) / pi);
    float whole;
    const float fraction = std::modf(quarterTurns, &whole);
    if (m_sinCos && !m_canDrag && double(std::fabs(fraction)) > 0.01)
        drawCoordinates(g);

    g.setColor(m_theta >= 0.0f ? figure::red() : figure::blue());

    Path disc;
    disc.appendArc(m_displayPoint, float(0.03 * double(u)), 0.0f, 360.0f);
    g.fill(disc);

    g.strokeLine(Point { 0.0f, 0.0f }, m_displayPoint);

    Path arc;
    const float endAngle = float(double(m_theta * 0.5f) / pi * 360.0);
    arc.appendArc(Point { 0.0f, 0.0f }, 0.25f * u, 0.0f, endAngle, m_theta < 0.0f);
    g.stroke(arc);

    const TextAttributes labelAttributes
        = fontAttributeWithSize(int(0.08 * double(u)), m_theta >= 0.0f ? 3 : 2, 0.0f);
    const double bisector = double(m_theta / 2.0f);
    drawCentred(g, m_displayTheta, labelAttributes, float(0.4 * double(u) * std::cos(bisector)),
                float(0.4 * double(u) * std::sin(bisector)));

    if (m_sinCos)
        drawResume(g);
}

void OrbelView::drawCircleAndAxes(Graphics &g)
{
    const double u = m_unit;
    auto at = [u](double fx, double fy) { return Point { float(fx * u), float(fy * u) }; };

    g.setColor(figure::grey());
    g.strokeLine(at(-1.2, 0), at(1.2, 0));
    g.strokeLine(at(0, -1.2), at(0, 1.2));

    Path xHead;
    xHead.moveTo(at(1.2, -0.02));
    xHead.lineTo(at(1.26, 0));
    xHead.lineTo(at(1.2, 0.02));
    xHead.closePath();
    g.fill(xHead);

    Path yHead;
    yHead.moveTo(at(-0.02, 1.2));
    yHead.lineTo(at(0, 1.26));
    yHead.lineTo(at(0.02, 1.2));
    yHead.closePath();
    g.fill(yHead);

    g.setColor(figure::darkGrey());
    Path circle;
    const float r = m_unit;
    circle.appendOval(Rect { Point { -r, -r }, Size { r + r, r + r } });
    g.stroke(circle);

    // Black stays current after the axes, for whatever is drawn next.
    g.setColor(figure::black());
    const TextAttributes attributes = fontAttributeWithSize(int(0.1 * u), 1, 0.0f);
    g.drawText(QStringLiteral("0"), attributes, at(-0.1, -0.15));
    g.drawText(QStringLiteral("1"), attributes, at(1.05, -0.15));
    g.drawText(QStringLiteral("-1"), attributes, at(-1.15, -0.15));
    g.drawText(QStringLiteral("1"), attributes, at(-0.1, 1.01));
    g.drawText(QStringLiteral("-1"), attributes, at(-0.15, -1.15));
    g.drawText(QStringLiteral("x"), attributes, at(1.18, -0.15));
    g.drawText(QStringLiteral("y"), attributes, at(0.05, 1.15));

    if (m_standardAngles) {
        for (int i = -2; i <= 1; ++i) {
            const double b = i * pi * 0.5;
            drawRefPoint(g, float(b), QString());
            drawRefPoint(g, float(b + 0.5235987755982988), QString());
            drawRefPoint(g, float(b + 0.7853981633974483), QString());
            drawRefPoint(g, float(b + 1.0471975511965976), QString());
        }
    }
}

void OrbelView::drawRefPoint(Graphics &g, float angle, const QString & /*label*/)
{
    // The label drawn is always the one made from the angle; the argument is kept for callers.
    const double u = m_unit;
    g.setColor(figure::black());
    const Point c { float(std::cos(double(angle)) * u), float(u * std::sin(double(angle))) };

    Path dot;
    dot.appendArc(c, float(0.012 * u), 0.0f, 360.0f);
    g.fill(dot);

    const TextAttributes attributes = fontAttributeWithSize(int(0.07 * u), 5, 1.0f);
    // Labelled through a copy: the pass never snaps or relabels the view's own angle.
    float copy = angle;
    const QString label = normalizeAngle(copy);
    drawCentred(g, label, attributes, float(1.12 * double(c.x)), float(1.12 * double(c.y)));
}

void OrbelView::drawCoordinates(Graphics &g)
{
    const double u = m_unit;
    const Point p = m_displayPoint;
    const TextAttributes attributes = fontAttributeWithSize(int(0.08 * u), 0, 0.0f);
    g.setColor(figure::black());

    Path horizontal;
    horizontal.moveTo(Point { 0.0f, p.y });
    horizontal.lineTo(p);
    Path vertical;
    vertical.moveTo(Point { p.x, 0.0f });
    vertical.lineTo(p);
    const float dash = float(0.05 * u);
    horizontal.setLineDash(dash, dash, 0.0f);
    vertical.setLineDash(dash, dash, 0.0f);
    g.stroke(horizontal);
    g.stroke(vertical);

    // The values come from theta itself, each on the far side of its axis from the point.
    const QString cosine = figure::threeDecimals(std::cos(double(m_theta)));
    const Size cosineSize = sizeWithAttributes(cosine, attributes);
    g.drawText(cosine, attributes,
               Point { p.x - cosineSize.width / 2.0f, p.y >= 0.0f ? float(-0.12 * u) : 0.0f });

    const QString sine = figure::threeDecimals(std::sin(double(m_theta)));
    const Size sineSize = sizeWithAttributes(sine, attributes);
    g.drawText(sine, attributes,
               Point { p.x >= 0.0f ? -sineSize.width - float(0.05 * u) : float(0.05 * u),
                       p.y - sineSize.height / 2.0f });
}
