// Practice questions: rounds that mix the three kinds of question on the standard angles, the
// answer that is right for a value question of each of the six functions, and a deck that asks
// for every function within three rounds.
#include "trig/practice.h"

#include <QtTest>

#include <set>

namespace {
constexpr double pi = 3.141592653589793;
using figure::Circular;
} // namespace

class TestPracticeQuestions : public QObject
{
    Q_OBJECT

private slots:
    void roundsMixEveryKindOnTheStandardAngles()
    {
        std::set<std::vector<int>> rounds;
        for (unsigned seed = 0; seed < 300; ++seed) {
            std::mt19937 random(seed);
            const std::vector<practice::Question> round = practice::makeRound(random);
            QCOMPARE(int(round.size()), practice::questionsPerRound);
            int kinds[3] = { 0, 0, 0 };
            std::vector<int> key;
            for (const practice::Question &q : round) {
                ++kinds[int(q.kind)];
                key.push_back(q.degrees * 10 + int(q.kind));
                QVERIFY(figure::standardDegreesOf(float(q.degrees * pi / 180.0)));
                QVERIFY(q.degrees > -360 && q.degrees < 360);
                if (q.kind == practice::Kind::Value)
                    QVERIFY(practice::rightAnswer(q) >= 0);
                if (q.kind == practice::Kind::Find) {
                    // One angle of the turn answers it: the other function's sign tells.
                    QVERIFY(q.degrees >= 0);
                    QVERIFY(q.function == Circular::Sine || q.function == Circular::Cosine);
                    const Circular other
                        = q.function == Circular::Sine ? Circular::Cosine : Circular::Sine;
                    const practice::Answer given = practice::valueAt(q.function, q.degrees);
                    const bool negative = practice::valueAt(other, q.degrees).negative;
                    int answering = 0;
                    for (int d = 0; d < 360; d += 15) {
                        const practice::Answer a = practice::valueAt(q.function, d);
                        const practice::Answer o = practice::valueAt(other, d);
                        if (figure::standardDegreesOf(float(d * pi / 180.0))
                            && a.magnitude == given.magnitude && a.negative == given.negative
                            && o.negative == negative && o.magnitude.factor != 0)
                            ++answering;
                    }
                    QCOMPARE(answering, 1);
                }
            }
            for (int n : kinds)
                QVERIFY(n >= 2);
            rounds.insert(key);
        }
        // Every round different, or nearly so.
        QVERIFY(rounds.size() > 290);
    }

    void theRightAnswerButton_data()
    {
        QTest::addColumn<int>("function");
        QTest::addColumn<int>("degrees");
        QTest::addColumn<int>("index");
        QTest::newRow("cos 120 is -1/2") << int(Circular::Cosine) << 120 << 3;
        QTest::newRow("sin 0 is 0") << int(Circular::Sine) << 0 << 4;
        QTest::newRow("sin -90 is -1") << int(Circular::Sine) << -90 << 0;
        QTest::newRow("cos 330 is root 3 over 2") << int(Circular::Cosine) << 330 << 7;
        QTest::newRow("tan -45 is -1") << int(Circular::Tangent) << -45 << 1;
        QTest::newRow("tan 240 is root 3") << int(Circular::Tangent) << 240 << 6;
        QTest::newRow("tan 180 is 0, not minus 0") << int(Circular::Tangent) << 180 << 3;
        QTest::newRow("tan 270 is undefined") << int(Circular::Tangent) << 270 << 7;
        QTest::newRow("cot 90 is 0") << int(Circular::Cotangent) << 90 << 3;
        QTest::newRow("cot 0 is undefined") << int(Circular::Cotangent) << 0 << 7;
        QTest::newRow("cot -150 is root 3") << int(Circular::Cotangent) << -150 << 6;
        QTest::newRow("sec 60 is 2") << int(Circular::Secant) << 60 << 7;
        QTest::newRow("sec 150 is -2 root 3 over 3") << int(Circular::Secant) << 150 << 2;
        QTest::newRow("sec 90 is undefined") << int(Circular::Secant) << 90 << 8;
        QTest::newRow("csc 270 is -1") << int(Circular::Cosecant) << 270 << 3;
        QTest::newRow("csc -45 is -root 2") << int(Circular::Cosecant) << -45 << 1;
        QTest::newRow("csc 180 is undefined") << int(Circular::Cosecant) << 180 << 8;
    }

    void theRightAnswerButton()
    {
        QFETCH(int, function);
        QFETCH(int, degrees);
        QFETCH(int, index);
        practice::Question q { practice::Kind::Value, Circular(function), degrees };
        QCOMPARE(practice::rightAnswer(q), index);
    }

    // Three rounds dealt from one deck ask for every one of the six functions.
    void everyFunctionWithinThreeRounds()
    {
        for (unsigned seed = 0; seed < 200; ++seed) {
            std::mt19937 random(seed);
            practice::FunctionDeck deck;
            std::set<int> asked;
            for (int round = 0; round < 3; ++round)
                for (const practice::Question &q : practice::makeRound(random, &deck))
                    if (q.kind == practice::Kind::Value)
                        asked.insert(int(q.function));
            QCOMPARE(int(asked.size()), 6);
        }
    }
};

QTEST_GUILESS_MAIN(TestPracticeQuestions)
#include "tst_practice_questions.moc"
