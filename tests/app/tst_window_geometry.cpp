// The window on the screen it has: the stored place read with care, the designed size fitted to
// the screen with every control kept whole, the place kept between runs, full screen and back,
// and the graph's share of the height and its texts growing with it. CTest runs it once for each
// of a few common projector screens (the offscreen platform given that screen).
#include "app/controller.h"
#include "app/main_window.h"
#include "app/views_layout.h"
#include "app/window_geometry.h"
#include "graph/graph_view.h"
#include "platform/preferences.h"
#include "test_support.h"
#include "view/orbel_view.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QMenuBar>
#include <QPainter>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QtTest>

#include <memory>

using windowgeometry::Place;

Q_DECLARE_METATYPE(Place)

namespace {

// The window and controller of one run, as main builds them: restored, placed, then shown.
struct Run
{
    std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>();
    std::unique_ptr<Controller> controller = std::make_unique<Controller>();

    Run()
    {
        bindController(*controller, *window);
        controller->awakeFromNib();
        window->placement()->restore();
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qWarning("the window was not exposed");
        // The second fit, with the frame now known, and the layout after it.
        QTest::qWait(50);
    }
    ~Run()
    {
        controller.reset();
        window.reset();
    }
};

QRect available()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

void store(const QVariantMap &values)
{
    {
        QSettings settings;
        settings.clear();
        for (auto it = values.begin(); it != values.end(); ++it)
            settings.setValue(it.key(), it.value());
        settings.sync();
    }
    platform::Preferences::reset();
}

// The ink of a rendered graph: the rows holding anything darker than the grid, between two rows.
int inkHeight(const QImage &image, int from, int to)
{
    int top = -1, bottom = -1;
    for (int y = std::max(2, from); y < std::min(to, image.height() - 2); ++y) {
        for (int x = 2; x < image.width() - 2; ++x) {
            if (qGray(image.pixel(x, y)) < 160) {
                if (top < 0)
                    top = y;
                bottom = y;
                break;
            }
        }
    }
    return top < 0 ? 0 : bottom - top + 1;
}

} // namespace

class TestWindowGeometry : public QObject
{
    Q_OBJECT

private slots:
    void init() { store({}); }

    void readsOnlyAWholePlace_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<Place>("place");

        QTest::newRow("as written")
            << "122,43,900,700" << true << Place { QPoint(122, 43), QSize(900, 700) };
        QTest::newRow("on a screen left of the primary one")
            << " -1900 , 0 ,900, 700 " << true << Place { QPoint(-1900, 0), QSize(900, 700) };
        QTest::newRow("empty") << "" << false << Place {};
        QTest::newRow("words") << "wide and tall" << false << Place {};
        QTest::newRow("three numbers") << "1,2,3" << false << Place {};
        QTest::newRow("five numbers") << "1,2,3,4,5" << false << Place {};
        QTest::newRow("a fraction") << "0,0,900.5,700" << false << Place {};
        QTest::newRow("no width") << "0,0,0,700" << false << Place {};
        QTest::newRow("a negative height") << "0,0,900,-700" << false << Place {};
        QTest::newRow("beyond any desktop") << "0,0,900,7000000" << false << Place {};
        QTest::newRow("beyond an int") << "0,0,99999999999,700" << false << Place {};
        QTest::newRow("hexadecimal") << "0x10,0,900,700" << false << Place {};
    }

    void readsOnlyAWholePlace()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(Place, place);
        const std::optional<Place> read = windowgeometry::parse(text);
        QCOMPARE(read.has_value(), valid);
        if (valid) {
            QVERIFY(*read == place);
            QCOMPARE(windowgeometry::parse(windowgeometry::format(*read)).value(), *read);
        }
    }

    // Openbox's frame: a 20-pixel title bar, a 5-pixel handle, 1-pixel borders.
    void fitsTheDesignedSizeToTheScreen_data()
    {
        QTest::addColumn<QSize>("designed");
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<Place>("place");
        const QSize withGraph(658, 856), withoutGraph(658, 584);
        QTest::newRow("1024 x 768 with the graph: shorter, at the top")
            << withGraph << QRect(0, 0, 1024, 768) << Place { QPoint(182, 0), QSize(658, 743) };
        QTest::newRow("1366 x 768 with the graph")
            << withGraph << QRect(0, 0, 1366, 768) << Place { QPoint(353, 0), QSize(658, 743) };
        QTest::newRow("1280 x 720 without the graph: as designed, in the middle")
            << withoutGraph << QRect(0, 0, 1280, 720) << Place { QPoint(310, 55), QSize(658, 584) };
        QTest::newRow("1920 x 1080 with the graph: as designed")
            << withGraph << QRect(0, 0, 1920, 1080) << Place { QPoint(630, 99), QSize(658, 856) };
        QTest::newRow("a second screen beside the first, below a panel")
            << withGraph << QRect(1920, 32, 1024, 736)
            << Place { QPoint(2102, 32), QSize(658, 711) };
        QTest::newRow("a screen smaller than the least window: its corner")
            << withGraph << QRect(0, 0, 480, 360) << Place { QPoint(0, 0), QSize(560, 500) };
    }

    void fitsTheDesignedSizeToTheScreen()
    {
        QFETCH(QSize, designed);
        QFETCH(QRect, screen);
        QFETCH(Place, place);
        const QMargins openbox(1, 20, 1, 5);
        const Place fitted = windowgeometry::fitted(designed, QSize(560, 500), openbox, screen);
        QCOMPARE(fitted, place);
        if (screen.width() >= 560)
            QVERIFY(windowgeometry::fits(fitted, openbox, screen));
    }

    void keepsAPlaceOnTheScreen_data()
    {
        QTest::addColumn<Place>("place");
        QTest::addColumn<Place>("kept");
        QTest::newRow("on the screen: unchanged") << Place { QPoint(100, 40), QSize(900, 700) }
                                                  << Place { QPoint(100, 40), QSize(900, 700) };
        QTest::newRow("past the right edge: moved left")
            << Place { QPoint(300, 40), QSize(900, 700) }
            << Place { QPoint(122, 40), QSize(900, 700) };
        QTest::newRow("grown below the bottom: moved up")
            << Place { QPoint(100, 200), QSize(900, 700) }
            << Place { QPoint(100, 43), QSize(900, 700) };
        QTest::newRow("taller than the screen: shrunk, at the top")
            << Place { QPoint(100, 200), QSize(900, 900) }
            << Place { QPoint(100, 0), QSize(900, 743) };
    }

    void keepsAPlaceOnTheScreen()
    {
        QFETCH(Place, place);
        QFETCH(Place, kept);
        QCOMPARE(windowgeometry::keptOnScreen(place, QSize(560, 500), QMargins(1, 20, 1, 5),
                                              QRect(0, 0, 1024, 768)),
                 kept);
    }

    // On the screen this run has: the whole window on it, each control at its full height, and
    // the circle at its designed size wherever there is room for it.
    void windowLiesOnTheScreen_data()
    {
        QTest::addColumn<bool>("graph");
        QTest::newRow("with the graph") << true;
        QTest::newRow("without the graph") << false;
    }

    void windowLiesOnTheScreen()
    {
        QFETCH(bool, graph);
        store({ { QStringLiteral("prefs_graph"), graph ? 1 : 0 } });
        Run run;
        MainWindow &window = *run.window;
        const QRect frame = window.frameGeometry();
        QVERIFY2(available().contains(frame),
                 qPrintable(QStringLiteral("frame %1,%2 %3x%4 on %5x%6")
                                .arg(frame.x())
                                .arg(frame.y())
                                .arg(frame.width())
                                .arg(frame.height())
                                .arg(available().width())
                                .arg(available().height())));

        qInfo("frame %d,%d %dx%d, circle %dx%d, graph %dx%d", frame.x(), frame.y(), frame.width(),
              frame.height(), window.orbelView()->width(), window.orbelView()->height(),
              window.graphView()->width(), window.graphView()->height());

        QList<QWidget *> controls { window.radians(), window.degrees(), window.standardAngles(),
                                    window.sinCos(),  window.graph(),   window.menuBar() };
        if (graph)
            controls << window.graphCos() << window.graphSin() << window.graphTan();
        for (QWidget *control : controls) {
            const QRect at(control->mapTo(&window, QPoint(0, 0)), control->size());
            QVERIFY2(control->isVisible() && window.rect().contains(at),
                     qPrintable(control->objectName()));
            QVERIFY2(control->height() >= control->sizeHint().height(),
                     qPrintable(control->objectName()));
        }

        OrbelView &circle = *window.orbelView();
        const QSize designed = window.sizeHint();
        if (frame.height() - window.height() + designed.height() <= available().height()) {
            QCOMPARE(circle.size(), QSize(640, 480));
            if (graph)
                QCOMPARE(window.graphView()->height(), 240);
        } else {
            // Only the views gave up height, the graph keeping a third of theirs.
            QVERIFY(circle.height() < 480);
            QCOMPARE(frame.height(), available().height());
            if (graph) {
                const int views = circle.height() + window.graphView()->height();
                QVERIFY(std::abs(window.graphView()->height() - views / 3) <= 1);
            }
        }
    }

    void placeComesBackAtTheNextStart()
    {
        const QSize size(std::min(900, available().width() - 40),
                         std::min(700, available().height() - 40));
        QString written;
        {
            Run run;
            run.window->resize(size);
            run.window->move(available().topLeft() + QPoint(10, 12));
            QTRY_COMPARE(run.window->size(), size);
            run.window->close();
            written = platform::Preferences::standard().stringForKey(WindowPlacement::geometryKey);
        }
        QCOMPARE(written,
                 QStringLiteral("%1,%2,%3,%4")
                     .arg(available().left() + 10)
                     .arg(available().top() + 12)
                     .arg(size.width())
                     .arg(size.height()));
        QCOMPARE(platform::Preferences::standard().integerForKey(WindowPlacement::fullScreenKey),
                 0);

        platform::Preferences::reset();
        Run next;
        QCOMPARE(next.window->size(), size);
        QCOMPARE(next.window->pos(), available().topLeft() + QPoint(10, 12));
    }

    // A place that cannot be trusted is the designed size fitted to the screen.
    void placeThatDoesNotFitIsNotTaken_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::newRow("damaged") << "900;700";
        QTest::newRow("larger than the screen") << "0,0,9000,7000";
        QTest::newRow("on a screen no longer there") << "-3000,0,900,700";
        QTest::newRow("too small for the controls") << "0,0,100,80";
    }

    void placeThatDoesNotFitIsNotTaken()
    {
        QFETCH(QString, stored);
        QSize fitted;
        {
            Run run;
            fitted = run.window->size();
        }
        store({ { WindowPlacement::geometryKey, stored } });
        Run run;
        QCOMPARE(run.window->size(), fitted);
        QVERIFY(available().contains(run.window->frameGeometry()));
    }

    void fullScreenAndBack()
    {
        Run run;
        MainWindow &window = *run.window;
        const QRect before = window.geometry();
        QAction *command = window.fullScreenAction();
        QVERIFY(command->isCheckable());
        QVERIFY(command->shortcuts().contains(QKeySequence(Qt::Key_F11)));
        for (const QKeySequence &key : QKeySequence::keyBindings(QKeySequence::FullScreen))
            QVERIFY(command->shortcuts().contains(key));
        // Escape means nothing to a window that is not full screen.
        QVERIFY(!window.leaveFullScreenAction()->isEnabled());

        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_F11);
        QTRY_VERIFY(window.isFullScreen());
        QTRY_COMPARE(window.geometry(), window.screen()->geometry());
        QVERIFY(command->isChecked());
        // The views share the screen; the controls keep their height.
        QVERIFY(window.orbelView()->height() > 480);
        QCOMPARE(window.sinCos()->height(), window.sinCos()->sizeHint().height());

        QTest::keyClick(&window, Qt::Key_Escape);
        QTRY_VERIFY(!window.isFullScreen());
        QTRY_COMPARE(window.geometry(), before);
        QVERIFY(!command->isChecked());

        // The menu command, and the state it shows, at the next start.
        command->trigger();
        QTRY_VERIFY(window.isFullScreen());
        window.close();
        QCOMPARE(platform::Preferences::standard().integerForKey(WindowPlacement::fullScreenKey),
                 1);
        QCOMPARE(windowgeometry::parse(
                     platform::Preferences::standard().stringForKey(WindowPlacement::geometryKey))
                     ->size,
                 before.size());
        platform::Preferences::reset();
        Run next;
        QTRY_VERIFY(next.window->isFullScreen());
        QVERIFY(next.window->fullScreenAction()->isChecked());
        next.window->leaveFullScreenAction()->trigger();
        QTRY_COMPARE(next.window->size(), before.size());
    }

    void graphTakesAThirdOfTheViews_data()
    {
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("graphMinimum");
        QTest::addColumn<int>("circleMinimum");
        QTest::addColumn<int>("graph");
        QTest::newRow("designed: 480 and 240") << 720 << 120 << 240 << 240;
        QTest::newRow("full screen at 1080 lines") << 951 << 120 << 240 << 317;
        QTest::newRow("shrunk on a projector") << 600 << 120 << 240 << 200;
        QTest::newRow("never below its least") << 360 << 120 << 240 << 120;
        QTest::newRow("nor the circle below its own") << 600 << 50 << 450 << 150;
    }

    void graphTakesAThirdOfTheViews()
    {
        QFETCH(int, height);
        QFETCH(int, graphMinimum);
        QFETCH(int, circleMinimum);
        QFETCH(int, graph);
        QCOMPARE(ViewsLayout::graphHeightFor(height, graphMinimum, circleMinimum), graph);
    }

    void showingTheGraphKeepsTheWindowOnTheScreen()
    {
        Run run;
        MainWindow &window = *run.window;
        const int circle = window.orbelView()->height();
        window.graphAction()->trigger();
        QTRY_VERIFY(window.graphView()->isVisible());
        QTest::qWait(50);
        QVERIFY(available().contains(window.frameGeometry()));
        if (window.frameGeometry().height() < available().height())
            QCOMPARE(window.orbelView()->height(), circle);
        window.graphAction()->trigger();
        QTRY_VERIFY(!window.graphView()->isVisible());
        QVERIFY(available().contains(window.frameGeometry()));
    }

    // Drawn twice as high, the graph's legend and tick labels are twice as high too; at the
    // designed height the graph is laid out as it always was.
    void graphTextsGrowWithItsHeight()
    {
        QCOMPARE(GraphView::scaleFor(QSizeF(640, 240)), 1.0);
        QCOMPARE(GraphView::scaleFor(QSizeF(640, 120)), 1.0);
        QCOMPARE(GraphView::plotAreaFor(QSizeF(640, 240)), QRectF(36, 22, 568, 196));
        QCOMPARE(GraphView::scaleFor(QSizeF(1902, 317)), 317.0 / 240.0);

        OrbelView circle;
        GraphView graph;
        graph.setOrbelView(&circle);
        int legend[2] = {}, ticks[2] = {};
        for (int i = 0; i < 2; ++i) {
            const QSize size = QSize(640, 240) * (i + 1);
            QImage image(size, QImage::Format_RGB32);
            QPainter painter(&image);
            graph.draw(painter, QSizeF(size), false);
            painter.end();
            const QRectF plot = GraphView::plotAreaFor(QSizeF(size));
            legend[i] = inkHeight(image, 0, int(plot.top()) - 1);
            ticks[i] = inkHeight(image, int(plot.bottom()) + 2, size.height());
        }
        QVERIFY2(legend[0] >= 8 && std::abs(legend[1] - 2 * legend[0]) <= 3,
                 qPrintable(QStringLiteral("legend %1 then %2").arg(legend[0]).arg(legend[1])));
        QVERIFY2(ticks[0] >= 8 && std::abs(ticks[1] - 2 * ticks[0]) <= 3,
                 qPrintable(QStringLiteral("ticks %1 then %2").arg(ticks[0]).arg(ticks[1])));
    }
};

UNITCIRCLE_TEST_MAIN_WITH_PREFERENCES(TestWindowGeometry)

#include "tst_window_geometry.moc"
