// The floor of start-up: a bare main window with one plain widget, the same size as the program's,
// ending after that widget's first completed paint.
#include "first_paint.h"

#include <QApplication>
#include <QMainWindow>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    auto *widget = new QWidget(&window);
    widget->setAutoFillBackground(true);
    window.setCentralWidget(widget);
    window.resize(640, 480);

    QuitAfterFirstPaint quit;
    widget->installEventFilter(&quit);
    window.show();
    return app.exec();
}
