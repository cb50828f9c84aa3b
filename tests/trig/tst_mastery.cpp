// Mastery across days: the levels a run of answers leads to and when a skill is due again, and
// rounds that ask first what was missed.
#include "trig/mastery.h"

#include <QtTest>

#include <set>

namespace {
using figure::Circular;
using mastery::Level;
constexpr qint64 minute = 60;
constexpr qint64 hour = 60 * minute;
constexpr qint64 day = 24 * hour;
constexpr qint64 start = 1'800'000'000; // some time in 2027
} // namespace

Q_DECLARE_METATYPE(mastery::Level)

class TestMastery : public QObject
{
    Q_OBJECT

private slots:
    void levelsFollowAnswersSpreadOverTime_data()
    {
        // Each answer is "+" (right) or "-" (missed) at a number of minutes after the start.
        QTest::addColumn<QString>("answers");
        QTest::addColumn<Level>("level");
        QTest::addColumn<qint64>("dueAfterLast");
        QTest::newRow("never answered") << "" << Level::New << qint64(0);
        QTest::newRow("one right answer is a start") << "+0" << Level::Learning << 10 * minute;
        QTest::newRow("right five times in one sitting is still learning")
            << "+0 +20 +40 +60 +80" << Level::Learning << day - 60 * minute;
        QTest::newRow("right again at once does not count")
            << "+0 +5" << Level::Learning << 5 * minute;
        QTest::newRow("right on the next day is familiar")
            << "+0 +20 +1460" << Level::Familiar << 2 * day;
        QTest::newRow("early answers do not count")
            << "+0 +20 +740 +1400" << Level::Learning << 60 * minute;
        QTest::newRow("right over a week is mastered")
            << "+0 +20 +1460 +4340 +10100" << Level::Mastered << 8 * day;
        QTest::newRow("a miss of a mastered skill drops it to learning, due at once")
            << "+0 +20 +1460 +4340 +10100 -24000" << Level::Learning << qint64(0);
        QTest::newRow("mastered and checked again stays mastered")
            << "+0 +20 +1460 +4340 +10100 +21620" << Level::Mastered << 8 * day;
        QTest::newRow("three misses are learning") << "-0 -0 -1" << Level::Learning << qint64(0);
        QTest::newRow("rising again after a miss")
            << "+0 +20 +1460 -1800 +1800 +1801 +3300" << Level::Familiar << 2 * day;
    }

    void levelsFollowAnswersSpreadOverTime()
    {
        QFETCH(QString, answers);
        QFETCH(Level, level);
        QFETCH(qint64, dueAfterLast);
        mastery::SkillState s;
        int right = 0, wrong = 0;
        for (const QString &answer : answers.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const bool ok = answer.startsWith(QLatin1Char('+'));
            (ok ? right : wrong)++;
            s = mastery::answered(s, ok, start + answer.mid(1).toLongLong() * minute);
        }
        QCOMPARE(s.level(), level);
        QCOMPARE(s.right, right);
        QCOMPARE(s.wrong, wrong);
        if (s.box > 0) {
            QCOMPARE(s.due - s.last, dueAfterLast);
            QVERIFY(s.isDue(s.due));
            QVERIFY(s.due == s.last || !s.isDue(s.due - 1));
        } else {
            QVERIFY(!s.isDue(start));
        }
    }

    void aNegativeFormAndAFindPractiseTheSameSkill()
    {
        const auto value = mastery::skillOf({ practice::Kind::Value, Circular::Secant, -120 });
        QVERIFY(value);
        QCOMPARE(value->index(), (mastery::Skill { false, Circular::Secant, 240 }).index());
        const auto find = mastery::skillOf({ practice::Kind::Find, Circular::Cosine, 135 });
        const auto place = mastery::skillOf({ practice::Kind::Place, Circular::Sine, -225 });
        QVERIFY(find && place);
        QCOMPARE(find->index(), place->index());
        QVERIFY(!mastery::skillOf({ practice::Kind::Value, Circular::Sine, 20 }));
    }

    void theNextRoundAsksWhatWasMissed_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("function");
        QTest::addColumn<int>("degrees");
        QTest::newRow("the secant at 4π∕3") << 0 << int(Circular::Secant) << 240;
        QTest::newRow("the cotangent at −π∕2") << 0 << int(Circular::Cotangent) << -90;
        QTest::newRow("placing 7π∕4") << 1 << 0 << 315;
        QTest::newRow("finding 5π∕6") << 2 << int(Circular::Sine) << 150;
    }

    void theNextRoundAsksWhatWasMissed()
    {
        QFETCH(int, kind);
        QFETCH(int, function);
        QFETCH(int, degrees);
        const practice::Question missed { practice::Kind(kind), Circular(function), degrees };
        const mastery::Skill skill = *mastery::skillOf(missed);
        // A week of practice behind: many skills learnt, some mastered, and the one missed.
        std::vector<mastery::Attempt> history;
        for (int i = 0; i < mastery::skillCount; i += 2)
            for (qint64 t : { qint64(0), 20 * minute, 20 * minute + day, 20 * minute + 3 * day,
                              20 * minute + 7 * day })
                history.push_back({ start + t,
                                    practice::Question { mastery::Skill::fromIndex(i).place
                                                             ? practice::Kind::Place
                                                             : practice::Kind::Value,
                                                         mastery::Skill::fromIndex(i).function,
                                                         mastery::Skill::fromIndex(i).degrees },
                                    true });
        for (int miss = 0; miss < 3; ++miss)
            history.push_back({ start + 7 * day + miss, missed, false });
        const mastery::Progress progress(history);
        QCOMPARE(progress.of(skill).level(), Level::Learning);

        for (unsigned seed = 0; seed < 50; ++seed) {
            std::mt19937 random(seed);
            const qint64 now = start + 7 * day + hour;
            const auto round = mastery::drawRound(progress, now, random);
            QCOMPARE(int(round.size()), practice::questionsPerRound);
            bool asked = false;
            int mastered = 0, fresh = 0;
            std::set<int> skills;
            for (const practice::Question &q : round) {
                const auto s = mastery::skillOf(q);
                QVERIFY(s);
                QVERIFY2(skills.insert(s->index()).second, "no skill twice in a round");
                asked = asked || s->index() == skill.index();
                const Level level = progress.of(*s).level();
                mastered += level == Level::Mastered;
                fresh += level == Level::New;
            }
            QVERIFY2(asked, "the missed skill comes back in the next round");
            // Then the new ones, and a few of the learnt ones to find what is forgotten.
            QVERIFY(fresh >= 6);
            QVERIFY(mastered >= 1 && mastered <= 3);
        }
    }

    void aFirstRoundMixesKindsAndFunctions()
    {
        // With nothing learnt every skill is new: the round still moves the point, and the
        // deal of functions brings all six within three rounds.
        const mastery::Progress nothing;
        std::mt19937 random(3);
        mastery::FunctionDeal deal;
        std::set<int> functions;
        for (int r = 0; r < 3; ++r) {
            const auto round = mastery::drawRound(nothing, start, random, &deal);
            int kinds[3] = { 0, 0, 0 };
            for (const practice::Question &q : round) {
                ++kinds[int(q.kind)];
                if (q.kind == practice::Kind::Value)
                    functions.insert(int(q.function));
                if (q.kind == practice::Kind::Find) {
                    const Circular other
                        = q.function == Circular::Sine ? Circular::Cosine : Circular::Sine;
                    const auto sign = practice::valueAt(other, q.degrees);
                    QVERIFY2(sign.magnitude.factor != 0, "the other function's sign tells");
                }
            }
            QVERIFY(kinds[0] >= 5);
            QVERIFY(kinds[1] >= 2);
            QVERIFY(kinds[2] >= 2);
        }
        QCOMPARE(int(functions.size()), 6);
        // Asked for fewer functions, the round keeps to them.
        for (const practice::Question &q : mastery::drawRound(nothing, start, random, &deal, 3))
            QVERIFY(q.kind != practice::Kind::Value || int(q.function) < 3);
    }
};

QTEST_APPLESS_MAIN(TestMastery)
#include "tst_mastery.moc"
