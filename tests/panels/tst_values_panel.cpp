// The values panel: the six functions exact at the standard angles and "undefined" where they
// have no value, three decimals elsewhere, the quadrant and the reference angle in the unit
// shown, each line with its words for a screen reader; it follows the view's angle and unit.
#include "panels/values_panel.h"
#include "test_support.h"
#include "view/orbel_view.h"

#include <QLabel>
#include <QTextDocument>
#include <QtTest>

namespace {
constexpr double pi = 3.141592653589793;
}

class TestValuesPanel : public QObject
{
    Q_OBJECT

private slots:
    void linesInWords_data()
    {
        QTest::addColumn<float>("theta");
        QTest::addColumn<int>("unit");
        QTest::addColumn<QStringList>("spoken");

        QTest::newRow("a third of a half turn")
            << float(pi / 3) << 0
            << QStringList { "sine root 3 over 2", "cosine 1 over 2",
                             "tangent root 3",     "cotangent root 3 over 3",
                             "secant 2",           "cosecant 2 root 3 over 3",
                             "quadrant 1",         "reference angle pi over 3" };
        QTest::newRow("a quarter turn")
            << float(pi / 2) << 0 << QStringList { "sine 1",
                                                   "cosine 0",
                                                   "tangent undefined",
                                                   "cotangent 0",
                                                   "secant undefined",
                                                   "cosecant 1",
                                                   "On the positive y axis",
                                                   "reference angle pi over 2" };
        QTest::newRow("the second quadrant")
            << float(2 * pi / 3) << 0
            << QStringList { "sine root 3 over 2",   "cosine minus 1 over 2",
                             "tangent minus root 3", "cotangent minus root 3 over 3",
                             "secant minus 2",       "cosecant 2 root 3 over 3",
                             "quadrant 2",           "reference angle pi over 3" };
        QTest::newRow("the third quadrant, in degrees")
            << float(7 * pi / 6) << 1
            << QStringList {
                   "sine minus 1 over 2", "cosine minus root 3 over 2",   "tangent root 3 over 3",
                   "cotangent root 3",    "secant minus 2 root 3 over 3", "cosecant minus 2",
                   "quadrant 3",          "reference angle 30 degrees"
               };
        QTest::newRow("a negative angle") << float(-pi / 4) << 0
                                          << QStringList { "sine minus root 2 over 2",
                                                           "cosine root 2 over 2",
                                                           "tangent minus 1",
                                                           "cotangent minus 1",
                                                           "secant root 2",
                                                           "cosecant minus root 2",
                                                           "quadrant 4",
                                                           "reference angle pi over 4" };
        QTest::newRow("zero") << 0.0f << 1
                              << QStringList { "sine 0",
                                               "cosine 1",
                                               "tangent 0",
                                               "cotangent undefined",
                                               "secant 1",
                                               "cosecant undefined",
                                               "On the positive x axis",
                                               "reference angle 0 degrees" };
        QTest::newRow("a half turn below") << float(-pi) << 0
                                           << QStringList { "sine 0",
                                                            "cosine minus 1",
                                                            "tangent 0",
                                                            "cotangent undefined",
                                                            "secant minus 1",
                                                            "cosecant undefined",
                                                            "On the negative x axis",
                                                            "reference angle 0" };
        QTest::newRow("no standard angle")
            << 2.5f << 0 << QStringList { "sine 0.598",          "cosine minus 0.801",
                                          "tangent minus 0.747", "cotangent minus 1.339",
                                          "secant minus 1.248",  "cosecant 1.671",
                                          "quadrant 2",          "reference angle 0.64 radians" };
    }

    void linesInWords()
    {
        QFETCH(float, theta);
        QFETCH(int, unit);
        QFETCH(QStringList, spoken);
        OrbelView view;
        ValuesPanel panel;
        panel.setOrbelView(&view);
        panel.show();
        view.setAngleUnit(unit);
        view.setTheta(theta);
        QStringList names;
        for (QLabel *line : panel.lines()) {
            names << line->accessibleName();
            for (const QChar symbol :
                 { QChar(0x2215), QChar(0x2212), QChar(0x221a), QChar(0x03c0) })
                QVERIFY2(!line->accessibleName().contains(symbol),
                         qPrintable(line->accessibleName()));
        }
        QCOMPARE(names, spoken);
    }

    void linesInTheFiguresNotation()
    {
        OrbelView view;
        ValuesPanel panel;
        panel.setOrbelView(&view);
        panel.show();
        view.setTheta(float(2 * pi / 3));
        const auto plain = [](QLabel *label) {
            QTextDocument document;
            document.setHtml(label->text());
            return document.toPlainText();
        };
        QCOMPARE(plain(panel.lines().at(4)), QString::fromUtf8("sec \u03b8 = \u22122"));
        QCOMPARE(plain(panel.lines().at(5)), QString::fromUtf8("csc \u03b8 = 2\u221a3\u22153"));
        QCOMPARE(plain(panel.lines().at(6)), QStringLiteral("Quadrant II"));
        QCOMPARE(plain(panel.lines().at(7)), QString::fromUtf8("Reference angle \u03c0\u22153"));
        // The unit follows the view.
        view.setAngleUnit(1);
        QCOMPARE(plain(panel.lines().at(7)), QString::fromUtf8("Reference angle 60\u00b0"));
    }
};

QTEST_MAIN(TestValuesPanel)
#include "tst_values_panel.moc"
