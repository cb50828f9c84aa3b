// The application shell: the window that main builds, the controller restoring the three stored
// choices and storing every change of a control, the ReadMe and the web site handed to the
// desktop, and the end of the application when the window closes. The preferences live in a
// temporary XDG_CONFIG_HOME, set before the application object exists.
#include "app/controller.h"
#include "app/main_window.h"
#include "graph/graph_view.h"
#include "platform/preferences.h"
#include "platform/workspace.h"
#include "test_support.h"
#include "view/orbel_view.h"

#include <QAccessible>
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

const QString standardAnglesKey = QStringLiteral("prefs_standardAngles");
const QString sinCosKey = QStringLiteral("prefs_sinCos");
const QString angleUnitKey = QStringLiteral("prefs_angleUnit");
const QString degree = QString(QChar(0x00b0));

QString settingsPath()
{
    return qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/unitcircle/unitcircle.conf");
}

QByteArray settingsFileText()
{
    QFile file(settingsPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The next widget in the focus chain that Tab stops at: one that takes focus from Tab and is
// shown and enabled, as Qt's own focus chain walks it.
QWidget *nextTabStop(QWidget *widget)
{
    for (QWidget *w = widget->nextInFocusChain(); w && w != widget; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(widget->window()) && w->isEnabled())
            return w;
    }
    return nullptr;
}

// The window and controller of one run, wired as main wires them.
struct Run
{
    std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>();
    std::unique_ptr<Controller> controller = std::make_unique<Controller>();

    explicit Run(bool show = false)
    {
        bindController(*controller, *window);
        controller->awakeFromNib();
        if (show) {
            window->show();
            if (!QTest::qWaitForWindowExposed(window.get()))
                qWarning("the window was not exposed");
        }
    }
    ~Run()
    {
        // The controller goes first, as in main, so the window's close is never its business.
        controller.reset();
        window.reset();
    }
    OrbelView &view() const { return *window->orbelView(); }
};

} // namespace

// Receives what the controller hands to the desktop instead of a real viewer or browser.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void open(const QUrl &url) { urls.append(url); }
};

class TestController : public QObject
{
    Q_OBJECT

private:
    UrlCatcher m_catcher;
    QTemporaryDir m_scratch;
    // The desktop's opener, as the program finds it on PATH: it notes what it was asked to open
    // and ends as told.
    QString m_opened;
    QStringList opened() const
    {
        QFile file(m_opened);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    static QMessageBox *shownMessage(QWidget *window)
    {
        for (QMessageBox *box : window->findChildren<QMessageBox *>())
            if (box->isVisible())
                return box;
        return nullptr;
    }

    // Storage as a previous run would have left it; the store forgets what it held.
    static void store(const QVariantMap &values)
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

private slots:
    void initTestCase()
    {
        QVERIFY(qEnvironmentVariableIsSet("XDG_CONFIG_HOME"));
        QVERIFY(m_scratch.isValid());
        // Nothing opened here ever reaches a real application.
        for (const char *scheme : { "file", "http", "https" })
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &m_catcher, "open");
        const QString bin = m_scratch.path() + QStringLiteral("/bin");
        QVERIFY(QDir().mkpath(bin));
        QFile opener(bin + QStringLiteral("/xdg-open"));
        QVERIFY(opener.open(QIODevice::WriteOnly));
        opener.write("#!/bin/sh\nprintf '%s\\n' \"$1\" >> \"$UNITCIRCLE_TEST_OPENED\"\n"
                     "exit \"$UNITCIRCLE_TEST_OPENER_EXIT\"\n");
        opener.close();
        QVERIFY(opener.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        m_opened = m_scratch.path() + QStringLiteral("/opened");
        qputenv("UNITCIRCLE_TEST_OPENED", m_opened.toUtf8());
        qputenv("PATH", bin.toUtf8() + ':' + qgetenv("PATH"));
    }

    void cleanupTestCase()
    {
        for (const char *scheme : { "file", "http", "https" })
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }

    void init()
    {
        QFile::remove(m_opened);
        qputenv("UNITCIRCLE_TEST_OPENER_EXIT", "0");
        store({});
        QFile::remove(settingsPath());
        m_catcher.urls.clear();
        platform::setBundleDirectory(QString());
    }

    void settingsLiveWhereTheDesktopExpectsThem()
    {
        QCOMPARE(QSettings().fileName(), settingsPath());
        QCOMPARE(QCoreApplication::organizationName(), QStringLiteral("unitcircle"));
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("unitcircle"));
    }

    void windowLooksLikeTheApplication()
    {
        Run run(true);
        QCOMPARE(run.window->windowTitle(), QStringLiteral("Unit Circle"));
        QVERIFY(run.view().width() >= 600);
        QVERIFY(run.view().height() >= 440);
        QCOMPARE(run.window->unit()->id(run.window->radians()), 0);
        QCOMPARE(run.window->unit()->id(run.window->degrees()), 1);
        QVERIFY(run.window->unit()->exclusive());

        // The figure grows with the window.
        const QSize before = run.view().size();
        run.window->resize(run.window->size() + QSize(200, 100));
        QTRY_COMPARE(run.view().size(), before + QSize(200, 100));
        QCOMPARE(run.view().frame().size.width, float(before.width() + 200));
    }

    void controlsHaveMnemonicsAndATabOrder()
    {
        Run run;
        const QList<QAbstractButton *> controls { run.window->radians(), run.window->degrees(),
                                                  run.window->standardAngles(),
                                                  run.window->sinCos() };
        QSet<QChar> mnemonics;
        for (QAbstractButton *control : controls) {
            const QString text = control->text();
            const qsizetype amp = text.indexOf(QLatin1Char('&'));
            QVERIFY2(amp >= 0 && amp + 1 < text.size(), qPrintable(text));
            mnemonics.insert(text.at(amp + 1).toLower());
        }
        QCOMPARE(mnemonics.size(), controls.size());

        // Tab goes from the figure through the controls in reading order.
        QCOMPARE(nextTabStop(&run.view()), controls.first());
        for (int i = 0; i + 1 < controls.size(); ++i)
            QCOMPARE(nextTabStop(controls[i]), controls[i + 1]);

        QCOMPARE(run.window->printAction()->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
        QCOMPARE(run.window->quitAction()->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));
    }

    void firstStartShowsRadiansAndNoOptions()
    {
        QVERIFY(!QFile::exists(settingsPath()));
        Run run;
        QCOMPARE(run.view().angleUnit(), 0);
        QCOMPARE(run.view().standardAngles(), false);
        QCOMPARE(run.view().sinCos(), false);
        QCOMPARE(run.view().displayTheta(), QStringLiteral("0"));
        QVERIFY(run.window->radians()->isChecked());
        QVERIFY(!run.window->degrees()->isChecked());
        QCOMPARE(run.window->unit()->checkedId(), 0);
        QVERIFY(!run.window->standardAngles()->isChecked());
        QVERIFY(!run.window->sinCos()->isChecked());
    }

    void restoresStoredChoices_data()
    {
        QTest::addColumn<QVariantMap>("stored");
        QTest::addColumn<bool>("standardAngles");
        QTest::addColumn<bool>("sinCos");
        QTest::addColumn<int>("angleUnit");
        QTest::addColumn<int>("checkedId");
        QTest::addColumn<QString>("label");

        const QString zeroDegrees = QStringLiteral("  0") + degree;
        QTest::newRow("all three stored as 1 turn both options on in degrees")
            << QVariantMap { { standardAnglesKey, 1 }, { sinCosKey, 1 }, { angleUnitKey, 1 } }
            << true << true << 1 << 1 << zeroDegrees;
        QTest::newRow("all three stored as 0 are a first start")
            << QVariantMap { { standardAnglesKey, 0 }, { sinCosKey, 0 }, { angleUnitKey, 0 } }
            << false << false << 0 << 0 << QStringLiteral("0");
        QTest::newRow("standard angles alone") << QVariantMap { { standardAnglesKey, 1 } } << true
                                               << false << 0 << 0 << QStringLiteral("0");
        QTest::newRow("cosine and sine stored as 2 leave option and box off")
            << QVariantMap { { sinCosKey, 2 } } << false << false << 0 << 0 << QStringLiteral("0");
        QTest::newRow("standard angles stored as -1 leave option and box off")
            << QVariantMap { { standardAnglesKey, -1 } } << false << false << 0 << 0
            << QStringLiteral("0");
        // The view gets 7 and labels in radians; no cell has tag 7, so none changes.
        QTest::newRow("angle unit stored as 7 labels in radians and changes no cell")
            << QVariantMap { { angleUnitKey, 7 } } << false << false << 7 << 0
            << QStringLiteral("0");
        QTest::newRow("a garbage string reads 0")
            << QVariantMap { { standardAnglesKey, QStringLiteral("garbage") },
                             { sinCosKey, QStringLiteral("garbage") },
                             { angleUnitKey, QStringLiteral("garbage") } }
            << false << false << 0 << 0 << QStringLiteral("0");
        QTest::newRow("a fraction is not an integer and reads 0")
            << QVariantMap { { sinCosKey, QStringLiteral("1.5") },
                             { angleUnitKey, QStringLiteral("1.0") } }
            << false << false << 0 << 0 << QStringLiteral("0");
        QTest::newRow("integers written by hand as text are integers")
            << QVariantMap { { sinCosKey, QStringLiteral("1") },
                             { angleUnitKey, QStringLiteral("1") } }
            << false << true << 1 << 1 << zeroDegrees;
    }

    void restoresStoredChoices()
    {
        QFETCH(QVariantMap, stored);
        QFETCH(bool, standardAngles);
        QFETCH(bool, sinCos);
        QFETCH(int, angleUnit);
        QFETCH(int, checkedId);
        QFETCH(QString, label);

        store(stored);
        Run run;
        QCOMPARE(run.view().standardAngles(), standardAngles);
        QCOMPARE(run.view().sinCos(), sinCos);
        QCOMPARE(run.view().angleUnit(), angleUnit);
        QCOMPARE(run.view().displayTheta(), label);
        // The box shows exactly what the view shows.
        QCOMPARE(run.window->standardAngles()->isChecked(), standardAngles);
        QCOMPARE(run.window->sinCos()->isChecked(), sinCos);
        QCOMPARE(run.window->unit()->checkedId(), checkedId);
        QCOMPARE(run.window->radians()->isChecked(), checkedId == 0);
        QCOMPARE(run.window->degrees()->isChecked(), checkedId == 1);
        // Restoring reads; it writes nothing back.
        for (auto it = stored.begin(); it != stored.end(); ++it)
            QCOMPARE(QSettings().value(it.key()).toString(), it.value().toString());
    }

    void restoringUnitTurnsOnOnlyTheStoredCell()
    {
        // Degrees stored while the window's form starts with degrees already on: 0 turns radians
        // on and the group turns degrees off.
        store({ { angleUnitKey, 0 } });
        MainWindow window;
        window.degrees()->setChecked(true);
        Controller controller;
        bindController(controller, window);
        controller.awakeFromNib();
        QVERIFY(window.radians()->isChecked());
        QVERIFY(!window.degrees()->isChecked());
    }

    // A run that changes no choice (the window left where it was) leaves the file as it found
    // it, down to how it is written; the first real change is written.
    void aRunThatChangesNothingLeavesTheFileAlone()
    {
        QDir().mkpath(QFileInfo(settingsPath()).path());
        const QByteArray byHand = "; kept by hand\n[General]\nprefs_sinCos = 1\n"
                                  "prefs_angleUnit = 1\nprefs_fullScreen = 0\n"
                                  "prefs_windowGeometry = \"10,20,300,200\"\n";
        const auto written = [] {
            QFile file(settingsPath());
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        {
            QFile file(settingsPath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(byHand);
        }
        platform::Preferences::reset();
        platform::Preferences &preferences = platform::Preferences::standard();
        {
            Run run(true);
            QVERIFY(run.view().sinCos());
            QCOMPARE(run.view().angleUnit(), 1);
            // What quitting stores of the window's place, unchanged.
            preferences.setString(QStringLiteral("10,20,300,200"),
                                  QStringLiteral("prefs_windowGeometry"));
            preferences.setInteger(0, QStringLiteral("prefs_fullScreen"));
            QTest::qWait(20);
            run.controller->savePreferencesAtQuit();
        }
        QCOMPARE(written(), byHand);

        preferences.setString(QStringLiteral("10,20,320,200"),
                              QStringLiteral("prefs_windowGeometry"));
        QVERIFY(preferences.sync());
        QVERIFY2(written().contains("10,20,320,200"), written().constData());
    }

    void unparsableSettingsFileDoesNotStopStartUp()
    {
        QDir().mkpath(QFileInfo(settingsPath()).path());
        {
            QFile file(settingsPath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            // Binary noise, a section that never closes, a key with a NUL in it.
            static const char garbage[]
                = "\xff\xfe\x00[General\nprefs_sinCos\x00=\x01\n[[[=\\\n\x7f";
            file.write(garbage, sizeof garbage - 1);
        }
        platform::Preferences::reset();
        Run run(true);
        QVERIFY(run.window->isVisible());
        QCOMPARE(run.view().sinCos(), false);
        QCOMPARE(run.view().standardAngles(), false);
        QCOMPARE(run.view().angleUnit(), 0);
        QVERIFY(run.window->radians()->isChecked());
        QVERIFY(!run.window->sinCos()->isChecked());

        // The controls still work and their values still reach the store.
        QTest::mouseClick(run.window->sinCos(), Qt::LeftButton);
        QCOMPARE(run.view().sinCos(), true);
        QCOMPARE(platform::Preferences::standard().integerForKey(sinCosKey), 1);
    }

    void changingAControlTellsTheViewAndStoresItsInteger_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("changes");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("how");

        // Assistive technology and voice control change a control through its accessible
        // action, which toggles it without a click; the keyboard presses Space.
        for (const char *how : { "click", "space", "toggle action" }) {
            const auto row
                = [how](const char *name) { return &QTest::addRow("%s by %s", name, how); };
            *row("standard angles box turned on")
                << "standardAngles" << 1 << standardAnglesKey << 1 << how;
            *row("standard angles box turned off again")
                << "standardAngles" << 2 << standardAnglesKey << 0 << how;
            *row("cosine and sine box turned on") << "sinCos" << 1 << sinCosKey << 1 << how;
            *row("cosine and sine box turned off again") << "sinCos" << 2 << sinCosKey << 0 << how;
            *row("degrees selected") << "degrees" << 1 << angleUnitKey << 1 << how;
            *row("radians selected after degrees") << "radians" << 1 << angleUnitKey << 0 << how;
        }
    }

    void changingAControlTellsTheViewAndStoresItsInteger()
    {
        QFETCH(QString, control);
        QFETCH(int, changes);
        QFETCH(QString, key);
        QFETCH(int, stored);
        QFETCH(QString, how);

        // Radians is only a change when degrees were on before.
        if (control == QLatin1String("radians"))
            store({ { angleUnitKey, 1 } });

        {
            Run run(true);
            run.view().setTheta(float(3.141592653589793 / 2.0));
            const QString radiansLabel = QStringLiteral("\u03c0\u2215") + QStringLiteral("2");
            const QString degreesLabel = QStringLiteral(" 90") + degree;
            auto *button = run.window->findChild<QAbstractButton *>(control);
            QVERIFY(button);

            for (int i = 0; i < changes; ++i) {
                if (how == QLatin1String("click")) {
                    QTest::mouseClick(button, Qt::LeftButton);
                } else if (how == QLatin1String("space")) {
                    QTest::keyClick(button, Qt::Key_Space);
                } else {
                    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(button);
                    QVERIFY(iface && iface->actionInterface());
                    QVERIFY(iface->actionInterface()->actionNames().contains(
                        QAccessibleActionInterface::toggleAction()));
                    iface->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
                }
            }

            // The view has changed at once, before any event is processed.
            if (key == standardAnglesKey)
                QCOMPARE(run.view().standardAngles(), stored == 1);
            else if (key == sinCosKey)
                QCOMPARE(run.view().sinCos(), stored == 1);
            else {
                QCOMPARE(run.view().angleUnit(), stored);
                QCOMPARE(run.view().displayTheta(), stored == 1 ? degreesLabel : radiansLabel);
                // The point stays where it was.
                QCOMPARE(run.view().theta(), float(3.141592653589793 / 2.0));
            }
            QCOMPARE(platform::Preferences::standard().integerForKey(key), stored);

            // The controller leaves writing to Qt: the file follows from the event loop.
            const QByteArray line = key.toLatin1() + '=' + QByteArray::number(stored);
            QVERIFY(!settingsFileText().contains(line));
            QTRY_VERIFY(settingsFileText().contains(line));
        }

        // The next run restores the choice into view and control.
        platform::Preferences::reset();
        Run next;
        if (key == standardAnglesKey) {
            QCOMPARE(next.view().standardAngles(), stored == 1);
            QCOMPARE(next.window->standardAngles()->isChecked(), stored == 1);
        } else if (key == sinCosKey) {
            QCOMPARE(next.view().sinCos(), stored == 1);
            QCOMPARE(next.window->sinCos()->isChecked(), stored == 1);
        } else {
            QCOMPARE(next.view().angleUnit(), stored);
            QCOMPARE(next.window->unit()->checkedId(), stored);
        }
    }

    void mnemonicsWorkTheControls_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<QString>("prefsKey");
        QTest::addColumn<int>("stored");

        QTest::newRow("Alt+S shows the standard angles") << Qt::Key_S << standardAnglesKey << 1;
        QTest::newRow("Alt+C shows cosine and sine") << Qt::Key_C << sinCosKey << 1;
        QTest::newRow("Alt+D selects degrees") << Qt::Key_D << angleUnitKey << 1;
    }

    void mnemonicsWorkTheControls()
    {
        QFETCH(Qt::Key, key);
        QFETCH(QString, prefsKey);
        QFETCH(int, stored);

        Run run(true);
        run.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(run.window.get()));
        run.view().setFocus();
        QTest::keyClick(run.window.get(), key, Qt::AltModifier);
        QTRY_COMPARE(platform::Preferences::standard().integerForKey(prefsKey), stored);
        // A unit chosen from the keyboard leaves the figure focused, so that a screen reader
        // reads the angle relabelled in the new unit.
        if (prefsKey == angleUnitKey)
            QVERIFY(run.view().hasFocus());
    }

    void graphFollowsItsStoredChoice_data()
    {
        QTest::addColumn<QVariantMap>("stored");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<bool>("cos");
        QTest::addColumn<bool>("sin");
        QTest::addColumn<bool>("tan");

        QTest::newRow("first start: no graph, cosine and sine chosen")
            << QVariantMap {} << false << true << true << false;
        QTest::newRow("shown, with the tangent and without the cosine")
            << QVariantMap { { QStringLiteral("prefs_graph"), 1 },
                             { QStringLiteral("prefs_graphCos"), 0 },
                             { QStringLiteral("prefs_graphTan"), 1 } }
            << true << false << true << true;
        QTest::newRow("any value but 1 hides it")
            << QVariantMap { { QStringLiteral("prefs_graph"), 2 } } << false << true << true
            << false;
    }

    void graphFollowsItsStoredChoice()
    {
        QFETCH(QVariantMap, stored);
        QFETCH(bool, shown);
        QFETCH(bool, cos);
        QFETCH(bool, sin);
        QFETCH(bool, tan);

        store(stored);
        Run run(true);
        QCOMPARE(run.window->graphPanel()->isVisible(), shown);
        QCOMPARE(run.window->graph()->isChecked(), shown);
        QCOMPARE(run.window->graphAction()->isChecked(), shown);
        QCOMPARE(run.window->exportGraphAction()->isEnabled(), shown);
        // The circle has its size whether the graph is there or not.
        QCOMPARE(run.view().size(), QSize(640, 480));
        if (shown) {
            const QRect graph(run.window->graphView()->mapTo(run.window.get(), QPoint(0, 0)),
                              run.window->graphView()->size());
            const QRect circle(run.view().mapTo(run.window.get(), QPoint(0, 0)), run.view().size());
            QVERIFY(graph.width() >= 400 && graph.height() >= 120);
            QVERIFY(graph.top() > circle.bottom());
        }
        QCOMPARE(run.window->graphView()->showsCurve(GraphView::Cosine), cos);
        QCOMPARE(run.window->graphView()->showsCurve(GraphView::Sine), sin);
        QCOMPARE(run.window->graphView()->showsCurve(GraphView::Tangent), tan);
        QCOMPARE(run.window->graphCos()->isChecked(), cos);
        QCOMPARE(run.window->graphTan()->isChecked(), tan);
        // Restoring writes nothing.
        QCOMPARE(QSettings().allKeys().size(), stored.size());
    }

    void showingTheGraphMakesRoomForIt()
    {
        Run run(true);
        const QSize window = run.window->size();
        const QSize circle = run.view().size();

        // The View menu's command and the box are one choice; it reaches the preferences.
        run.window->graphAction()->trigger();
        QVERIFY(run.window->graph()->isChecked());
        QTRY_VERIFY(run.window->graphView()->isVisible());
        QTRY_COMPARE(run.view().size(), circle);
        QVERIFY(run.window->height() >= window.height() + 120);
        QCOMPARE(platform::Preferences::standard().integerForKey(QStringLiteral("prefs_graph")), 1);

        // A curve chosen is drawn and stored.
        run.window->graphTan()->click();
        QVERIFY(run.window->graphView()->showsCurve(GraphView::Tangent));
        QCOMPARE(platform::Preferences::standard().integerForKey(QStringLiteral("prefs_graphTan")),
                 1);

        QTest::mouseClick(run.window->graph(), Qt::LeftButton);
        QVERIFY(!run.window->graphAction()->isChecked());
        QTRY_COMPARE(run.window->size(), window);
        QTRY_COMPARE(run.view().size(), circle);
        QCOMPARE(platform::Preferences::standard().integerForKey(QStringLiteral("prefs_graph")), 0);
    }

    void readMeBesideTheExecutableOpens()
    {
        // The build tree: tests/ lies beside the program and its ReadMe.
        const QString buildTree
            = QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/.."));
        const QString readMe = buildTree + QStringLiteral("/ReadMe.rtf");
        QVERIFY2(QFile::exists(readMe), qPrintable(readMe));
        QFile file(readMe);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith("{\\rtf1"));

        platform::setBundleDirectory(buildTree);
        QCOMPARE(platform::pathForResource(QStringLiteral("ReadMe"), QStringLiteral("rtf")),
                 readMe);
        Run run;
        run.controller->showReadMe();
        QTRY_COMPARE(opened(), QStringList { readMe });

        // The Help menu's command does the same.
        run.window->readMeAction()->trigger();
        QTRY_COMPARE(opened(), QStringList({ readMe, readMe }));
        QTest::qWait(100);
        QVERIFY(!shownMessage(run.window.get()));
    }

    void readMeOfAnInstalledProgramOpens()
    {
        const QString root = m_scratch.path() + QStringLiteral("/installed");
        QVERIFY(QDir().mkpath(root + QStringLiteral("/bin")));
        QVERIFY(QDir().mkpath(root + QStringLiteral("/share/unitcircle")));
        const QString readMe = root + QStringLiteral("/share/unitcircle/ReadMe.rtf");
        {
            QFile file(readMe);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("{\\rtf1 installed}");
        }
        platform::setBundleDirectory(root + QStringLiteral("/bin"));
        Run run;
        run.controller->showReadMe();
        QTRY_COMPARE(opened(), QStringList { readMe });
    }

    void missingReadMeIsSaid()
    {
        const QString empty = m_scratch.path() + QStringLiteral("/empty/bin");
        QVERIFY(QDir().mkpath(empty));
        platform::setBundleDirectory(empty);
        QVERIFY(
            platform::pathForResource(QStringLiteral("ReadMe"), QStringLiteral("rtf")).isNull());
        Run run(true);
        run.controller->showReadMe();
        QTRY_VERIFY(shownMessage(run.window.get()));
        QMessageBox *box = shownMessage(run.window.get());
        QVERIFY2(box->text().contains(QStringLiteral("ReadMe")), qPrintable(box->text()));
        QVERIFY2(box->informativeText().contains(empty), qPrintable(box->informativeText()));
        QVERIFY(opened().isEmpty());
    }

    // An opener that fails (no viewer for RTF, no browser) is no success: the user is told what
    // could not be opened, by name, and the window goes on.
    void aFailedOpenIsSaid_data()
    {
        QTest::addColumn<bool>("readMe");
        QTest::addColumn<QByteArray>("exitCode");
        QTest::newRow("no viewer for the ReadMe") << true << QByteArray("3");
        QTest::newRow("the viewer failed on the ReadMe") << true << QByteArray("4");
        QTest::newRow("no browser for the web site") << false << QByteArray("3");
    }

    void aFailedOpenIsSaid()
    {
        QFETCH(bool, readMe);
        QFETCH(QByteArray, exitCode);
        const QString buildTree
            = QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/.."));
        platform::setBundleDirectory(buildTree);
        qputenv("UNITCIRCLE_TEST_OPENER_EXIT", exitCode);
        Run run(true);
        if (readMe)
            run.window->readMeAction()->trigger();
        else
            run.window->webSiteAction()->trigger();
        QTRY_VERIFY(shownMessage(run.window.get()));
        QMessageBox *box = shownMessage(run.window.get());
        const QString named = readMe
            ? buildTree + QStringLiteral("/ReadMe.rtf")
            : QUrl::fromUserInput(QStringLiteral(UNITCIRCLE_WEBSITE)).host();
        QVERIFY2(box->informativeText().contains(named), qPrintable(box->informativeText()));
        QCOMPARE(opened().size(), 1);
        // The message waits for the user; the program does not wait for the message.
        QVERIFY(box->isVisible());
    }

    void webSiteOpensAtItsRoot()
    {
        Run run;
        run.controller->marvoSoftware();
        QTRY_COMPARE(opened().size(), 1);
        const QUrl url(opened().constFirst());
        QVERIFY2(url.scheme() == QLatin1String("https") || url.scheme() == QLatin1String("http"),
                 qPrintable(url.toString()));
        QCOMPARE(url.host(), QUrl::fromUserInput(QStringLiteral(UNITCIRCLE_WEBSITE)).host());
        QVERIFY(!url.host().isEmpty());
        QVERIFY(url.path().isEmpty());
        QVERIFY(!url.hasQuery());
        QVERIFY(!url.hasFragment());
        QVERIFY(url.userInfo().isEmpty());
        QCOMPARE(url.port(), -1);

        run.window->webSiteAction()->trigger();
        QTRY_COMPARE(opened().size(), 2);
        QCOMPARE(QUrl(opened().constLast()), url);
    }

    void closingTheWindowEndsTheEventLoop_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("window closed") << "close";
        QTest::newRow("File > Quit") << "quit";
    }

    void closingTheWindowEndsTheEventLoop()
    {
        QFETCH(QString, how);
        Run run(true);
        bool timedOut = false;
        QTimer::singleShot(0, run.window.get(), [&] {
            if (how == QLatin1String("close"))
                run.window->close();
            else
                run.window->quitAction()->trigger();
        });
        QTimer watchdog;
        watchdog.setSingleShot(true);
        connect(&watchdog, &QTimer::timeout, [&] {
            timedOut = true;
            QCoreApplication::exit(1);
        });
        watchdog.start(10000);
        const int result = QCoreApplication::exec();
        QVERIFY(!timedOut);
        QCOMPARE(result, 0);
        QVERIFY(!run.window->isVisible());
    }

    void windowShouldCloseAnswersTrue()
    {
        Controller controller;
        QVERIFY(controller.windowShouldClose());
    }
};

UNITCIRCLE_TEST_MAIN_WITH_PREFERENCES(TestController)

#include "tst_controller.moc"
