// Angle tracking through real mouse events: the winding rule across the positive x axis, the
// passage through exactly 0, the snapped full turn and its reset on the next press, the ring in
// which a press grabs the point, and the quadrant of the point that process leaves behind.
#include "platform/beep.h"
#include "test_support.h"
#include "view/orbel_view.h"

#include <QMouseEvent>
#include <QPointingDevice>
#include <QTest>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

#define COMPARE_NEAR(actual, expected, tolerance)                                                  \
    QVERIFY2(std::fabs(double(actual) - double(expected)) <= (tolerance),                          \
             describe((actual), (expected)).constData())

// The 300 x 240 view used for every pointer case: its origin sits at widget pixel (150, 120) and
// its unit is 80, so a view point (x, y) is the widget pixel (150 + x, 120 - y).
constexpr int viewWidth = 300;
constexpr int viewHeight = 240;

QPoint pixel(int x, int y)
{
    return QPoint(viewWidth / 2 + x, viewHeight / 2 - y);
}
QPointF pixel(QPointF p)
{
    return QPointF(viewWidth / 2 + p.x(), viewHeight / 2 - p.y());
}

constexpr float fullTurn = float(6.283185307179586);
constexpr float quarterPi = float(0.7853981633974483);
constexpr float pi = float(3.141592653589793);
constexpr float fiveQuarterPi = float(3.9269908169872414);

// One step of a pointer script, in view coordinates (whole pixels, as QTest sends them).
struct Step
{
    enum Kind { Press, Move, Release } kind;
    QPoint at;
};

Step press(int x, int y)
{
    return Step { Step::Press, QPoint(x, y) };
}
Step move(int x, int y)
{
    return Step { Step::Move, QPoint(x, y) };
}
Step release()
{
    return Step { Step::Release, QPoint() };
}

// A press at a fractional position, which QTest's integer positions cannot express.
void sendPress(QWidget *widget, QPointF viewPoint)
{
    const QPointF local = pixel(viewPoint);
    QMouseEvent event(QEvent::MouseButtonPress, local, widget->mapToGlobal(local), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier, QPointingDevice::primaryPointingDevice());
    QApplication::sendEvent(widget, &event);
}

// The point must lie on the unit circle, in the quadrant of the pointer that placed it: the sign
// bits of its coordinates are those of the pointer's, even for a pointer coordinate of -0.0.
bool onCircleInQuadrantOf(Point point, Point pointer, QByteArray *why)
{
    const double r2 = double(point.x) * point.x + double(point.y) * point.y;
    if (std::fabs(r2 - 1.0) > 1e-6) {
        *why = QString::asprintf("(%.9g, %.9g) is off the circle", double(point.x), double(point.y))
                   .toUtf8();
        return false;
    }
    if (std::signbit(point.x) != std::signbit(pointer.x)
        || std::signbit(point.y) != std::signbit(pointer.y)) {
        *why = QString::asprintf("(%.9g, %.9g) is not in the quadrant of (%.9g, %.9g)",
                                 double(point.x), double(point.y), double(pointer.x),
                                 double(pointer.y))
                   .toUtf8();
        return false;
    }
    return true;
}

} // namespace

Q_DECLARE_METATYPE(std::vector<Step>)

class TestAngleTracking : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void winding_data();
    void winding();
    void fullTurnResetOnPress_data();
    void fullTurnResetOnPress();
    void pressOnRing_data();
    void pressOnRing();
    void dragAfterRefusedPress_data();
    void dragAfterRefusedPress();
    void refusedPressEndsDrag();
    void pressBeforeFirstPaint_data();
    void pressBeforeFirstPaint();
    void processKeepsPointerQuadrant_data();
    void processKeepsPointerQuadrant();

private:
    bool showView(OrbelView &view);
    void run(OrbelView &view, const std::vector<Step> &steps);

    int m_beeps = 0;
};

void TestAngleTracking::init()
{
    m_beeps = 0;
    platform::setBeepHandler([this] { ++m_beeps; });
}

void TestAngleTracking::cleanup()
{
    platform::setBeepHandler({});
}

bool TestAngleTracking::showView(OrbelView &view)
{
    view.resize(viewWidth, viewHeight);
    view.show();
    if (!QTest::qWaitForWindowExposed(&view))
        return false;
    // The first drawing pass sets the origin and the unit; a press needs both.
    return QTest::qWaitFor([&] { return view.unit() == 80.0f; });
}

void TestAngleTracking::run(OrbelView &view, const std::vector<Step> &steps)
{
    for (const Step &step : steps) {
        switch (step.kind) {
        case Step::Press:
            QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier,
                              pixel(step.at.x(), step.at.y()));
            break;
        case Step::Move:
            QTest::mouseMove(&view, pixel(step.at.x(), step.at.y()));
            break;
        case Step::Release:
            QTest::mouseRelease(&view, Qt::LeftButton, Qt::NoModifier,
                                pixel(step.at.x(), step.at.y()));
            break;
        }
    }
}

void TestAngleTracking::winding_data()
{
    QTest::addColumn<std::vector<Step>>("steps");
    QTest::addColumn<float>("theta");
    QTest::addColumn<bool>("exact");
    QTest::addColumn<QString>("label");

    // The press at (63, 48) grabs the point at 0.65 rad, the one at (63, -48) at -0.65 rad;
    // neither lies in a snapping window.
    QTest::newRow("positive angle passing below the negative x axis stays positive")
        << std::vector<Step> { press(63, 48), move(-40, 70), move(-80, -8) } << 3.2412613f << false
        << QStringLiteral("3.24");
    QTest::newRow("negative angle passing above the negative x axis stays negative")
        << std::vector<Step> { press(63, -48), move(-40, -70), move(-80, 8) } << -3.2412613f
        << false << QStringLiteral("\u22123.24");
    QTest::newRow("negative angle turning into the third quadrant keeps the raw angle")
        << std::vector<Step> { press(63, -48), move(-80, -8) } << -3.0419240f << false
        << QStringLiteral("\u22123.04");
    QTest::newRow("positive angle crossing the positive x axis clockwise winds to almost 2pi")
        << std::vector<Step> { press(63, 48), move(80, -8) } << 6.1835167f << false
        << QStringLiteral("6.18");
    QTest::newRow("positive angle travelling a whole turn counter-clockwise stays under 2pi")
        << std::vector<Step> { press(63, 48), move(-80, 0), move(0, -80), move(80, -8) }
        << 6.1835167f << false << QStringLiteral("6.18");
    QTest::newRow("positive angle crossing back counter-clockwise returns to a small angle")
        << std::vector<Step> { press(63, 48), move(80, -8), move(80, 8) } << 0.0996687f << false
        << QStringLiteral("0.10");
    QTest::newRow("negative angle crossing the positive x axis counter-clockwise winds to -2pi")
        << std::vector<Step> { press(63, -48), move(80, 8) } << -6.1835167f << false
        << QStringLiteral("\u22126.18");
    QTest::newRow("negative angle crossing back clockwise returns to a small angle")
        << std::vector<Step> { press(63, -48), move(80, 8), move(80, -8) } << -0.0996687f << false
        << QStringLiteral("\u22120.10");
    QTest::newRow("positive angle ending just above the axis passes through exactly 0")
        << std::vector<Step> { press(63, 48), move(80, 4) } << 0.0f << true << QStringLiteral("0");
    QTest::newRow("from exactly 0 a move below the axis turns the angle negative")
        << std::vector<Step> { press(63, 48), move(80, 4), move(80, -8) } << -0.0996687f << false
        << QStringLiteral("\u22120.10");
    QTest::newRow("negative angle ending just below the axis passes through exactly 0")
        << std::vector<Step> { press(63, -48), move(80, -4) } << 0.0f << true
        << QStringLiteral("0");
    QTest::newRow("from exactly 0 a move above the axis turns the angle positive")
        << std::vector<Step> { press(63, -48), move(80, -4), move(80, 8) } << 0.0996687f << false
        << QStringLiteral("0.10");
    QTest::newRow("positive angle ending just below the axis snaps to 2pi")
        << std::vector<Step> { press(63, 48), move(80, -4) } << fullTurn << true
        << QStringLiteral("2\u03c0");
    QTest::newRow("negative angle ending just above the axis snaps to -2pi")
        << std::vector<Step> { press(63, -48), move(80, 4) } << -fullTurn << true
        << QStringLiteral("\u22122\u03c0");
    QTest::newRow("a snapped 2pi dragged further below the axis winds back under 2pi")
        << std::vector<Step> { press(63, 48), move(80, -4), move(80, -8) } << 6.1835167f << false
        << QStringLiteral("6.18");
    QTest::newRow("a grabbed point follows a pointer near the centre")
        << std::vector<Step> { press(63, 48), move(3, 3) } << quarterPi << true
        << QStringLiteral("\u03c0\u22154");
    QTest::newRow("a grabbed point follows a pointer far outside the circle")
        << std::vector<Step> { press(63, 48), move(-400, 0) } << pi << true
        << QStringLiteral("\u03c0");
}

void TestAngleTracking::winding()
{
    QFETCH(std::vector<Step>, steps);
    QFETCH(float, theta);
    QFETCH(bool, exact);
    QFETCH(QString, label);

    OrbelView view;
    QVERIFY(showView(view));
    run(view, steps);

    if (exact)
        COMPARE_BITS(view.theta(), theta);
    else
        COMPARE_NEAR(view.theta(), theta, 1e-5);
    QCOMPARE(view.displayTheta(), label);
    QVERIFY(view.canDrag());
    QCOMPARE(m_beeps, 0);

    const QPoint last = steps.back().at;
    QByteArray why;
    QVERIFY2(
        onCircleInQuadrantOf(view.currentPoint(), Point { float(last.x()), float(last.y()) }, &why),
        why.constData());

    QTest::mouseRelease(&view, Qt::LeftButton, Qt::NoModifier, pixel(last.x(), last.y()));
    QVERIFY(!view.canDrag());
    // The release reads no position: the angle stays where the last drag left it.
    if (exact)
        COMPARE_BITS(view.theta(), theta);
    else
        COMPARE_NEAR(view.theta(), theta, 1e-5);
}

void TestAngleTracking::fullTurnResetOnPress_data()
{
    QTest::addColumn<std::vector<Step>>("steps");
    QTest::addColumn<float>("theta");
    QTest::addColumn<QString>("label");

    QTest::newRow("press just below the axis at a snapped 2pi restarts from 0")
        << std::vector<Step> { press(63, 48), move(80, -4), release(), press(80, -4) } << 0.0f
        << QStringLiteral("0");
    QTest::newRow("press on the axis at a snapped 2pi gives 0")
        << std::vector<Step> { press(63, 48), move(80, -4), release(), press(80, 0) } << 0.0f
        << QStringLiteral("0");
    QTest::newRow("press just above the axis at a snapped -2pi restarts from 0")
        << std::vector<Step> { press(63, -48), move(80, 4), release(), press(80, 4) } << 0.0f
        << QStringLiteral("0");
    QTest::newRow("press beyond the snapping window at a snapped 2pi keeps winding")
        << std::vector<Step> { press(63, 48), move(80, -4), release(), press(80, -8) } << 6.1835167f
        << QStringLiteral("6.18");
    QTest::newRow("press beyond the snapping window at a snapped -2pi keeps winding")
        << std::vector<Step> { press(63, -48), move(80, 4), release(), press(80, 8) } << -6.1835167f
        << QStringLiteral("\u22126.18");
}

void TestAngleTracking::fullTurnResetOnPress()
{
    QFETCH(std::vector<Step>, steps);
    QFETCH(float, theta);
    QFETCH(QString, label);

    OrbelView view;
    QVERIFY(showView(view));
    run(view, steps);

    if (theta == 0.0f)
        COMPARE_BITS(view.theta(), theta);
    else
        COMPARE_NEAR(view.theta(), theta, 1e-5);
    QCOMPARE(view.displayTheta(), label);
    QVERIFY(view.canDrag());
    QCOMPARE(m_beeps, 0);
    QTest::mouseRelease(&view, Qt::LeftButton);
}

void TestAngleTracking::pressOnRing_data()
{
    QTest::addColumn<QPointF>("at");
    QTest::addColumn<bool>("grabs");
    QTest::addColumn<float>("theta");
    QTest::addColumn<QString>("label");

    // The unit is 80: 0.95u is 76 pixels from the centre, 0.94u is 75.2, 1.05u is 84.
    QTest::newRow("0.95u on the positive x axis grabs")
        << QPointF(76, 0) << true << 0.0f << QStringLiteral("0");
    QTest::newRow("0.95u in the third quadrant grabs")
        << QPointF(-53.74, -53.74) << true << fiveQuarterPi << QStringLiteral("5\u03c0\u22154");
    QTest::newRow("1.04u on the negative y axis grabs")
        << QPointF(0, -83.2) << true << float(4.71238898038469) << QStringLiteral("3\u03c0\u22152");
    QTest::newRow("0.94u on the positive x axis beeps")
        << QPointF(75.2, 0) << false << 0.0f << QString();
    QTest::newRow("0.94u in the second quadrant beeps")
        << QPointF(-53.17, 53.17) << false << 0.0f << QString();
    QTest::newRow("1.05u on the positive x axis beeps")
        << QPointF(84, 0) << false << 0.0f << QString();
    QTest::newRow("1.05u on the positive y axis beeps")
        << QPointF(0, 84) << false << 0.0f << QString();
    QTest::newRow("the centre beeps") << QPointF(0, 0) << false << 0.0f << QString();
    QTest::newRow("a corner of the view beeps") << QPointF(140, 110) << false << 0.0f << QString();
}

void TestAngleTracking::pressOnRing()
{
    QFETCH(QPointF, at);
    QFETCH(bool, grabs);
    QFETCH(float, theta);
    QFETCH(QString, label);

    OrbelView view;
    QVERIFY(showView(view));
    // Something other than the initial state, so that a refused press has something to keep.
    view.setTheta(1.2f);
    const float thetaBefore = view.theta();
    const Point pointBefore = view.currentPoint();
    const QString labelBefore = view.displayTheta();
    QCOMPARE(labelBefore, QStringLiteral("1.20"));

    sendPress(&view, at);

    if (grabs) {
        QCOMPARE(m_beeps, 0);
        QVERIFY(view.canDrag());
        COMPARE_BITS(view.theta(), theta);
        QCOMPARE(view.displayTheta(), label);
    } else {
        QCOMPARE(m_beeps, 1);
        QVERIFY(!view.canDrag());
        COMPARE_BITS(view.theta(), thetaBefore);
        COMPARE_BITS(view.currentPoint().x, pointBefore.x);
        COMPARE_BITS(view.currentPoint().y, pointBefore.y);
        QCOMPARE(view.displayTheta(), labelBefore);
    }
    QTest::mouseRelease(&view, Qt::LeftButton);
    QVERIFY(!view.canDrag());
}

void TestAngleTracking::dragAfterRefusedPress_data()
{
    QTest::addColumn<QPoint>("pressAt");

    QTest::newRow("press at the centre") << QPoint(0, 0);
    QTest::newRow("press just inside the ring") << QPoint(75, 0);
    QTest::newRow("press just outside the ring") << QPoint(0, -84);
}

void TestAngleTracking::dragAfterRefusedPress()
{
    QFETCH(QPoint, pressAt);

    OrbelView view;
    QVERIFY(showView(view));
    view.setTheta(1.2f);
    const float thetaBefore = view.theta();
    const Point pointBefore = view.currentPoint();

    QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier, pixel(pressAt.x(), pressAt.y()));
    QCOMPARE(m_beeps, 1);
    // With the button held, these are drags; the point must not follow them.
    QTest::mouseMove(&view, pixel(-80, -8));
    QTest::mouseMove(&view, pixel(80, 4));
    QTest::mouseMove(&view, pixel(0, 80));

    COMPARE_BITS(view.theta(), thetaBefore);
    COMPARE_BITS(view.currentPoint().x, pointBefore.x);
    COMPARE_BITS(view.currentPoint().y, pointBefore.y);
    QCOMPARE(view.displayTheta(), QStringLiteral("1.20"));
    QVERIFY(!view.canDrag());
    QTest::mouseRelease(&view, Qt::LeftButton, Qt::NoModifier, pixel(0, 80));
    QCOMPARE(m_beeps, 1);
}

void TestAngleTracking::refusedPressEndsDrag()
{
    OrbelView view;
    QVERIFY(showView(view));

    QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier, pixel(0, 80));
    QVERIFY(view.canDrag());
    COMPARE_BITS(view.theta(), float(1.5707963267948966));

    // A second press, off the ring, while the first is still held (no release in between).
    QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier, pixel(0, 0));
    QCOMPARE(m_beeps, 1);
    QVERIFY(!view.canDrag());
    QTest::mouseMove(&view, pixel(-80, -8));
    COMPARE_BITS(view.theta(), float(1.5707963267948966));
    QCOMPARE(view.displayTheta(), QStringLiteral("\u03c0\u22152"));
    QTest::mouseRelease(&view, Qt::LeftButton, Qt::NoModifier, pixel(-80, -8));
}

void TestAngleTracking::pressBeforeFirstPaint_data()
{
    QTest::addColumn<QPoint>("pressAt");

    QTest::newRow("where the circle will be") << QPoint(80, 0);
    QTest::newRow("at the centre") << QPoint(0, 0);
    QTest::newRow("at a corner") << QPoint(-150, 120);
    // Until the first pass the origin is still the lower-left corner, where d is 0 / 0.
    QTest::newRow("at the lower-left corner, where the origin still is") << QPoint(-150, -120);
}

void TestAngleTracking::pressBeforeFirstPaint()
{
    QFETCH(QPoint, pressAt);

    // Never shown, so never painted: there is no unit yet, hence no circle to grab.
    OrbelView view(Rect { Point { 0, 0 }, Size { viewWidth, viewHeight } });
    QCOMPARE(view.unit(), 0.0f);

    QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier, pixel(pressAt.x(), pressAt.y()));
    QCOMPARE(m_beeps, 1);
    QVERIFY(!view.canDrag());
    QTest::mouseMove(&view, pixel(0, 80));
    QTest::mouseRelease(&view, Qt::LeftButton, Qt::NoModifier, pixel(0, 80));

    COMPARE_BITS(view.theta(), 0.0f);
    COMPARE_BITS(view.currentPoint().x, 1.0f);
    COMPARE_BITS(view.currentPoint().y, 0.0f);
    QCOMPARE(view.displayTheta(), QStringLiteral("0"));
}

void TestAngleTracking::processKeepsPointerQuadrant_data()
{
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<QString>("label");

    QTest::newRow("up the y axis from the right")
        << 0.0f << 1.0f << QStringLiteral("\u03c0\u22152");
    QTest::newRow("up the y axis from the left, x = -0.0")
        << -0.0f << 1.0f << QStringLiteral("\u03c0\u22152");
    QTest::newRow("down the y axis from the left, x = -0.0")
        << -0.0f << -1.0f << QStringLiteral("\u2212\u03c0\u22152");
    QTest::newRow("down the y axis from the right")
        << 0.0f << -1.0f << QStringLiteral("\u2212\u03c0\u22152");
    QTest::newRow("along the negative x axis from above")
        << -1.0f << 0.0f << QStringLiteral("\u03c0");
    QTest::newRow("along the negative x axis from below, y = -0.0")
        << -1.0f << -0.0f << QStringLiteral("\u2212\u03c0");
    QTest::newRow("second quadrant, not snapped") << -3.0f << 4.0f << QStringLiteral("2.21");
    QTest::newRow("second quadrant at a large scale")
        << -300.0f << 400.0f << QStringLiteral("2.21");
    QTest::newRow("third quadrant at a small scale")
        << -0.003f << -0.004f << QStringLiteral("\u22122.21");
    QTest::newRow("near 3pi/4, snapped") << -1.0f << 1.05f << QStringLiteral("3\u03c0\u22154");
}

void TestAngleTracking::processKeepsPointerQuadrant()
{
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(QString, label);

    OrbelView view;
    view.process(Point { x, y });

    QCOMPARE(view.displayTheta(), label);
    QByteArray why;
    QVERIFY2(onCircleInQuadrantOf(view.currentPoint(), Point { x, y }, &why), why.constData());
    // The point's direction is the (possibly snapped) angle's, never more than a snap away from
    // the pointer's.
    const double r = std::hypot(double(x), double(y));
    const Point p = view.currentPoint();
    QVERIFY(std::hypot(p.x - x / r, p.y - y / r) < 0.075);
    COMPARE_NEAR(std::fabs(p.x), std::fabs(std::cos(view.theta())), 1e-7);
}

QTEST_MAIN(TestAngleTracking)
#include "tst_angle_tracking.moc"
