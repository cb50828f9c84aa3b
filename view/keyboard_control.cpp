// Moving the point from the keyboard. Every key goes through process(), as a pointer at that
// direction would, so the winding rule, the snapping and the labels are the same as for a drag.
#include "view/orbel_view.h"

#include <QKeyEvent>
#include <QPainter>

#include <array>
#include <cmath>

namespace {

constexpr double pi = 3.141592653589793;
constexpr double stepDegrees = 5.0;

// The standard angles of one turn, in degrees.
constexpr std::array<double, 16> standardDegrees { 0,   30,  45,  60,  90,  120, 135, 150,
                                                   180, 210, 225, 240, 270, 300, 315, 330 };

// Degrees are compared with a little slack, so that an angle that is already on a grid line
// (up to float rounding) moves on to the next one instead of staying put.
constexpr double slack = 1e-3;

double nextStandardDegrees(double degrees, int direction)
{
    const double turn = std::floor(degrees / 360.0) * 360.0;
    if (direction > 0) {
        for (int k = 0; k < 2; ++k) {
            for (double s : standardDegrees) {
                const double candidate = turn + 360.0 * k + s;
                if (candidate > degrees + slack)
                    return candidate;
            }
        }
        return turn + 360.0;
    }
    for (int k = 0; k < 2; ++k) {
        for (auto it = standardDegrees.rbegin(); it != standardDegrees.rend(); ++it) {
            const double candidate = turn - 360.0 * k + *it;
            if (candidate < degrees - slack)
                return candidate;
        }
    }
    return turn - 360.0;
}

} // namespace

void OrbelView::turnTo(double angle)
{
    process(Point { float(std::cos(angle)), float(std::sin(angle)) });
    update();
}

void OrbelView::stepAngle(int direction)
{
    if (!std::isfinite(m_theta))
        m_theta = 0.0f;
    // Steps land on the 5-degree grid, so every standard angle is reached exactly and a step
    // (wider than the snapping window) never falls back onto the angle it left.
    const double degrees = double(m_theta) * 180.0 / pi;
    const double cell = degrees / stepDegrees;
    const double target = direction > 0 ? (std::floor(cell + slack) + 1.0) * stepDegrees
                                        : (std::ceil(cell - slack) - 1.0) * stepDegrees;
    turnTo(target * pi / 180.0);
}

void OrbelView::stepToStandardAngle(int direction)
{
    if (!std::isfinite(m_theta))
        m_theta = 0.0f;
    turnTo(nextStandardDegrees(double(m_theta) * 180.0 / pi, direction) * pi / 180.0);
}

bool OrbelView::turnByKey(int key)
{
    switch (key) {
    case Qt::Key_Right:
    case Qt::Key_Up:
        stepAngle(+1);
        return true;
    case Qt::Key_Left:
    case Qt::Key_Down:
        stepAngle(-1);
        return true;
    case Qt::Key_PageUp:
        stepToStandardAngle(+1);
        return true;
    case Qt::Key_PageDown:
        stepToStandardAngle(-1);
        return true;
    case Qt::Key_Home:
        setTheta(0.0f);
        return true;
    default:
        return false;
    }
}

void OrbelView::keyPressEvent(QKeyEvent *event)
{
    if (turnByKey(event->key()))
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

void OrbelView::focusInEvent(QFocusEvent *event)
{
    update();
    QWidget::focusInEvent(event);
}

void OrbelView::focusOutEvent(QFocusEvent *event)
{
    update();
    QWidget::focusOutEvent(event);
}
