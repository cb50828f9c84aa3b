// Listen to One Turn: the point carried once round the circle, counter-clockwise, in a few
// seconds, through the circle view's own setter (so the figure, the graph and the tone all
// follow), and brought back to the angle it started from. A screen reader is not told of every
// step, which it would still be reading long after the turn: it hears where the turn starts, each
// axis the point passes, and where it is back at. Any key or press stops it, but for the keys of
// its own shortcut and a modifier alone.
#pragma once

#include <QElapsedTimer>
#include <QKeySequence>
#include <QList>
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
    // The shortcut that starts a turn. A screen reader passes keys on late: the keys of the chord
    // may still arrive after the turn has begun, and must not end it at once.
    void setShortcut(const QKeySequence &shortcut);

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
    // Said through the widget with the focus, which is the one a screen reader listens to.
    void say(const QString &words) const;
    // The angle of the axis at angle (a multiple of a quarter turn), in words.
    QString axisWords(double angle) const;

    QPointer<OrbelView> m_view;
    QTimer m_timer;
    QElapsedTimer m_clock;
    int m_duration = defaultDurationMs;
    float m_start = 0.0f;
    // A typed angle goes back as typed, not snapped.
    bool m_startTyped = false;
    int m_startDegreeDecimals = -1;
    // The next axis the point will pass, in the turn's own angle (the start plus the time's share
    // of a full turn).
    double m_nextAxis = 0.0;
    QList<int> m_shortcutKeys;
};
