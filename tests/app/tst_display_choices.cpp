// The display choices as the window makes them: the View menu's commands and keys, what the
// preferences keep of them and how a dark desktop is followed, projector mode in full screen
// giving the circle the screen's height, and panels beside the circle that keep their width; the
// desktop's palette and text size followed while running; the controls' choices in the menus, and
// the controls hidden in projector mode.
#include "app/controller.h"
#include "app/main_window.h"
#include "app/views_layout.h"
#include "app/window_geometry.h"
#include "graph/graph_view.h"
#include "panels/angle_field.h"
#include "panels/values_panel.h"
#include "platform/preferences.h"
#include "test_support.h"
#include "view/orbel_view.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSettings>
#include <QtTest>

#include <memory>

namespace {

struct Run
{
    std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>();
    std::unique_ptr<Controller> controller = std::make_unique<Controller>();

    explicit Run(bool show = true)
    {
        bindController(*controller, *window);
        controller->awakeFromNib();
        if (!show)
            return;
        window->placement()->restore();
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qWarning("the window was not exposed");
        QTest::qWait(50);
    }
    ~Run()
    {
        controller.reset();
        window.reset();
        platform::Preferences::standard().sync();
    }
};

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

int stored(const QString &key)
{
    return platform::Preferences::standard().integerForKey(key, -100);
}

} // namespace

class TestDisplayChoices : public QObject
{
    Q_OBJECT

private slots:
    void init() { store({}); }

    // Ctrl++ twice, Ctrl+− once, Ctrl+0: the figure, the graph and the preferences agree; the
    // steps stop at their ends.
    void textStepsAreKept()
    {
        {
            Run run(false);
            MainWindow &w = *run.window;
            QVERIFY(
                w.largerTextAction()->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Plus)));
            QCOMPARE(w.normalSizeAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_0));
            QVERIFY(w.orbelView()->displayOptions().isPlain());
            w.largerTextAction()->trigger();
            w.largerTextAction()->trigger();
            w.smallerTextAction()->trigger();
            w.largerTextAction()->trigger();
            QCOMPARE(w.orbelView()->displayOptions().textStep, 2);
            QCOMPARE(w.graphView()->displayOptions().textStep, 2);
            QCOMPARE(stored(QStringLiteral("prefs_textScale")), 2);
            // The panels beside the circle grow with it.
            QVERIFY(w.valuesPanel()->font().pointSizeF() > w.font().pointSizeF() * 1.5);
        }
        platform::Preferences::reset();
        {
            Run again(false);
            QCOMPARE(again.window->orbelView()->displayOptions().textStep, 2);
            for (int i = 0; i < 20; ++i)
                again.window->largerTextAction()->trigger();
            QCOMPARE(again.window->orbelView()->displayOptions().textStep,
                     DisplayOptions::largestStep);
            again.window->normalSizeAction()->trigger();
            QVERIFY(again.window->orbelView()->displayOptions().isPlain());
            QCOMPARE(stored(QStringLiteral("prefs_textScale")), 0);
            QCOMPARE(again.window->valuesPanel()->font(), again.window->font());
        }
        // Ctrl with the wheel over the figure steps as the menu does.
        store({ { QStringLiteral("prefs_textScale"), 999 } });
        Run wild(false);
        QCOMPARE(wild.window->orbelView()->displayOptions().textStep, DisplayOptions::largestStep);
        emit wild.window->orbelView()->textStepRequested(-2);
        QCOMPARE(wild.window->orbelView()->displayOptions().textStep,
                 DisplayOptions::largestStep - 2);
    }

    // Reverse contrast follows a dark desktop until the user chooses.
    void reverseContrastFollowsTheDesktop_data()
    {
        QTest::addColumn<QVariant>("choice");
        QTest::addColumn<bool>("darkDesktop");
        QTest::addColumn<bool>("reversed");
        QTest::newRow("never chosen, light desktop") << QVariant() << false << false;
        QTest::newRow("never chosen, dark desktop") << QVariant() << true << true;
        QTest::newRow("chosen off on a dark desktop") << QVariant(0) << true << false;
        QTest::newRow("chosen on on a light desktop") << QVariant(1) << false << true;
    }

    void reverseContrastFollowsTheDesktop()
    {
        QFETCH(QVariant, choice);
        QFETCH(bool, darkDesktop);
        QFETCH(bool, reversed);
        store(choice.isValid() ? QVariantMap { { QStringLiteral("prefs_reverseContrast"), choice } }
                               : QVariantMap {});
        const QPalette before = QApplication::palette();
        if (darkDesktop) {
            QPalette dark = before;
            dark.setColor(QPalette::Window, QColor(30, 30, 30));
            dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
            QApplication::setPalette(dark);
        }
        {
            Run run(false);
            QCOMPARE(run.window->orbelView()->displayOptions().reverseContrast, reversed);
            QCOMPARE(run.window->graphView()->displayOptions().reverseContrast, reversed);
            QCOMPARE(run.window->reverseContrastAction()->isChecked(), reversed);
            // Restoring is no choice of the user's: nothing is written until one is made.
            QCOMPARE(stored(QStringLiteral("prefs_reverseContrast")),
                     choice.isValid() ? choice.toInt() : -100);
            run.window->reverseContrastAction()->trigger();
            QCOMPARE(run.window->orbelView()->displayOptions().reverseContrast, !reversed);
            QCOMPARE(stored(QStringLiteral("prefs_reverseContrast")), reversed ? 0 : 1);
        }
        QApplication::setPalette(before);
    }

    // The desktop turns dark, then light again, and its text grows while the program runs.
    void desktopChangesAreFollowed_data()
    {
        QTest::addColumn<QVariant>("choice");
        QTest::addColumn<bool>("reversed");
        QTest::newRow("reverse contrast never chosen") << QVariant() << true;
        QTest::newRow("reverse contrast chosen off") << QVariant(0) << false;
        QTest::newRow("reverse contrast chosen on") << QVariant(1) << true;
    }

    void desktopChangesAreFollowed()
    {
        QFETCH(QVariant, choice);
        QFETCH(bool, reversed);
        store(choice.isValid() ? QVariantMap { { QStringLiteral("prefs_reverseContrast"), choice } }
                               : QVariantMap {});
        const QPalette light = QApplication::palette();
        const QFont font = QApplication::font();
        QVERIFY(!Controller::isDarkPalette(light));
        {
            Run run;
            OrbelView *view = run.window->orbelView();
            const bool chosenOn = choice.isValid() && choice.toInt() == 1;
            QCOMPARE(view->displayOptions().reverseContrast, chosenOn);

            QPalette dark = light;
            dark.setColor(QPalette::Window, QColor(30, 30, 30));
            dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
            QApplication::setPalette(dark);
            QTRY_COMPARE(view->displayOptions().reverseContrast, reversed);
            QCOMPARE(run.window->graphView()->displayOptions().reverseContrast, reversed);
            QCOMPARE(run.window->reverseContrastAction()->isChecked(), reversed);
            QApplication::setPalette(light);
            QTRY_COMPARE(view->displayOptions().reverseContrast, chosenOn);
            // The desktop's changes are no choice of the user's.
            QCOMPARE(stored(QStringLiteral("prefs_reverseContrast")),
                     choice.isValid() ? choice.toInt() : -100);

            QFont larger = font;
            larger.setPointSizeF(18.0);
            QApplication::setFont(larger);
            QTRY_COMPARE(view->displayOptions().desktopTextScale, 1.5);
            QCOMPARE(run.window->graphView()->displayOptions().desktopTextScale, 1.5);
            QApplication::setFont(font);
            QTRY_COMPARE(view->displayOptions().desktopTextScale,
                         Controller::desktopTextScale(font));
        }
        QApplication::setPalette(light);
        QApplication::setFont(font);
    }

    // Every choice of the controls below the views is a menu command too, kept alike both ways.
    void menuCommandsAreTheControls_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        QTest::newRow("degrees") << "actionDegrees"
                                 << "degrees"
                                 << "prefs_angleUnit" << 0 << 1;
        QTest::newRow("radians") << "actionRadians"
                                 << "radians"
                                 << "prefs_angleUnit" << 1 << 0;
        QTest::newRow("standard angles") << "actionStandardAngles"
                                         << "standardAngles"
                                         << "prefs_standardAngles" << 0 << 1;
        QTest::newRow("cosine and sine shown") << "actionSinCos"
                                               << "sinCos"
                                               << "prefs_sinCos" << 0 << 1;
        QTest::newRow("cosine and sine hidden") << "actionSinCos"
                                                << "sinCos"
                                                << "prefs_sinCos" << 1 << 0;
    }

    void menuCommandsAreTheControls()
    {
        QFETCH(QString, action);
        QFETCH(QString, control);
        QFETCH(QString, key);
        QFETCH(int, before);
        QFETCH(int, after);
        store({ { key, before } });
        Run run(false);
        MainWindow &w = *run.window;
        auto *command = w.findChild<QAction *>(action);
        auto *button = w.findChild<QAbstractButton *>(control);
        QVERIFY(command && button && command->isCheckable());
        QCOMPARE(command->isChecked(), button->isChecked());
        OrbelView *view = w.orbelView();
        const auto shown = [&] {
            return key == QLatin1String("prefs_angleUnit") ? view->angleUnit()
                : key == QLatin1String("prefs_sinCos")     ? int(view->sinCos())
                                                           : int(view->standardAngles());
        };
        QCOMPARE(shown(), before);

        command->trigger();
        QCOMPARE(shown(), after);
        QCOMPARE(stored(key), after);
        QVERIFY(command->isChecked() == bool(after) || command->actionGroup());
        QCOMPARE(button->isChecked(), command->isChecked());

        // And back through the control: the command follows.
        if (command->actionGroup()) {
            QAbstractButton *other = w.findChild<QAbstractButton *>(after ? "radians" : "degrees");
            other->click();
            QVERIFY(!command->isChecked());
        } else {
            button->click();
            QCOMPARE(command->isChecked(), !bool(after));
        }
        QCOMPARE(shown(), before);
        QCOMPARE(stored(key), before);
    }

    // In projector mode the controls below the views give their height to the circle; the angle
    // field comes back for typing (Type an Angle) and goes again once the focus leaves it.
    void projectorHidesTheControls()
    {
        Run run;
        MainWindow &w = *run.window;
        QVERIFY(QTest::qWaitForWindowActive(&w));
        const int before = w.orbelView()->height();
        QVERIFY(w.radians()->isVisible() && w.sinCos()->isVisible() && w.angleField()->isVisible());
        w.projectorAction()->trigger();
        QTRY_VERIFY(w.controlsHidden());
        QVERIFY(!w.radians()->isVisible() && !w.sinCos()->isVisible());
        QVERIFY(!w.angleField()->isVisible());
        QTRY_VERIFY2(
            w.orbelView()->height() >= before + 40,
            qPrintable(
                QStringLiteral("%1 px, then %2 px").arg(before).arg(w.orbelView()->height())));

        w.typeAngleAction()->trigger();
        QVERIFY(w.angleField()->isVisible());
        QTRY_VERIFY(w.angleField()->lineEdit()->hasFocus());
        w.orbelView()->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(!w.angleField()->isVisible());

        w.projectorAction()->trigger();
        QTRY_VERIFY(!w.controlsHidden());
        QVERIFY(w.radians()->isVisible() && w.sinCos()->isVisible() && w.angleField()->isVisible());
    }

    // In projector mode, full screen with the graph and the values: the graph beside the circle,
    // and the circle at least half the screen's height across.
    void projectorGivesTheCircleTheScreen()
    {
        store({ { QStringLiteral("prefs_graph"), 1 },
                { QStringLiteral("prefs_values"), 1 },
                { QStringLiteral("prefs_projector"), 1 },
                { QStringLiteral("prefs_fullScreen"), 1 } });
        Run run;
        MainWindow &w = *run.window;
        QTRY_VERIFY(w.isFullScreen());
        QTest::qWait(50);
        QVERIFY(w.projectorAction()->isChecked());
        const QSize screen = w.screen()->geometry().size();
        const float across = 2.0f * w.orbelView()->unit();
        QVERIFY2(across >= screen.height() / 2.0f,
                 qPrintable(QStringLiteral("%1 px on a %2 px screen")
                                .arg(double(across))
                                .arg(screen.height())));
        const QRect circle(w.orbelView()->mapTo(&w, QPoint(0, 0)), w.orbelView()->size());
        const QRect graph(w.graphView()->mapTo(&w, QPoint(0, 0)), w.graphView()->size());
        QVERIFY2(graph.left() > circle.right() && graph.top() < circle.center().y(),
                 qPrintable(QStringLiteral("circle view at %1, %2, graph at %3, %4")
                                .arg(circle.left())
                                .arg(circle.top())
                                .arg(graph.left())
                                .arg(graph.top())));
        // Out of projector mode, below the circle again when the window is not full screen.
        w.leaveFullScreenAction()->trigger();
        w.projectorAction()->trigger();
        QTRY_VERIFY(!w.isFullScreen());
        QVERIFY(!w.viewsLayout()->graphBesideWhenWide());
        QCOMPARE(stored(QStringLiteral("prefs_projector")), 0);
    }

    // The width of the values panel never follows the angle, so the circle beside it keeps still.
    void valuesKeepTheirWidth_data()
    {
        QTest::addColumn<int>("textStep");
        QTest::addColumn<int>("unit");
        QTest::newRow("radians") << 0 << 0;
        QTest::newRow("degrees") << 0 << 1;
        QTest::newRow("larger text, degrees") << 3 << 1;
    }

    void valuesKeepTheirWidth()
    {
        QFETCH(int, textStep);
        QFETCH(int, unit);
        store({ { QStringLiteral("prefs_values"), 1 },
                { QStringLiteral("prefs_textScale"), textStep },
                { QStringLiteral("prefs_angleUnit"), unit } });
        Run run;
        MainWindow &w = *run.window;
        const int width = w.valuesPanel()->width();
        const int axis = w.orbelView()->width();
        for (int i = 0; i <= 24; ++i) {
            w.orbelView()->setTheta(float(i * 0.05 - 0.3 + (i % 2) * 3.14159));
            QApplication::processEvents();
            QCOMPARE(w.valuesPanel()->width(), width);
            QCOMPARE(w.orbelView()->width(), axis);
        }
        for (QLabel *line : w.valuesPanel()->lines())
            QVERIFY(line->sizeHint().width() <= w.valuesPanel()->width());
    }
};

UNITCIRCLE_TEST_MAIN_WITH_PREFERENCES(TestDisplayChoices)

#include "tst_display_choices.moc"
