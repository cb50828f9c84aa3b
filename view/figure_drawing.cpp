// One drawing pass of the figure: background and frame on screen, axes, circle, reference
// points, projections, the point with its radius, the angle arc and label, and the panel last.
// Every position is a factor of the unit u, formed in double precision and stored as a float.
#include "view/orbel_view.h"

#include "platform/graphics.h"
#include "trig/exact_values.h"
#include "view/figure_colours.h"

#include <algorithm>
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
    g.setColor(ink(figure::white()));
    g.fillRect(visible);
    g.setColor(ink(figure::black()));
    g.strokeRect(visible);
    setOrigin();
    if (!m_displayOptions.isPlain())
        g.setLineWidth(m_displayOptions.lineWidth(double(m_unit)));
    drawCircleAndAxes(g);
}

void OrbelView::drawPass(Graphics &g, bool reuseStillLayer)
{
    if (g.drawingToScreen()) {
        if (!reuseStillLayer || !copyStillLayer(g))
            drawStillParts(g);
    } else {
        setPrintOrigin();
    }
    const bool plain = m_displayOptions.isPlain();
    if (!plain)
        g.setLineWidth(m_displayOptions.lineWidth(double(m_unit)));
    if (!g.drawingToScreen())
        drawCircleAndAxes(g);

    const float u = m_unit;
    m_displayPoint = Point { m_currentPoint.x * u, m_currentPoint.y * u };

    // The projections would lie on an axis at multiples of pi/2; they also give way to the drag.
    const float quarterTurns = float(double(m_theta + m_theta) / pi);
    float whole;
    const float fraction = std::modf(quarterTurns, &whole);
    if (m_sinCos && !m_canDrag && double(std::fabs(fraction)) > 0.01)
        drawCoordinates(g);

    g.setColor(ink(m_theta >= 0.0f ? figure::red() : figure::blue()));

    Path disc;
    disc.appendArc(m_displayPoint, float(0.03 * double(u)), 0.0f, 360.0f);
    g.fill(disc);

    g.strokeLine(Point { 0.0f, 0.0f }, m_displayPoint);

    Path arc;
    const float endAngle = float(double(m_theta * 0.5f) / pi * 360.0);
    arc.appendArc(Point { 0.0f, 0.0f }, 0.25f * u, 0.0f, endAngle, m_theta < 0.0f);
    g.stroke(arc);

    if (!m_angleHidden) {
        const TextAttributes labelAttributes
            = fontAttributeWithSize(textSize(0.08 * double(u)), m_theta >= 0.0f ? 3 : 2, 0.0f);
        const double bisector = double(m_theta / 2.0f);
        if (plain)
            drawCentred(g, m_displayTheta, labelAttributes,
                        float(0.4 * double(u) * std::cos(bisector)),
                        float(0.4 * double(u) * std::sin(bisector)));
        else
            drawAngleLabel(g, labelAttributes);
    }

    if (m_referenceShown)
        drawReferenceAngle(g);

    if (m_sinCos)
        drawResume(g);
}

void OrbelView::drawCircleAndAxes(Graphics &g)
{
    const double u = m_unit;
    auto at = [u](double fx, double fy) { return Point { float(fx * u), float(fy * u) }; };

    g.setColor(ink(figure::grey()));
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

    g.setColor(ink(figure::darkGrey()));
    Path circle;
    const float r = m_unit;
    circle.appendOval(Rect { Point { -r, -r }, Size { r + r, r + r } });
    g.stroke(circle);

    // Black stays current after the axes, for whatever is drawn next.
    g.setColor(ink(figure::black()));
    const TextAttributes attributes = fontAttributeWithSize(textSize(0.1 * u), 1, 0.0f);
    if (m_displayOptions.isPlain()) {
        g.drawText(QStringLiteral("0"), attributes, at(-0.1, -0.15));
        g.drawText(QStringLiteral("1"), attributes, at(1.05, -0.15));
        g.drawText(QStringLiteral("-1"), attributes, at(-1.15, -0.15));
        g.drawText(QStringLiteral("1"), attributes, at(-0.1, 1.01));
        g.drawText(QStringLiteral("-1"), attributes, at(-0.15, -1.15));
        g.drawText(QStringLiteral("x"), attributes, at(1.18, -0.15));
        g.drawText(QStringLiteral("y"), attributes, at(0.05, 1.15));
    } else {
        // Texts of any size placed by their boxes beside the axes, each clear of the lines, of
        // the arrows and of the labels of the standard angles (above the x axis, right of y).
        const double gap = 0.04 * u;
        const auto place = [&](const char *text, double x, double y, double alignX, double alignY) {
            const QString s = QString::fromLatin1(text);
            const Size size = sizeWithAttributes(s, attributes);
            g.drawText(s, attributes,
                       Point { float(x - alignX * double(size.width)),
                               float(y - alignY * double(size.height)) });
        };
        place("0", -gap, -gap, 1.0, 1.0);
        place("1", u + gap, -gap, 0.0, 1.0);
        place("-1", -u - gap, -gap, 1.0, 1.0);
        place("1", -gap, u - gap, 1.0, 1.0);
        place("-1", -gap, -u - gap, 1.0, 1.0);
        place("x", 1.26 * u + gap, 0.0, 0.0, 0.5);
        place("y", -gap, 1.26 * u, 1.0, 1.0);
    }

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
    g.setColor(ink(figure::black()));
    const Point c { float(std::cos(double(angle)) * u), float(u * std::sin(double(angle))) };

    Path dot;
    dot.appendArc(c, float(0.012 * u), 0.0f, 360.0f);
    g.fill(dot);

    if (m_angleHidden)
        return;
    const TextAttributes attributes = fontAttributeWithSize(textSize(0.07 * u), 5, 1.0f);
    // Labelled through a copy: the pass never snaps or relabels the view's own angle.
    float copy = angle;
    const QString label = normalizeAngle(copy);
    if (m_displayOptions.isPlain())
        drawCentred(g, label, attributes, float(1.12 * double(c.x)), float(1.12 * double(c.y)));
    else
        drawOutward(g, label.trimmed(), attributes, double(angle), 1.06 * u);
}

void OrbelView::drawOutward(Graphics &g, const QString &text, const TextAttributes &attributes,
                            double angle, double r)
{
    const Rect box = outwardBox(sizeWithAttributes(text, attributes), angle, r);
    g.drawText(text, attributes, box.origin);
}

Rect OrbelView::outwardBox(Size size, double angle, double r) const
{
    const double w = size.width, h = size.height;
    const double c = std::cos(angle), s = std::sin(angle);
    // The box leans out by up to half its size on each side, fully from 45 degrees on; on an
    // axis it stands beside the axis line instead of across it.
    const auto lean = [](double v) { return std::clamp(v * 1.4142135623730951, -1.0, 1.0); };
    double cx = r * c + lean(c) * w / 2.0;
    double cy = r * s + lean(s) * h / 2.0;
    const double gap = 0.03 * double(m_unit);
    if (std::fabs(s) < 1e-6)
        cy = h / 2.0 + gap;
    if (std::fabs(c) < 1e-6)
        cx = w / 2.0 + gap;
    return Rect { Point { float(cx - w / 2.0), float(cy - h / 2.0) }, size };
}

void OrbelView::drawAngleLabel(Graphics &g, const TextAttributes &attributes)
{
    // Out along the bisector as far as it must go to touch neither axis nor the radius; where
    // the angle is too narrow for that, beside the x axis on the side away from the point.
    const double u = m_unit;
    const double gap = 0.025 * u;
    const Size size = sizeWithAttributes(m_displayTheta, attributes);
    const double bisector = double(m_theta / 2.0f);
    const auto crosses = [gap](const Rect &box, Point a, Point b) {
        for (int i = 0; i <= 256; ++i) {
            const double t = i / 256.0;
            const double x = double(a.x) + t * double(b.x - a.x);
            const double y = double(a.y) + t * double(b.y - a.y);
            if (x > double(box.origin.x) - gap && x < double(box.origin.x + box.size.width) + gap
                && y > double(box.origin.y) - gap
                && y < double(box.origin.y + box.size.height) + gap)
                return true;
        }
        return false;
    };
    const auto clear = [&](const Rect &box) {
        const float reach = float(1.26 * u);
        return !crosses(box, Point { -reach, 0.0f }, Point { reach, 0.0f })
            && !crosses(box, Point { 0.0f, -reach }, Point { 0.0f, reach })
            && !crosses(box, Point { 0.0f, 0.0f }, m_displayPoint);
    };
    for (double r = 0.3; r <= 0.85; r += 0.05) {
        const Rect box = outwardBox(size, bisector, r * u);
        if (clear(box)) {
            g.drawText(m_displayTheta, attributes, box.origin);
            return;
        }
    }
    const bool above = m_displayPoint.y < 0.0f;
    const float x = m_displayPoint.x >= 0.0f ? float(0.35 * u) : float(-0.35 * u) - size.width;
    g.drawText(m_displayTheta, attributes,
               Point { x, above ? float(gap) : float(-gap) - size.height });
}

void OrbelView::drawCoordinates(Graphics &g)
{
    const double u = m_unit;
    const Point p = m_displayPoint;
    const TextAttributes attributes = fontAttributeWithSize(textSize(0.08 * u), 0, 0.0f);
    g.setColor(ink(figure::black()));

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
    const bool plain = m_displayOptions.isPlain();
    float cosineX = p.x - cosineSize.width / 2.0f;
    float cosineY = p.y >= 0.0f ? float(-0.12 * u) : 0.0f;
    // Larger texts keep within the circle's width and height, clear of the axes' labels of 1
    // and -1 (and of the standard angles' labels on the axes) that stand just beyond it.
    const float axisLabel
        = sizeWithAttributes(QStringLiteral("1"), fontAttributeWithSize(textSize(0.1 * u), 1, 0.0f))
              .height;
    if (!plain) {
        cosineY = p.y >= 0.0f ? float(-0.03 * u) - cosineSize.height : float(0.03 * u);
        cosineX = std::clamp(cosineX, float(-u), float(u) - cosineSize.width);
    }
    g.drawText(cosine, attributes, Point { cosineX, cosineY });

    const QString sine = figure::threeDecimals(std::sin(double(m_theta)));
    const Size sineSize = sizeWithAttributes(sine, attributes);
    float sineY = p.y - sineSize.height / 2.0f;
    if (!plain) {
        const float room = float(u - 0.08 * u) - axisLabel;
        sineY = std::clamp(sineY, -room, room - sineSize.height);
    }
    g.drawText(sine, attributes,
               Point { p.x >= 0.0f ? -sineSize.width - float(0.05 * u) : float(0.05 * u), sineY });
}

void OrbelView::drawReferenceAngle(Graphics &g)
{
    // The right triangle of the point over its foot on the x axis, whose hypotenuse is the radius
    // (left in the angle's colour), and the arc of the acute angle between the radius and the x
    // axis, on the side of the axis where the point lies.
    const double u = m_unit;
    const Point p = m_displayPoint;
    const Point foot { p.x, 0.0f };
    g.setColor(QColor(0, 150, 0));
    Path legs;
    legs.moveTo(Point { 0.0f, 0.0f });
    legs.lineTo(foot);
    legs.lineTo(p);
    g.stroke(legs);

    const double toPoint
        = std::atan2(double(m_currentPoint.y), double(m_currentPoint.x)) * 180.0 / pi;
    const double axis = m_currentPoint.x >= 0.0f ? 0.0 : 180.0;
    double sweep = toPoint - axis;
    if (sweep > 180.0)
        sweep -= 360.0;
    else if (sweep <= -180.0)
        sweep += 360.0;
    Path arc;
    arc.appendArc(Point { 0.0f, 0.0f }, float(0.15 * u), float(axis), float(axis + sweep),
                  sweep < 0.0);
    g.stroke(arc);
}
