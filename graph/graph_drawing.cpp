// One drawing pass of the graph, at any size: background and frame, grid, axes and their labels,
// the curves and their legend (the parts that only change with the size, the unit and the curves
// shown, kept as an image on screen), then the current angle: its marker, a dot on each curve and
// the values.
#include "graph/graph_view.h"

#include "trig/exact_values.h"
#include "view/figure_colours.h"
#include "view/orbel_view.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

constexpr double pi = 3.141592653589793;
constexpr double twoPi = 6.283185307179586;
// The values at the top and the bottom of the plotting area.
constexpr double valueRange = 1.5;

// Margins around the plotting area: room for the legend above it, the labels of the θ ticks below
// it, and half a label beyond each end. These and every other length of the graph are given for
// its designed height and grow with its scale (GraphView::scaleFor).
constexpr double sideMargin = 36.0;
constexpr double topMargin = 22.0;
constexpr double bottomMargin = 22.0;

constexpr int tickFontSize = 11;
constexpr int valueFontSize = 12;

// A text size grown with the graph, a whole number truncated toward zero as the figure's are.
int fontSize(int designed, double scale)
{
    return int(designed * scale);
}

struct CurveStyle
{
    GraphView::Curve curve;
    QColor color;
    Qt::PenStyle line;
    const char *name;
};

// Colours that stay apart for every kind of colour vision, and a line style each, so that the
// curves are told apart without colour too.
const std::array<CurveStyle, 3> &curveStyles()
{
    static const std::array<CurveStyle, 3> styles { {
        { GraphView::Cosine, QColor(0, 114, 178), Qt::SolidLine, "cos(\u03b8)" },
        { GraphView::Sine, QColor(213, 94, 0), Qt::DashLine, "sin(\u03b8)" },
        { GraphView::Tangent, QColor(0, 140, 100), Qt::DashDotLine, "tan(\u03b8)" },
    } };
    return styles;
}

QPen curvePen(const CurveStyle &style, double scale)
{
    QPen pen(style.color, 2.0 * scale, style.line, Qt::FlatCap, Qt::RoundJoin);
    return pen;
}

float functionValue(GraphView::Curve curve, float theta)
{
    switch (curve) {
    case GraphView::Cosine:
        return std::cos(theta);
    case GraphView::Sine:
        return std::sin(theta);
    case GraphView::Tangent:
        return std::tan(theta);
    }
    return 0.0f;
}

// A curve sampled at every pixel, or a little finer where the tangent climbs: its branches end
// where they leave the area, and no line joins one branch to the next across an asymptote.
QPainterPath curvePath(GraphView::Curve curve, const QRectF &plot)
{
    QPainterPath path;
    const int samples = std::max(2, int(std::ceil(plot.width())) + 1);
    if (curve != GraphView::Tangent) {
        for (int i = 0; i < samples; ++i) {
            const double theta = -twoPi + 2.0 * twoPi * i / (samples - 1);
            const double value = curve == GraphView::Cosine ? std::cos(theta) : std::sin(theta);
            const QPointF p(GraphView::xForTheta(plot, theta), GraphView::yForValue(plot, value));
            if (i == 0)
                path.moveTo(p);
            else
                path.lineTo(p);
        }
        return path;
    }
    // Each branch about kπ, from where tan θ is just beyond the bottom to just beyond the top.
    const double reach = std::atan(valueRange * 1.05);
    for (int k = -2; k <= 2; ++k) {
        const double from = std::max(-twoPi, k * pi - reach);
        const double to = std::min(twoPi, k * pi + reach);
        const int steps = std::max(8, int(std::ceil(samples * (to - from) / (2.0 * twoPi))) * 2);
        for (int i = 0; i <= steps; ++i) {
            const double theta = from + (to - from) * i / steps;
            const QPointF p(GraphView::xForTheta(plot, theta),
                            GraphView::yForValue(plot, std::tan(theta)));
            if (i == 0)
                path.moveTo(p);
            else
                path.lineTo(p);
        }
    }
    return path;
}

// A plain text placed by the centre of its box, or by the middle of one of its sides.
void drawText(QPainter &painter, const QString &text, const TextAttributes &attributes, QPointF at,
              Qt::Alignment alignment)
{
    const Size size = sizeWithAttributes(text, attributes);
    double x = at.x() - size.width / 2.0;
    if (alignment & Qt::AlignLeft)
        x = at.x();
    else if (alignment & Qt::AlignRight)
        x = at.x() - size.width;
    double bottom = at.y() + size.height / 2.0;
    if (alignment & Qt::AlignTop)
        bottom = at.y() + size.height;
    drawTextWithAttributes(painter, text, attributes, float(x), float(bottom));
}

} // namespace

struct GraphView::Look
{
    DisplayOptions options;
    bool plain = true;
    // Lengths and line widths grow by s, texts by s times text.
    double s = 1.0;
    double text = 1.0;
    QRectF plot;
    // With display options: the legend's entries, their rows and where each one begins.
    double legendRowHeight = 0.0;
    double entryWidth = 0.0;
    int entriesPerRow = 1;

    QColor ink(const QColor &designed) const { return figure::forDisplay(designed, options); }
    int textSize(int designed) const { return int(designed * s * text); }
    // The thin lines of the design (grid, axes, marker); thicker in projector mode.
    double thin() const { return options.projector ? std::max(2.0, 1.5 * s) : 1.0; }
};

GraphView::Look GraphView::lookFor(const QSizeF &size, bool onScreen) const
{
    Look look;
    look.options = onScreen ? m_displayOptions : DisplayOptions();
    look.plain = look.options.isPlain() || !m_view;
    if (look.plain) {
        look.s = scaleFor(size);
        look.plot = plotAreaFor(size);
        return look;
    }
    // The margins make room for texts of the size asked for.
    look.s = scaleFor(size);
    look.text = look.options.textScale();
    const double s = look.s;
    const TextAttributes values
        = m_view->fontAttributeWithSize(look.textSize(valueFontSize), 0, 0.0f);
    const TextAttributes ticks
        = m_view->fontAttributeWithSize(look.textSize(tickFontSize), 1, 0.0f);
    const QString undefined = tr("undefined");
    const double widest = std::max(
        double(sizeWithAttributes(QString::fromUtf8("tan(\u03b8) = \u22120.707"), values).width),
        double(sizeWithAttributes(QString::fromUtf8("tan(\u03b8) ") + undefined, values).width));
    look.entryWidth = (34.0 + 18.0) * s + widest;
    look.legendRowHeight = double(sizeWithAttributes(QStringLiteral("Ag"), values).height) * 1.1;

    const double side = std::max(
        sideMargin * s, double(sizeWithAttributes(QStringLiteral("-0.5"), ticks).width) + 10.0 * s);
    const double width = std::max(1.0, size.width() - 2.0 * side);
    int entries = 0;
    for (const CurveStyle &style : curveStyles())
        entries += (m_curves & style.curve) ? 1 : 0;
    look.entriesPerRow = std::max(1, std::min(entries, int(width / look.entryWidth)));
    const int rows = entries == 0 ? 0 : (entries + look.entriesPerRow - 1) / look.entriesPerRow;
    const double top = std::max(topMargin * s, rows * look.legendRowHeight + 6.0 * s);
    const double bottom = std::max(
        bottomMargin * s, double(sizeWithAttributes(QStringLiteral("Ag"), ticks).height) + 8.0 * s);
    const double height = std::max(1.0, size.height() - top - bottom);
    look.plot = QRectF(side, top, width, height);
    return look;
}

QRectF GraphView::plotArea() const
{
    return lookFor(QSizeF(size()), true).plot;
}

double GraphView::scaleFor(const QSizeF &size)
{
    // Never below the designed size: smaller texts would not be read. A graph narrower than
    // designed for its height (beside the circle) grows by its width, or its labels would run
    // into one another.
    return std::max(1.0, std::min(size.height() / double(designedHeight), size.width() / 640.0));
}

QRectF GraphView::plotAreaFor(const QSizeF &size)
{
    const double s = scaleFor(size);
    const double width = std::max(1.0, size.width() - 2.0 * sideMargin * s);
    const double height = std::max(1.0, size.height() - (topMargin + bottomMargin) * s);
    return QRectF(sideMargin * s, topMargin * s, width, height);
}

double GraphView::xForTheta(const QRectF &plot, double theta)
{
    return plot.center().x() + theta / twoPi * plot.width() / 2.0;
}

double GraphView::thetaForX(const QRectF &plot, double x)
{
    return (x - plot.center().x()) / (plot.width() / 2.0) * twoPi;
}

double GraphView::yForValue(const QRectF &plot, double value)
{
    return plot.center().y() - value / valueRange * plot.height() / 2.0;
}

void GraphView::draw(QPainter &painter, const QSizeF &size, bool onScreen)
{
    if (!onScreen) {
        drawStaticParts(painter, size, lookFor(size, false));
        drawAngle(painter, size, false);
        return;
    }
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const bool degrees = m_view && m_view->angleUnit() == 1;
    // The picture is drawn again when what it shows changes: its size, the unit of its labels,
    // the curves.
    if (m_cache.isNull() || m_cache.size() != (size * ratio).toSize()
        || m_cache.devicePixelRatio() != ratio || m_cacheDegrees != degrees
        || m_cacheCurves != m_curves || m_cacheOptions != m_displayOptions) {
        // Opaque, so that putting it on screen is a copy, not a blend.
        m_cache = QImage((size * ratio).toSize(), QImage::Format_RGB32);
        m_cache.setDevicePixelRatio(ratio);
        QPainter cachePainter(&m_cache);
        drawStaticParts(cachePainter, size, lookFor(size, true));
        m_cacheDegrees = degrees;
        m_cacheCurves = m_curves;
        m_cacheOptions = m_displayOptions;
    }
    painter.drawImage(QPointF(0, 0), m_cache);
    drawAngle(painter, size, true);
}

void GraphView::drawStaticParts(QPainter &painter, const QSizeF &size, const Look &look) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    const QRectF bounds(QPointF(0, 0), size);
    painter.fillRect(bounds, look.ink(figure::white()));
    painter.setPen(QPen(look.ink(figure::black()), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(bounds.adjusted(0.5, 0.5, -0.5, -0.5));

    const QRectF plot = look.plot;
    const double s = look.s;
    const double x0 = xForTheta(plot, 0.0);
    const double y0 = yForValue(plot, 0.0);

    // The grid at every multiple of π∕2 and at the values ±0.5 and ±1.
    painter.setPen(QPen(look.ink(QColor(228, 228, 228)), 1.0));
    for (int k = -4; k <= 4; ++k) {
        const double x = xForTheta(plot, k * pi / 2.0);
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    }
    for (double v : { -1.0, -0.5, 0.5, 1.0 })
        painter.drawLine(QPointF(plot.left(), yForValue(plot, v)),
                         QPointF(plot.right(), yForValue(plot, v)));

    // The asymptotes of the tangent.
    if (m_curves & Tangent) {
        QPen dashed(look.ink(figure::grey()), look.thin(), Qt::DashLine);
        painter.setPen(dashed);
        for (int k : { -3, -1, 1, 3 }) {
            const double x = xForTheta(plot, k * pi / 2.0);
            painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        }
    }

    // The axes with their ticks: θ through the value 0, the values through θ = 0.
    painter.setPen(QPen(look.ink(figure::grey()), look.thin()));
    painter.drawLine(QPointF(plot.left(), y0), QPointF(plot.right(), y0));
    painter.drawLine(QPointF(x0, plot.top()), QPointF(x0, plot.bottom()));
    for (int k = -4; k <= 4; ++k) {
        const double x = xForTheta(plot, k * pi / 2.0);
        painter.drawLine(QPointF(x, y0 - 3.0 * s), QPointF(x, y0 + 3.0 * s));
    }
    for (double v : { -1.0, -0.5, 0.5, 1.0 })
        painter.drawLine(QPointF(x0 - 3.0 * s, yForValue(plot, v)),
                         QPointF(x0 + 3.0 * s, yForValue(plot, v)));

    if (m_view) {
        TextAttributes labels = m_view->fontAttributeWithSize(look.textSize(tickFontSize), 1, 0.0f);
        labels.color = look.ink(figure::grey());
        // The θ ticks named as the figure names the angles, in its unit.
        QString names[9];
        for (int k = -4; k <= 4; ++k) {
            float angle = float(k * pi / 2.0);
            names[k + 4] = m_view->normalizeAngle(angle).trimmed();
        }
        // Larger texts that would touch their neighbours name every other tick: the multiples
        // of π.
        int every = 1;
        if (!look.plain) {
            const double spacing = xForTheta(plot, pi / 2.0) - xForTheta(plot, 0.0);
            for (int i = 0; i + 1 < 9; ++i) {
                const double half = (double(sizeWithAttributes(names[i], labels).width)
                                     + double(sizeWithAttributes(names[i + 1], labels).width))
                    / 2.0;
                if (half + 6.0 * s > spacing)
                    every = 2;
            }
        }
        for (int k = -4; k <= 4; k += every)
            drawText(painter, names[k + 4], labels,
                     QPointF(xForTheta(plot, k * pi / 2.0), plot.bottom() + 3.0 * s),
                     Qt::AlignHCenter | Qt::AlignTop);
    }

    // The curves, within the plotting area.
    painter.setClipRect(plot);
    for (const CurveStyle &style : curveStyles()) {
        if (!(m_curves & style.curve))
            continue;
        QPen pen = curvePen(style, s);
        if (!look.plain) {
            pen.setColor(look.ink(style.color));
            if (look.options.projector)
                pen.setWidthF(std::max(pen.widthF(), 3.0 * s));
        }
        painter.setPen(pen);
        painter.drawPath(curvePath(style.curve, plot));
    }
    painter.setClipping(false);

    // The value ticks as the figure writes its axis labels, with the hyphen-minus, over the
    // curves on a light ground of their own.
    if (m_view && !look.plain) {
        // Left of the plotting area, where no curve and no θ label can reach them.
        TextAttributes labels = m_view->fontAttributeWithSize(look.textSize(tickFontSize), 1, 0.0f);
        labels.color = look.ink(figure::grey());
        // The halves only where they do not touch the ones beside them.
        const bool halves = plot.height() / 6.0
            > double(sizeWithAttributes(QStringLiteral("0.5"), labels).height) + 2.0 * s;
        for (double v : { -1.0, -0.5, 0.5, 1.0 }) {
            if (!halves && std::fabs(v) < 1.0)
                continue;
            const QString label = QString::number(v);
            drawText(painter, label, labels, QPointF(plot.left() - 5.0 * s, yForValue(plot, v)),
                     Qt::AlignRight | Qt::AlignVCenter);
        }
    } else if (m_view) {
        const TextAttributes labels
            = m_view->fontAttributeWithSize(fontSize(tickFontSize, s), 1, 0.0f);
        for (double v : { -1.0, -0.5, 0.5, 1.0 }) {
            const QString label = v == -1.0 ? QStringLiteral("-1")
                : v == -0.5                 ? QStringLiteral("-0.5")
                : v == 0.5                  ? QStringLiteral("0.5")
                                            : QStringLiteral("1");
            const Size box = sizeWithAttributes(label, labels);
            const QPointF right(x0 - 5.0 * s, yForValue(plot, v));
            painter.fillRect(QRectF(right.x() - box.width - 1.0, right.y() - box.height / 2.0,
                                    box.width + 2.0, box.height),
                             QColor(255, 255, 255, 210));
            drawText(painter, label, labels, right, Qt::AlignRight | Qt::AlignVCenter);
        }
    }

    // The legend, above the plotting area: a sample of each curve's line and its name. With
    // display options it is drawn with the values, at every change of the angle.
    if (m_view && look.plain) {
        const TextAttributes names
            = m_view->fontAttributeWithSize(fontSize(tickFontSize, s), 0, 0.0f);
        const double y = plot.top() / 2.0;
        double x = plot.left();
        for (const CurveStyle &style : curveStyles()) {
            if (!(m_curves & style.curve))
                continue;
            painter.setPen(curvePen(style, s));
            painter.drawLine(QPointF(x, y), QPointF(x + 28.0 * s, y));
            const QString name = QString::fromUtf8(style.name);
            drawText(painter, name, names, QPointF(x + 34.0 * s, y),
                     Qt::AlignLeft | Qt::AlignVCenter);
            x += (34.0 + 18.0) * s + double(sizeWithAttributes(name, names).width);
        }
    }
    painter.restore();
}

StyledText GraphView::valueText(Curve curve, float theta, const TextAttributes &attributes) const
{
    if (curve != Tangent) {
        const float value = curve == Cosine ? std::cos(theta) : std::sin(theta);
        return m_view ? m_view->displayedValue(value, attributes) : StyledText();
    }
    const figure::Tangent t = figure::tangentOf(theta);
    if (!t.defined)
        //: Written on the graph after "tan(θ)" where the tangent has no value (at ±π∕2, ±3π∕2).
        return StyledText(tr("undefined"), attributes);
    StyledText text(figure::showsMinus(t.value) ? m_view->minusString() : QStringLiteral(" "),
                    attributes);
    if (t.exact && t.exact->root == 3) {
        // √3 is the surd of √3∕2 without its denominator; √3∕3 has 3 for it.
        StyledText surd = m_view->squareRootOf(3, attributes);
        const TextAttributes denominator = surd.attributesAt(5);
        surd.truncate(t.exact->denominator == 1 ? 3 : 5);
        if (t.exact->denominator != 1)
            surd.append(StyledText(QStringLiteral("3"), denominator));
        text.append(surd);
    } else if (t.exact) {
        text.appendPlain(QString::number(t.exact->factor));
    } else {
        text.appendPlain(figure::threeDecimals(double(std::fabs(t.value))));
    }
    return text;
}

void GraphView::drawDot(QPainter &painter, QPointF at, const QColor &color, double scale,
                        bool onScreen, const QColor &outline) const
{
    const double d = 10.0 * scale;
    const QRectF box(at.x() - d / 2.0, at.y() - d / 2.0, d, d);
    const auto paint = [&box, &outline](QPainter &p, const QColor &fill) {
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(QPen(outline, 1.0));
        p.setBrush(fill);
        p.drawEllipse(box.adjusted(1.0, 1.0, -1.0, -1.0));
    };
    if (!onScreen) {
        paint(painter, color);
        return;
    }
    // On screen the dot is drawn once for its colour and then only copied.
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    for (const Dot &dot : m_dots) {
        if (dot.color == color && dot.outline == outline && dot.diameter == d
            && dot.image.devicePixelRatio() == ratio) {
            painter.drawImage(box.topLeft(), dot.image);
            return;
        }
    }
    QImage image(QSizeF(d * ratio, d * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.translate(-box.topLeft());
        paint(p, color);
    }
    if (m_dots.size() >= 8)
        m_dots.clear();
    m_dots.push_back(Dot { color, outline, d, image });
    painter.drawImage(box.topLeft(), image);
}

void GraphView::drawAngle(QPainter &painter, const QSizeF &size, bool onScreen) const
{
    if (!m_view)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    const Look look = lookFor(size, onScreen);
    const QRectF plot = look.plot;
    const double s = look.s;
    const float theta = m_view->theta();
    // A full turn snapped to the float nearest 2π lies a hair past the end of the area.
    const double x = std::clamp(xForTheta(plot, double(theta)), plot.left(), plot.right());

    painter.setPen(QPen(look.ink(figure::black()), look.thin()));
    painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    if (!look.plain) {
        // The dots on the curves, and the values in the legend above them.
        for (const CurveStyle &style : curveStyles()) {
            if (!(m_curves & style.curve))
                continue;
            if (style.curve == Tangent && std::fabs(std::cos(theta)) < 0.0001f)
                continue;
            const double y = yForValue(plot, double(functionValue(style.curve, theta)));
            if (y >= plot.top() && y <= plot.bottom())
                drawDot(painter, QPointF(x, y), look.ink(style.color), s, onScreen,
                        look.ink(figure::black()));
        }
        drawLegendWithValues(painter, look);
        painter.restore();
        return;
    }

    // A label is plain text, laid out once and kept like the figure's labels, unless it holds a
    // surd, whose bar and raised slash need styled runs.
    struct Label
    {
        QString plain;
        StyledText styled;
        Size box;
        double y;
    };
    std::vector<Label> labels;
    const TextAttributes attributes
        = m_view->fontAttributeWithSize(fontSize(valueFontSize, s), 0, 0.0f);
    for (const CurveStyle &style : curveStyles()) {
        if (!(m_curves & style.curve))
            continue;
        const bool undefined = style.curve == Tangent && std::fabs(std::cos(theta)) < 0.0001f;
        StyledText text(QString::fromUtf8(style.name)
                            + (undefined ? QStringLiteral(" ") : QStringLiteral(" = ")),
                        attributes);
        text.append(valueText(style.curve, theta, attributes));

        double y = plot.top() + 8.0 * s;
        if (!undefined) {
            const double v = double(functionValue(style.curve, theta));
            y = yForValue(plot, v);
            painter.setPen(QPen(figure::black(), 1.0));
            painter.setBrush(style.color);
            if (y >= plot.top() && y <= plot.bottom()) {
                drawDot(painter, QPointF(x, y), style.color, s, onScreen, figure::black());
            } else {
                // Beyond the area (the tangent near its asymptotes): an arrow at its edge.
                const double edge = y < plot.top() ? plot.top() : plot.bottom();
                const double toward = y < plot.top() ? -1.0 : 1.0;
                const QPointF arrow[3]
                    = { QPointF(x, edge), QPointF(x - 5.0 * s, edge - toward * 8.0 * s),
                        QPointF(x + 5.0 * s, edge - toward * 8.0 * s) };
                painter.drawPolygon(arrow, 3);
            }
            painter.setBrush(Qt::NoBrush);
            y = std::clamp(y, plot.top() + 8.0 * s, plot.bottom() - 8.0 * s);
        }
        Label label;
        if (text.string().contains(QChar(0x221a))) {
            // The same attributes every time: the string says it all.
            auto found = m_surdLabels.constFind(text.string());
            if (found == m_surdLabels.constEnd()) {
                if (m_surdLabels.size() >= 64)
                    m_surdLabels.clear();
                found = m_surdLabels.insert(text.string(), text);
            }
            // Measured in the cache, so that the copies share its layout.
            label.box = found->size();
            label.styled = *found;
        } else {
            label.plain = text.string();
            label.box = sizeWithAttributes(label.plain, attributes);
        }
        label.y = y;
        labels.push_back(std::move(label));
    }

    // Beside the dots, pushed apart where they would overlap (at π∕4 cosine and sine meet).
    std::sort(labels.begin(), labels.end(),
              [](const Label &a, const Label &b) { return a.y < b.y; });
    for (size_t i = 1; i < labels.size(); ++i) {
        const double least
            = labels[i - 1].y + (labels[i - 1].box.height + labels[i].box.height) / 2.0;
        labels[i].y = std::max(labels[i].y, least);
    }
    if (!labels.empty()) {
        const double overflow = labels.back().y + labels.back().box.height / 2.0 - plot.bottom();
        if (overflow > 0.0)
            for (Label &label : labels)
                label.y -= overflow;
    }
    for (const Label &label : labels) {
        const Size box = label.box;
        double left = x + 8.0 * s;
        if (left + box.width > plot.right())
            left = x - 8.0 * s - box.width;
        // On a light ground, so that the curves behind do not cross the text.
        painter.fillRect(
            QRectF(left - 2.0, label.y - box.height / 2.0, box.width + 4.0, box.height),
            figure::white());
        const float bottom = float(label.y + box.height / 2.0);
        if (label.plain.isNull())
            label.styled.draw(painter, float(left), bottom);
        else
            drawTextWithAttributes(painter, label.plain, attributes, float(left), bottom);
    }
    painter.restore();
}

void GraphView::drawLegendWithValues(QPainter &painter, const Look &look) const
{
    // Each curve in a slot of its own, as wide as its widest value, so that nothing moves while
    // the angle does; rows of them when the graph is too narrow for one.
    const float theta = m_view->theta();
    const double s = look.s;
    TextAttributes attributes
        = m_view->fontAttributeWithSize(look.textSize(valueFontSize), 0, 0.0f);
    attributes.color = look.ink(figure::black());
    int index = 0;
    for (const CurveStyle &style : curveStyles()) {
        if (!(m_curves & style.curve))
            continue;
        const int row = index / look.entriesPerRow;
        const int column = index % look.entriesPerRow;
        ++index;
        const double x = look.plot.left() + column * look.entryWidth;
        const double y = (row + 0.5) * look.legendRowHeight + 2.0 * s;
        QPen pen = curvePen(style, s);
        pen.setColor(look.ink(style.color));
        if (look.options.projector)
            pen.setWidthF(std::max(pen.widthF(), 3.0 * s));
        painter.setPen(pen);
        painter.drawLine(QPointF(x, y), QPointF(x + 28.0 * s, y));

        const bool undefined = style.curve == Tangent && std::fabs(std::cos(theta)) < 0.0001f;
        StyledText text(QString::fromUtf8(style.name)
                            + (undefined ? QStringLiteral(" ") : QStringLiteral(" = ")),
                        attributes);
        text.append(valueText(style.curve, theta, attributes));
        const double height = text.size().height;
        text.draw(painter, float(x + 34.0 * s), float(y + height / 2.0));
    }
}
