// Typing an angle: what the reader accepts and what it refuses, in both units, and the field that
// sets it through the circle view, so that the label, the snapping and the winding are the view's.
#include "app/controller.h"
#include "app/main_window.h"
#include "app/turn_sweep.h"
#include "platform/preferences.h"
#include "test_support.h"
#include "view/angle_field.h"
#include "view/angle_parser.h"
#include "view/orbel_view.h"

#include <QAction>
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
    void readsTheFormsStudentsType_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("unit");
        QTest::addColumn<double>("radians");
        QTest::addColumn<bool>("coterminal");

        QTest::newRow("decimal with a point") << "1.2" << 0 << 1.2 << false;
        QTest::newRow("decimal with a comma") << "2,5" << 0 << 2.5 << false;
        QTest::newRow("negative decimal") << "-0.5" << 0 << -0.5 << false;
        QTest::newRow("pi alone") << "\u03c0" << 0 << pi << false;
        QTest::newRow("pi in capitals, with a multiple") << "2PI" << 0 << 2 * pi << false;
        QTest::newRow("a fraction of pi") << "3\u03c0/4" << 0 << 3 * pi / 4 << false;
        QTest::newRow("spaces anywhere") << " 3 pi / 4 " << 0 << 3 * pi / 4 << false;
        QTest::newRow("a multiplication sign") << "3*pi/4" << 0 << 3 * pi / 4 << false;
        QTest::newRow("the figure's own minus and slash")
            << "\u22125\u03c0\u22156" << 0 << -5 * pi / 6 << false;
        QTest::newRow("pi over a number") << "\u03c0/2" << 0 << pi / 2 << false;
        QTest::newRow("degrees with the sign") << "135\u00b0" << 0 << 3 * pi / 4 << false;
        QTest::newRow("degrees in words") << "-90 deg" << 0 << -pi / 2 << false;
        QTest::newRow("plain numbers are degrees when degrees are shown")
            << "90" << 1 << pi / 2 << false;
        QTest::newRow("rad forces radians") << "1.2 rad" << 1 << 1.2 << false;
        QTest::newRow("pi always means radians") << "pi/4" << 1 << pi / 4 << false;
        QTest::newRow("a full turn stays a full turn") << "2pi" << 0 << 2 * pi << false;
        QTest::newRow("so does 360 degrees") << "360" << 1 << 2 * pi << false;
        QTest::newRow("beyond a turn, whole turns go") << "7pi/2" << 0 << 3 * pi / 2 << true;
        QTest::newRow("toward zero, keeping the sign") << "-450" << 1 << -pi / 2 << true;
        QTest::newRow("two whole turns are none") << "720deg" << 0 << 0.0 << true;
    }

    void readsTheFormsStudentsType()
    {
        QFETCH(QString, text);
        QFETCH(int, unit);
        QFETCH(double, radians);
        QFETCH(bool, coterminal);
        const angleinput::ParsedAngle angle = angleinput::parseAngle(text, unit);
        QVERIFY(angle.ok);
        QVERIFY2(std::fabs(angle.radians - radians) < 1e-12,
                 qPrintable(QString::number(angle.radians, 'g', 17)));
        QCOMPARE(angle.coterminal, coterminal);
    }

    void refusesEverythingElse_data()
    {
        QTest::addColumn<QString>("text");
        for (const char *text :
             { "abc", "", "   ", "pi/0", "3pi/", "1e999", "1e3", "--1", "3/4", "pi deg",
               "135\u00b0\u00b0", "*pi", "1.2.3", "2,5,1", ".", "\u221e", "nan", "inf" })
            QTest::newRow(text) << QString::fromUtf8(text);
        // A number too large for a finite float, and one too large for a double.
        QTest::newRow("400 digits") << QStringLiteral("1") + QString(400, QLatin1Char('0'));
        QTest::newRow("40 digits") << QStringLiteral("1") + QString(40, QLatin1Char('0'));
    }

    void refusesEverythingElse()
    {
        QFETCH(QString, text);
        QVERIFY(!angleinput::parseAngle(text, 0).ok);
        QVERIFY(!angleinput::parseAngle(text, 1).ok);
    }

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

    void standardOrNot_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("unit");
        QTest::addColumn<bool>("standard");
        QTest::addColumn<int>("degreeDecimals");
        QTest::newRow("an exact multiple of pi") << "5pi/6" << 0 << true << -1;
        QTest::newRow("an equivalent fraction") << "10pi/12" << 0 << true << -1;
        QTest::newRow("a decimal multiple of pi") << "0.25pi" << 0 << true << -1;
        QTest::newRow("pi over 5 is not standard") << "pi/5" << 0 << false << -1;
        QTest::newRow("degrees with zeros after the point") << "150.00" << 1 << true << 2;
        QTest::newRow("a degree off") << "151" << 1 << false << 0;
        QTest::newRow("a decimal close to pi over 6") << "0.52" << 0 << false << -1;
        QTest::newRow("radians forced in degrees") << "0.5 rad" << 1 << false << -1;
        QTest::newRow("beyond a turn, in degrees") << "-3930" << 1 << true << 0;
    }

    void standardOrNot()
    {
        QFETCH(QString, text);
        QFETCH(int, unit);
        QFETCH(bool, standard);
        QFETCH(int, degreeDecimals);
        const angleinput::ParsedAngle angle = angleinput::parseAngle(text, unit);
        QVERIFY(angle.ok);
        QCOMPARE(angle.standard, standard);
        QCOMPARE(angle.degreeDecimals, degreeDecimals);
        if (standard) {
            const double twelfths = angle.radians * 12 / pi;
            QVERIFY(std::fabs(twelfths - std::round(twelfths)) < 1e-12);
        }
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
