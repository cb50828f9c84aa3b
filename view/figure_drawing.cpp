// One drawing pass of the figure: background and frame on screen, axes, circle, reference
// points, projections, the point with its radius, the angle arc and label, and the panel last.
// Every position is a factor of the unit u, formed in double precision and stored as a float.
#include "view/orbel_view.h"

#include "platform/graphics.h"
#include "trig/exact_values.h"
#include "view/figure_colours.h"
#include "view/text_boxes.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>

namespace {

constexpr double pi = 3.141592653589793;

// A text centred on a point: its box moved by half its measured size.
void drawCentred(Graphics &g, const QString &text, const TextAttributes &attributes, float cx,
                 float cy)
{
    const Size size = sizeWithAttributes(text, attributes);
    g.drawText(text, attributes, Point { cx - size.width / 2.0f, cy - size.height / 2.0f });
}

// Whether a box comes within gap of the angle's arc, of radius a quarter of the unit u, which
// winds round the centre up to twice.
bool nearArc(const Rect &box, float theta, double u, double gap)
{
    const double r = 0.25 * u;
    for (int i = 0; i <= 512; ++i) {
        const double a = double(theta) * i / 512.0;
        const double x = r * std::cos(a), y = r * std::sin(a);
        if (x > double(box.origin.x) - gap && x < double(box.origin.x + box.size.width) + gap
            && y > double(box.origin.y) - gap && y < double(box.origin.y + box.size.height) + gap)
            return true;
    }
    return false;
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
    // Larger texts are placed one after the other, each clear of those before it.
    m_placed.clear();
    if (!plain) {
        m_placed = scaledStillLabelBoxes();
        const TextAttributes attributes
            = fontAttributeWithSize(movingTextSize(0.1 * double(m_unit)), 1, 0.0f);
        const QString zero = QStringLiteral("0");
        const Rect box = scaledOriginLabel(sizeWithAttributes(zero, attributes));
        g.drawText(zero, attributes, box.origin);
        m_placed.push_back(box);
    }

    const float u = m_unit;
    m_displayPoint = Point { m_currentPoint.x * u, m_currentPoint.y * u };

    // The projections would lie on an axis at multiples of pi/2; they also give way to the drag.
    const float quarterTurns = float(double(m_theta + m_theta) / pi);
    float whole;
    const float fraction = std::modf(quarterTurns, &whole);
    const bool projections = m_sinCos && !m_canDrag && double(std::fabs(fraction)) > 0.01;
    if (projections)
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

    // Larger texts: the panel takes its corner first, and the angle's label keeps clear of it.
    if (m_sinCos && !plain) {
        drawResume(g);
        g.setColor(ink(m_theta >= 0.0f ? figure::red() : figure::blue()));
    }

    if (!m_angleHidden) {
        const TextAttributes labelAttributes = fontAttributeWithSize(
            movingTextSize(0.08 * double(u)), m_theta >= 0.0f ? 3 : 2, 0.0f);
        const double bisector = double(m_theta / 2.0f);
        if (plain)
            drawCentred(g, m_displayTheta, labelAttributes,
                        float(0.4 * double(u) * std::cos(bisector)),
                        float(0.4 * double(u) * std::sin(bisector)));
        else
            drawAngleLabel(g, labelAttributes, projections);
    }

    if (m_referenceShown)
        drawReferenceAngle(g);

    if (m_sinCos && plain)
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
        for (const auto &[text, box] : scaledAxisLabels())
            g.drawText(text, attributes, box.origin);
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
    if (m_displayOptions.isPlain()) {
        drawCentred(g, label, attributes, float(1.12 * double(c.x)), float(1.12 * double(c.y)));
    } else {
        QString shown;
        const Rect box = refPointLabelBox(angle, shown, attributes);
        g.drawText(shown, attributes, box.origin);
    }
}

std::vector<std::pair<QString, Rect>> OrbelView::scaledAxisLabels() const
{
    // Texts of any size placed by their boxes beside the axes, each clear of the lines, of the
    // arrows and of the labels of the standard angles (above the x axis, right of y).
    const double u = m_unit;
    const TextAttributes attributes = fontAttributeWithSize(textSize(0.1 * u), 1, 0.0f);
    const double gap = 0.04 * u;
    std::vector<std::pair<QString, Rect>> labels;
    const auto place = [&](const char *text, double x, double y, double alignX, double alignY) {
        const QString s = QString::fromLatin1(text);
        const Size size = sizeWithAttributes(s, attributes);
        labels.emplace_back(s,
                            Rect { Point { float(x - alignX * double(size.width)),
                                           float(y - alignY * double(size.height)) },
                                   size });
    };
    // The ends of the axes' labels outside the circle, which the radius never crosses; the
    // centre's "0" goes with the moving parts.
    const double outside = u + gap + double(m_displayOptions.lineWidth(u));
    place("1", u + gap, -gap, 0.0, 1.0);
    place("-1", -u - gap, -gap, 1.0, 1.0);
    place("1", -gap, outside, 1.0, 0.0);
    place("-1", -gap, -outside, 1.0, 1.0);
    place("x", 1.26 * u + gap, 0.0, 0.0, 0.5);
    // The "y" right of the arrow, above the circle and above the label of pi/2 there.
    double yBottom = std::max(1.2 * u, outside);
    if (m_standardAngles && !m_angleHidden) {
        QString label;
        const Rect top = refPointLabelBox(1.5707963267948966f, label,
                                          fontAttributeWithSize(textSize(0.07 * u), 5, 1.0f));
        yBottom = std::max(yBottom, double(top.origin.y + top.size.height) + gap);
    }
    place("y", gap, yBottom, 0.0, 0.0);
    return labels;
}

void OrbelView::fitScaledLabels()
{
    // Measured once for each size and set of choices: every pass places the origin.
    const StillPartsKey key = stillPartsKey();
    if (m_scaledFit.designed == key) {
        m_unit = m_scaledFit.fitted;
        return;
    }
    const Size frameSize = key.frameSize;
    const float designed = m_unit;
    const double halfWidth = 0.5 * double(frameSize.width);
    const double halfHeight = 0.5 * double(frameSize.height);
    // Clear of the frame by a little of what is left beside the circle.
    const double margin = 0.02 * std::min(halfWidth, halfHeight);
    // The labels grow with the unit, but their sizes are whole points: a few rounds settle it.
    for (int round = 0; round < 4; ++round) {
        double reachX = 0.0;
        double reachY = 0.0;
        for (const Rect &box : measureScaledStillLabelBoxes()) {
            reachX = std::max({ reachX, std::fabs(double(box.origin.x)),
                                std::fabs(double(box.origin.x + box.size.width)) });
            reachY = std::max({ reachY, std::fabs(double(box.origin.y)),
                                std::fabs(double(box.origin.y + box.size.height)) });
        }
        double k = 1.0;
        if (reachX > 0.0)
            k = std::min(k, (halfWidth - margin) / reachX);
        if (reachY > 0.0)
            k = std::min(k, (halfHeight - margin) / reachY);
        if (k >= 1.0)
            break;
        // Never below half the designed circle: past that the texts are too large for the view
        // whatever the circle does.
        m_unit = std::max(0.5f * designed, float(double(m_unit) * k * 0.995));
        if (m_unit == 0.5f * designed)
            break;
    }
    m_scaledFit = ScaledFit { key, m_unit };
}

Rect OrbelView::scaledOriginLabel(Size size) const
{
    // Below and left of the centre; up and right while the point is down and left, where the
    // radius, the projections and the values then stand. Beside the axes' corner, or beyond the
    // angle's arc where the arc passes that quarter.
    const double u = m_unit;
    const bool downLeft = !(m_currentPoint.x < 0.0f && m_currentPoint.y < 0.0f);
    const double from = downLeft ? pi : 0.0;
    const double lo = std::min(0.0, double(m_theta));
    const double hi = std::max(0.0, double(m_theta));
    bool arcThere = hi - lo >= 2.0 * pi;
    for (int turn = -3; turn <= 3 && !arcThere; ++turn) {
        const double start = from + 2.0 * pi * turn;
        arcThere = start < hi && start + pi / 2.0 > lo;
    }
    const double clear = 0.04 * u + double(m_displayOptions.lineWidth(u));
    const double d = arcThere ? (0.25 * u + clear) / std::sqrt(2.0) : clear;
    if (!downLeft)
        return Rect { Point { float(d), float(d) }, size };
    return Rect { Point { float(-d) - size.width, float(-d) - size.height }, size };
}

Rect OrbelView::refPointLabelBox(float angle, QString &label,
                                 const TextAttributes &attributes) const
{
    // Labelled through a copy: the pass never snaps or relabels the view's own angle.
    float copy = angle;
    label = normalizeAngle(copy).trimmed();
    const double r = 1.06 * double(m_unit);
    const Size size = sizeWithAttributes(label, attributes);
    const Rect box = outwardBox(size, double(angle), r);
    if (std::fabs(std::cos(double(angle))) >= 1e-6)
        return box;
    // Above and below the circle the label stands right of the y axis, towards the label of
    // pi/3 (or -pi/3), whose box reaches nearer the axis as texts grow: past the top (or the
    // bottom) of that one, then.
    const float side = std::sin(angle) > 0.0f ? 1.0f : -1.0f;
    float neighbourAngle = float(0.5 * pi - pi / 6.0) * side;
    QString neighbourLabel = normalizeAngle(neighbourAngle).trimmed();
    const Rect neighbour = outwardBox(sizeWithAttributes(neighbourLabel, attributes),
                                      double(float(0.5 * pi - pi / 6.0) * side), r);
    const float gap = float(0.02 * double(m_unit));
    if (box.origin.x + box.size.width + gap <= neighbour.origin.x)
        return box;
    Rect moved = box;
    if (side > 0.0f)
        moved.origin.y = std::max(box.origin.y, neighbour.origin.y + neighbour.size.height + gap);
    else
        moved.origin.y = std::min(box.origin.y, neighbour.origin.y - gap - box.size.height);
    return moved;
}

const std::vector<Rect> &OrbelView::scaledStillLabelBoxes() const
{
    const StillPartsKey key = stillPartsKey();
    if (m_scaledStillBoxes.parts != key)
        m_scaledStillBoxes = ScaledStillBoxes { key, measureScaledStillLabelBoxes() };
    return m_scaledStillBoxes.boxes;
}

std::vector<Rect> OrbelView::measureScaledStillLabelBoxes() const
{
    std::vector<Rect> boxes;
    for (const auto &label : scaledAxisLabels())
        boxes.push_back(label.second);
    if (m_standardAngles && !m_angleHidden) {
        const TextAttributes attributes
            = fontAttributeWithSize(textSize(0.07 * double(m_unit)), 5, 1.0f);
        QString label;
        for (int i = -2; i <= 1; ++i) {
            const double b = i * pi * 0.5;
            for (double step : { 0.0, 0.5235987755982988, 0.7853981633974483, 1.0471975511965976 })
                boxes.push_back(refPointLabelBox(float(b + step), label, attributes));
        }
    }
    return boxes;
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

void OrbelView::drawAngleLabel(Graphics &g, const TextAttributes &attributes, bool projections)
{
    // Out along the bisector as far as it must go to touch neither axis, the radius, the
    // projections nor a text placed before it; where the angle is too narrow for that, beside
    // the x axis on the side away from the point.
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
    const double inner = u - double(m_displayOptions.lineWidth(u)) - gap;
    const auto withinCircle = [inner](const Rect &box) {
        const double far[] = { std::max(std::fabs(double(box.origin.x)),
                                        std::fabs(double(box.origin.x + box.size.width))),
                               std::max(std::fabs(double(box.origin.y)),
                                        std::fabs(double(box.origin.y + box.size.height))) };
        return std::hypot(far[0], far[1]) < inner;
    };
    const auto clear = [&](const Rect &box) {
        const float reach = float(1.26 * u);
        return !crosses(box, Point { -reach, 0.0f }, Point { reach, 0.0f })
            && !crosses(box, Point { 0.0f, -reach }, Point { 0.0f, reach })
            && !crosses(box, Point { 0.0f, 0.0f }, m_displayPoint)
            && !(projections
                 && (crosses(box, Point { 0.0f, m_displayPoint.y }, m_displayPoint)
                     || crosses(box, Point { m_displayPoint.x, 0.0f }, m_displayPoint)))
            && !figure::nearAny(box, m_placed, gap) && !nearArc(box, m_theta, u, gap)
            && withinCircle(box);
    };
    for (double r = 0.3; r <= 0.85; r += 0.05) {
        const Rect box = outwardBox(size, bisector, r * u);
        if (clear(box)) {
            g.drawText(m_displayTheta, attributes, box.origin);
            m_placed.push_back(box);
            return;
        }
    }
    // Beside the x axis: on the side away from the point first, from the arc outwards, on the
    // point's side of the y axis first.
    const bool above = m_displayPoint.y < 0.0f;
    const bool right = m_displayPoint.x >= 0.0f;
    const auto besideAxis = [&](bool up, bool toRight, double r) {
        const float x = toRight ? float(r * u) : float(-r * u) - size.width;
        return Rect { Point { x, up ? float(1.5 * gap) : float(-1.5 * gap) - size.height }, size };
    };
    for (const bool up : { above, !above })
        for (const bool toRight : { right, !right })
            for (double r = 0.35; r + double(size.width) / u <= 1.0; r += 0.05) {
                const Rect box = besideAxis(up, toRight, r);
                if (clear(box)) {
                    g.drawText(m_displayTheta, attributes, box.origin);
                    m_placed.push_back(box);
                    return;
                }
            }
    // Anywhere else within the circle, nearest the bisector first.
    for (int k = 1; k <= 12; ++k)
        for (const int side : { 1, -1 })
            for (double r = 0.3; r <= 0.85; r += 0.05) {
                const Rect box = outwardBox(size, bisector + side * k * pi / 12.0, r * u);
                if (clear(box)) {
                    g.drawText(m_displayTheta, attributes, box.origin);
                    m_placed.push_back(box);
                    return;
                }
            }
    const Rect box = besideAxis(above, right, 0.35);
    g.drawText(m_displayTheta, attributes, box.origin);
    m_placed.push_back(box);
}

void OrbelView::drawCoordinates(Graphics &g)
{
    const double u = m_unit;
    const Point p = m_displayPoint;
    const TextAttributes attributes = fontAttributeWithSize(movingTextSize(0.08 * u), 0, 0.0f);
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
    const double gap = 0.03 * u;
    // How far from an axis the circle's line lies at distance d from the other axis, less the
    // line and a gap.
    const double lineWidth = double(m_displayOptions.lineWidth(u));
    const auto inside
        = [&](double d) { return std::sqrt(std::max(0.0, u * u - d * d)) - lineWidth - gap; };
    // A text's box clear of the circle's line, the axes, the angle's arc and the texts placed
    // before it.
    const double inner = u - lineWidth - gap;
    const auto fits = [&](const Rect &box) {
        const double farX = std::max(std::fabs(double(box.origin.x)),
                                     std::fabs(double(box.origin.x + box.size.width)));
        const double farY = std::max(std::fabs(double(box.origin.y)),
                                     std::fabs(double(box.origin.y + box.size.height)));
        const bool acrossY
            = double(box.origin.x)<gap &&double(box.origin.x + box.size.width)> - gap;
        const bool acrossX
            = double(box.origin.y)<gap &&double(box.origin.y + box.size.height)> - gap;
        return std::hypot(farX, farY) < inner && !acrossX && !acrossY
            && !figure::nearAny(box, m_placed, gap) && !nearArc(box, m_theta, u, gap);
    };
    // The first place that fits among those along one line of the text, nearest the designed
    // one: there, or just past each text in the way (away from the axis).
    const auto firstFit = [&](float designed, float length, bool away, bool alongX,
                              const std::function<Rect(float)> &boxAt) -> std::optional<float> {
        std::vector<float> places { designed };
        for (const Rect &other : m_placed) {
            const float low = alongX ? other.origin.x : other.origin.y;
            const float high = low + (alongX ? other.size.width : other.size.height);
            places.push_back(away ? float(double(high) + gap) : float(double(low) - gap) - length);
        }
        std::stable_sort(places.begin(), places.end(), [designed](float a, float b) {
            return std::fabs(a - designed) < std::fabs(b - designed);
        });
        for (const float place : places)
            if (fits(boxAt(place)))
                return place;
        return std::nullopt;
    };
    if (!plain) {
        // Wholly on the point's side of the y axis and on the far side of the x axis, beside the
        // axis or beyond the angle's arc, within the circle, clear of the texts before it.
        const float beside = p.y >= 0.0f ? float(-gap) - cosineSize.height : float(gap);
        const double arcReach = 0.25 * u + gap + lineWidth;
        cosineX = p.x >= 0.0f ? std::max(cosineX, float(gap))
                              : std::min(cosineX, float(-gap) - cosineSize.width);
        cosineY = beside;
        const float half = float(inside(
            std::max(double(std::fabs(cosineY)), double(std::fabs(cosineY + cosineSize.height)))));
        cosineX = std::clamp(cosineX, -half, half - cosineSize.width);
        for (int step = 0; step <= 6; ++step) {
            const double reach = step == 0 ? 0.0 : arcReach + (step - 1) * 0.1 * u;
            const float y = step == 0 ? beside
                : p.y >= 0.0f         ? float(-reach) - cosineSize.height
                                      : float(reach);
            const std::optional<float> x
                = firstFit(cosineX, cosineSize.width, p.x >= 0.0f, true, [&](float at) {
                      return Rect { Point { at, y }, cosineSize };
                  });
            if (x) {
                cosineX = *x;
                cosineY = y;
                break;
            }
        }
        m_placed.push_back(Rect { Point { cosineX, cosineY }, cosineSize });
    }
    g.drawText(cosine, attributes, Point { cosineX, cosineY });

    const QString sine = figure::threeDecimals(std::sin(double(m_theta)));
    const Size sineSize = sizeWithAttributes(sine, attributes);
    float sineY = p.y - sineSize.height / 2.0f;
    float sineX = p.x >= 0.0f ? -sineSize.width - float(0.05 * u) : float(0.05 * u);
    if (!plain) {
        // Wholly on the point's side of the x axis and on the far side of the y axis, beside the
        // axis or beyond the angle's arc, within the circle and below the axis's "1", clear of
        // the texts before it.
        const float room = float(u - 0.08 * u) - axisLabel;
        float y = std::clamp(sineY, -room, room - sineSize.height);
        y = p.y >= 0.0f ? std::max(y, float(gap)) : std::min(y, float(-gap) - sineSize.height);
        sineY = y;
        const float beyond = float(0.25 * u + gap + lineWidth);
        for (const float x : { sineX, p.x >= 0.0f ? -beyond - sineSize.width : beyond }) {
            const std::optional<float> found
                = firstFit(y, sineSize.height, p.y >= 0.0f, false, [&](float at) {
                      return Rect { Point { x, at }, sineSize };
                  });
            if (found) {
                sineX = x;
                sineY = *found;
                break;
            }
        }
        m_placed.push_back(Rect { Point { sineX, sineY }, sineSize });
    }
    g.drawText(sine, attributes, Point { sineX, sineY });
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
