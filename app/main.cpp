// The program's entry.
#include "view/orbel_view.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    auto *view = new OrbelView(&window);
    view->setSinCos(true);
    view->setStandardAngles(true);
    view->setTheta(0.5235988f);
    window.setCentralWidget(view);
    window.resize(640, 480);
    window.show();
    return app.exec();
}
