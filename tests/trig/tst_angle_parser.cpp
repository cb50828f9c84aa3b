// Reading a typed angle: what the reader accepts and what it refuses, in both units.
#include "trig/angle_parser.h"

#include <QtTest>

#include <cmath>

namespace {
constexpr double pi = 3.141592653589793;
} // namespace

class TestAngleParser : public QObject
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
        // Too large for a double, then a fraction of pi: the number is not dropped and pi read.
        QTest::newRow("310 digits before pi/4")
            << QStringLiteral("2") + QString(309, QLatin1Char('0')) + QStringLiteral("pi/4");
        QTest::newRow("310 digits times pi")
            << QStringLiteral("2") + QString(309, QLatin1Char('0')) + QStringLiteral("*pi");
        QTest::newRow("pi over 310 digits")
            << QStringLiteral("pi/2") + QString(309, QLatin1Char('0'));
    }

    void refusesEverythingElse()
    {
        QFETCH(QString, text);
        QVERIFY(!angleinput::parseAngle(text, 0).ok);
        QVERIFY(!angleinput::parseAngle(text, 1).ok);
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
};

QTEST_GUILESS_MAIN(TestAngleParser)
#include "tst_angle_parser.moc"
