// The summary panel: its three lines at a few angles, its font size for a given unit, and the box
// that it is painted in, checked on rendered images.
#include "render_helpers.h"

#include <QFontMetricsF>
#include <QRawFont>
#include <QtTest>

#include <cmath>

using namespace render;

namespace {

const float pi = 3.14159265f;
const QColor panelFill(242, 242, 242);
const QColor outline(170, 170, 170);

QString surd(char radicand)
{
    return QString::fromUtf8("\u221a\u2014") + QLatin1Char(radicand)
        + QString::fromUtf8(" \u22152");
}

// The panel text as a reader would write it, in the given font: the surd sequences become surd
// texts, everything else plain text, and every line is x-height × 2.8 high.
StyledText expectedPanel(const OrbelView &view, const QStringList &lines, int fontSize)
{
    const TextAttributes a = view.fontAttributeWithSize(fontSize, 0, 0.0f);
    StyledText text(QString(), a);
    const QString joined = lines.join(QLatin1Char('\n'));
    int i = 0;
    while (i < joined.size()) {
        const int j = int(joined.indexOf(QString::fromUtf8("\u221a"), i));
        const int end = j < 0 ? int(joined.size()) : j;
        if (end > i)
            text.append(StyledText(joined.mid(i, end - i), a));
        if (j < 0)
            break;
        text.append(view.squareRootOf(joined.at(j + 2) == QLatin1Char('2') ? 2 : 3, a));
        i = j + 6;
    }
    const float xHeight = xHeightOf(a.font);
    text.setLineHeight(float(double(xHeight) * 2.8), 0, text.length());
    return text;
}

// The x-height as the outline of the glyph "x" has it, unhinted and unrounded.
float outlineXHeight(const QFont &font)
{
    const QRawFont raw = QRawFont::fromFont(font);
    const QList<quint32> x = raw.glyphIndexesForString(QStringLiteral("x"));
    return x.isEmpty() ? 0.0f : float(raw.pathForGlyph(x.first()).boundingRect().height());
}

OrbelView *panelView(float u)
{
    // A third of the shorter side is the unit; the panel needs room to the right of the circle.
    return new OrbelView(Rect { Point { 0, 0 }, Size { 6.0f * u, 3.0f * u } });
}

Canvas renderPanel(OrbelView &view, qreal dpr = 1.0)
{
    view.setOrigin();
    Canvas canvas { blankImage(view, dpr), &view, dpr };
    QPainter painter(&canvas.image);
    Graphics g(painter, view.coordinates(), true);
    view.drawResume(g);
    return canvas;
}

// Compares the panel's text with the expected one drawn alone at (u, u) over the panel's fill,
// and names the first line that differs.
QString textDifference(OrbelView &view, const Canvas &panel, const StyledText &expected)
{
    const float u = view.unit();
    const Canvas reference = renderReference(view, panel.dpr, panelFill, [&](Graphics &g) {
        g.drawStyledText(expected, Point { u, u });
    });
    const Size size = expected.size();
    const float lineHeight = *expected.lineHeightAt(0);
    for (int line = 0; line < 3; ++line) {
        const float top = u + size.height - float(line) * lineHeight;
        const QRect band = panel.deviceRect(
            Rect { Point { u, top - lineHeight }, Size { size.width, lineHeight } });
        const int differences = countDifferences(panel.image, reference.image, band);
        if (differences > 0)
            return QStringLiteral("line %1 differs in %2 pixels").arg(line + 1).arg(differences);
    }
    return QString();
}

} // namespace

class TestSummaryPanel : public QObject
{
    Q_OBJECT

private slots:
    void panelText_data();
    void panelText();
    void fontSize_data();
    void fontSize();
    void box_data();
    void box();
    void boxWidthIgnoresTheAngle();
    void lineHeightComesFromTheFontsOwnXHeight_data();
    void lineHeightComesFromTheFontsOwnXHeight();
};

void TestSummaryPanel::panelText_data()
{
    QTest::addColumn<int>("angleUnit");
    QTest::addColumn<float>("theta");
    QTest::addColumn<QStringList>("lines");

    const QString m = QString::fromUtf8("\u2212");
    QTest::newRow("pi/6: root three over two and one half")
        << 0 << pi / 6.0f
        << QStringList { QString::fromUtf8("       θ  = π∕6"), "cos(θ) =  " + surd('3'),
                         QString::fromUtf8(" sin(θ) =  1∕2") };
    QTest::newRow("3pi/4: minus root two over two, root two over two")
        << 0 << 3.0f * pi / 4.0f
        << QStringList { QString::fromUtf8("       θ  = 3π∕4"), "cos(θ) = " + m + surd('2'),
                         " sin(θ) =  " + surd('2') };
    QTest::newRow("pi/2: the tiny negative cosine shows no sign")
        << 0 << pi / 2.0f
        << QStringList { QString::fromUtf8("       θ  = π∕2"), QString::fromUtf8("cos(θ) =  0.000"),
                         QString::fromUtf8(" sin(θ) =  1.000") };
    QTest::newRow("1.2 is not snapped: three decimals")
        << 0 << 1.2f
        << QStringList { QString::fromUtf8("       θ  = 1.20"),
                         QString::fromUtf8("cos(θ) =  0.362"),
                         QString::fromUtf8(" sin(θ) =  0.932") };
    QTest::newRow("-5pi/6: both values negative")
        << 0 << -5.0f * pi / 6.0f
        << QStringList { QString::fromUtf8("       θ  = −5π∕6"), "cos(θ) = " + m + surd('3'),
                         QString::fromUtf8(" sin(θ) = −1∕2") };
    QTest::newRow("pi/2 in degrees: the degree label, the same values")
        << 1 << pi / 2.0f
        << QStringList { QString::fromUtf8("       θ  =  90°"),
                         QString::fromUtf8("cos(θ) =  0.000"),
                         QString::fromUtf8(" sin(θ) =  1.000") };
}

void TestSummaryPanel::panelText()
{
    QFETCH(int, angleUnit);
    QFETCH(float, theta);
    QFETCH(QStringList, lines);

    std::unique_ptr<OrbelView> view(panelView(100.0f));
    view->setAngleUnit(angleUnit);
    view->setTheta(theta);
    const Canvas panel = renderPanel(*view);

    const QString difference = textDifference(*view, panel, expectedPanel(*view, lines, 9));
    QVERIFY2(difference.isNull(), qPrintable(difference));
}

void TestSummaryPanel::fontSize_data()
{
    QTest::addColumn<float>("u");
    QTest::addColumn<int>("fontSize");

    QTest::newRow("u 100: 8 points rise to 9") << 100.0f << 9;
    QTest::newRow("u 150: 12 points") << 150.0f << 12;
    QTest::newRow("u 160: 12.8 is cut to 12") << 160.0f << 12;
    QTest::newRow("u 250: 20 points") << 250.0f << 20;
}

void TestSummaryPanel::fontSize()
{
    QFETCH(float, u);
    QFETCH(int, fontSize);

    std::unique_ptr<OrbelView> view(panelView(u));
    view->setTheta(pi / 6.0f);
    const Canvas panel = renderPanel(*view);
    QCOMPARE(view->unit(), u);

    const QStringList lines { QString::fromUtf8("       θ  = π∕6"), "cos(θ) =  " + surd('3'),
                              QString::fromUtf8(" sin(θ) =  1∕2") };
    const QString difference = textDifference(*view, panel, expectedPanel(*view, lines, fontSize));
    QVERIFY2(difference.isNull(), qPrintable(difference));
}

void TestSummaryPanel::box_data()
{
    QTest::addColumn<float>("u");
    QTest::addColumn<qreal>("dpr");
    QTest::addColumn<int>("fontSize");

    QTest::newRow("u 100") << 100.0f << qreal(1) << 9;
    QTest::newRow("u 100 at twice the pixel density") << 100.0f << qreal(2) << 9;
    QTest::newRow("u 150 at twice the pixel density") << 150.0f << qreal(2) << 12;
}

void TestSummaryPanel::box()
{
    QFETCH(float, u);
    QFETCH(qreal, dpr);
    QFETCH(int, fontSize);

    std::unique_ptr<OrbelView> view(panelView(u));
    view->setTheta(pi / 6.0f);
    const Canvas panel = renderPanel(*view, dpr);
    const QImage &img = panel.image;

    const TextAttributes a = view->fontAttributeWithSize(fontSize, 0, 0.0f);
    const float referenceWidth
        = sizeWithAttributes(QStringLiteral("cos(T) = 0.12345\n\n\n"), a).width;
    const float lineHeight = float(double(outlineXHeight(a.font)) * 2.8);
    const Rect box { Point { 0.97f * u, 0.98f * u },
                     Size { referenceWidth + 0.06f * u, 3.0f * lineHeight + 0.04f * u } };

    // The lower-left corner: fill just inside, the outer half of the light grey outline just
    // outside, nothing beyond that.
    const QPointF corner = panel.toDevice(box.origin);
    if (u == 100.0f)
        QCOMPARE(corner, QPointF(397 * dpr, 52 * dpr));
    const int cx = int(std::lround(corner.x()));
    const int cy = int(std::lround(corner.y()));
    // At one pixel a point the outer half of the line covers half a pixel: translucent.
    const auto isOutline = [](const QColor &c) {
        return c.alpha() >= 100 && std::abs(c.red() - outline.red()) <= 4
            && std::abs(c.green() - outline.green()) <= 4
            && std::abs(c.blue() - outline.blue()) <= 4;
    };
    QVERIFY2(isColour(panelFill, 1)(colourAt(img, cx, cy - 1)),
             qPrintable(colourAt(img, cx, cy - 1).name(QColor::HexArgb)));
    QVERIFY2(isOutline(colourAt(img, cx - 1, cy - 1)),
             qPrintable(colourAt(img, cx - 1, cy - 1).name(QColor::HexArgb)));
    QVERIFY2(isOutline(colourAt(img, cx, cy)),
             qPrintable(colourAt(img, cx, cy).name(QColor::HexArgb)));
    QCOMPARE(colourAt(img, cx - 2, cy - 1).alpha(), 0);
    QCOMPARE(colourAt(img, cx, cy + 1).alpha(), 0);

    // Width and height: the run of fill along the bottom row and up the left column.
    int right = cx;
    while (right + 1 < img.width() && isColour(panelFill, 1)(colourAt(img, right + 1, cy - 1)))
        ++right;
    int top = cy - 1;
    while (top > 0 && isColour(panelFill, 1)(colourAt(img, cx, top - 1)))
        --top;
    QVERIFY2(std::fabs((right + 1 - cx) - box.size.width * dpr) <= 1.0,
             qPrintable(QString::number(right + 1 - cx)));
    QVERIFY2(std::fabs((cy - top) - box.size.height * dpr) <= 1.0,
             qPrintable(QString::number(cy - top)));

    // Text inside, nothing outside the box and the outer half of its outline.
    const QRect inside = panel.deviceRect(box);
    QVERIFY(countMatching(img, inside, isNeutralDarkerThan(100)) > 40 * dpr * dpr);
    const QRect painted = panel.deviceRect(box, 1);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (!painted.contains(x, y) && colourAt(img, x, y).alpha() != 0)
                QFAIL(
                    qPrintable(QStringLiteral("painted outside the box at %1, %2").arg(x).arg(y)));
}

void TestSummaryPanel::boxWidthIgnoresTheAngle()
{
    // The widest label and values against the narrowest: the box is the same every time.
    std::unique_ptr<OrbelView> view(panelView(100.0f));
    QImage first;
    for (int angleUnit : { 0, 1 }) {
        for (float theta : { 0.0f, pi / 6.0f, -5.0f * pi / 6.0f, 1.2f, -3.0f }) {
            view->setAngleUnit(angleUnit);
            view->setTheta(theta);
            const Canvas panel = renderPanel(*view);
            // The bottom margin row holds the box and its outline only.
            const QImage row = panel.image.copy(0, 51, panel.image.width(), 2);
            if (first.isNull())
                first = row;
            QVERIFY2(countDifferences(first, row, row.rect()) == 0,
                     qPrintable(view->displayTheta()));
        }
    }
}

void TestSummaryPanel::lineHeightComesFromTheFontsOwnXHeight_data()
{
    QTest::addColumn<int>("fontSize");
    for (int size : { 9, 10, 12, 20, 37 })
        QTest::addRow("%d points", size) << size;
}

// Qt rounds the x-height of a font that does not state one up to whole pixels (6 for 5.24 at
// ten points); the panel's lines are 2.8 x-heights of the font itself.
void TestSummaryPanel::lineHeightComesFromTheFontsOwnXHeight()
{
    QFETCH(int, fontSize);
    OrbelView view;
    const QFont font = view.fontAttributeWithSize(fontSize, 0, 0.0f).font;
    const float expected = outlineXHeight(font);
    QVERIFY(expected > 0.4f * fontSize && expected < 0.6f * fontSize);
    const float actual = xHeightOf(font);
    QVERIFY2(std::fabs(actual - expected) <= 0.01f * fontSize,
             qPrintable(QStringLiteral("%1 against %2").arg(actual).arg(expected)));
}

QTEST_MAIN(TestSummaryPanel)
#include "tst_summary_panel.moc"
