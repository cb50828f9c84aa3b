// Start-up of the program as main does it (window from the interface description, controller,
// restored choices), ending after the figure's first completed paint.
#include "first_paint.h"

#include "app/controller.h"
#include "app/main_window.h"
#include "view/orbel_view.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("unitcircle"));
    QCoreApplication::setApplicationName(QStringLiteral("unitcircle"));

    MainWindow window;
    Controller controller;
    bindController(controller, window);
    controller.awakeFromNib();

    QuitAfterFirstPaint quit;
    window.orbelView()->installEventFilter(&quit);
    window.show();
    return app.exec();
}
