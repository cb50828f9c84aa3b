// The sound of the figure: while sound is on, every change of the circle view's angle sounds a
// tone whose pitch follows the chosen function's value there, with a soft tick on each standard
// angle the point snaps to. It reads the view's state and follows its changes; it never moves the
// point itself. Listen to One Turn (TurnSweep) sounds through it too, with the sine when sound is
// off.
#pragma once

#include "platform/geometry.h"
#include "sound/turn_sweep.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <memory>
#include <optional>

class OrbelView;

namespace platform {
class ToneOutput;
}

class SoundController : public QObject
{
    Q_OBJECT

public:
    // The codes of the Sound menu's choices, as the preferences keep them.
    enum Function { Off = 0, Sine = 1, Cosine = 2, Tangent = 3 };

    explicit SoundController(QObject *parent = nullptr);
    ~SoundController() override;

    void setOrbelView(OrbelView *view);
    // The output the tone goes to: the desktop's sound server unless replaced (by a test).
    void setOutput(std::unique_ptr<platform::ToneOutput> output);
    platform::ToneOutput *output() const { return m_output.get(); }

    int function() const { return m_function; }
    // Any code but 1, 2 or 3 turns sound off.
    void setFunction(int function);

    // Whether there is anywhere to play the tone: the desktop offers an output and the last
    // attempt to reach it did not fail.
    bool isAvailable() const;

    TurnSweep &sweep() { return m_sweep; }
    void listenToOneTurn() { m_sweep.start(); }

    // The pitch for function at the point p of the circle, 440 × 2^v Hz for its value v (for the
    // tangent, clamped to [−2, 2] and halved); nothing where the value is undefined or sound off.
    static std::optional<double> pitchFor(int function, Point p);

    // How long after a failure to reach the sound server it is tried again: soon at first, then
    // at this longest interval for as long as it stays away.
    static constexpr int firstRetryMs = 500;
    static constexpr int longestRetryMs = 2000;
    bool isRetrying() const { return m_retryTimer.isActive(); }

signals:
    // The output failed or came back, or the desktop's outputs changed.
    void availabilityChanged();

private:
    void angleChanged();
    // The function being heard: the chosen one, or the sine for a turn played with sound off.
    int soundingFunction() const;
    // The stream is open while anything may sound, and closed a moment after it no longer may.
    void updateStream();
    bool ensureOpen();
    // The server could not be reached, or could again: the menu is told, and while it cannot
    // the stream is tried again from time to time.
    void setUnreachable(bool unreachable);
    void retry();

    QPointer<OrbelView> m_view;
    std::unique_ptr<platform::ToneOutput> m_output;
    TurnSweep m_sweep;
    QTimer m_closeTimer;
    QTimer m_retryTimer;
    int m_retryInterval = firstRetryMs;
    int m_function = Off;
    // The angle heard last, to tick only when the point arrives at a standard angle.
    float m_lastTheta = 0.0f;
    bool m_lastStandard = false;
    bool m_unreachable = false;
};
