// Typing an angle: the field that sets it through the circle view, so that the label, the snapping
// and the winding are the view's, and that changes nothing when what is typed is no angle.
#include "app/controller.h"
#include "app/main_window.h"
#include "panels/angle_field.h"
#include "platform/preferences.h"
#include "sound/turn_sweep.h"
#include "test_support.h"
#include "view/orbel_view.h"

#include <QAction>
#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

namespace {

constexpr double pi = 3.141592653589793;

const QString minus = QString(QChar(0x2212));
const QString piSign = QString(QChar(0x03c0));
const QString slash = QString(QChar(0x2215));
const QString degree = QString(QChar(0x00b0));

} // namespace

class TestAngleInput : public QObject
{
    Q_OBJECT

private slots:
    void returnSetsTheAngleThroughTheView_data()
    {
        QTest::addColumn<int>("unit");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("message");

        QTest::newRow("a decimal near a standard angle is kept as typed") << 0 << "2.61"
                                                                          << "2.61"
                                                                          << "";
        QTest::newRow("a decimal within a float's rounding of one lands on it")
            << 0 << "2.6179938779914944"
            << QStringLiteral("5") + piSign + slash + QStringLiteral("6") << "";
        QTest::newRow("a radian decimal in two decimals") << 0 << "0.5"
                                                          << "0.50"
                                                          << "";
        QTest::newRow("whole degrees, not the 30 nearby") << 1 << "26"
                                                          << "26" + degree << "";
        QTest::newRow("degrees keep the decimals typed") << 1 << "12.5"
                                                         << "12.5" + degree << "";
        QTest::newRow("negative degrees") << 1 << "-42"
                                          << "-42" + degree << "";
        QTest::newRow("a standard angle in degrees") << 1 << "150"
                                                     << "150" + degree << "";
        QTest::newRow("a million half-turns are none") << 0 << "1000000pi"
                                                       << "0"
                                                       << "shown as the coterminal angle 0";
        QTest::newRow("nor are a million and one a turn")
            << 0 << "1000001pi" << piSign << "shown as the coterminal angle " + piSign;
        QTest::newRow("whole turns off a typed decimal of degrees")
            << 1 << "3612.5"
            << "12.5" + degree << "shown as the coterminal angle 12.5" + degree;
        QTest::newRow("degrees typed, radians shown")
            << 0 << "150deg" << QStringLiteral("5") + piSign + slash + QStringLiteral("6") << "";
        QTest::newRow("beyond a turn, said so")
            << 0 << "7pi/2" << QStringLiteral("3") + piSign + slash + QStringLiteral("2")
            << QStringLiteral("shown as the coterminal angle 3") + piSign + slash
                + QStringLiteral("2");
        QTest::newRow("degrees shown")
            << 1 << "-450"
            << "-90" + degree << "shown as the coterminal angle -90" + degree;
        QTest::newRow("a full turn") << 0 << "2pi" << QStringLiteral("2") + piSign << "";
    }

    void returnSetsTheAngleThroughTheView()
    {
        QFETCH(int, unit);
        QFETCH(QString, typed);
        QFETCH(QString, label);
        QFETCH(QString, message);
        OrbelView view;
        view.setAngleUnit(unit);
        view.setTheta(0.0f);
        AngleField field;
        field.setOrbelView(&view);
        field.lineEdit()->selectAll();
        QTest::keyClicks(field.lineEdit(), typed);
        QCOMPARE(field.lineEdit()->text(), typed);
        QTest::keyClick(field.lineEdit(), Qt::Key_Return);
        QCOMPARE(view.displayTheta().trimmed(), label);
        QCOMPARE(field.lineEdit()->text(), label);
        QCOMPARE(field.message(), message);
        QVERIFY(!field.isMarked());
        // The field goes on following the point.
        view.setTheta(0.0f);
        QCOMPARE(field.lineEdit()->text(), unit == 1 ? "0" + degree : QStringLiteral("0"));
    }

    // What a typed angle is, once set: its own values, named in either unit as typed, never
    // snapped; the next key snaps as ever.
    void aTypedAngleIsKeptAsTyped()
    {
        OrbelView view;
        view.setAngleUnit(1);
        AngleField field;
        field.setOrbelView(&view);
        field.lineEdit()->selectAll();
        QTest::keyClicks(field.lineEdit(), QStringLiteral("26"));
        QTest::keyClick(field.lineEdit(), Qt::Key_Return);
        QVERIFY(std::fabs(double(view.theta()) - 26 * pi / 180) < 1e-6);
        QVERIFY(view.accessibleValueText().startsWith(
            QLatin1String("theta 26 degrees, cosine 0.899, sine 0.438")));
        view.setAngleUnit(0);
        QCOMPARE(view.displayTheta(), QStringLiteral("0.45"));
        view.setAngleUnit(1);
        QCOMPARE(view.displayTheta().trimmed(), "26" + degree);
        QVERIFY(std::fabs(double(view.theta()) - 26 * pi / 180) < 1e-6);
        QCOMPARE(view.currentPoint().y, std::sin(view.theta()));

        field.lineEdit()->selectAll();
        QTest::keyClicks(field.lineEdit(), QStringLiteral("12.5"));
        QTest::keyClick(field.lineEdit(), Qt::Key_Return);
        QCOMPARE(view.spokenAngle(), QStringLiteral("12.5 degrees"));
        // One turn heard ends where it began: as typed.
        TurnSweep sweep;
        sweep.setOrbelView(&view);
        sweep.start();
        sweep.stop();
        QCOMPARE(view.displayTheta(), "12.5" + degree);

        // A key turns it by 5 degrees as it turns any angle, snapping on the way.
        view.setTheta(float(26 * pi / 180));
        QCOMPARE(view.displayTheta().trimmed(), "30" + degree);
    }

    // A paste longer than the field takes is refused whole, never cut into another angle, and
    // said; what stood in the field stays.
    void aTooLongPasteIsRefused_data()
    {
        QTest::addColumn<int>("length");
        QTest::newRow("one beyond the longest text") << AngleField::longestText + 1;
        QTest::newRow("beyond what a line holds at all") << 40000;
    }
    void aTooLongPasteIsRefused()
    {
        QFETCH(int, length);
        MainWindow window;
        Controller controller;
        bindController(controller, window);
        controller.awakeFromNib();
        QLineEdit *edit = window.angleField()->lineEdit();
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("1.5"));
        // Starts as an angle and goes on with digits: cut anywhere, it would read as a number.
        QApplication::clipboard()->setText(QStringLiteral("3")
                                           + QString(length - 1, QLatin1Char('1')));
        edit->paste();
        QCOMPARE(edit->text(), QStringLiteral("1.5"));
        QVERIFY(window.angleField()->isMarked());
        QVERIFY(window.angleField()->message().contains(QString::number(AngleField::longestText)));
        QApplication::clipboard()->setText(QString(AngleField::longestText - 3, QLatin1Char(' ')));
        edit->paste();
        QCOMPARE(edit->text().size(), AngleField::longestText);
    }

    // Text that is no angle changes nothing, neither the figure nor what is stored, and the field
    // says what it reads; Escape gives the label back.
    void whatIsNoAngleChangesNothing()
    {
        MainWindow window;
        Controller controller;
        bindController(controller, window);
        controller.awakeFromNib();
        OrbelView &view = *window.orbelView();
        view.setTheta(1.2f);
        QLineEdit *edit = window.angleField()->lineEdit();
        for (const QString typed : { "abc", "pi/0", "3pi/", "1e999" }) {
            edit->selectAll();
            QTest::keyClicks(edit, typed);
            QTest::keyClick(edit, Qt::Key_Return);
            QCOMPARE(view.displayTheta(), QStringLiteral("1.20"));
            QCOMPARE(edit->text(), typed);
            QVERIFY(window.angleField()->isMarked());
            QVERIFY(!window.angleField()->message().isEmpty());
            QVERIFY(edit->accessibleDescription().startsWith(QLatin1String("Not an angle")));
        }
        // Typing past a refusal takes the mark away; the view's moves wait for Return or Escape.
        QTest::keyClick(edit, Qt::Key_Backspace);
        QVERIFY(!window.angleField()->isMarked());
        view.setTheta(2.0f);
        QCOMPARE(edit->text(), QStringLiteral("1e99"));
        QTest::keyClick(edit, Qt::Key_Escape);
        QCOMPARE(edit->text(), QStringLiteral("2.00"));
        QVERIFY(window.angleField()->message().isEmpty());
        // Escape takes back what was typed before a window shortcut on it (leaving full screen)
        // sees it.
        QAction leave(&window);
        leave.setShortcut(Qt::Key_Escape);
        window.addAction(&leave);
        QSignalSpy left(&leave, &QAction::triggered);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        edit->setFocus();
        QTest::keyClicks(edit, QStringLiteral("7"));
        QTest::keyClick(edit, Qt::Key_Escape);
        QCOMPARE(edit->text(), QStringLiteral("2.00"));
        QCOMPARE(left.count(), 0);
        for (const char *key : { "prefs_angleUnit", "prefs_standardAngles", "prefs_sinCos" })
            QCOMPARE(platform::Preferences::standard().integerForKey(QLatin1String(key), -1), -1);
    }
};

UNITCIRCLE_TEST_MAIN_WITH_PREFERENCES(TestAngleInput)
#include "tst_angle_input.moc"
