// Listen to One Turn: the point carried once round the circle, counter-clockwise, in a few
// seconds, through the circle view's own setter (so the figure, the graph, the spoken text and the
// tone all follow), and brought back to the angle it started from. Any key or press stops it.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>

class OrbelView;

class TurnSweep : public QObject
{
    Q_OBJECT

public:
    static constexpr int defaultDurationMs = 4000;

    explicit TurnSweep(QObject *parent = nullptr);
    ~TurnSweep() override;

    void setOrbelView(OrbelView *view);
    void setDuration(int milliseconds) { m_duration = milliseconds; }
    int duration() const { return m_duration; }

    bool isRunning() const { return m_timer.isActive(); }
    // Starts a turn from the view's angle; a turn under way starts again from where it began.
    void start();
    // Ends the turn with the point back at the angle it started from.
    void stop();

signals:
    void started();
    void finished();

protected:
    // While the turn runs: the user's next key or press, wherever it goes, ends it.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void step();
    void restoreStart();

    QPointer<OrbelView> m_view;
    QTimer m_timer;
    QElapsedTimer m_clock;
    int m_duration = defaultDurationMs;
    float m_start = 0.0f;
    // A typed angle goes back as typed, not snapped.
    bool m_startTyped = false;
    int m_startDegreeDecimals = -1;
};
