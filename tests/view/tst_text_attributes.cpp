// The attribute sets of the figure's texts, the value texts of cosine and sine, and the surd
// texts √2∕2 and √3∕2 with their kerns and baseline offsets.
#include "render_helpers.h"

#include "platform/styled_text.h"
#include "view/orbel_view.h"

#include <QLoggingCategory>
#include <QtTest>

#include <climits>
#include <cmath>
#include <limits>

using render::bitsOf;

namespace {

const QString minus = QString::fromUtf8("\u2212");
const QString half = QString::fromUtf8("1\u22152");
QString surd(char radicand)
{
    return QString::fromUtf8("\u221a\u2014") + QLatin1Char(radicand)
        + QString::fromUtf8(" \u22152");
}

int surdLines = 0;
QStringList surdMessages;
QtMessageHandler previousHandler = nullptr;
QLoggingCategory::CategoryFilter previousFilter = nullptr;

// Rules from QT_LOGGING_RULES (which the test environment uses to silence the surd's line) take
// precedence over setFilterRules, so the category is also switched on after the rules have run.
void surdEnabled(QLoggingCategory *category)
{
    if (previousFilter)
        previousFilter(category);
    if (qstrcmp(category->categoryName(), "unitcircle.surd") == 0) {
        category->setEnabled(QtDebugMsg, true);
        category->setEnabled(QtInfoMsg, true);
    }
}

void countingHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (context.category && qstrcmp(context.category, "unitcircle.surd") == 0) {
        ++surdLines;
        surdMessages << message;
        return;
    }
    if (previousHandler)
        previousHandler(type, context, message);
}

} // namespace

class TestTextAttributes : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void fontSize_data();
    void fontSize();
    void colourCodes_data();
    void colourCodes();
    void kernIsKeptAsFloat_data();
    void kernIsKeptAsFloat();

    void valueText_data();
    void valueText();

    void surdText_data();
    void surdText();
    void surdOffsetsScaleWithTheFont();

    void logLines_data();
    void logLines();
    void surdLogLineReportsTheMeasuredDash();

private:
    OrbelView m_view { Rect { Point { 0, 0 }, Size { 300, 240 } } };
};

void TestTextAttributes::initTestCase()
{
    // The test environment silences the surd's diagnostic line; here it is what we count.
    QLoggingCategory::setFilterRules(QStringLiteral("unitcircle.surd=true"));
    previousFilter = QLoggingCategory::installFilter(surdEnabled);
    previousHandler = qInstallMessageHandler(countingHandler);
}

void TestTextAttributes::cleanupTestCase()
{
    qInstallMessageHandler(previousHandler);
    QLoggingCategory::installFilter(previousFilter);
}

void TestTextAttributes::fontSize_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("pixelSize");

    QTest::newRow("eight rises to nine") << 8 << 9;
    QTest::newRow("zero rises to nine") << 0 << 9;
    QTest::newRow("negative rises to nine") << -3 << 9;
    QTest::newRow("most negative rises to nine") << INT_MIN << 9;
    QTest::newRow("nine is kept") << 9 << 9;
    QTest::newRow("twelve is kept") << 12 << 12;
    QTest::newRow("large size is kept") << 200 << 200;
}

void TestTextAttributes::fontSize()
{
    QFETCH(int, size);
    QFETCH(int, pixelSize);

    const TextAttributes a = m_view.fontAttributeWithSize(size, 0, 0.0f);
    QCOMPARE(a.font.pixelSize(), pixelSize);
    QCOMPARE(a.font.family(), QStringLiteral("Helvetica"));
    QVERIFY(!a.baselineOffset);
    // Sizes are points, never scaled by the screen's resolution.
    QCOMPARE(a.font.pointSize(), -1);
}

void TestTextAttributes::colourCodes_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QColor>("colour");

    QTest::newRow("0 is black") << 0 << QColor(0, 0, 0);
    QTest::newRow("1 is grey") << 1 << QColor(128, 128, 128);
    QTest::newRow("2 is blue") << 2 << QColor(0, 0, 255);
    QTest::newRow("3 is red") << 3 << QColor(255, 0, 0);
    QTest::newRow("4 is dark grey though no text uses it") << 4 << QColor(85, 85, 85);
    QTest::newRow("5 is magenta") << 5 << QColor(255, 0, 255);
}

void TestTextAttributes::colourCodes()
{
    QFETCH(int, code);
    QFETCH(QColor, colour);

    const QColor c = m_view.fontAttributeWithSize(12, code, 0.0f).color;
    QVERIFY2(std::abs(c.red() - colour.red()) <= 1 && std::abs(c.green() - colour.green()) <= 1
                 && std::abs(c.blue() - colour.blue()) <= 1,
             qPrintable(c.name()));
    QCOMPARE(c.alpha(), 255);
}

void TestTextAttributes::kernIsKeptAsFloat_data()
{
    QTest::addColumn<float>("kern");

    QTest::newRow("no spacing") << 0.0f;
    QTest::newRow("reference labels spread by one point") << 1.0f;
    QTest::newRow("a fraction not exact in binary") << 0.1f;
    QTest::newRow("negative kern") << -0.65f;
}

void TestTextAttributes::kernIsKeptAsFloat()
{
    QFETCH(float, kern);

    const TextAttributes a = m_view.fontAttributeWithSize(10, 0, kern);
    QVERIFY(a.kern.has_value());
    QCOMPARE(bitsOf(*a.kern), bitsOf(kern));
}

void TestTextAttributes::valueText_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("radicand"); // 0 for a plain value text

    const float pi = 3.14159265f;
    const float nan = std::numeric_limits<float>::quiet_NaN();

    QTest::newRow("one half") << 0.5f << " " + half << 4 << 0;
    QTest::newRow("a hair beyond minus one half") << -0.5000001f << minus + half << 4 << 0;
    QTest::newRow("just inside the window of one half") << 0.49995f << " " + half << 4 << 0;
    QTest::newRow("just outside the window of one half")
        << 0.4998f << QStringLiteral(" 0.500") << 6 << 0;
    QTest::newRow("cosine of pi/6 is root three over two")
        << std::cos(pi / 6.0f) << " " + surd('3') << 7 << 3;
    QTest::newRow("minus root three over two") << -0.8660254f << minus + surd('3') << 7 << 3;
    QTest::newRow("sine of 5pi/4 is minus root two over two")
        << std::sin(5.0f * pi / 4.0f) << minus + surd('2') << 7 << 2;
    QTest::newRow("the rounded constant of root two over two")
        << 0.7071f << " " + surd('2') << 7 << 2;
    QTest::newRow("just inside the window of root three over two")
        << 0.86609f << " " + surd('3') << 7 << 3;
    QTest::newRow("just outside the window of root three over two")
        << 0.86611f << QStringLiteral(" 0.866") << 6 << 0;
    QTest::newRow("just outside the window of root two over two")
        << 0.70699f << QStringLiteral(" 0.707") << 6 << 0;
    QTest::newRow("cosine of pi/2 shows no minus sign")
        << -4.4e-8f << QStringLiteral(" 0.000") << 6 << 0;
    QTest::newRow("one ten-thousandth below zero shows no minus sign")
        << -0.0001f << QStringLiteral(" 0.000") << 6 << 0;
    QTest::newRow("small negative keeps its minus") << -0.0003f << minus + "0.000" << 6 << 0;
    QTest::newRow("one") << 1.0f << QStringLiteral(" 1.000") << 6 << 0;
    QTest::newRow("minus one") << -1.0f << minus + "1.000" << 6 << 0;
    QTest::newRow("three decimals, rounded") << 0.3624f << QStringLiteral(" 0.362") << 6 << 0;
    // Exact ties go to the even digit, as printf rounds them.
    QTest::newRow("a tie rounds down to even") << 0.5625f << QStringLiteral(" 0.562") << 6 << 0;
    QTest::newRow("a negative tie rounds down to even") << -0.8125f << minus + "0.812" << 6 << 0;
    QTest::newRow("a tie rounds up to even") << 0.1875f << QStringLiteral(" 0.188") << 6 << 0;
    QTest::newRow("not a number takes the space") << nan << QStringLiteral(" nan") << 4 << 0;
}

void TestTextAttributes::valueText()
{
    QFETCH(float, value);
    QFETCH(QString, text);
    QFETCH(int, length);
    QFETCH(int, radicand);

    // Colour, size and kern all distinct from the defaults, so that a lost attribute shows.
    const TextAttributes a = m_view.fontAttributeWithSize(20, 2, 1.5f);
    const StyledText t = m_view.displayedValue(value, a);

    QCOMPARE(t.string(), text);
    // The sign prefix is always one character, before six of a surd, three of one half or five
    // of a decimal.
    QCOMPARE(t.length(), length);

    QVERIFY(t.attributesAt(0) == a);
    if (radicand == 0) {
        for (int i = 1; i < t.length(); ++i)
            QVERIFY2(t.attributesAt(i) == a, qPrintable(QString::number(i)));
    } else {
        // The surd keeps its own runs: compared with a surd text built alone.
        const StyledText s = m_view.squareRootOf(radicand, a);
        for (int i = 1; i < t.length(); ++i)
            QVERIFY2(t.attributesAt(i) == s.attributesAt(i - 1), qPrintable(QString::number(i)));
    }
}

void TestTextAttributes::surdText_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("text");

    QTest::newRow("two builds root two") << 2 << 12 << surd('2');
    QTest::newRow("three builds root three") << 3 << 12 << surd('3');
    QTest::newRow("five builds root three") << 5 << 12 << surd('3');
    QTest::newRow("zero builds root three") << 0 << 12 << surd('3');
    QTest::newRow("negative two builds root three") << -2 << 12 << surd('3');
    QTest::newRow("root two in the smallest font") << 2 << 9 << surd('2');
    QTest::newRow("root three in a large font") << 3 << 40 << surd('3');
}

void TestTextAttributes::surdText()
{
    QFETCH(int, n);
    QFETCH(int, size);
    QFETCH(QString, text);

    const TextAttributes a = m_view.fontAttributeWithSize(size, 3, 2.5f);
    const StyledText s = m_view.squareRootOf(n, a);
    QCOMPARE(s.string(), text);
    QCOMPARE(s.length(), 6);

    TextAttributes fontOnly;
    fontOnly.font = a.font;
    const Size dash = sizeWithAttributes(QString::fromUtf8("\u2014"), fontOnly);
    QVERIFY(dash.width > 0.0f && dash.height > 0.0f);
    const double w = dash.width;
    const double h = dash.height;

    const std::optional<float> kerns[6] = { float(-0.01 * h), float(-0.65 * h), std::nullopt,
                                            std::nullopt,     std::nullopt,     std::nullopt };
    const std::optional<float> raises[6] = { std::nullopt, float(0.62 * w), std::nullopt,
                                             std::nullopt, float(0.2 * w),  std::nullopt };

    for (int i = 0; i < 6; ++i) {
        const TextAttributes c = s.attributesAt(i);
        const QByteArray where = "at index " + QByteArray::number(i);
        QVERIFY2(c.font == a.font, where);
        QVERIFY2(c.color == a.color, where);
        // The kern passed in applies nowhere in the surd.
        QVERIFY2(c.kern.has_value() == kerns[i].has_value(), where);
        if (kerns[i])
            QVERIFY2(bitsOf(*c.kern) == bitsOf(*kerns[i]),
                     where + ": kern " + QByteArray::number(*c.kern, 'g', 9));
        QVERIFY2(c.baselineOffset.has_value() == raises[i].has_value(), where);
        if (raises[i])
            QVERIFY2(bitsOf(*c.baselineOffset) == bitsOf(*raises[i]),
                     where + ": offset " + QByteArray::number(*c.baselineOffset, 'g', 9));
    }
}

void TestTextAttributes::surdOffsetsScaleWithTheFont()
{
    // Measured in the caller's font, not in some default one: four times the size, about four
    // times the raise and the pull-back (the measured metrics are whole or nearly whole pixels).
    const StyledText small = m_view.squareRootOf(2, m_view.fontAttributeWithSize(10, 0, 0.0f));
    const StyledText large = m_view.squareRootOf(2, m_view.fontAttributeWithSize(40, 0, 0.0f));
    const double raiseRatio = double(*large.attributesAt(1).baselineOffset)
        / double(*small.attributesAt(1).baselineOffset);
    const double kernRatio
        = double(*large.attributesAt(1).kern) / double(*small.attributesAt(1).kern);
    QVERIFY2(raiseRatio > 3.5 && raiseRatio < 4.5, qPrintable(QString::number(raiseRatio)));
    QVERIFY2(kernRatio > 3.5 && kernRatio < 4.5, qPrintable(QString::number(kernRatio)));
    QVERIFY(*small.attributesAt(1).baselineOffset > 0.0f);
    QVERIFY(*small.attributesAt(1).kern < 0.0f);
}

void TestTextAttributes::logLines_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<int>("lines");

    QTest::newRow("root three over two logs once") << 0.8660254f << 1;
    QTest::newRow("minus root two over two logs once") << -0.7071068f << 1;
    QTest::newRow("one half logs nothing") << 0.5f << 0;
    QTest::newRow("a decimal value logs nothing") << 0.362f << 0;
    QTest::newRow("zero logs nothing") << 0.0f << 0;
}

void TestTextAttributes::logLines()
{
    QFETCH(float, value);
    QFETCH(int, lines);

    const TextAttributes a = m_view.fontAttributeWithSize(12, 0, 0.0f);
    surdLines = 0;
    m_view.displayedValue(value, a);
    QCOMPARE(surdLines, lines);

    surdLines = 0;
    m_view.squareRootOf(2, a);
    m_view.squareRootOf(3, a);
    QCOMPARE(surdLines, 2);
}

void TestTextAttributes::surdLogLineReportsTheMeasuredDash()
{
    const TextAttributes a = m_view.fontAttributeWithSize(30, 5, 0.0f);
    TextAttributes fontOnly;
    fontOnly.font = a.font;
    const Size dash = sizeWithAttributes(QString::fromUtf8("\u2014"), fontOnly);

    surdMessages.clear();
    m_view.squareRootOf(3, a);
    QCOMPARE(surdMessages.size(), 1);
    QCOMPARE(surdMessages.first(),
             QString::asprintf("%f x %f", double(dash.width), double(dash.height)));
}

QTEST_MAIN(TestTextAttributes)
#include "tst_text_attributes.moc"
