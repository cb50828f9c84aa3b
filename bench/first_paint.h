// Ends the application once a widget has finished its first paint: the paint event is let through,
// and the quit is queued behind it, so the pass and its flush to the window both count.
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
            QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                      Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_seen = false;
};
