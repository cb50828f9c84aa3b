// The y-up drawing surface of the figure. The view may move its origin in the middle of a pass,
// so the painter's transform follows the view's coordinates before every operation.
#include "platform/graphics.h"

#include "platform/view_coordinates.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPen>

#include <cmath>

namespace {

// Arc sweeps: counter-clockwise from start to end, wrapping once round the circle;
// a difference of exactly a full turn (or more) is a full circle.
float normalisedSweep(float from, float to)
{
    float sweep = to - from;
    if (sweep >= 360.0f)
        return 360.0f;
    if (sweep < 0.0f) {
        sweep = std::fmod(sweep, 360.0f);
        if (sweep < 0.0f)
            sweep += 360.0f;
    }
    return sweep;
}

} // namespace

void Path::moveTo(Point p)
{
    m_path.moveTo(p.x, p.y);
}

void Path::lineTo(Point p)
{
    m_path.lineTo(p.x, p.y);
}

void Path::closePath()
{
    m_path.closeSubpath();
}

void Path::appendArc(Point center, float radius, float startAngle, float endAngle, bool clockwise)
{
    const QRectF box(center.x - radius, center.y - radius, 2.0 * radius, 2.0 * radius);
    const float sweep = clockwise ? -normalisedSweep(endAngle, startAngle)
                                  : normalisedSweep(startAngle, endAngle);
    // QPainterPath counts angles counter-clockwise on a y-down surface; the path lives in y-up
    // coordinates, so both the start and the sweep change sign.
    if (m_path.elementCount() == 0)
        m_path.arcMoveTo(box, -startAngle);
    m_path.arcTo(box, -startAngle, -sweep);
}

void Path::appendOval(const Rect &rect)
{
    m_path.addEllipse(QRectF(rect.origin.x, rect.origin.y, rect.size.width, rect.size.height));
}

void Path::setLineDash(float drawn, float blank, float phase)
{
    m_dash = QVector<qreal> { drawn, blank };
    m_phase = phase;
}

Graphics::Graphics(QPainter &painter, const ViewCoordinates &view)
    : Graphics(painter, view, isScreenDevice(painter.device()))
{ }

Graphics::Graphics(QPainter &painter, const ViewCoordinates &view, bool drawingToScreen)
    : m_painter(painter)
    , m_view(view)
    , m_base(painter.worldTransform())
    , m_drawingToScreen(drawingToScreen)
{
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
    setColor(Qt::black);
}

bool Graphics::isScreenDevice(const QPaintDevice *device)
{
    if (!device)
        return true;
    if (device->devType() == QInternal::Printer)
        return false;
    const QPaintEngine *engine = device->paintEngine();
    return !(engine && engine->type() == QPaintEngine::Pdf);
}

void Graphics::setColor(const QColor &color)
{
    m_color = color;
    applyPen();
    m_painter.setBrush(color);
}

void Graphics::setLineWidth(float width)
{
    m_lineWidth = width;
    applyPen();
}

void Graphics::applyPen()
{
    // The default line of the platform: one point wide, butt ends and mitred corners.
    m_painter.setPen(QPen(m_color, double(m_lineWidth), Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
}

void Graphics::applyTransform()
{
    const Point origin = m_view.originInFrame();
    if (m_appliedOrigin && *m_appliedOrigin == origin)
        return;
    QTransform flip;
    flip.translate(0.0, m_view.frame().size.height);
    flip.scale(1.0, -1.0);
    flip.translate(origin.x, origin.y);
    m_painter.setWorldTransform(flip * m_base);
    m_appliedOrigin = origin;
}

QPointF Graphics::toPainter(Point p) const
{
    const Point origin = m_view.originInFrame();
    return QPointF(double(p.x) + origin.x,
                   double(m_view.frame().size.height) - (double(p.y) + origin.y));
}

void Graphics::fillRect(const Rect &rect)
{
    applyTransform();
    m_painter.fillRect(QRectF(rect.origin.x, rect.origin.y, rect.size.width, rect.size.height),
                       m_color);
}

void Graphics::strokeRect(const Rect &rect)
{
    applyTransform();
    // Four sides with square ends cover what a mitred outline covers; Qt rasterises straight
    // lines far faster than the outline of a large rectangle.
    const qreal x0 = rect.origin.x, y0 = rect.origin.y;
    const qreal x1 = x0 + rect.size.width, y1 = y0 + rect.size.height;
    QPen pen = m_painter.pen();
    pen.setCapStyle(Qt::SquareCap);
    m_painter.setPen(pen);
    const QLineF sides[]
        = { { x0, y0, x1, y0 }, { x1, y0, x1, y1 }, { x1, y1, x0, y1 }, { x0, y1, x0, y0 } };
    m_painter.drawLines(sides, 4);
    applyPen();
}

void Graphics::strokeLine(Point from, Point to)
{
    applyTransform();
    m_painter.drawLine(QPointF(from.x, from.y), QPointF(to.x, to.y));
}

void Graphics::fill(const Path &path)
{
    applyTransform();
    m_painter.fillPath(path.painterPath(), m_color);
}

void Graphics::stroke(const Path &path)
{
    applyTransform();
    QPen pen = m_painter.pen();
    if (path.dash()) {
        // Qt counts dashes in line widths; the path gives them in points.
        QVector<qreal> dash = *path.dash();
        qreal phase = path.dashPhase();
        if (m_lineWidth != 1.0f) {
            for (qreal &length : dash)
                length /= qreal(m_lineWidth);
            phase /= qreal(m_lineWidth);
        }
        pen.setDashPattern(dash);
        pen.setDashOffset(phase);
    }
    m_painter.strokePath(path.painterPath(), pen);
}

void Graphics::drawText(const QString &text, const TextAttributes &attributes, Point lowerLeft)
{
    beginText(lowerLeft);
    drawTextWithAttributes(m_painter, text, attributes, 0.0f, 0.0f);
    endText();
}

void Graphics::drawStyledText(const StyledText &text, Point lowerLeft)
{
    beginText(lowerLeft);
    text.draw(m_painter, 0.0f, 0.0f);
    endText();
}

QImage *Graphics::rasterImage() const
{
    // A widget's painting lands in its window's backing store, the image the engine draws into.
    QPaintEngine *engine = m_painter.paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster || !engine->paintDevice()
        || engine->paintDevice()->devType() != QInternal::Image)
        return nullptr;
    return static_cast<QImage *>(engine->paintDevice());
}

std::optional<Graphics::PixelSurface> Graphics::pixelSurface() const
{
    const QImage *target = rasterImage();
    if (!target || !m_base.isIdentity())
        return std::nullopt;
    // The image's own ratio: a widget rendered into another device reports its own.
    return PixelSurface { target->format(), target->devicePixelRatio() };
}

void Graphics::copyPixels(const PixelPicture &picture)
{
    const QImage &image = picture.image();
    m_painter.save();
    const qreal ratio = image.devicePixelRatio();
    // The same pixels seen at a ratio of one: with the painter's scale undone, Qt copies them
    // row by row instead of resampling.
    m_painter.setWorldTransform(QTransform::fromScale(1.0 / ratio, 1.0 / ratio) * m_base);
    if (!putPixels(picture)) {
        const QImage pixels(image.constBits(), image.width(), image.height(), image.bytesPerLine(),
                            image.format());
        m_painter.setCompositionMode(QPainter::CompositionMode_Source);
        m_painter.drawImage(QPointF(0.0, 0.0), pixels);
    }
    m_painter.restore();
    m_appliedOrigin.reset();
}

bool Graphics::putPixels(const PixelPicture &picture)
{
    // Only where the picture's pixels land on whole pixels of a raster image of its format, with
    // nothing but the system's clip (the region being repainted) between.
    QImage *target = rasterImage();
    if (!target || !picture.hasRuns() || m_painter.hasClipping() || m_painter.opacity() != 1.0)
        return false;
    const QImage &image = picture.image();
    const QTransform placed = m_painter.deviceTransform();
    if (target->format() != image.format() || placed.type() > QTransform::TxTranslate
        || placed.dx() != std::floor(placed.dx()) || placed.dy() != std::floor(placed.dy()))
        return false;
    const int dx = int(placed.dx());
    const int dy = int(placed.dy());
    const QRect area = QRect(dx, dy, image.width(), image.height()) & target->rect();
    const QRegion system = m_painter.paintEngine()->systemClip();
    const QRegion clip = system.isEmpty() ? QRegion(area) : system & area;
    // The raster engine draws as it is called, into the same pixels: these writes fall in order
    // with the parts drawn before and after.
    uchar *bits = const_cast<uchar *>(target->constBits());
    const qsizetype stride = target->bytesPerLine();
    for (const QRect &rect : clip) {
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            picture.putRow(y - dy, rect.left() - dx, rect.right() + 1 - dx,
                           bits + y * stride + qsizetype(rect.left()) * 4);
    }
    return true;
}

void Graphics::beginText(Point lowerLeft)
{
    // Texts are drawn upright: only their anchor goes through the flip.
    const QPointF anchor = toPainter(lowerLeft);
    m_painter.setWorldTransform(QTransform::fromTranslate(anchor.x(), anchor.y()) * m_base);
    m_appliedOrigin.reset();
}

void Graphics::endText()
{
    // The texts set their own colours on the pen; the current colour comes back for strokes.
    applyPen();
}
