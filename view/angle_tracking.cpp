// Turning pointer positions into the angle theta: the winding rule, and the press, drag and
// release of the point on the circle.
#include "view/orbel_view.h"

#include "platform/beep.h"

#include <QMouseEvent>

#include <cmath>

namespace {
constexpr double twoPi = 6.283185307179586;
}

float OrbelView::normSquare(Point p) const
{
    const double x = p.x;
    const double y = p.y;
    return float(x * x + y * y);
}

void OrbelView::process(Point p)
{
    m_typed = false;
    const float a = float(std::atan2(double(p.y), double(p.x)));
    // Keep the sign of the previous angle, so that the angle winds on past the positive x axis
    // instead of jumping by a full turn; only an exact 0 (from snapping) lets the sign change.
    if (a < 0.0f && m_theta > 0.0f)
        m_theta = float(double(a) + twoPi);
    else if (a > 0.0f && m_theta < 0.0f)
        m_theta = float(double(a) - twoPi);
    else
        m_theta = a;

    m_displayTheta = normalizeAngle(m_theta);

    // Magnitudes from the (possibly snapped) angle, signs from the pointer, so the point stays in
    // the pointer's quadrant even where cosf(pi/2) is a tiny negative number.
    m_currentPoint.x = std::copysign(std::cos(m_theta), p.x);
    m_currentPoint.y = std::copysign(std::sin(m_theta), p.y);
    notifyAngleChanged();
}

void OrbelView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const Point p = m_coordinates.convertFromWidget(event->position());
    // Before the first pass the unit is 0 and d is not a number: the press only beeps.
    const double d = double(normSquare(p) / m_unit / m_unit);
    if (d > 0.9 && d < 1.1) {
        process(p);
        // A point held at or just short of a full turn restarts from the raw angle.
        if (double(std::fabs(m_theta)) > 6.28) {
            m_theta = 0.0f;
            process(p);
        }
        update();
        m_canDrag = true;
    } else {
        platform::beep();
        m_canDrag = false;
    }
}

void OrbelView::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_canDrag) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    const Point p = m_coordinates.convertFromWidget(event->position());
    // A position that is not a number has no direction from the centre: the point stays where
    // it is rather than taking a NaN angle into the figure.
    if (std::isnan(p.x) || std::isnan(p.y))
        return;
    process(p);
    update();
}

void OrbelView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    m_canDrag = false;
    update();
}
