// Start-up of the program itself: linked with the program's own main (translations, accessibility,
// window from the interface description, controller, restored choices and placement), this only
// adds a watcher, installed as the application object is made, that ends the run after the
// figure's first completed paint.
#include "first_paint.h"

#include "view/orbel_view.h"

#include <QCoreApplication>

namespace {

class QuitAfterFigurePaint : public QuitAfterFirstPaint
{
public:
    using QuitAfterFirstPaint::QuitAfterFirstPaint;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && qobject_cast<OrbelView *>(watched))
            return QuitAfterFirstPaint::eventFilter(watched, event);
        return false;
    }
};

void watchFirstPaint()
{
    QCoreApplication *app = QCoreApplication::instance();
    app->installEventFilter(new QuitAfterFigurePaint(app));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchFirstPaint)
