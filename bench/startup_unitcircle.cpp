// Start-up of the program itself: linked with the program's own main (translations, accessibility,
// window from the interface description, controller, restored choices and placement), this only
// adds a watcher, installed as the application object is made, that ends the run after the
// figure's first completed paint. It prints the size of the figure's window, which the bare
// window of the comparison takes.
#include "first_paint.h"

#include "view/orbel_view.h"

#include <QCoreApplication>
#include <QWidget>

#include <cstdio>

namespace {

class QuitAfterFigurePaint : public QuitAfterFirstPaint
{
public:
    using QuitAfterFirstPaint::QuitAfterFirstPaint;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && qobject_cast<OrbelView *>(watched)) {
            if (!m_sizeTold) {
                const QWidget *window = static_cast<QWidget *>(watched)->window();
                std::printf("%d %d\n", window->width(), window->height());
                std::fflush(stdout);
                m_sizeTold = true;
            }
            return QuitAfterFirstPaint::eventFilter(watched, event);
        }
        return false;
    }

private:
    bool m_sizeTold = false;
};

void watchFirstPaint()
{
    QCoreApplication *app = QCoreApplication::instance();
    app->installEventFilter(new QuitAfterFigurePaint(app));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchFirstPaint)
