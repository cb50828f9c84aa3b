// The circle view's state: creation, the placement of its origin and scale, and the setters
// through which the controller and the printing code drive it.
#include "view/orbel_view.h"

#include "platform/graphics.h"
#include "view/figure_colours.h"

#include <QMoveEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

double relativeLuminance(const QColor &c)
{
    const auto channel
        = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

// The desktop's highlight where it stands 3 : 1 on the figure's ground; black or white where it
// does not, whichever stands out more.
QColor focusColour(const QColor &highlight, const QColor &ground)
{
    const auto contrast = [](const QColor &a, const QColor &b) {
        const double la = relativeLuminance(a), lb = relativeLuminance(b);
        return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
    };
    if (contrast(highlight, ground) >= 3.0)
        return highlight;
    return contrast(Qt::black, ground) >= contrast(Qt::white, ground) ? QColor(Qt::black)
                                                                      : QColor(Qt::white);
}

} // namespace

OrbelView::OrbelView(const Rect &frame, QWidget *parent)
    : QWidget(parent)
{
    initialise();
    m_coordinates.setFrame(frame);
    // Qt's geometry is whole pixels within its largest widget; a frame beyond that (or not a
    // number) would overflow QRect's arithmetic. The figure itself keeps the frame as given.
    const auto pixels = [](float v, float low) {
        const float limit = float(QWIDGETSIZE_MAX);
        return std::isnan(v) ? 0 : int(std::lround(std::clamp(v, low, limit)));
    };
    const float largest = float(QWIDGETSIZE_MAX);
    setGeometry(pixels(frame.origin.x, -largest), pixels(frame.origin.y, -largest),
                pixels(frame.size.width, 0.0f), pixels(frame.size.height, 0.0f));
}

OrbelView::OrbelView(QWidget *parent)
    : QWidget(parent)
{
    initialise();
    updateFrameFromGeometry();
}

void OrbelView::initialise()
{
    m_currentPoint = Point { 1.0f, 0.0f };
    m_displayTheta = QStringLiteral("0");
    m_piString = QString::fromUtf8("\u03c0");
    m_thetaString = QString::fromUtf8("\u03b8");
    m_divString = QString::fromUtf8("\u2215");
    m_minusString = QString::fromUtf8("\u2212");
    // The figure paints every pixel of the view itself, so Qt need not clear it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    installAccessibility();
    //: What a screen reader calls the figure.
    setAccessibleName(tr("Unit circle"));
}

void OrbelView::setOrigin()
{
    // Qt holds back the resize event of a hidden widget until it is shown, so a view that is
    // sized but never shown (one drawn only for paper or an image) reads its size here.
    updateFrameFromGeometry();
    const Rect frame = m_coordinates.frame();
    const Point centre { 0.5f * frame.size.width + frame.origin.x,
                         0.5f * frame.size.height + frame.origin.y };
    translateOriginToPoint(m_coordinates.convertFromSuperview(centre));
    m_unit = float(std::fmin(double(frame.size.height), double(frame.size.width)) / 3.0);
    if (!m_displayOptions.isPlain())
        fitScaledLabels();
}

void OrbelView::setPrintOrigin()
{
    setOrigin();
    const Rect frame = m_coordinates.frame();
    m_unit = float(std::fmin(double(frame.size.height), double(frame.size.width)) * 0.25);
}

void OrbelView::setTheta(float t)
{
    // Stored first: the winding rule reads the previous angle, so the sign of t decides the
    // half-turn range of the result and 5.0 stays 5.0 instead of becoming -1.28.
    m_theta = t;
    process(Point { std::cos(t), std::sin(t) });
    // A full turn snapped to the float nearest 2π lies a hair past it, so its sine has the sign
    // of the far side of the axis and the winding rule would bring it back as 0. Keep the turn
    // (a printed "2π" must not come out as "0"), but only for an angle that itself snaps to a
    // full turn: any other angle beyond it is wound back like a pointer in its direction.
    constexpr double twoPi = 6.283185307179586;
    constexpr double snapWindow = 0.075;
    if (m_theta == 0.0f && std::fabs(double(std::fabs(t)) - twoPi) < snapWindow) {
        m_theta = t;
        m_displayTheta = normalizeAngle(m_theta);
    }
    update();
}

void OrbelView::setTypedAngle(float t, int degreeDecimals)
{
    m_theta = t;
    m_typed = true;
    m_typedDegreeDecimals = degreeDecimals;
    m_displayTheta = plainLabel(m_theta, m_typedDegreeDecimals);
    m_currentPoint = Point { std::cos(m_theta), std::sin(m_theta) };
    notifyAngleChanged();
    update();
}

void OrbelView::setAngleUnit(int unit)
{
    m_angleUnit = unit;
    // A typed angle is renamed in the new unit, not snapped as a moved point would be.
    if (m_typed) {
        m_displayTheta = plainLabel(m_theta, m_typedDegreeDecimals);
        notifyAngleChanged();
    } else {
        process(m_currentPoint);
    }
    update();
}

void OrbelView::setAngleHidden(bool hidden)
{
    if (hidden == m_angleHidden)
        return;
    m_angleHidden = hidden;
    // Everything that follows the angle hears of it, the field and the panels as a screen reader.
    notifyAngleChanged();
    update();
}

void OrbelView::setReferenceShown(bool shown)
{
    m_referenceShown = shown;
    update();
}

void OrbelView::setStandardAngles(bool b)
{
    m_standardAngles = b;
    update();
}

void OrbelView::setSinCos(bool b)
{
    m_sinCos = b;
    update();
}

void OrbelView::setDisplayOptions(const DisplayOptions &options)
{
    if (options == m_displayOptions)
        return;
    m_displayOptions = options;
    update();
}

int OrbelView::textSize(double designed) const
{
    // Truncated toward zero as the design's sizes are; a factor of exactly 1 changes nothing.
    return int(designed * m_displayOptions.textScale());
}

int OrbelView::movingTextSize(double designed) const
{
    return int(designed * std::min(m_displayOptions.textScale(), 2.0));
}

QColor OrbelView::ink(const QColor &designed) const
{
    return figure::forDisplay(designed, m_displayOptions);
}

void OrbelView::updateFrameFromGeometry()
{
    // Qt's geometry is in whole pixels; a frame given in fractional points (the print view) is
    // kept as long as Qt only confirms its rounded size.
    const QRect g = geometry();
    Rect frame = m_coordinates.frame();
    if (std::lround(frame.size.width) != g.width() || std::lround(frame.size.height) != g.height())
        frame.size = Size { float(g.width()), float(g.height()) };
    if (std::lround(frame.origin.x) != g.x() || std::lround(frame.origin.y) != g.y())
        frame.origin = Point { float(g.x()), float(g.y()) };
    m_coordinates.setFrame(frame);
}

void OrbelView::resizeEvent(QResizeEvent *event)
{
    updateFrameFromGeometry();
    QWidget::resizeEvent(event);
}

void OrbelView::moveEvent(QMoveEvent *event)
{
    updateFrameFromGeometry();
    QWidget::moveEvent(event);
}

void OrbelView::wheelEvent(QWheelEvent *event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QWidget::wheelEvent(event);
        return;
    }
    m_wheelAngle += event->angleDelta().y();
    const int steps = m_wheelAngle / QWheelEvent::DefaultDeltasPerStep;
    m_wheelAngle -= steps * QWheelEvent::DefaultDeltasPerStep;
    if (steps != 0)
        emit textStepRequested(steps);
    event->accept();
}

void OrbelView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    {
        Graphics g(painter, m_coordinates, true);
        drawScreenPass(g);
    }
    // The focus ring belongs to the window, not to the figure: prints and exports never show it.
    if (hasFocus()) {
        painter.resetTransform();
        const QColor ring = focusColour(palette().color(QPalette::Highlight), ink(figure::white()));
        painter.setRenderHint(QPainter::Antialiasing, false);
        // Two pixels wide, from two to four pixels inside the edge. Drawn as four fills, which
        // cover the same pixels at every scale: a pen that wide goes through Qt's path stroker,
        // a tenth of the cost of each pass while the point is dragged.
        const QRectF outer = QRectF(rect()).adjusted(2.0, 2.0, -2.0, -2.0);
        const QRectF inner = outer.adjusted(2.0, 2.0, -2.0, -2.0);
        painter.fillRect(QRectF(outer.left(), outer.top(), outer.width(), 2.0), ring);
        painter.fillRect(QRectF(outer.left(), inner.bottom(), outer.width(), 2.0), ring);
        painter.fillRect(QRectF(outer.left(), inner.top(), 2.0, inner.height()), ring);
        painter.fillRect(QRectF(inner.right(), inner.top(), 2.0, inner.height()), ring);
        // The point itself ringed, so that the eye finds what the keys move.
        const Point origin = m_coordinates.originInFrame();
        const QPointF centre(double(origin.x) + double(m_displayPoint.x),
                             double(frame().size.height)
                                 - (double(origin.y) + double(m_displayPoint.y)));
        const double radius = std::max(8.0, 0.07 * double(m_unit));
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(QPen(ring, std::max(2.0, double(m_displayOptions.lineWidth(m_unit)))));
        painter.drawEllipse(centre, radius, radius);
    }
}
