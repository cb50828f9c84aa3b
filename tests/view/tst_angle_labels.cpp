// Naming and snapping angles: the multiples of pi/n that an angle snaps to, their labels in
// radians and degrees, the decimal labels of angles that match nothing (and are left exactly as
// they were), the sign characters of each unit, and labels under a German locale.
#include "test_support.h"
#include "view/orbel_view.h"

#include <QLocale>
#include <QTest>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

// The float nearest to k pi / n, which is what a snapped angle must hold.
float multipleOfPi(int k, int n)
{
    return float(double(k) * 3.141592653589793 / double(n));
}

const QString minus = QStringLiteral("\u2212");

} // namespace

class TestAngleLabels : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void snapsToStandardAngle_data();
    void snapsToStandardAngle();
    void unmatchedAngleIsLeftAlone_data();
    void unmatchedAngleIsLeftAlone();
    void oneDenominator_data();
    void oneDenominator();
    void unitsOtherThanOneAreRadians_data();
    void unitsOtherThanOneAreRadians();
    void signCharacters();
    void germanLocale_data();
    void germanLocale();
};

void TestAngleLabels::cleanup()
{
    QLocale::setDefault(QLocale::c());
    std::setlocale(LC_ALL, "C");
}

void TestAngleLabels::snapsToStandardAngle_data()
{
    QTest::addColumn<float>("angle");
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("radians");
    QTest::addColumn<QString>("degrees");

    const QString pi = QStringLiteral("\u03c0");
    const QString bar = QStringLiteral("\u2215");

    QTest::newRow("small positive angle to 0") << 0.05f << 0 << 1 << "0"
                                               << "  0\u00b0";
    QTest::newRow("small negative angle to +0, not -0") << -0.05f << 0 << 1 << "0"
                                                        << "  0\u00b0";
    QTest::newRow("just inside the window of 0") << 0.0749f << 0 << 1 << "0"
                                                 << "  0\u00b0";
    QTest::newRow("0.80 to pi/4") << 0.80f << 1 << 4 << pi + bar + "4"
                                  << " 45\u00b0";
    QTest::newRow("0.50 to pi/6") << 0.50f << 1 << 6 << pi + bar + "6"
                                  << " 30\u00b0";
    QTest::newRow("1.0 to pi/3") << 1.0f << 1 << 3 << pi + bar + "3"
                                 << " 60\u00b0";
    QTest::newRow("near pi/2 in lowest terms, not 2pi/4 or 3pi/6")
        << 1.5f << 1 << 2 << pi + bar + "2"
        << " 90\u00b0";
    QTest::newRow("2.10 to 2pi/3") << 2.10f << 2 << 3 << "2" + pi + bar + "3"
                                   << "120\u00b0";
    QTest::newRow("2.40 to 3pi/4") << 2.40f << 3 << 4 << "3" + pi + bar + "4"
                                   << "135\u00b0";
    QTest::newRow("near pi without a fraction bar") << 3.1f << 1 << 1 << pi << "180\u00b0";
    QTest::newRow("3.66 to 7pi/6") << 3.66f << 7 << 6 << "7" + pi + bar + "6"
                                   << "210\u00b0";
    QTest::newRow("3.90 to 5pi/4") << 3.90f << 5 << 4 << "5" + pi + bar + "4"
                                   << "225\u00b0";
    QTest::newRow("4.20 to 4pi/3") << 4.20f << 4 << 3 << "4" + pi + bar + "3"
                                   << "240\u00b0";
    QTest::newRow("4.70 to 3pi/2") << 4.70f << 3 << 2 << "3" + pi + bar + "2"
                                   << "270\u00b0";
    QTest::newRow("5.20 to 5pi/3") << 5.20f << 5 << 3 << "5" + pi + bar + "3"
                                   << "300\u00b0";
    QTest::newRow("5.50 to 7pi/4") << 5.50f << 7 << 4 << "7" + pi + bar + "4"
                                   << "315\u00b0";
    QTest::newRow("5.80 to 11pi/6") << 5.80f << 11 << 6 << "11" + pi + bar + "6"
                                    << "330\u00b0";
    QTest::newRow("6.25 to 2pi") << 6.25f << 2 << 1 << "2" + pi << "360\u00b0";
    QTest::newRow("-0.80 to -pi/4") << -0.80f << -1 << 4 << minus + pi + bar + "4"
                                    << "-45\u00b0";
    QTest::newRow("-1.0 to -pi/3") << -1.0f << -1 << 3 << minus + pi + bar + "3"
                                   << "-60\u00b0";
    QTest::newRow("-2.10 to -2pi/3") << -2.10f << -2 << 3 << minus + "2" + pi + bar + "3"
                                     << "-120\u00b0";
    QTest::newRow("near -pi") << -3.1f << -1 << 1 << minus + pi << "-180\u00b0";
    QTest::newRow("-4.70 to -3pi/2") << -4.70f << -3 << 2 << minus + "3" + pi + bar + "2"
                                     << "-270\u00b0";
    QTest::newRow("-5.80 to -11pi/6") << -5.80f << -11 << 6 << minus + "11" + pi + bar + "6"
                                      << "-330\u00b0";
    QTest::newRow("-6.25 to -2pi") << -6.25f << -2 << 1 << minus + "2" + pi << "-360\u00b0";
}

void TestAngleLabels::snapsToStandardAngle()
{
    QFETCH(float, angle);
    QFETCH(int, k);
    QFETCH(int, n);
    QFETCH(QString, radians);
    QFETCH(QString, degrees);

    OrbelView view;
    float inRadians = angle;
    QCOMPARE(view.normalizeAngle(inRadians), radians);
    COMPARE_BITS(inRadians, multipleOfPi(k, n));

    // Degrees snap the same way, and name the snapped angle in whole degrees.
    view.setAngleUnit(1);
    float inDegrees = angle;
    QCOMPARE(view.normalizeAngle(inDegrees), degrees);
    COMPARE_BITS(inDegrees, multipleOfPi(k, n));
}

void TestAngleLabels::unmatchedAngleIsLeftAlone_data()
{
    QTest::addColumn<float>("angle");
    QTest::addColumn<QString>("radians");
    QTest::addColumn<QString>("degrees");

    QTest::newRow("0.70, between 0 and pi/6") << 0.70f << "0.70"
                                              << " 40\u00b0";
    QTest::newRow("just outside the window of 0") << 0.0751f << "0.08"
                                                  << "  4\u00b0";
    QTest::newRow("just outside the window of -pi/4")
        << float(-0.7853981633974483 - 0.0751) << minus + "0.86"
        << "-49\u00b0";
    QTest::newRow("1.2") << 1.2f << "1.20"
                         << " 69\u00b0";
    QTest::newRow("-1.2 with the minus sign") << -1.2f << minus + "1.20"
                                              << "-69\u00b0";
    QTest::newRow("5.0") << 5.0f << "5.00"
                         << "286\u00b0";
    QTest::newRow("-5.0") << -5.0f << minus + "5.00"
                          << "-286\u00b0";
    QTest::newRow("6.18, short of the window of 2pi") << 6.18f << "6.18"
                                                      << "354\u00b0";
    // printf rounds the exact binary value, and an exact tie to the even digit.
    QTest::newRow("a tie rounds down to the even digit") << 0.625f << "0.62"
                                                         << " 36\u00b0";
    QTest::newRow("another tie rounds down to even") << 1.125f << "1.12"
                                                     << " 64\u00b0";
    QTest::newRow("a negative tie rounds up to even") << -1.375f << minus + "1.38"
                                                      << "-79\u00b0";
    QTest::newRow("a tie rounds up to the even digit") << 0.875f << "0.88"
                                                       << " 50\u00b0";
    QTest::newRow("not a number") << std::numeric_limits<float>::quiet_NaN() << "nan"
                                  << "nan\u00b0";
    QTest::newRow("infinity") << std::numeric_limits<float>::infinity() << "inf"
                              << "inf\u00b0";
}

void TestAngleLabels::unmatchedAngleIsLeftAlone()
{
    QFETCH(float, angle);
    QFETCH(QString, radians);
    QFETCH(QString, degrees);

    OrbelView view;
    for (int n : { 1, 2, 3, 4, 6 }) {
        float x = angle;
        QVERIFY2(view.normalizeAngleWithFraction(x, n).isNull(), QByteArray::number(n));
        COMPARE_BITS(x, angle);
    }

    float inRadians = angle;
    QCOMPARE(view.normalizeAngle(inRadians), radians);
    COMPARE_BITS(inRadians, angle);

    view.setAngleUnit(1);
    float inDegrees = angle;
    QCOMPARE(view.normalizeAngle(inDegrees), degrees);
    COMPARE_BITS(inDegrees, angle);
}

void TestAngleLabels::oneDenominator_data()
{
    QTest::addColumn<float>("angle");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("k");
    QTest::addColumn<QString>("label");

    const QString pi = QStringLiteral("\u03c0");
    const QString bar = QStringLiteral("\u2215");

    // Asked for one denominator, the label is a multiple of pi/n, not reduced.
    QTest::newRow("pi/2 in quarters") << 1.5708f << 4 << 2 << "2" + pi + bar + "4";
    QTest::newRow("pi/2 in sixths") << 1.5708f << 6 << 3 << "3" + pi + bar + "6";
    QTest::newRow("zero in sixths has no fraction bar") << 0.05f << 6 << 0 << "0";
    QTest::newRow("pi/4 in quarters") << 0.8f << 4 << 1 << pi + bar + "4";
    QTest::newRow("-pi/4 in quarters") << -0.8f << 4 << -1 << minus + pi + bar + "4";
    QTest::newRow("-2pi/3 in thirds") << -2.1f << 3 << -2 << minus + "2" + pi + bar + "3";
    QTest::newRow("whole turn in halves") << 6.25f << 2 << 4 << "4" + pi + bar + "2";
    QTest::newRow("pi/4 in halves is nothing") << 0.8f << 2 << 0 << QString();
    QTest::newRow("pi/4 in wholes is nothing") << 0.8f << 1 << 0 << QString();
}

void TestAngleLabels::oneDenominator()
{
    QFETCH(float, angle);
    QFETCH(int, n);
    QFETCH(int, k);
    QFETCH(QString, label);

    OrbelView view;
    float x = angle;
    const QString result = view.normalizeAngleWithFraction(x, n);
    QCOMPARE(result, label);
    QCOMPARE(result.isNull(), label.isNull());
    COMPARE_BITS(x, label.isNull() ? angle : multipleOfPi(k, n));
}

void TestAngleLabels::unitsOtherThanOneAreRadians_data()
{
    QTest::addColumn<int>("unit");

    QTest::newRow("0") << 0;
    QTest::newRow("2") << 2;
    QTest::newRow("-1") << -1;
    QTest::newRow("257, whose low byte is 1") << 257;
}

void TestAngleLabels::unitsOtherThanOneAreRadians()
{
    QFETCH(int, unit);

    OrbelView view;
    view.setAngleUnit(unit);
    float snapped = 0.8f;
    QCOMPARE(view.normalizeAngle(snapped), QStringLiteral("\u03c0\u22154"));
    float plain = -1.2f;
    QCOMPARE(view.normalizeAngle(plain), minus + "1.20");
}

void TestAngleLabels::signCharacters()
{
    OrbelView view;
    const float negatives[] = { -0.3f, -0.8f, -1.2f, -2.1f, -3.1f, -4.7f, -5.0f, -5.8f, -6.25f };
    for (float angle : negatives) {
        float x = angle;
        const QString radians = view.normalizeAngle(x);
        QVERIFY2(radians.startsWith(QChar(0x2212)), qPrintable(radians));
        QVERIFY2(!radians.contains(QLatin1Char('-')), qPrintable(radians));
    }

    view.setAngleUnit(1);
    for (float angle : negatives) {
        float x = angle;
        const QString degrees = view.normalizeAngle(x);
        // Degrees are formatted as numbers, so they carry the ASCII hyphen-minus.
        QVERIFY2(degrees.trimmed().startsWith(QLatin1Char('-')), qPrintable(degrees));
        QVERIFY2(!degrees.contains(QChar(0x2212)), qPrintable(degrees));
        QVERIFY2(degrees.size() >= 4 && degrees.endsWith(QChar(0x00b0)), qPrintable(degrees));
    }
}

void TestAngleLabels::germanLocale_data()
{
    QTest::addColumn<float>("theta");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("label");

    QTest::newRow("decimal radians keep the point") << 0.70f << 0 << "0.70";
    QTest::newRow("negative decimal radians keep the point") << -1.2f << 0 << minus + "1.20";
    QTest::newRow("a set angle of 5.0 keeps the point") << 5.0f << 0 << "5.00";
    QTest::newRow("multiples of pi use plain digits") << 5.8f << 0 << "11\u03c0\u22156";
    QTest::newRow("degrees keep the hyphen-minus") << -4.7f << 1 << "-270\u00b0";
    QTest::newRow("unsnapped degrees") << 1.2f << 1 << " 69\u00b0";
    QTest::newRow("a tie of the decimals rounds to even") << 0.625f << 0 << "0.62";
}

void TestAngleLabels::germanLocale()
{
    QFETCH(float, theta);
    QFETCH(int, unit);
    QFETCH(QString, label);

    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    // The C library's own numeric locale is the other way printf-style formatting could pick up
    // the decimal comma; it is only available where the German locale is installed.
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        qInfo("de_DE.UTF-8 is not installed; only Qt's default locale is German");

    OrbelView view;
    view.setAngleUnit(unit);
    view.setTheta(theta);
    QCOMPARE(view.displayTheta(), label);

    float x = theta;
    QCOMPARE(view.normalizeAngle(x), label);
}

QTEST_MAIN(TestAngleLabels)
#include "tst_angle_labels.moc"
