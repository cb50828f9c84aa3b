// Typing an angle: the field that sets it through the circle view, so that the label, the snapping
// and the winding are the view's, and that changes nothing when what is typed is no angle.
#include "app/controller.h"
#include "app/main_window.h"
#include "platform/preferences.h"
#include "test_support.h"
#include "panels/angle_field.h"
#include "view/orbel_view.h"

#include <QAction>
#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

namespace {

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

        QTest::newRow("snaps like any other change")
            << 0 << "2.61" << QStringLiteral("5") + piSign + slash + QStringLiteral("6") << "";
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

    // Text that is no angle changes nothing, neither the figure nor what is stored, and the field
    // says what it reads; Escape gives the label back.
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
