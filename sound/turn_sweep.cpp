// The turn's clock: each step puts the point where the elapsed time says, so a slow frame delays
// nothing and the turn always lasts its duration.
#include "sound/turn_sweep.h"

#include "platform/accessibility_events.h"
#include "trig/spoken_words.h"
#include "view/orbel_view.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

#include <cmath>

namespace {
constexpr double twoPi = 6.283185307179586;
constexpr double quarter = twoPi / 4.0;
// About one step per frame of the screen.
constexpr int stepMilliseconds = 16;
// An angle within this many quarter turns of an axis counts as on it: the start is a float.
constexpr double onAxis = 1e-4;

bool isModifier(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_Mode_switch:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
        return true;
    default:
        return false;
    }
}
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

void TurnSweep::setShortcut(const QKeySequence &shortcut)
{
    m_shortcutKeys.clear();
    for (int i = 0; i < shortcut.count(); ++i)
        m_shortcutKeys.append(int(shortcut[i].key()));
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
    m_view->setAccessibleUpdatesPaused(true);
    //: Said by the screen reader as Listen to One Turn begins: "one turn from pi over 6".
    say(tr("one turn from %1").arg(m_view->spokenAngle()));
    // The first axis ahead; one the point stands on is where the turn starts, not one it passes.
    m_nextAxis = (std::floor(double(m_start) / quarter + onAxis) + 1.0) * quarter;
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
    if (m_view) {
        restoreStart();
        m_view->setAccessibleUpdatesPaused(false);
        //: Said by the screen reader when Listen to One Turn is over: "back at pi over 6".
        say(tr("back at %1").arg(m_view->spokenAngle()));
    }
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
    const double angle = double(m_start) + twoPi * double(elapsed) / double(m_duration);
    // One word for the axis passed (the last, should a slow frame pass two); the axis the turn
    // ends on is said with its end.
    const double end = double(m_start) + twoPi - onAxis * quarter;
    double passed = 0.0;
    bool crossed = false;
    while (m_nextAxis <= angle && m_nextAxis < end) {
        passed = m_nextAxis;
        crossed = true;
        m_nextAxis += quarter;
    }
    m_view->setTheta(float(angle));
    if (crossed)
        say(axisWords(passed));
}

QString TurnSweep::axisWords(double angle) const
{
    // Named as the view names it there: within the two turns it keeps, on the side it winds.
    if (angle > twoPi + onAxis)
        angle -= twoPi;
    float axis = float(angle);
    const QString label = m_view->normalizeAngle(axis).trimmed();
    return speech::angle(label, m_view->angleUnit());
}

void TurnSweep::say(const QString &words) const
{
    QWidget *focus = QApplication::focusWidget();
    platform::announce(focus ? static_cast<QObject *>(focus) : m_view.data(), words);
}

bool TurnSweep::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        // A modifier alone is no key, and the chord that started the turn is not a new one.
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (!isModifier(key) && !m_shortcutKeys.contains(key))
            stop();
        break;
    }
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
