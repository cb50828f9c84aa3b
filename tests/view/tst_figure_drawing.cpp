// The figure as it is painted: one drawing pass rendered into an image of a 300 × 240 view
// (u = 80) and probed where the axes, the circle, the point, the labels, the projections and the
// reference points should land, at one and at two pixels a point.
#include "render_helpers.h"

#include <QPdfWriter>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>

using namespace render;

namespace {

const double pi = 3.141592653589793;
const float piF = float(pi);
const QColor white(255, 255, 255);
const QColor black(0, 0, 0);
const QColor grey(128, 128, 128);
const QColor darkGrey(85, 85, 85);
const QColor blue(0, 0, 255);
const QColor panelFill(242, 242, 242);

std::unique_ptr<OrbelView> figureView()
{
    return std::make_unique<OrbelView>(Rect { Point { 0, 0 }, Size { 300, 240 } });
}

Point polar(double radius, double degrees)
{
    const double a = degrees * pi / 180.0;
    return Point { float(radius * std::cos(a)), float(radius * std::sin(a)) };
}

// Where a text centred on c is drawn from.
Point centredAt(const QString &text, const TextAttributes &a, Point c)
{
    const Size s = sizeWithAttributes(text, a);
    return Point { c.x - s.width / 2.0f, c.y - s.height / 2.0f };
}

Rect textBox(const QString &text, const TextAttributes &a, Point lowerLeft)
{
    return Rect { lowerLeft, sizeWithAttributes(text, a) };
}

// The whole image except the panel's corner, up and to the right of the circle.
int differencesOutsidePanel(const Canvas &a, const Canvas &b)
{
    const float u = a.view->unit();
    const QRect panel
        = a.deviceRect(Rect { Point { 0.97f * u, 0.98f * u }, Size { 10.0f * u, 10.0f * u } }, 2);
    int count = 0;
    for (int y = 0; y < a.image.height(); ++y)
        for (int x = 0; x < a.image.width(); ++x)
            if (!panel.contains(x, y) && a.image.pixel(x, y) != b.image.pixel(x, y))
                ++count;
    return count;
}

int differencesWithoutProjections(OrbelView &view)
{
    const Canvas with = renderPass(view);
    view.setSinCos(false);
    const Canvas without = renderPass(view);
    view.setSinCos(true);
    return differencesOutsidePanel(with, without);
}

} // namespace

Q_DECLARE_METATYPE(std::function<void(OrbelView &)>)

class TestFigureDrawing : public QObject
{
    Q_OBJECT

private slots:
    void geometry_data();
    void geometry();
    void angleLabel_data();
    void angleLabel();
    void projections_data();
    void projections();
    void noProjectionsOnTheAxes_data();
    void noProjectionsOnTheAxes();
    void dragHidesProjections();
    void standardAngles_data();
    void standardAngles();
    void screenPassHasBackgroundAndFrame();
    void windowPassMatchesWholePass_data();
    void windowPassMatchesWholePass();
    void stillPartsLandWhereTheViewIs_data();
    void stillPartsLandWhereTheViewIs();
    void focusRingIsABandInsideTheEdge_data();
    void focusRingIsABandInsideTheEdge();
    void printPassOnImage();
    void printPassOnPdf();
    void practiceMarks_data();
    void practiceMarks();
};

void TestFigureDrawing::geometry_data()
{
    QTest::addColumn<qreal>("dpr");
    QTest::newRow("one pixel a point") << qreal(1);
    QTest::newRow("two pixels a point") << qreal(2);
}

void TestFigureDrawing::geometry()
{
    QFETCH(qreal, dpr);
    const int r = int(dpr); // a neighbourhood of one point

    auto view = figureView();
    view->setTheta(-piF / 4.0f);
    const Canvas c = renderPass(*view, dpr);
    QCOMPARE(view->unit(), 80.0f);
    QCOMPARE(c.toDevice(Point { 0, 0 }), QPointF(150 * dpr, 120 * dpr));

    const ColourTest ink = isInk;
    const auto inkAt = [&](Point p) { return anyNear(c, p, 0, ink); };
    // A one-point line on a whole coordinate covers two half pixels at 1x, two whole ones at 2x.
    const auto lineAt = [&](Point a, Point b) { return inkAt(a) || inkAt(b); };

    // Axes from -96 to 96 with the arrowhead tips at 100.8, only on the positive ends.
    for (float v : { -95.5f, -50.0f, 50.0f, 95.5f, 99.0f }) {
        QVERIFY2(lineAt(Point { v, 0.4f }, Point { v, -0.4f }), qPrintable(QString::number(v)));
        QVERIFY2(lineAt(Point { 0.4f, v }, Point { -0.4f, v }), qPrintable(QString::number(v)));
    }
    for (float v : { -97.5f, 102.0f }) {
        QVERIFY2(!inkAt(Point { v, 0.4f }) && !inkAt(Point { v, -0.4f }),
                 qPrintable(QString::number(v)));
        QVERIFY2(!inkAt(Point { 0.4f, v }) && !inkAt(Point { -0.4f, v }),
                 qPrintable(QString::number(v)));
    }
    // The arrowheads are 0.04u wide at their base: ink 1.2 above the axis there, not 2.5.
    QVERIFY(inkAt(Point { 96.5f, 1.2f }) && inkAt(Point { 96.5f, -1.2f }));
    QVERIFY(!inkAt(Point { 96.5f, 2.5f }) && !inkAt(Point { 96.5f, -2.5f }));
    QVERIFY(inkAt(Point { 1.2f, 96.5f }) && inkAt(Point { -1.2f, 96.5f }));

    // The circle of radius 80, with nothing at 76 or 84.
    for (double degrees : { 30.0, 60.0, 120.0, 160.0, 200.0, 250.0, 290.0, 330.0 }) {
        const QString where = QString::number(degrees);
        QVERIFY2(anyNear(c, polar(80, degrees), r, isNeutralDarkerThan(235)), qPrintable(where));
        QVERIFY2(!anyNear(c, polar(76, degrees), 0, ink), qPrintable(where));
        QVERIFY2(!anyNear(c, polar(84, degrees), 0, ink), qPrintable(where));
    }

    // The point: a blue disc of radius 2.4 centred at (56.57, -56.57), and its blue radius.
    QVERIFY(anyNear(c, Point { 56.57f, -56.57f }, 0, isColour(blue, 8)));
    QVERIFY(anyNear(c, Point { 58.2f, -56.57f }, 0, isBlueish));
    QVERIFY(!anyNear(c, Point { 60.0f, -56.57f }, 0, isBlueish));
    QVERIFY(anyNear(c, Point { 28.3f, -28.3f }, 0, isBlueish));
    // The arc: radius 20, clockwise from 0° to -45°, not above the axis.
    QVERIFY(anyNear(c, polar(20, -20), r, isBlueish));
    QVERIFY(!anyNear(c, polar(20, 20), r, isBlueish));
    QVERIFY(!anyNear(c, polar(20, -70), r, isBlueish));

    if (dpr == 2) {
        // Whole pixels of the lines show the colours themselves.
        QVERIFY(anyNear(c, Point { 50.0f, 0.0f }, 1, isColour(grey, 3)));
        QVERIFY(anyNear(c, Point { 0.0f, -50.0f }, 1, isColour(grey, 3)));
        QVERIFY(anyNear(c, Point { 2.0f, 80.0f }, 1, isColour(darkGrey, 3)));
        QVERIFY(anyNear(c, Point { -80.0f, 2.0f }, 1, isColour(darkGrey, 3)));
        QVERIFY(!anyNear(c, Point { 2.0f, 80.0f }, 1, isColour(grey, 10)));
    }
}

void TestFigureDrawing::angleLabel_data()
{
    QTest::addColumn<qreal>("dpr");
    QTest::addColumn<float>("theta");
    QTest::addColumn<QString>("label");
    QTest::addColumn<bool>("negative");

    const QString m = QString::fromUtf8("\u2212");
    QTest::newRow("-pi/4 in blue")
        << qreal(1) << -piF / 4.0f << m + QString::fromUtf8("π∕4") << true;
    QTest::newRow("-pi/4 in blue at two pixels a point")
        << qreal(2) << -piF / 4.0f << m + QString::fromUtf8("π∕4") << true;
    QTest::newRow("2.00 in red, not snapped")
        << qreal(1) << 2.0f << QStringLiteral("2.00") << false;
    QTest::newRow("3pi/2 on the 135 degree ray")
        << qreal(1) << 3.0f * piF / 2.0f << QString::fromUtf8("3π∕2") << false;
    QTest::newRow("-3pi/2 on the -135 degree ray")
        << qreal(2) << -3.0f * piF / 2.0f << m + QString::fromUtf8("3π∕2") << true;
}

void TestFigureDrawing::angleLabel()
{
    QFETCH(qreal, dpr);
    QFETCH(float, theta);
    QFETCH(QString, label);
    QFETCH(bool, negative);

    auto view = figureView();
    view->setTheta(theta);
    QCOMPARE(view->displayTheta(), label);
    const Canvas c = renderPass(*view, dpr);

    // The label centred 0.4u out on the bisector of the arc, drawn alone for comparison.
    const TextAttributes a = view->fontAttributeWithSize(9, negative ? 2 : 3, 0.0f);
    const double half = double(theta) / 2.0;
    const Point centre { float(32.0 * std::cos(half)), float(32.0 * std::sin(half)) };
    const Point at = centredAt(label, a, centre);
    const Canvas reference
        = renderReference(*view, dpr, white, [&](Graphics &g) { g.drawText(label, a, at); });

    const ColourTest tinted = negative ? ColourTest(isBlueish) : ColourTest(isReddish);
    const QRect box = c.deviceRect(textBox(label, a, at));
    const int inReference = countMatching(reference.image, box, tinted);
    QVERIFY(inReference > 10 * dpr * dpr);
    // Other strokes of the same colour (the radius, the arc) may graze the box's corners.
    const int mismatches = countMaskDifferences(c.image, reference.image, box, tinted);
    QVERIFY2(mismatches <= inReference / 10,
             qPrintable(QStringLiteral("%1 of %2").arg(mismatches).arg(inReference)));
}

void TestFigureDrawing::projections_data()
{
    QTest::addColumn<qreal>("dpr");
    QTest::newRow("one pixel a point") << qreal(1);
    QTest::newRow("two pixels a point") << qreal(2);
}

void TestFigureDrawing::projections()
{
    QFETCH(qreal, dpr);

    auto view = figureView();
    view->setTheta(-piF / 4.0f);
    view->setSinCos(true);
    const Canvas c = renderPass(*view, dpr);
    const float p = 56.568542f; // 80 × cos(π/4)

    // Dashes of 4 with gaps of 4 from each axis towards the point.
    const ColourTest dark = isNeutralDarkerThan(150);
    const ColourTest anything = isNeutralDarkerThan(200);
    for (int k = 0; k < 6; ++k) {
        const float on = 2.0f + 8.0f * float(k);
        const float off = 6.0f + 8.0f * float(k);
        const QString where = QString::number(k);
        QVERIFY2(anyNear(c, Point { on, -p }, 0, dark), qPrintable("horizontal dash " + where));
        QVERIFY2(!anyNear(c, Point { off, -p + 0.4f }, 0, anything)
                     && !anyNear(c, Point { off, -p - 0.4f }, 0, anything),
                 qPrintable("horizontal gap " + where));
        QVERIFY2(anyNear(c, Point { p, -on }, 0, dark), qPrintable("vertical dash " + where));
        QVERIFY2(!anyNear(c, Point { p - 0.4f, -off }, 0, anything)
                     && !anyNear(c, Point { p + 0.4f, -off }, 0, anything),
                 qPrintable("vertical gap " + where));
    }

    // The values: 0.707 centred on the foot of the vertical line, resting on the x axis; -0.707
    // ending 4 left of the y axis, centred on the foot of the horizontal line.
    const TextAttributes a = view->fontAttributeWithSize(9, 0, 0.0f);
    const QString cosine = QStringLiteral("0.707");
    const QString sine = QStringLiteral("-0.707");
    const Size cs = sizeWithAttributes(cosine, a);
    const Size ss = sizeWithAttributes(sine, a);
    const Point cosineAt { p - cs.width / 2.0f, 0.0f };
    const Point sineAt { -ss.width - 4.0f, -p - ss.height / 2.0f };
    const Canvas reference = renderReference(*view, dpr, white, [&](Graphics &g) {
        g.drawText(cosine, a, cosineAt);
        g.drawText(sine, a, sineAt);
    });
    const ColourTest text = isNeutralDarkerThan(110);
    for (const Rect &box : { textBox(cosine, a, cosineAt), textBox(sine, a, sineAt) }) {
        const QRect window = c.deviceRect(box);
        const int inReference = countMatching(reference.image, window, text);
        QVERIFY(inReference > 10 * dpr * dpr);
        const int mismatches = countMaskDifferences(c.image, reference.image, window, text);
        QVERIFY2(mismatches <= inReference / 20,
                 qPrintable(QStringLiteral("%1 of %2").arg(mismatches).arg(inReference)));
    }
}

void TestFigureDrawing::noProjectionsOnTheAxes_data()
{
    QTest::addColumn<float>("theta");
    QTest::addColumn<float>("snapped");
    QTest::addColumn<bool>("projected");

    QTest::newRow("zero") << 0.0f << 0.0f << false;
    QTest::newRow("pi/2") << piF / 2.0f << piF / 2.0f << false;
    QTest::newRow("-pi/2") << -piF / 2.0f << -piF / 2.0f << false;
    QTest::newRow("pi") << piF << piF << false;
    QTest::newRow("-pi") << -piF << -piF << false;
    QTest::newRow("3pi/2") << 3.0f * piF / 2.0f << 3.0f * piF / 2.0f << false;
    QTest::newRow("-3pi/2") << -3.0f * piF / 2.0f << -3.0f * piF / 2.0f << false;
    QTest::newRow("just short of 2pi snaps to 2pi") << 6.25f << 2.0f * piF << false;
    QTest::newRow("just short of -2pi snaps to -2pi") << -6.25f << -2.0f * piF << false;
    QTest::newRow("near pi/2 snaps onto the axis") << 1.52f << piF / 2.0f << false;
    QTest::newRow("0.3 is projected") << 0.3f << 0.3f << true;
    QTest::newRow("-pi/4 is projected") << -piF / 4.0f << -piF / 4.0f << true;
    QTest::newRow("5.0 is projected") << 5.0f << 5.0f << true;
}

void TestFigureDrawing::noProjectionsOnTheAxes()
{
    QFETCH(float, theta);
    QFETCH(float, snapped);
    QFETCH(bool, projected);

    auto view = figureView();
    view->setTheta(theta);
    QVERIFY2(std::fabs(view->theta() - snapped) < 1e-6f, qPrintable(view->displayTheta()));
    view->setSinCos(true);

    // The option adds the panel always, and the projections only off the axes.
    const Canvas c = renderPass(*view);
    QVERIFY(anyNear(c, Point { 80.0f, 80.0f }, 0, isColour(panelFill, 1)));
    const int differences = differencesWithoutProjections(*view);
    if (projected)
        QVERIFY(differences > 20);
    else
        QCOMPARE(differences, 0);
}

void TestFigureDrawing::dragHidesProjections()
{
    auto view = figureView();
    view->setTheta(0.3f);
    view->setSinCos(true);
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    renderPass(*view); // places the circle, should the platform not have painted yet
    QCOMPARE(view->unit(), 80.0f);

    // Widget pixels of points on the circle: (150 + x, 120 - y).
    const auto onCircle = [](double angle) {
        return QPoint(int(std::lround(150.0 + 80.0 * std::cos(angle))),
                      int(std::lround(120.0 - 80.0 * std::sin(angle))));
    };

    QTest::mousePress(view.get(), Qt::LeftButton, {}, onCircle(0.3));
    QVERIFY(view->canDrag());
    QTest::mouseMove(view.get(), onCircle(0.9));
    QVERIFY(view->canDrag());
    QVERIFY2(std::fabs(view->theta() - 0.9f) < 0.02f, qPrintable(view->displayTheta()));

    const Canvas during = renderPass(*view);
    QCOMPARE(differencesWithoutProjections(*view), 0);
    QVERIFY(anyNear(during, Point { 80.0f, 80.0f }, 0, isColour(panelFill, 1)));

    QTest::mouseRelease(view.get(), Qt::LeftButton, {}, onCircle(0.9));
    QVERIFY(!view->canDrag());
    QVERIFY(differencesWithoutProjections(*view) > 20);
}

void TestFigureDrawing::standardAngles_data()
{
    QTest::addColumn<qreal>("dpr");
    QTest::addColumn<int>("angleUnit");
    QTest::addColumn<QStringList>("labels");

    const QString m = QString::fromUtf8("\u2212");
    const QStringList radians { m + "π",
                                m + QString::fromUtf8("5π∕6"),
                                m + QString::fromUtf8("3π∕4"),
                                m + QString::fromUtf8("2π∕3"),
                                m + QString::fromUtf8("π∕2"),
                                m + QString::fromUtf8("π∕3"),
                                m + QString::fromUtf8("π∕4"),
                                m + QString::fromUtf8("π∕6"),
                                QStringLiteral("0"),
                                QString::fromUtf8("π∕6"),
                                QString::fromUtf8("π∕4"),
                                QString::fromUtf8("π∕3"),
                                QString::fromUtf8("π∕2"),
                                QString::fromUtf8("2π∕3"),
                                QString::fromUtf8("3π∕4"),
                                QString::fromUtf8("5π∕6") };
    QStringList degrees;
    for (const char *d : { "-180", "-150", "-135", "-120", "-90", "-60", "-45", "-30", "  0", " 30",
                           " 45", " 60", " 90", "120", "135", "150" })
        degrees << QString::fromLatin1(d) + QChar(0x00b0);

    QTest::newRow("in radians") << qreal(1) << 0 << radians;
    QTest::newRow("in radians at two pixels a point") << qreal(2) << 0 << radians;
    QTest::newRow("in degrees") << qreal(1) << 1 << degrees;
    QTest::newRow("in degrees at two pixels a point") << qreal(2) << 1 << degrees;
}

void TestFigureDrawing::standardAngles()
{
    QFETCH(qreal, dpr);
    QFETCH(int, angleUnit);
    QFETCH(QStringList, labels);

    auto view = figureView();
    view->setAngleUnit(angleUnit);
    view->setTheta(0.3f);
    const float theta = view->theta();
    const QString displayTheta = view->displayTheta();

    const Canvas without = renderPass(*view, dpr);
    view->setStandardAngles(true);
    const Canvas with = renderPass(*view, dpr);

    // The pass labels copies of the standard angles: the view's own angle is left alone.
    QCOMPARE(bitsOf(view->theta()), bitsOf(theta));
    QCOMPARE(view->displayTheta(), displayTheta);

    // Sixteen black dots of radius 0.96 on the circle, each with its magenta label centred 89.6
    // out on its ray, drawn here by hand over the figure without them.
    const TextAttributes a = view->fontAttributeWithSize(9, 5, 1.0f);
    Canvas reference { without.image.copy(), view.get(), dpr };
    {
        QPainter painter(&reference.image);
        Graphics g(painter, view->coordinates(), true);
        const double steps[4] = { 0.0, pi / 6.0, pi / 4.0, pi / 3.0 };
        int n = 0;
        for (int i = -2; i <= 1; ++i) {
            for (double step : steps) {
                const double angle = double(float(i * pi * 0.5 + step));
                const Point dot { float(80.0 * std::cos(angle)), float(80.0 * std::sin(angle)) };
                g.setColor(black);
                Path disc;
                disc.appendArc(dot, 0.96f, 0.0f, 360.0f);
                g.fill(disc);
                const Point centre { float(1.12 * double(dot.x)), float(1.12 * double(dot.y)) };
                g.drawText(labels.at(n), a, centredAt(labels.at(n), a, centre));
                ++n;
            }
        }
    }
    const int differences = countDifferences(with.image, reference.image, with.image.rect(), 2);
    QVERIFY2(differences <= 4 * dpr * dpr, qPrintable(QString::number(differences)));

    // And the dots are black, where the circle alone is dark grey: at two pixels a point a dot
    // covers whole pixels.
    if (dpr != 2)
        return;
    const ColourTest nearBlack = isNeutralDarkerThan(20);
    for (double degrees = -180.0; degrees < 180.0; degrees += 15.0) {
        const bool standard
            = std::fmod(degrees + 360.0, 90.0) != 15.0 && std::fmod(degrees + 360.0, 90.0) != 75.0;
        const QString where = QString::number(degrees);
        // A wide degree label (-180°) may cover the centre of its dot: any pixel of the dot will
        // do.
        QVERIFY2(anyNear(with, polar(80, degrees), 1, nearBlack) == standard, qPrintable(where));
        QVERIFY2(!anyNear(without, polar(80, degrees), 1, nearBlack), qPrintable(where));
    }
}

void TestFigureDrawing::screenPassHasBackgroundAndFrame()
{
    auto view = figureView();
    const Canvas c = renderPass(*view);
    // White everywhere inside, a black frame on the outline (half of it inside the view).
    QVERIFY(isColour(white, 0)(colourAt(c.image, 2, 2)));
    QVERIFY(isColour(white, 0)(colourAt(c.image, 297, 237)));
    for (const QPoint &edge : { QPoint(150, 0), QPoint(0, 60), QPoint(299, 60), QPoint(40, 239) })
        QVERIFY2(isNeutralDarkerThan(200)(colourAt(c.image, edge.x(), edge.y())),
                 qPrintable(colourAt(c.image, edge.x(), edge.y()).name()));
}

// The window's pass copies the still parts from the picture an earlier pass left; after any change
// it must still give, pixel for pixel, what a pass that draws everything gives.
void TestFigureDrawing::windowPassMatchesWholePass_data()
{
    QTest::addColumn<std::function<void(OrbelView &)>>("change");
    QTest::addColumn<qreal>("dpr");
    QTest::addColumn<QSize>("size");

    const auto nothing = [](OrbelView &) {};
    QTest::newRow("a second pass, unchanged")
        << std::function<void(OrbelView &)>(nothing) << qreal(1) << QSize(300, 240);
    QTest::newRow("a second pass at two pixels a point")
        << std::function<void(OrbelView &)>(nothing) << qreal(2) << QSize(300, 240);
    QTest::newRow("a second pass at one and a half pixels a point")
        << std::function<void(OrbelView &)>(nothing) << qreal(1.5) << QSize(300, 240);
    QTest::newRow("the point moved")
        << std::function<void(OrbelView &)>([](OrbelView &v) { v.setTheta(2.5f); }) << qreal(1)
        << QSize(300, 240);
    QTest::newRow("standard angles turned off")
        << std::function<void(OrbelView &)>([](OrbelView &v) { v.setStandardAngles(false); })
        << qreal(1) << QSize(300, 240);
    QTest::newRow("labels switched to degrees")
        << std::function<void(OrbelView &)>([](OrbelView &v) { v.setAngleUnit(1); }) << qreal(2)
        << QSize(300, 240);
    QTest::newRow("the view resized")
        << std::function<void(OrbelView &)>([](OrbelView &v) { v.resize(500, 420); }) << qreal(1)
        << QSize(300, 240);
    QTest::newRow("a view too large for a picture")
        << std::function<void(OrbelView &)>([](OrbelView &v) { v.setTheta(-1.0f); }) << qreal(1.5)
        << QSize(1100, 1000);
    // The options that change the still parts' lines, inks, texts and labels.
    const auto withOptions = [](auto set) {
        return std::function<void(OrbelView &)>([set](OrbelView &v) {
            DisplayOptions options = v.displayOptions();
            set(options);
            v.setDisplayOptions(options);
        });
    };
    QTest::newRow("projector mode turned on")
        << withOptions([](DisplayOptions &o) { o.projector = true; }) << qreal(1)
        << QSize(300, 240);
    QTest::newRow("reverse contrast turned on")
        << withOptions([](DisplayOptions &o) { o.reverseContrast = true; }) << qreal(2)
        << QSize(300, 240);
    QTest::newRow("larger text") << withOptions([](DisplayOptions &o) { o.textStep = 2; })
                                 << qreal(1) << QSize(300, 240);
    QTest::newRow("the angle hidden by a question")
        << std::function<void(OrbelView &)>([](OrbelView &v) { v.setAngleHidden(true); })
        << qreal(1) << QSize(300, 240);
}

void TestFigureDrawing::windowPassMatchesWholePass()
{
    QFETCH(std::function<void(OrbelView &)>, change);
    QFETCH(qreal, dpr);
    QFETCH(QSize, size);

    OrbelView view(Rect { Point { 0, 0 }, Size { float(size.width()), float(size.height()) } });
    view.setStandardAngles(true);
    view.setSinCos(true);
    view.setTheta(piF / 6.0f);
    const auto windowPass = [&view](qreal ratio) {
        // Reads a size that changed while the view was hidden before the image is made for it.
        view.setOrigin();
        QImage image = blankImage(view, ratio);
        QPainter painter(&image);
        Graphics g(painter, view.coordinates(), true);
        view.drawScreenPass(g);
        return image;
    };
    // Two passes before the change leave a picture of the old parts; the first pass after it
    // must not copy that, and the second copies the new one.
    windowPass(dpr);
    windowPass(dpr);
    change(view);
    const QImage first = windowPass(dpr);
    const Canvas whole = renderPass(view, dpr);
    const QImage second = windowPass(dpr);
    for (const QImage &window : { first, second }) {
        QCOMPARE(window.size(), whole.image.size());
        QCOMPARE(countDifferences(window, whole.image, window.rect()), 0);
    }
}

// The picture of the still parts goes straight into the window's pixels: it must land where the
// view lies in its window and only in the region being repainted (rendered here with that
// region's corner at the offset).
void TestFigureDrawing::stillPartsLandWhereTheViewIs_data()
{
    QTest::addColumn<QPoint>("offset");
    QTest::addColumn<QRect>("region");

    const QRect whole(0, 0, 300, 240);
    QTest::newRow("at the window's corner") << QPoint(0, 0) << whole;
    QTest::newRow("inside the window") << QPoint(37, 23) << whole;
    QTest::newRow("a part repainted") << QPoint(37, 23) << QRect(50, 41, 123, 87);
    // (Qt antialiases a moving line cut by the region's edge a little differently.)
    QTest::newRow("a part across the axis") << QPoint(11, 5) << QRect(100, 123, 60, 67);
    QTest::newRow("a strip along the frame") << QPoint(3, 30) << QRect(0, 233, 300, 7);
}

void TestFigureDrawing::stillPartsLandWhereTheViewIs()
{
    QFETCH(QPoint, offset);
    QFETCH(QRect, region);

    auto view = figureView();
    view->setStandardAngles(true);
    view->setSinCos(true);
    view->setTheta(piF / 6.0f);
    const Canvas whole = renderPass(*view);
    const QColor untouched(255, 0, 255);
    QImage window(QSize(360, 300), QImage::Format_ARGB32_Premultiplied);
    // The second repaint copies the picture the first one left.
    for (int pass = 0; pass < 2; ++pass) {
        window.fill(untouched);
        QPainter painter(&window);
        view->render(&painter, offset, QRegion(region));
    }
    // The region's corner lands on the offset.
    const QRect painted(offset, region.size());
    const QPoint shift = region.topLeft() - offset;
    int wrong = 0;
    for (int y = 0; y < window.height(); ++y)
        for (int x = 0; x < window.width(); ++x) {
            const QRgb expected = painted.contains(x, y)
                ? whole.image.pixel(x + shift.x(), y + shift.y())
                : untouched.rgba();
            wrong += int(window.pixel(x, y) != expected);
        }
    QCOMPARE(wrong, 0);
}

// The focus ring: two pixels wide, from two to four pixels inside the view's edge, at every scale;
// nothing beside it changes, away from the ring round the point.
void TestFigureDrawing::focusRingIsABandInsideTheEdge_data()
{
    QTest::addColumn<qreal>("dpr");
    QTest::newRow("one pixel a point") << qreal(1);
    QTest::newRow("one and a half") << qreal(1.5);
    QTest::newRow("two") << qreal(2);
}

void TestFigureDrawing::focusRingIsABandInsideTheEdge()
{
    QFETCH(qreal, dpr);

    OrbelView view;
    view.resize(300, 240);
    view.setTheta(piF / 2.0f);
    view.show();
    QVERIFY(QTest::qWaitForWindowActive(&view));
    const auto rendered = [&view, dpr] {
        QImage image(QSize(qRound(300 * dpr), qRound(240 * dpr)),
                     QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(dpr);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        view.render(&painter);
        return image;
    };
    view.clearFocus();
    const QImage plain = rendered();
    view.setFocus();
    QVERIFY(view.hasFocus());
    const QImage focused = rendered();

    const QRgb ring = focused.pixel(focused.width() / 2, qRound(3 * dpr));
    QVERIFY(ring != plain.pixel(plain.width() / 2, qRound(3 * dpr)));
    // Device pixels: the band from 2 to 4 points inside the edge.
    const int from = qRound(2 * dpr);
    const int to = qRound(4 * dpr);
    // The point, at the top of the circle, has a ring of its own.
    const QRect pointRing(focused.width() / 2 - qRound(30 * dpr), 0, qRound(60 * dpr),
                          focused.height() / 2);
    int wrong = 0;
    for (int y = 0; y < focused.height(); ++y)
        for (int x = 0; x < focused.width(); ++x) {
            const int inside = std::min({ x, y, focused.width() - 1 - x, focused.height() - 1 - y });
            const bool band = inside >= from && inside < to;
            if (band)
                wrong += int(focused.pixel(x, y) != ring);
            else if (!pointRing.contains(x, y))
                wrong += int(focused.pixel(x, y) != plain.pixel(x, y));
        }
    QCOMPARE(wrong, 0);
}

void TestFigureDrawing::printPassOnImage()
{
    auto view = figureView();
    view->setSinCos(true);
    QImage image = blankImage(*view, 1.0);
    {
        QPainter painter(&image);
        Graphics g(painter, view->coordinates(), false);
        view->drawRect(g);
    }
    Canvas c { image, view.get(), 1.0 };

    QCOMPARE(view->unit(), 60.0f);
    // No background, no frame: the edges and corners stay transparent.
    for (int x = 0; x < 300; ++x) {
        QCOMPARE(colourAt(image, x, 0).alpha(), 0);
        QCOMPARE(colourAt(image, x, 239).alpha(), 0);
    }
    for (int y = 0; y < 240; ++y) {
        QCOMPARE(colourAt(image, 0, y).alpha(), 0);
        QCOMPARE(colourAt(image, 299, y).alpha(), 0);
    }
    QCOMPARE(colourAt(image, 10, 10).alpha(), 0);
    // The circle at radius 60, none at the screen's 80; the panel still drawn, at (u, u).
    QVERIFY(anyNear(c, polar(60, 225), 0, isInk));
    QVERIFY(!anyNear(c, polar(80, 225), 1, isInk));
    QVERIFY(anyNear(c, Point { 60.0f, 60.0f }, 1, isColour(panelFill, 1)));
}

void TestFigureDrawing::printPassOnPdf()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QPdfWriter pdf(dir.filePath(QStringLiteral("figure.pdf")));
    auto view = figureView();
    QPainter painter(&pdf);
    Graphics g(painter, view->coordinates());
    QVERIFY(!g.drawingToScreen());
    view->drawRect(g);
    painter.end();
    QCOMPARE(view->unit(), 60.0f);
}

QTEST_MAIN(TestFigureDrawing)
#include "tst_figure_drawing.moc"

void TestFigureDrawing::practiceMarks_data()
{
    QTest::addColumn<float>("theta");
    QTest::newRow("quadrant II") << float(2 * pi / 3);
    QTest::newRow("quadrant IV, negative") << float(-pi / 6);
}

// What practice changes on the figure: the angle unnamed while a question asks for it (the label
// at the arc, the reference points' labels, the panel's theta), the reference angle drawn while
// a miss is explained; both off, the figure is the same image as before, pixel for pixel.
void TestFigureDrawing::practiceMarks()
{
    QFETCH(float, theta);
    auto view = figureView();
    view->setTheta(theta);
    view->setStandardAngles(true);
    view->setSinCos(true);
    const Canvas before = renderPass(*view);

    view->setAngleHidden(true);
    const Canvas hidden = renderPass(*view);
    // Where the label stood (0.4u out on the bisector), nothing red or blue is left.
    const TextAttributes a = view->fontAttributeWithSize(9, theta >= 0.0f ? 3 : 2, 0.0f);
    const double half = double(theta) / 2.0;
    const Point centre { float(32.0 * std::cos(half)), float(32.0 * std::sin(half)) };
    const QRect box = before.deviceRect(
        textBox(view->displayTheta(), a, centredAt(view->displayTheta(), a, centre)));
    const ColourTest tinted = theta < 0.0f ? ColourTest(isBlueish) : ColourTest(isReddish);
    // (The radius and the arc, of the same colour, may graze the box's corners.)
    const int labelled = countMatching(before.image, box, tinted);
    QVERIFY(labelled > 10);
    const int left = countMatching(hidden.image, box, tinted);
    QVERIFY2(left <= labelled / 5, qPrintable(QStringLiteral("%1 of %2").arg(left).arg(labelled)));
    // The reference points' labels (magenta) are gone; their dots stay.
    QVERIFY(countMatching(before.image, before.image.rect(), isMagentaish) > 100);
    QCOMPARE(countMatching(hidden.image, hidden.image.rect(), isMagentaish), 0);

    view->setAngleHidden(false);
    view->setReferenceShown(true);
    const Canvas explained = renderPass(*view);
    const auto greenish = [](const QColor &c) {
        return c.alpha() > 24 && c.green() - std::max(c.red(), c.blue()) > 40;
    };
    // The triangle's leg from the point down to the x axis, halfway down.
    const Point p = view->currentPoint();
    QVERIFY(anyNear(explained, Point { p.x * 80.0f, p.y * 40.0f }, 2, greenish));
    QCOMPARE(countMatching(before.image, before.image.rect(), greenish), 0);

    view->setReferenceShown(false);
    QVERIFY(renderPass(*view).image == before.image);
}
