// Practice questions: rounds that mix the three kinds of question on the standard angles, and the
// answer that is right for a value question.
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
    }

    void theRightAnswerButton()
    {
        QFETCH(int, function);
        QFETCH(int, degrees);
        QFETCH(int, index);
        practice::Question q { practice::Kind::Value, Circular(function), degrees };
        QCOMPARE(practice::rightAnswer(q), index);
    }
};

QTEST_GUILESS_MAIN(TestPracticeQuestions)
#include "tst_practice_questions.moc"
