// The floors of start-up: a bare main window with one plain widget, the same size as the program's
// window (its width and height given as arguments; 640 x 480 without them), ending after that
// widget's first completed paint. Built with UNITCIRCLE_TEXT_FLOOR, the window also has the least
// text the program shows at start: one label in the desktop's font, and the widget draws one angle
// in the figure's font. What the program needs beyond text starts from there.
#include "first_paint.h"

#include <QApplication>
#include <QMainWindow>
#include <QWidget>

#include <cstdlib>

#ifdef UNITCIRCLE_TEXT_FLOOR
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace {

class AngleText : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        QFont font(QStringLiteral("Helvetica"));
        font.setStyleHint(QFont::Helvetica);
        font.setPixelSize(18);
        font.setHintingPreference(QFont::PreferNoHinting);
        painter.setFont(font);
        painter.drawText(QPointF(20, 40), QStringLiteral("\u03b8 = 3\u03c0\u22154"));
    }
};

} // namespace
#endif

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
#ifdef UNITCIRCLE_TEXT_FLOOR
    auto *central = new QWidget(&window);
    auto *layout = new QVBoxLayout(central);
    auto *widget = new AngleText(central);
    layout->addWidget(widget, 1);
    layout->addWidget(new QLabel(QStringLiteral("\u03b8 ="), central));
#else
    auto *widget = new QWidget(&window);
    auto *central = widget;
#endif
    widget->setAutoFillBackground(true);
    window.setCentralWidget(central);
    const int width = argc > 2 ? std::atoi(argv[1]) : 0;
    const int height = argc > 2 ? std::atoi(argv[2]) : 0;
    window.resize(width > 0 && height > 0 ? QSize(width, height) : QSize(640, 480));

    QuitAfterFirstPaint quit;
    widget->installEventFilter(&quit);
    window.show();
    return app.exec();
}
