// Practice that remembers, played on the panels: every answer kept, a missed skill asked again in
// the next round and after a restart, the progress panel naming its level in words, and the
// export counting the answers given.
#include "app/controller.h"
#include "panels/practice_history.h"
#include "panels/practice_panel.h"
#include "panels/progress_panel.h"
#include "view/orbel_view.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr double pi = 3.141592653589793;
using figure::Circular;

// Answers the question being asked: right, or with a wrong button or place.
void answer(PracticePanel &panel, OrbelView &view, bool right)
{
    const practice::Question q = panel.round()[size_t(panel.current())];
    if (q.kind == practice::Kind::Value) {
        const int index = practice::rightAnswer(q);
        panel.answer(right ? index : (index + 1) % int(practice::answersFor(q.function).size()));
    } else {
        view.setTheta(float((q.degrees + (right ? 0 : 90)) * pi / 180.0));
        panel.check();
    }
    panel.next();
}

int indexOf(const std::vector<practice::Question> &round, const mastery::Skill &skill)
{
    for (size_t i = 0; i < round.size(); ++i)
        if (mastery::skillOf(round[i])->index() == skill.index())
            return int(i);
    return -1;
}

} // namespace

class TestProgress : public QObject
{
    Q_OBJECT

private slots:
    void aMissedSkillComesBackAndIsShownAsLearning()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("practice.sqlite"));
        qint64 clock = 1'800'000'000;
        OrbelView view;
        auto history = std::make_unique<PracticeHistory>();
        history->setClock([&clock] { return clock; });
        QVERIFY(history->open(path));
        PracticePanel panel;
        panel.setOrbelView(&view);
        panel.setHistory(history.get());
        panel.show();

        // Three rounds, the first question of the first missed each time it comes back; all
        // else right.
        const mastery::Skill missed = *mastery::skillOf(panel.round().front());
        int given = 0;
        for (int round = 0; round < 3; ++round) {
            const int at = indexOf(panel.round(), missed);
            QVERIFY2(at >= 0, "the missed skill is asked in the next round");
            for (int i = 0; i < practice::questionsPerRound; ++i, ++given, clock += 5)
                answer(panel, view, i != at);
            panel.newRound();
        }
        QCOMPARE(history->answerCount(), given);
        QCOMPARE(history->progress().of(missed).wrong, 3);

        // The program quit and started again: the skill is learning, and asked first.
        history.reset();
        PracticeHistory again;
        again.setClock([&clock] { return clock + 3600; });
        QVERIFY(again.open(path));
        QCOMPARE(again.answerCount(), given);
        PracticePanel next;
        next.setOrbelView(&view);
        next.setHistory(&again);
        QVERIFY(indexOf(next.round(), missed) >= 0);

        ProgressPanel progress;
        progress.setOrbelView(&view);
        progress.setHistory(&again);
        progress.show();
        progress.chooser()->setCurrentIndex(missed.place ? mastery::functionCount
                                                         : int(missed.function));
        const int angle = int(std::find(mastery::standardAngles.begin(),
                                        mastery::standardAngles.end(), missed.degrees)
                              - mastery::standardAngles.begin());
        const QString spoken
            = progress.angles()->item(angle)->data(Qt::AccessibleTextRole).toString();
        QVERIFY2(spoken.endsWith(QStringLiteral(": learning")), qPrintable(spoken));
        QVERIFY2(progress.dueLabel()->accessibleName().contains(progress.skillText(missed).spoken
                                                                + QStringLiteral(": learning")),
                 qPrintable(progress.dueLabel()->accessibleName()));
        QVERIFY(!progress.countsLabel()->accessibleName().isEmpty());
        // While a question hides the angle, the names of the skills due would answer it.
        view.setAngleHidden(true);
        QVERIFY(progress.dueLabel()->isHidden() && progress.angles()->isHidden());
        view.setAngleHidden(false);
        QVERIFY(!progress.dueLabel()->isHidden() && !progress.angles()->isHidden());

        // The teacher's table counts the answers given, line by line.
        Controller controller;
        controller.practiceHistory = &again;
        const QString csv = dir.filePath(QStringLiteral("progress.csv"));
        QVERIFY(controller.exportProgressTo(csv));
        QFile file(csv);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines
            = QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 1 + mastery::skillCount);
        int right = 0, wrong = 0;
        for (const QString &line : lines.mid(1)) {
            const QStringList fields = line.split(QLatin1Char(','));
            QCOMPARE(fields.size(), 6);
            right += fields[3].toInt();
            wrong += fields[4].toInt();
        }
        QCOMPARE(right + wrong, given);
        QCOMPARE(wrong, 3);
    }

    void skillsInWords_data()
    {
        QTest::addColumn<bool>("place");
        QTest::addColumn<int>("function");
        QTest::addColumn<int>("degrees");
        QTest::addColumn<int>("unit");
        QTest::addColumn<int>("rights");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("mastered in radians")
            << false << int(Circular::Sine) << 120 << 0 << 5 << "sine at 2 pi over 3: mastered";
        QTest::newRow("new in degrees")
            << false << int(Circular::Secant) << 240 << 1 << 0 << "secant at 240 degrees: new";
        QTest::newRow("a place, learning")
            << true << 0 << 270 << 0 << 1 << "placing 3 pi over 2: learning";
        QTest::newRow("at 0, familiar")
            << false << int(Circular::Cotangent) << 0 << 0 << 3 << "cotangent at 0: familiar";
    }

    void skillsInWords()
    {
        QFETCH(bool, place);
        QFETCH(int, function);
        QFETCH(int, degrees);
        QFETCH(int, unit);
        QFETCH(int, rights);
        QFETCH(QString, spoken);
        QTemporaryDir dir;
        qint64 clock = 1'800'000'000;
        PracticeHistory history;
        history.setClock([&clock] { return clock; });
        QVERIFY(history.open(dir.filePath(QStringLiteral("practice.sqlite"))));
        const practice::Question q { place ? practice::Kind::Place : practice::Kind::Value,
                                     Circular(function), degrees };
        // Right answers twenty minutes, then a day, two days, four days apart: a box each.
        const qint64 times[] = { 0, 1200, 1200 + 86400, 1200 + 3 * 86400, 1200 + 7 * 86400 };
        for (int i = 0; i < rights; ++i) {
            clock = 1'800'000'000 + times[i];
            history.record(q, QStringLiteral("x"), true);
        }
        OrbelView view;
        view.setAngleUnit(unit);
        ProgressPanel progress;
        progress.setOrbelView(&view);
        progress.setHistory(&history);
        progress.show();
        progress.chooser()->setCurrentIndex(place ? mastery::functionCount : function);
        const int angle
            = int(std::find(mastery::standardAngles.begin(), mastery::standardAngles.end(), degrees)
                  - mastery::standardAngles.begin());
        QCOMPARE(progress.angles()->item(angle)->data(Qt::AccessibleTextRole).toString(), spoken);
        // The same on the circle, for a reader that asks it.
        QVERIFY(progress.circle()->accessibleDescription().contains(spoken));
    }
};

QTEST_MAIN(TestProgress)
#include "tst_progress.moc"
