// The floor of start-up: a bare main window with one plain widget, the same size as the program's
// window (its width and height given as arguments; 640 x 480 without them), ending after that
// widget's first completed paint.
#include "first_paint.h"

#include <QApplication>
#include <QMainWindow>
#include <QWidget>

#include <cstdlib>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    auto *widget = new QWidget(&window);
    widget->setAutoFillBackground(true);
    window.setCentralWidget(widget);
    const int width = argc > 2 ? std::atoi(argv[1]) : 0;
    const int height = argc > 2 ? std::atoi(argv[2]) : 0;
    window.resize(width > 0 && height > 0 ? QSize(width, height) : QSize(640, 480));

    QuitAfterFirstPaint quit;
    widget->installEventFilter(&quit);
    window.show();
    return app.exec();
}
