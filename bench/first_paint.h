// Ends the application once a widget has finished its first paint. The paint event is let through
// with the event loop told to exit: the loop returns when the event that painted the window is
// over, so the pass and its flush to the window both count, and nothing the program has set to run
// after its first frame (a timer that comes due during the paint) does.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

class QuitAfterFirstPaint : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QCoreApplication::exit();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_seen = false;
};
