// Moving the point from the keyboard, and what a screen reader is told about the figure.
#include "test_support.h"
#include "view/orbel_view.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QtTest>

#include <cmath>
#include <cstring>

namespace {

constexpr double pi = 3.141592653589793;

const QString minus = QString::fromUtf8("\u2212");
const QString piSign = QString::fromUtf8("\u03c0");
const QString slash = QString::fromUtf8("\u2215");

QString fraction(int k, int n)
{
    QString label = k < 0 ? minus : QString();
    if (std::abs(k) != 1)
        label += QString::number(std::abs(k));
    label += piSign;
    if (n != 1)
        label += slash + QString::number(n);
    return label;
}

} // namespace

class TestKeyboardControl : public QObject
{
    Q_OBJECT

private:
    void press(OrbelView &view, Qt::Key key, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(&view, key);
    }

private slots:
    void init()
    {
        m_view = std::make_unique<OrbelView>();
        m_view->resize(300, 240);
        m_view->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
        m_view->setFocus();
    }
    void cleanup() { m_view.reset(); }

    void arrowSteps_data()
    {
        QTest::addColumn<float>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("presses");
        QTest::addColumn<QString>("label");
        QTest::addColumn<double>("expected");

        QTest::newRow("one step counter-clockwise leaves zero unsnapped")
            << 0.0f << int(Qt::Key_Right) << 1 << QStringLiteral("0.09") << 5.0 * pi / 180;
        QTest::newRow("nine steps reach a quarter of a half turn exactly")
            << 0.0f << int(Qt::Key_Right) << 9 << fraction(1, 4) << pi / 4;
        QTest::newRow("up turns like right")
            << 0.0f << int(Qt::Key_Up) << 6 << fraction(1, 6) << pi / 6;
        QTest::newRow("clockwise from zero goes negative")
            << 0.0f << int(Qt::Key_Left) << 1 << minus + QStringLiteral("0.09") << -5.0 * pi / 180;
        QTest::newRow("down turns like left")
            << 0.0f << int(Qt::Key_Down) << 18 << fraction(-1, 2) << -pi / 2;
        QTest::newRow("clockwise through zero from a positive angle")
            << float(10 * pi / 180) << int(Qt::Key_Left) << 3 << minus + QStringLiteral("0.09")
            << -5.0 * pi / 180;
        QTest::newRow("a step from off the grid lands on it")
            << 0.7f << int(Qt::Key_Right) << 1 << fraction(1, 4) << pi / 4;
        QTest::newRow("a full turn counter-clockwise ends on two pi")
            << float(355 * pi / 180) << int(Qt::Key_Right) << 1 << fraction(2, 1) << 2 * pi;
        QTest::newRow("past a full turn the angle starts again above the axis")
            << float(355 * pi / 180) << int(Qt::Key_Right) << 2 << QStringLiteral("0.09")
            << 5.0 * pi / 180;
        QTest::newRow("a full turn clockwise ends on minus two pi")
            << float(-355 * pi / 180) << int(Qt::Key_Left) << 1 << fraction(-2, 1) << -2 * pi;
    }

    void arrowSteps()
    {
        QFETCH(float, start);
        QFETCH(int, key);
        QFETCH(int, presses);
        QFETCH(QString, label);
        QFETCH(double, expected);

        m_view->setTheta(start);
        press(*m_view, Qt::Key(key), presses);
        QCOMPARE(m_view->displayTheta(), label);
        QVERIFY2(std::fabs(double(m_view->theta()) - expected) < 1e-6,
                 qPrintable(QString::number(m_view->theta(), 'g', 9)));
        // The keys never start a drag: the projections stay visible.
        QVERIFY(!m_view->canDrag());
    }

    void standardAnglesAreReachedExactly()
    {
        // Page Up walks the sixteen standard angles of one turn, each landing on the float that
        // snapping gives, so the panel can show its exact values.
        const QList<QPair<int, int>> turn { { 1, 6 }, { 1, 4 }, { 1, 3 },  { 1, 2 },
                                            { 2, 3 }, { 3, 4 }, { 5, 6 },  { 1, 1 },
                                            { 7, 6 }, { 5, 4 }, { 4, 3 },  { 3, 2 },
                                            { 5, 3 }, { 7, 4 }, { 11, 6 }, { 2, 1 } };
        for (const auto &[k, n] : turn) {
            press(*m_view, Qt::Key_PageUp);
            QCOMPARE(m_view->displayTheta(), fraction(k, n));
            QVERIFY(sameBits(m_view->theta(), float(k * pi / n)));
        }
        press(*m_view, Qt::Key_PageUp);
        QCOMPARE(m_view->displayTheta(), fraction(1, 6));
    }

    void pageDownWalksClockwise()
    {
        press(*m_view, Qt::Key_PageDown);
        QCOMPARE(m_view->displayTheta(), fraction(-1, 6));
        press(*m_view, Qt::Key_PageDown, 2);
        QCOMPARE(m_view->displayTheta(), fraction(-1, 3));
        press(*m_view, Qt::Key_PageUp, 3);
        QCOMPARE(m_view->displayTheta(), QStringLiteral("0"));
        QVERIFY(sameBits(m_view->theta(), 0.0f));
    }

    void homeReturnsToZero_data()
    {
        QTest::addColumn<float>("start");
        QTest::newRow("from a positive angle") << 2.5f;
        QTest::newRow("from a negative angle") << -4.0f;
        QTest::newRow("from two pi") << float(2 * pi);
    }

    void homeReturnsToZero()
    {
        QFETCH(float, start);
        m_view->setTheta(start);
        press(*m_view, Qt::Key_Home);
        QVERIFY(sameBits(m_view->theta(), 0.0f));
        QCOMPARE(m_view->displayTheta(), QStringLiteral("0"));
        QCOMPARE(m_view->currentPoint().x, 1.0f);
    }

    void degreesLabelTheKeyedAngle()
    {
        m_view->setAngleUnit(1);
        press(*m_view, Qt::Key_Right, 9);
        QCOMPARE(m_view->displayTheta(), QString::fromUtf8(" 45\u00b0"));
    }

    void otherKeysAreLeftToTheWindow()
    {
        m_view->setTheta(1.2f);
        press(*m_view, Qt::Key_A);
        press(*m_view, Qt::Key_End);
        QVERIFY(sameBits(m_view->theta(), 1.2f));
    }

    void spokenText_data()
    {
        QTest::addColumn<float>("theta");
        QTest::addColumn<int>("unit");
        QTest::addColumn<QString>("spoken");

        QTest::newRow("zero, exact on the axis") << 0.0f << 0 << "theta 0, cosine 1, sine 0";
        QTest::newRow("a sixth of a half turn, with exact values")
            << float(pi / 6) << 0 << "theta pi over 6, cosine root 3 over 2, sine 1 over 2";
        QTest::newRow("a negative exact cosine")
            << float(3 * pi / 4) << 0
            << "theta 3 pi over 4, cosine minus root 2 over 2, sine root 2 over 2";
        QTest::newRow("a half turn") << float(pi) << 0 << "theta pi, cosine minus 1, sine 0";
        QTest::newRow("minus a half turn")
            << float(-pi) << 0 << "theta minus pi, cosine minus 1, sine 0";
        QTest::newRow("a full turn") << float(2 * pi) << 0 << "theta 2 pi, cosine 1, sine 0";
        QTest::newRow("a quarter turn, whose cosine is a tiny negative number")
            << float(pi / 2) << 0 << "theta pi over 2, cosine 0, sine 1";
        QTest::newRow("minus a quarter turn, exact as the values panel")
            << float(-pi / 2) << 0 << "theta minus pi over 2, cosine 0, sine minus 1";
        QTest::newRow("close to a quarter turn but off it, in decimals")
            << 1.4f << 0 << "theta 1.40 radians, cosine 0.170, sine 0.985";
        QTest::newRow("a negative multiple")
            << float(-5 * pi / 6) << 0
            << "theta minus 5 pi over 6, cosine minus root 3 over 2, sine minus 1 over 2";
        QTest::newRow("decimal radians")
            << 1.2f << 0 << "theta 1.20 radians, cosine 0.362, sine 0.932";
        QTest::newRow("negative decimal radians")
            << -1.2f << 0 << "theta minus 1.20 radians, cosine 0.362, sine minus 0.932";
        QTest::newRow("degrees without the padding")
            << float(pi / 2) << 1 << "theta 90 degrees, cosine 0, sine 1";
        QTest::newRow("negative degrees")
            << float(-2 * pi / 3) << 1
            << "theta minus 120 degrees, cosine minus 1 over 2, sine minus root 3 over 2";
        QTest::newRow("unsnapped degrees")
            << 1.2f << 1 << "theta 69 degrees, cosine 0.362, sine 0.932";
        QTest::newRow("zero degrees") << 0.0f << 1 << "theta 0 degrees, cosine 1, sine 0";
    }

    void spokenText()
    {
        QFETCH(float, theta);
        QFETCH(int, unit);
        QFETCH(QString, spoken);

        m_view->setAngleUnit(unit);
        m_view->setTheta(theta);
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(m_view.get());
        QVERIFY(iface);
        QCOMPARE(iface->role(), QAccessible::Slider);
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Unit circle"));
        // The description says it all; the value text, said in place of the number, the angle.
        QCOMPARE(iface->text(QAccessible::Description), spoken);
        QCOMPARE(QStringLiteral("theta %1, ").arg(iface->text(QAccessible::Value)),
                 spoken.left(spoken.indexOf(QLatin1String(", ")) + 2));
        // Speech reads these symbols as "pi six" or "slash"; the words stand in for them.
        for (const QChar symbol : { QChar(0x2215), QChar(0x2212), QChar(0x221a), QChar(0x03c0) })
            QVERIFY2(!spoken.contains(symbol), qPrintable(spoken));
    }

    // A screen reader reads the value before the description: it must be in the unit the label
    // shows, and a value it sets is read in that unit too.
    void accessibleValueIsInTheUnitShown_data()
    {
        QTest::addColumn<int>("unit");
        QTest::addColumn<double>("sent");
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("maximum");
        QTest::addColumn<double>("step");
        QTest::addColumn<QString>("label");

        QTest::newRow("radians") << 0 << 2.0 << 2.0 << 2 * pi << 2 * pi / 72 << "2.00";
        QTest::newRow("degrees") << 1 << 65.0 << 65.0 << 360.0 << 5.0 << " 65\u00b0";
        QTest::newRow("degrees snapping to a standard angle")
            << 1 << 134.0 << 135.0 << 360.0 << 5.0 << "135\u00b0";
        QTest::newRow("degrees beyond a turn stop at a full turn")
            << 1 << 1e6 << 360.0 << 360.0 << 5.0 << "360\u00b0";
        QTest::newRow("negative degrees") << 1 << -90.0 << -90.0 << 360.0 << 5.0 << "-90\u00b0";
    }

    void accessibleValueIsInTheUnitShown()
    {
        QFETCH(int, unit);
        QFETCH(double, sent);
        QFETCH(double, value);
        QFETCH(double, maximum);
        QFETCH(double, step);
        QFETCH(QString, label);

        m_view->setAngleUnit(unit);
        QAccessibleValueInterface *iface
            = QAccessible::queryAccessibleInterface(m_view.get())->valueInterface();
        QVERIFY(iface);
        iface->setCurrentValue(sent);
        QCOMPARE(m_view->displayTheta(), label);
        QVERIFY2(std::fabs(iface->currentValue().toDouble() - value) < 1e-4,
                 qPrintable(QString::number(iface->currentValue().toDouble(), 'g', 10)));
        QCOMPARE(iface->maximumValue().toDouble(), maximum);
        QCOMPARE(iface->minimumValue().toDouble(), -maximum);
        QCOMPARE(iface->minimumStepSize().toDouble(), step);
    }

    void accessibleValueStaysWithinTwoTurns_data()
    {
        QTest::addColumn<double>("sent");
        QTest::addColumn<QString>("label");

        QTest::newRow("far beyond a turn is a full turn") << 100.0 << QStringLiteral("2") + piSign;
        QTest::newRow("far below minus a turn is minus a full turn")
            << -1e30 << minus + QStringLiteral("2") + piSign;
        QTest::newRow("within the range it is the angle sent") << 2.0 << QStringLiteral("2.00");
    }

    void accessibleValueStaysWithinTwoTurns()
    {
        QFETCH(double, sent);
        QFETCH(QString, label);
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(m_view.get());
        QVERIFY(iface && iface->valueInterface());
        iface->valueInterface()->setCurrentValue(sent);
        QVERIFY(std::fabs(double(m_view->theta())) <= double(float(2 * pi)));
        QCOMPARE(m_view->displayTheta(), label);
    }

    void aDragReportsEveryChange()
    {
        QSignalSpy changes(m_view.get(), &OrbelView::thetaChanged);
        // View (x, y) is widget (150 + x, 120 - y) for a 300 x 240 view.
        QTest::mousePress(m_view.get(), Qt::LeftButton, {}, QPoint(230, 120));
        QMouseEvent move(QEvent::MouseMove, QPointF(150, 40), m_view->mapToGlobal(QPointF(150, 40)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_view.get(), &move);
        QTest::mouseRelease(m_view.get(), Qt::LeftButton, {}, QPoint(150, 40));

        QCOMPARE(changes.size(), 2);
        QCOMPARE(changes.last().at(0).toFloat(), m_view->theta());
        QCOMPARE(m_view->displayTheta(), fraction(1, 2));
    }

private:
    std::unique_ptr<OrbelView> m_view;
};

QTEST_MAIN(TestKeyboardControl)
#include "tst_keyboard_control.moc"
