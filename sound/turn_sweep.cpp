// The turn's clock: each step puts the point where the elapsed time says, so a slow frame delays
// nothing and the turn always lasts its duration.
#include "sound/turn_sweep.h"

#include "view/orbel_view.h"

#include <QCoreApplication>
#include <QEvent>

namespace {
constexpr double twoPi = 6.283185307179586;
// About one step per frame of the screen.
constexpr int stepMilliseconds = 16;
} // namespace

TurnSweep::TurnSweep(QObject *parent)
    : QObject(parent)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(stepMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, &TurnSweep::step);
}

TurnSweep::~TurnSweep()
{
    if (QCoreApplication *app = QCoreApplication::instance())
        app->removeEventFilter(this);
}

void TurnSweep::setOrbelView(OrbelView *view)
{
    if (isRunning())
        stop();
    m_view = view;
}

void TurnSweep::start()
{
    if (!m_view)
        return;
    if (isRunning()) {
        restoreStart();
    } else {
        m_start = m_view->theta();
        m_startTyped = m_view->typedAngle();
        m_startDegreeDecimals = m_view->typedDegreeDecimals();
    }
    m_clock.start();
    m_timer.start();
    if (QCoreApplication *app = QCoreApplication::instance())
        app->installEventFilter(this);
    emit started();
    step();
}

void TurnSweep::stop()
{
    if (!isRunning())
        return;
    m_timer.stop();
    if (QCoreApplication *app = QCoreApplication::instance())
        app->removeEventFilter(this);
    // Where it began, through the setter: the angle as it was, with its own label.
    if (m_view)
        restoreStart();
    emit finished();
}

void TurnSweep::restoreStart()
{
    if (m_startTyped)
        m_view->setTypedAngle(m_start, m_startDegreeDecimals);
    else
        m_view->setTheta(m_start);
}

void TurnSweep::step()
{
    if (!m_view) {
        stop();
        return;
    }
    const qint64 elapsed = m_clock.elapsed();
    if (elapsed >= m_duration) {
        stop();
        return;
    }
    // Counter-clockwise from the start; past a full turn the view's winding brings the angle
    // back into its range, as a pointer going on round would.
    m_view->setTheta(float(double(m_start) + twoPi * double(elapsed) / double(m_duration)));
}

bool TurnSweep::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::TouchBegin:
    case QEvent::TabletPress:
        // The key or press then does what it always does, from the angle the turn began at.
        stop();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
