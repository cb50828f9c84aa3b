// Choosing the pitch, the tick and when the stream is open.
#include "sound/sound_controller.h"

#include "sound/tone_output.h"
#include "view/orbel_view.h"

#include <algorithm>
#include <cmath>

namespace {

// The stream stays open this long after the last tone could have ended: its hold, its fade and
// what the server still has queued.
constexpr int closeDelayMs = 1200;

// The angle is one the view snapped to: the view keeps every angle either exactly on a multiple
// of π∕n of its rule or outside all their windows, so its own rule says which.
bool isStandardAngle(const OrbelView &view, float theta)
{
    for (int fraction : { 1, 2, 3, 4, 6 }) {
        float angle = theta;
        if (!view.normalizeAngleWithFraction(angle, fraction).isNull())
            return true;
    }
    return false;
}

} // namespace

SoundController::SoundController(QObject *parent)
    : QObject(parent)
{
    m_retryTimer.setSingleShot(true);
    connect(&m_retryTimer, &QTimer::timeout, this, &SoundController::retry);
    m_closeTimer.setSingleShot(true);
    m_closeTimer.setInterval(closeDelayMs);
    connect(&m_closeTimer, &QTimer::timeout, this, [this] {
        if (soundingFunction() == Off && m_output)
            m_output->close();
    });
    connect(&m_sweep, &TurnSweep::started, this, &SoundController::updateStream);
    connect(&m_sweep, &TurnSweep::finished, this, &SoundController::updateStream);
    setOutput(std::make_unique<platform::ToneOutput>());
}

SoundController::~SoundController()
{
    // The turn's last step must not reach an output already gone.
    m_sweep.disconnect(this);
    m_sweep.stop();
}

void SoundController::setOrbelView(OrbelView *view)
{
    if (m_view)
        disconnect(m_view, nullptr, this, nullptr);
    m_view = view;
    m_sweep.setOrbelView(view);
    if (m_view) {
        connect(m_view, &OrbelView::thetaChanged, this, &SoundController::angleChanged);
        m_lastTheta = m_view->theta();
        m_lastStandard = isStandardAngle(*m_view, m_lastTheta);
    }
}

void SoundController::setOutput(std::unique_ptr<platform::ToneOutput> output)
{
    m_output = std::move(output);
    m_unreachable = false;
    m_retryTimer.stop();
    if (m_output) {
        connect(m_output.get(), &platform::ToneOutput::availabilityChanged, this, [this] {
            // An output that appeared is worth a try at once.
            if (m_unreachable) {
                m_retryInterval = firstRetryMs;
                m_retryTimer.start(0);
            }
            emit availabilityChanged();
        });
        // The server quit or restarted under an open stream: the tone is silent until it is back.
        connect(m_output.get(), &platform::ToneOutput::streamLost, this,
                [this] { setUnreachable(true); });
    }
    updateStream();
}

void SoundController::setFunction(int function)
{
    m_function = function >= Sine && function <= Tangent ? function : Off;
    if (m_function == Off && m_output && m_output->isOpen())
        m_output->silence();
    updateStream();
}

bool SoundController::isAvailable() const
{
    return m_output && !m_unreachable && m_output->isAvailable();
}

int SoundController::soundingFunction() const
{
    if (m_function != Off)
        return m_function;
    return m_sweep.isRunning() ? Sine : Off;
}

bool SoundController::ensureOpen()
{
    if (!m_output)
        return false;
    if (m_output->isOpen())
        return true;
    // No device or no server: silence, without asking again at every change of the angle; the
    // retry timer asks instead.
    if (m_unreachable)
        return false;
    if (m_output->open())
        return true;
    setUnreachable(true);
    return false;
}

void SoundController::setUnreachable(bool unreachable)
{
    if (unreachable && !m_retryTimer.isActive()) {
        m_retryInterval = firstRetryMs;
        m_retryTimer.start(m_retryInterval);
    } else if (!unreachable) {
        m_retryTimer.stop();
    }
    if (unreachable == m_unreachable)
        return;
    m_unreachable = unreachable;
    emit availabilityChanged();
}

void SoundController::retry()
{
    if (!m_output)
        return;
    if (m_output->isOpen() || m_output->open()) {
        setUnreachable(false);
        // Opened to learn that the server is back: it closes again unless something sounds.
        updateStream();
        return;
    }
    m_retryInterval = std::min(2 * m_retryInterval, longestRetryMs);
    m_retryTimer.start(m_retryInterval);
}

void SoundController::updateStream()
{
    if (!m_output)
        return;
    if (soundingFunction() != Off) {
        m_closeTimer.stop();
        ensureOpen();
    } else if (m_output->isOpen() && !m_closeTimer.isActive()) {
        m_closeTimer.start();
    }
}

std::optional<double> SoundController::pitchFor(int function, Point p)
{
    double v = 0.0;
    switch (function) {
    case Sine:
        v = double(p.y);
        break;
    case Cosine:
        v = double(p.x);
        break;
    case Tangent:
        // The view snaps the angle onto π∕2 within its window, so a cosine this small is an odd
        // multiple of π∕2, where the tangent has no value; any other is far from it.
        if (!(std::fabs(double(p.x)) > 1e-6))
            return std::nullopt;
        v = std::clamp(double(p.y) / double(p.x), -2.0, 2.0) / 2.0;
        break;
    default:
        return std::nullopt;
    }
    if (!std::isfinite(v))
        return std::nullopt;
    return 440.0 * std::exp2(v);
}

void SoundController::angleChanged()
{
    if (!m_view)
        return;
    const float theta = m_view->theta();
    const bool standard = isStandardAngle(*m_view, theta);
    const bool arrived = standard && (!m_lastStandard || theta != m_lastTheta);
    m_lastTheta = theta;
    m_lastStandard = standard;

    const int function = soundingFunction();
    if (function == Off || !ensureOpen())
        return;
    if (const std::optional<double> pitch = pitchFor(function, m_view->currentPoint()))
        m_output->play(*pitch);
    else
        m_output->silence();
    if (arrived)
        m_output->tick();
}
