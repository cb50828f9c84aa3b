// The circle view's state: its initial fields, the origin at the centre of the frame and the unit
// for screen and paper, and the setters through which the controller and printing drive it.
#include "platform/graphics.h"
#include "test_support.h"
#include "view/orbel_view.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>

namespace {

#define COMPARE_NEAR(actual, expected, tolerance)                                                  \
    QVERIFY2(std::fabs(double(actual) - double(expected)) <= (tolerance),                          \
             describe((actual), (expected)).constData())

const QString minus = QStringLiteral("\u2212");

// Counts the paint events that reach a widget, to see that a change asked for a redisplay.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

} // namespace

// Points print as "(x, y)" in failure messages.
char *toString(const Point &p)
{
    return qstrdup(
        QString::asprintf("(%.9g, %.9g)", double(p.x), double(p.y)).toUtf8().constData());
}

Q_DECLARE_METATYPE(Rect)
Q_DECLARE_METATYPE(std::function<void(OrbelView &)>)

class TestOrbelView : public QObject
{
    Q_OBJECT

private slots:
    void initialState_data();
    void initialState();
    void originAndUnit_data();
    void originAndUnit();
    void setOriginTwice_data();
    void setOriginTwice();
    void resizeMovesOriginToNewCentre();
    void resizeOfHiddenView();
    void drawingPassChoosesUnit_data();
    void drawingPassChoosesUnit();
    void setTheta_data();
    void setTheta();
    void setAngleUnitRelabels_data();
    void setAngleUnitRelabels();
    void booleanSetters_data();
    void booleanSetters();
    void settersAskForRedisplay_data();
    void settersAskForRedisplay();
};

void TestOrbelView::initialState_data()
{
    QTest::addColumn<bool>("fromFrame");

    QTest::newRow("created from a frame") << true;
    QTest::newRow("created by the interface description") << false;
}

void TestOrbelView::initialState()
{
    QFETCH(bool, fromFrame);

    std::unique_ptr<OrbelView> view = fromFrame
        ? std::make_unique<OrbelView>(Rect { Point { 0, 0 }, Size { 300, 240 } })
        : std::make_unique<OrbelView>();

    COMPARE_BITS(view->theta(), 0.0f);
    COMPARE_BITS(view->currentPoint().x, 1.0f);
    COMPARE_BITS(view->currentPoint().y, 0.0f);
    COMPARE_BITS(view->displayPoint().x, 0.0f);
    COMPARE_BITS(view->displayPoint().y, 0.0f);
    COMPARE_BITS(view->unit(), 0.0f);
    QVERIFY(!view->canDrag());
    QCOMPARE(view->displayTheta(), QStringLiteral("0"));
    QCOMPARE(view->angleUnit(), 0);
    QVERIFY(!view->standardAngles());
    QVERIFY(!view->sinCos());
    QVERIFY(view->isOpaque());

    QCOMPARE(view->piString(), QString(QChar(0x03c0)));
    QCOMPARE(view->thetaString(), QString(QChar(0x03b8)));
    QCOMPARE(view->divString(), QString(QChar(0x2215)));
    QCOMPARE(view->minusString(), QString(QChar(0x2212)));
}

void TestOrbelView::originAndUnit_data()
{
    QTest::addColumn<Rect>("frame");
    QTest::addColumn<float>("screenUnit");
    QTest::addColumn<float>("printUnit");

    QTest::newRow("300 x 240 window")
        << Rect { Point { 0, 0 }, Size { 300, 240 } } << 80.0f << 60.0f;
    QTest::newRow("240 x 300, taller than wide")
        << Rect { Point { 0, 0 }, Size { 240, 300 } } << 80.0f << 60.0f;
    QTest::newRow("300 x 240 away from the superview's origin")
        << Rect { Point { 20, 30 }, Size { 300, 240 } } << 80.0f << 60.0f;
    QTest::newRow("640 x 480 default window")
        << Rect { Point { 0, 0 }, Size { 640, 480 } } << 160.0f << 120.0f;
    QTest::newRow("A4 page in points, fractional")
        << Rect { Point { 0, 0 }, Size { 595.28f, 841.89f } } << 198.426666f << 148.82f;
}

void TestOrbelView::originAndUnit()
{
    QFETCH(Rect, frame);
    QFETCH(float, screenUnit);
    QFETCH(float, printUnit);

    OrbelView view(frame);
    view.setOrigin();
    COMPARE_NEAR(view.unit(), screenUnit, 1e-4);
    // The origin is at the centre of the frame: the visible area spans half the frame each way.
    COMPARE_NEAR(view.bounds().origin.x, -0.5f * frame.size.width, 1e-4);
    COMPARE_NEAR(view.bounds().origin.y, -0.5f * frame.size.height, 1e-4);

    OrbelView printed(frame);
    printed.setPrintOrigin();
    COMPARE_NEAR(printed.unit(), printUnit, 1e-4);
    COMPARE_NEAR(printed.bounds().origin.x, -0.5f * frame.size.width, 1e-4);
    COMPARE_NEAR(printed.bounds().origin.y, -0.5f * frame.size.height, 1e-4);
}

void TestOrbelView::setOriginTwice_data()
{
    originAndUnit_data();
}

void TestOrbelView::setOriginTwice()
{
    QFETCH(Rect, frame);
    QFETCH(float, screenUnit);

    OrbelView view(frame);
    view.setOrigin();
    const Point first = view.coordinates().originInFrame();
    const float unit = view.unit();

    view.setOrigin();
    view.setOrigin();
    COMPARE_BITS(view.coordinates().originInFrame().x, first.x);
    COMPARE_BITS(view.coordinates().originInFrame().y, first.y);
    COMPARE_BITS(view.unit(), unit);

    // The print pass moves nothing either once the origin is at the centre.
    view.setPrintOrigin();
    COMPARE_BITS(view.coordinates().originInFrame().x, first.x);
    COMPARE_BITS(view.coordinates().originInFrame().y, first.y);
    view.setOrigin();
    COMPARE_NEAR(view.unit(), screenUnit, 1e-4);
}

void TestOrbelView::resizeMovesOriginToNewCentre()
{
    OrbelView view;
    view.resize(300, 240);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QTRY_COMPARE(view.unit(), 80.0f);
    QCOMPARE(view.coordinates().convertFromWidget(QPointF(150, 120)), (Point { 0, 0 }));

    view.resize(400, 300);
    QTRY_COMPARE(view.frame().size.width, 400.0f);
    view.setOrigin();
    COMPARE_BITS(view.unit(), 100.0f);
    COMPARE_BITS(view.coordinates().originInFrame().x, 200.0f);
    COMPARE_BITS(view.coordinates().originInFrame().y, 150.0f);
    QCOMPARE(view.coordinates().convertFromWidget(QPointF(200, 150)), (Point { 0, 0 }));
    // The top-right pixel lies up and to the right of the centre, y upwards.
    QCOMPARE(view.coordinates().convertFromWidget(QPointF(400, 0)), (Point { 200, 150 }));

    // And the drawing pass after the resize does the same on its own.
    view.resize(300, 240);
    QTRY_COMPARE(view.unit(), 80.0f);
    COMPARE_BITS(view.coordinates().originInFrame().x, 150.0f);
    COMPARE_BITS(view.coordinates().originInFrame().y, 120.0f);
}

void TestOrbelView::resizeOfHiddenView()
{
    // A view that is sized but not shown (as one made only to be printed could be) must still
    // centre its circle in the size it was given.
    OrbelView view;
    view.resize(300, 240);
    view.setOrigin();
    COMPARE_BITS(view.unit(), 80.0f);
    COMPARE_BITS(view.coordinates().originInFrame().x, 150.0f);
    COMPARE_BITS(view.coordinates().originInFrame().y, 120.0f);

    view.resize(400, 300);
    view.setPrintOrigin();
    COMPARE_BITS(view.unit(), 75.0f);
    COMPARE_BITS(view.coordinates().originInFrame().x, 200.0f);
    COMPARE_BITS(view.coordinates().originInFrame().y, 150.0f);
}

void TestOrbelView::drawingPassChoosesUnit_data()
{
    QTest::addColumn<bool>("toScreen");
    QTest::addColumn<float>("unit");

    QTest::newRow("on screen a third of the shorter side") << true << 80.0f;
    QTest::newRow("on paper a quarter of the shorter side") << false << 60.0f;
}

void TestOrbelView::drawingPassChoosesUnit()
{
    QFETCH(bool, toScreen);
    QFETCH(float, unit);

    OrbelView view(Rect { Point { 0, 0 }, Size { 300, 240 } });
    QImage image(300, 240, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        Graphics g(painter, view.coordinates(), toScreen);
        view.drawRect(g);
        // A second pass must not move the origin again.
        view.drawRect(g);
    }
    COMPARE_BITS(view.unit(), unit);
    COMPARE_BITS(view.coordinates().originInFrame().x, 150.0f);
    COMPARE_BITS(view.coordinates().originInFrame().y, 120.0f);
    COMPARE_BITS(view.displayPoint().x, unit);
    COMPARE_BITS(view.displayPoint().y, 0.0f);
}

void TestOrbelView::setTheta_data()
{
    QTest::addColumn<float>("t");
    QTest::addColumn<float>("theta");
    QTest::addColumn<bool>("exact");
    QTest::addColumn<QString>("radians");
    QTest::addColumn<QString>("degrees");

    const QString pi = QStringLiteral("\u03c0");
    const QString bar = QStringLiteral("\u2215");

    QTest::newRow("5.0 stays 5.0 rather than -1.28") << 5.0f << 5.0f << false << "5.00"
                                                     << "286\u00b0";
    QTest::newRow("-5.0 stays negative") << -5.0f << -5.0f << false << minus + "5.00"
                                         << "-286\u00b0";
    QTest::newRow("-1.2 is kept and labelled with the minus sign")
        << -1.2f << -1.2f << false << minus + "1.20"
        << "-69\u00b0";
    QTest::newRow("6.2 stays just short of a full turn") << 6.2f << 6.2f << false << "6.20"
                                                         << "355\u00b0";
    QTest::newRow("-6.2 stays just short of a negative full turn")
        << -6.2f << -6.2f << false << minus + "6.20"
        << "-355\u00b0";
    QTest::newRow("-1.0 snaps to -pi/3")
        << -1.0f << float(-1.0471975511965976) << true << minus + pi + bar + "3"
        << "-60\u00b0";
    QTest::newRow("pi stays pi") << float(3.141592653589793) << float(3.141592653589793) << true
                                 << pi << "180\u00b0";
    QTest::newRow("-pi stays -pi") << float(-3.141592653589793) << float(-3.141592653589793) << true
                                   << minus + pi << "-180\u00b0";
    QTest::newRow("3pi/2 stays positive")
        << float(4.71238898038469) << float(4.71238898038469) << true << "3" + pi + bar + "2"
        << "270\u00b0";
    QTest::newRow("-pi/2") << float(-1.5707963267948966) << float(-1.5707963267948966) << true
                           << minus + pi + bar + "2"
                           << "-90\u00b0";
    QTest::newRow("0") << 0.0f << 0.0f << true << "0"
                       << "  0\u00b0";
    QTest::newRow("-0.05 snaps to +0") << -0.05f << 0.0f << true << "0"
                                       << "  0\u00b0";
    // What the window shows after a full turn is what a copy of its angle shows (on paper).
    QTest::newRow("a snapped full turn stays a full turn")
        << float(6.283185307179586) << float(6.283185307179586) << true << "2" + pi << "360\u00b0";
    QTest::newRow("a snapped negative full turn stays one")
        << float(-6.283185307179586) << float(-6.283185307179586) << true << minus + "2" + pi
        << "-360\u00b0";
    QTest::newRow("just short of a full turn snaps onto it")
        << 6.25f << float(6.283185307179586) << true << "2" + pi << "360\u00b0";
    // Beyond a turn the angle winds back like a pointer in its direction: the figure never
    // names 4π or 6π.
    QTest::newRow("two full turns wind back to 0") << 12.576f << 0.0f << true << "0"
                                                   << "  0\u00b0";
    QTest::newRow("three full turns wind back to 0") << 18.86f << 0.0f << true << "0"
                                                     << "  0\u00b0";
    QTest::newRow("minus two full turns wind back to 0") << -12.576f << 0.0f << true << "0"
                                                         << "  0\u00b0";
    QTest::newRow("100 winds back within a turn, onto 11pi/6")
        << 100.0f << float(11 * 3.141592653589793 / 6) << true << "11" + pi + bar + "6"
        << "330\u00b0";
}

void TestOrbelView::setTheta()
{
    QFETCH(float, t);
    QFETCH(float, theta);
    QFETCH(bool, exact);
    QFETCH(QString, radians);
    QFETCH(QString, degrees);

    for (int unit : { 0, 1 }) {
        OrbelView view;
        view.setAngleUnit(unit);
        view.setTheta(t);
        if (exact)
            COMPARE_BITS(view.theta(), theta);
        else
            COMPARE_NEAR(view.theta(), theta, 2e-6);
        QCOMPARE(view.displayTheta(), unit == 1 ? degrees : radians);
        COMPARE_NEAR(view.currentPoint().x, std::cos(double(theta)), 1e-6);
        COMPARE_NEAR(view.currentPoint().y, std::sin(double(theta)), 1e-6);
        QVERIFY(!view.canDrag());
    }
}

void TestOrbelView::setAngleUnitRelabels_data()
{
    QTest::addColumn<float>("t");
    QTest::addColumn<bool>("snapped");
    QTest::addColumn<QString>("radians");
    QTest::addColumn<QString>("degrees");

    const QString pi = QStringLiteral("\u03c0");
    const QString bar = QStringLiteral("\u2215");

    QTest::newRow("pi/2 becomes 90 degrees padded with a space")
        << float(1.5707963267948966) << true << pi + bar + "2"
        << " 90\u00b0";
    QTest::newRow("-pi/4 becomes -45 degrees with a hyphen")
        << float(-0.7853981633974483) << true << minus + pi + bar + "4"
        << "-45\u00b0";
    QTest::newRow("0 becomes 0 degrees padded with two spaces") << 0.0f << true << "0"
                                                                << "  0\u00b0";
    QTest::newRow("pi becomes 180 degrees")
        << float(3.141592653589793) << true << pi << "180\u00b0";
    QTest::newRow("-3pi/2 becomes -270 degrees")
        << float(-4.71238898038469) << true << minus + "3" + pi + bar + "2"
        << "-270\u00b0";
    QTest::newRow("a negative full turn becomes -360 degrees")
        << float(-6.25) << true << minus + "2" + pi << "-360\u00b0";
    QTest::newRow("1.20 becomes 69 degrees") << 1.2f << false << "1.20"
                                             << " 69\u00b0";
}

void TestOrbelView::setAngleUnitRelabels()
{
    QFETCH(float, t);
    QFETCH(bool, snapped);
    QFETCH(QString, radians);
    QFETCH(QString, degrees);

    OrbelView view;
    view.setTheta(t);
    QCOMPARE(view.displayTheta(), radians);
    const float theta = view.theta();
    const Point point = view.currentPoint();

    // Relabelling must not move the point: a snapped angle keeps its bits, any other stays put
    // within rounding.
    const auto unmoved = [&] {
        if (snapped) {
            COMPARE_BITS(view.theta(), theta);
            COMPARE_BITS(view.currentPoint().x, point.x);
            COMPARE_BITS(view.currentPoint().y, point.y);
        } else {
            COMPARE_NEAR(view.theta(), theta, 1e-6);
            COMPARE_NEAR(view.currentPoint().x, point.x, 1e-6);
            COMPARE_NEAR(view.currentPoint().y, point.y, 1e-6);
        }
    };

    view.setAngleUnit(1);
    QCOMPARE(view.angleUnit(), 1);
    QCOMPARE(view.displayTheta(), degrees);
    unmoved();
    if (QTest::currentTestFailed())
        return;

    view.setAngleUnit(0);
    QCOMPARE(view.angleUnit(), 0);
    QCOMPARE(view.displayTheta(), radians);
    unmoved();
    if (QTest::currentTestFailed())
        return;

    // Only 1 means degrees.
    view.setAngleUnit(2);
    QCOMPARE(view.angleUnit(), 2);
    QCOMPARE(view.displayTheta(), radians);
}

void TestOrbelView::booleanSetters_data()
{
    QTest::addColumn<int>("value");

    QTest::newRow("0 is false") << 0;
    QTest::newRow("1 is true") << 1;
    QTest::newRow("2 is true") << 2;
    QTest::newRow("-1 is true") << -1;
    QTest::newRow("256, whose low byte is zero, is true") << 256;
}

void TestOrbelView::booleanSetters()
{
    QFETCH(int, value);

    OrbelView view;
    view.setSinCos(value);
    QCOMPARE(view.sinCos(), value != 0);
    QVERIFY(!view.standardAngles());

    view.setStandardAngles(value);
    QCOMPARE(view.standardAngles(), value != 0);
    QCOMPARE(view.sinCos(), value != 0);

    // The options leave the angle alone.
    COMPARE_BITS(view.theta(), 0.0f);
    QCOMPARE(view.displayTheta(), QStringLiteral("0"));
}

void TestOrbelView::settersAskForRedisplay_data()
{
    QTest::addColumn<std::function<void(OrbelView &)>>("change");

    QTest::newRow("setTheta") << std::function<void(OrbelView &)>(
        [](OrbelView &v) { v.setTheta(1.2f); });
    QTest::newRow("setAngleUnit") << std::function<void(OrbelView &)>(
        [](OrbelView &v) { v.setAngleUnit(1); });
    QTest::newRow("setStandardAngles")
        << std::function<void(OrbelView &)>([](OrbelView &v) { v.setStandardAngles(true); });
    QTest::newRow("setSinCos") << std::function<void(OrbelView &)>(
        [](OrbelView &v) { v.setSinCos(true); });
}

void TestOrbelView::settersAskForRedisplay()
{
    QFETCH(std::function<void(OrbelView &)>, change);

    OrbelView view;
    view.resize(300, 240);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QTRY_COMPARE(view.unit(), 80.0f);

    PaintCounter counter;
    view.installEventFilter(&counter);
    QCoreApplication::processEvents();
    const int before = counter.paints;
    change(view);
    QTRY_VERIFY(counter.paints > before);
}

QTEST_MAIN(TestOrbelView)
#include "tst_orbel_view.moc"
