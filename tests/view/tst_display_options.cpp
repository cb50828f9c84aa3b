// The figure under the display options: plain options draw exactly the designed figure, whatever
// options were shown before; every ink stands 4.5 : 1 on its ground in projector mode and in
// reverse contrast, with its hue; text steps grow the labels; projector lines are thick.
#include "render_helpers.h"
#include "view/display_options.h"
#include "view/figure_colours.h"

#include <QtTest>

#include <algorithm>
#include <cmath>
#include <memory>

using namespace render;

Q_DECLARE_METATYPE(DisplayOptions)

namespace {

const double pi = 3.141592653589793;

double luminance(const QColor &c)
{
    const auto channel
        = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

DisplayOptions options(int step, bool reverse, bool projector)
{
    DisplayOptions o;
    o.textStep = step;
    o.reverseContrast = reverse;
    o.projector = projector;
    return o;
}

std::unique_ptr<OrbelView> view(float width, float height, float theta)
{
    auto v = std::make_unique<OrbelView>(Rect { Point { 0, 0 }, Size { width, height } });
    v->setStandardAngles(true);
    v->setSinCos(true);
    v->setTheta(theta);
    return v;
}

bool isMagenta(QRgb p)
{
    return qRed(p) - qGreen(p) > 60 && qBlue(p) - qGreen(p) > 60;
}

// The height of the ink of the label of π∕2: the magenta pixels above the circle, just right
// of the axis, where no other label reaches.
int topLabelHeight(const Canvas &canvas)
{
    const QPointF centre = canvas.toDevice(Point { 0, 0 });
    const double u = canvas.view->unit();
    int top = -1, bottom = -1;
    for (int y = 0; y < int(centre.y() - u) - 2; ++y)
        for (int x = int(centre.x()) + 2; x < int(centre.x() + 0.2 * u); ++x)
            if (isMagenta(canvas.image.pixel(x, y))) {
                top = top < 0 ? y : top;
                bottom = y;
            }
    return top < 0 ? 0 : bottom - top + 1;
}

} // namespace

class TestDisplayOptions : public QObject
{
    Q_OBJECT

private slots:
    // Whatever was shown before, plain options give back the designed figure pixel for pixel.
    void plainOptionsDrawAsDesigned_data()
    {
        QTest::addColumn<DisplayOptions>("before");
        QTest::addColumn<float>("theta");
        QTest::newRow("after projector mode, at 3π∕4")
            << options(0, false, true) << float(3 * pi / 4);
        QTest::newRow("after reverse contrast, at −1.2") << options(0, true, false) << -1.2f;
        QTest::newRow("after larger text, at 0.3") << options(3, false, false) << 0.3f;
        QTest::newRow("after all of them, at 5π∕3") << options(-2, true, true) << float(5 * pi / 3);
    }

    void plainOptionsDrawAsDesigned()
    {
        QFETCH(DisplayOptions, before);
        QFETCH(float, theta);
        auto designed = view(640, 480, theta);
        const QImage expected = renderPass(*designed).image;

        auto shown = view(640, 480, theta);
        shown->setDisplayOptions(before);
        const QImage changed = renderPass(*shown).image;
        QVERIFY2(changed != expected, "the options change the figure");
        shown->setDisplayOptions(DisplayOptions());
        QVERIFY(shown->displayOptions().isPlain());
        QCOMPARE(renderPass(*shown).image, expected);
        // The desktop's own size counts only when larger than the figure's.
        DisplayOptions smallDesktop;
        smallDesktop.desktopTextScale = 0.8;
        QVERIFY(smallDesktop.isPlain());
    }

    // Every ink of the figure and the graph on its ground, and on the summary panel's.
    void inksStandOnTheirGround_data()
    {
        QTest::addColumn<DisplayOptions>("shown");
        QTest::addColumn<QColor>("ink");
        QTest::addColumn<double>("least");
        const struct
        {
            const char *name;
            DisplayOptions o;
        } modes[] = { { "projector", options(0, false, true) },
                      { "reverse", options(0, true, false) },
                      { "projector reversed", options(0, true, true) } };
        for (const auto &mode : modes) {
            for (int code = 0; code <= 5; ++code)
                QTest::addRow("%s, text code %d", mode.name, code)
                    << mode.o << figure::forCode(code) << 4.5;
            // Lines and the graph's curves: 3 : 1 is enough for what is not text.
            QTest::addRow("%s, the circle", mode.name) << mode.o << figure::darkGrey() << 3.0;
            QTest::addRow("%s, cosine curve", mode.name) << mode.o << QColor(0, 114, 178) << 3.0;
            QTest::addRow("%s, sine curve", mode.name) << mode.o << QColor(213, 94, 0) << 3.0;
            QTest::addRow("%s, tangent curve", mode.name) << mode.o << QColor(0, 140, 100) << 3.0;
        }
    }

    void inksStandOnTheirGround()
    {
        QFETCH(DisplayOptions, shown);
        QFETCH(QColor, ink);
        QFETCH(double, least);
        const QColor ground = figure::forDisplay(figure::white(), shown);
        const QColor shownInk = figure::forDisplay(ink, shown);
        QVERIFY2(contrast(shownInk, ground) >= least,
                 qPrintable(QStringLiteral("%1 on %2: %3")
                                .arg(shownInk.name(), ground.name())
                                .arg(contrast(shownInk, ground))));
        const QColor panel = figure::forDisplay(QColor::fromRgbF(0.95f, 0.95f, 0.95f, 1.0f), shown);
        QVERIFY(contrast(shownInk, panel) >= least - 0.5);
        // The roles stay recognisable: a coloured ink keeps its hue within a few degrees.
        if (ink.hsvSaturation() > 0)
            QVERIFY2(std::abs(shownInk.hsvHue() - ink.hsvHue()) <= 15,
                     qPrintable(
                         QStringLiteral("hue %1 for %2").arg(shownInk.hsvHue()).arg(ink.hsvHue())));
        QVERIFY(shown.reverseContrast ? luminance(ground) < 0.05 : ground == figure::white());
    }

    void textStepsGrowTheLabels_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<double>("least");
        QTest::addColumn<double>("most");
        QTest::newRow("one step larger") << 1 << 1.15 << 1.4;
        QTest::newRow("Larger Text twice") << 2 << 1.4 << 1.75;
        // Where the labels would pass the view's edges the circle gives way, and they with it.
        QTest::newRow("as large as it goes") << 99 << 1.9 << 4.5;
        QTest::newRow("one step smaller") << -1 << 0.6 << 1.0;
    }

    void textStepsGrowTheLabels()
    {
        QFETCH(int, step);
        QFETCH(double, least);
        QFETCH(double, most);
        auto v = view(900, 900, 0.5f);
        v->setSinCos(false);
        const int normal = topLabelHeight(renderPass(*v));
        v->setDisplayOptions(options(step, false, false));
        const int scaled = topLabelHeight(renderPass(*v));
        const double ratio = double(scaled) / normal;
        QVERIFY2(normal > 0 && ratio >= least && ratio <= most,
                 qPrintable(QStringLiteral("%1 px, then %2 px").arg(normal).arg(scaled)));
    }

    // The circle's line across its left side, 20 degrees up, where no axis and no dot lies.
    void projectorLinesAreThick_data()
    {
        QTest::addColumn<float>("side");
        QTest::addColumn<int>("least");
        QTest::newRow("a circle a 1080-line screen gives") << 810.0f << 3;
        QTest::newRow("the designed 640 x 480") << 480.0f << 2;
    }

    void projectorLinesAreThick()
    {
        QFETCH(float, side);
        QFETCH(int, least);
        auto v = view(side, side, 0.5f);
        v->setSinCos(false);
        v->setDisplayOptions(options(0, false, true));
        const Canvas canvas = renderPass(*v);
        const double u = v->unit();
        const QPointF at
            = canvas.toDevice(Point { float(-u * std::cos(pi / 9)), float(u * std::sin(pi / 9)) });
        int dark = 0;
        for (int x = int(at.x()) - 10; x <= int(at.x()) + 10; ++x)
            dark += qGray(canvas.image.pixel(x, int(at.y()))) < 170 ? 1 : 0;
        QVERIFY2(dark >= least, qPrintable(QStringLiteral("%1 px").arg(dark)));
        QCOMPARE(DisplayOptions().lineWidth(u), 1.0f);
    }
};

QTEST_MAIN(TestDisplayOptions)

#include "tst_display_options.moc"
