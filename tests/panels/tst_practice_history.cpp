// The practice history on disk: answers that survive a killed process, a file that cannot be used
// left as it is (or kept aside when damaged), the user told once, and the mastery read back.
#include "panels/practice_history.h"

#include "panels/history_database.h"
#include "platform/modules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>

namespace {

using figure::Circular;

// Opens a second connection of the test's own on path.
struct Peek
{
    explicit Peek(const QString &path)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=100"));
        db.open();
    }
    ~Peek()
    {
        QSqlDatabase::database(name, false).close();
        QSqlDatabase::removeDatabase(name);
    }
    QVariant one(const QString &sql) const
    {
        QSqlQuery q(QSqlDatabase::database(name, false));
        return q.exec(sql) && q.next() ? q.value(0) : QVariant();
    }
    bool exec(const QString &sql) const
    {
        QSqlQuery q(QSqlDatabase::database(name, false));
        return q.exec(sql);
    }
    QString name = QStringLiteral("peek");
};

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// The child of the killed-process test: answers as fast as it can, saying each one kept.
int answerUntilKilled(const QString &path)
{
    PracticeHistory history;
    if (!history.open(path))
        return 2;
    for (int n = 1;; ++n) {
        const practice::Question q { practice::Kind::Value, Circular(n % 6), 30 * (n % 12) };
        if (!history.record(q, QStringLiteral("1/2"), n % 3 == 0))
            return 3;
        std::printf("kept %d\n", n);
        std::fflush(stdout);
    }
}

} // namespace

class TestPracticeHistory : public QObject
{
    Q_OBJECT

private slots:
    void answersAreKeptAndReadBack()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("data/unitcircle/practice.sqlite"));
        qint64 clock = 1'800'000'000;
        {
            PracticeHistory history;
            history.setClock([&clock] { return clock; });
            QSignalSpy told(&history, &PracticeHistory::problem);
            QVERIFY(history.open(path));
            // Nothing is made before the first answer.
            QVERIFY(!QFileInfo::exists(QFileInfo(path).absolutePath()));
            const practice::Question missed { practice::Kind::Value, Circular::Secant, -120 };
            for (int i = 0; i < 3; ++i, ++clock)
                QVERIFY(history.record(missed, QStringLiteral("-1/2"), false));
            QVERIFY(history.record({ practice::Kind::Find, Circular::Cosine, 135 },
                                   QStringLiteral("135"), true));
            QCOMPARE(told.count(), 0);
        }
        Peek peek(path);
        QCOMPARE(peek.one(QStringLiteral("PRAGMA user_version")).toInt(),
                 PracticeHistory::schemaVersion);
        QCOMPARE(peek.one(QStringLiteral("SELECT count(*) FROM answers")).toInt(), 4);
        QCOMPARE(peek.one(QStringLiteral("SELECT given FROM answers WHERE id = 1")).toString(),
                 QStringLiteral("-1/2"));
        QCOMPARE(peek.one(QStringLiteral("SELECT function FROM answers WHERE id = 2")).toString(),
                 QStringLiteral("sec"));
        QCOMPARE(peek.one(QStringLiteral("SELECT time FROM answers WHERE id = 3")).toLongLong(),
                 1'800'000'002);

        // The next start reads the mastery back: the secant at 4π∕3 (−2π∕3) is being learnt.
        PracticeHistory again;
        QVERIFY(again.open(path));
        QCOMPARE(again.answerCount(), 4);
        const mastery::SkillState &secant
            = again.progress().of(mastery::Skill { false, Circular::Secant, 240 });
        QCOMPARE(secant.level(), mastery::Level::Learning);
        QCOMPARE(secant.wrong, 3);
        QCOMPARE(again.progress().of(mastery::Skill { true, Circular::Sine, 135 }).right, 1);
        QVERIFY(again.reset());
        QCOMPARE(peek.one(QStringLiteral("SELECT count(*) FROM answers")).toInt(), 0);
    }

    // A history read later (the program's start) is read before anything uses it: an answer is
    // kept beside those of earlier runs, what is known is what the file holds, and a reset
    // clears the file, not only this run's memory.
    void aHistoryReadLaterIsReadAtItsFirstUse_data()
    {
        QTest::addColumn<std::function<void(PracticeHistory &)>>("use");
        QTest::addColumn<int>("rowsAfter");
        QTest::addColumn<int>("knownAfter");
        const practice::Question q { practice::Kind::Value, Circular::Cosine, 60 };
        QTest::newRow("an answer") << std::function<void(PracticeHistory &)>(
            [q](PracticeHistory &h) { h.record(q, QStringLiteral("1/2"), true); })
                                   << 3 << 3;
        QTest::newRow("what is known")
            << std::function<void(PracticeHistory &)>([](PracticeHistory &h) { h.progress(); }) << 2
            << 2;
        QTest::newRow("a reset") << std::function<void(PracticeHistory &)>([](PracticeHistory &h) {
            QVERIFY(h.reset());
        }) << 0 << 0;
        QTest::newRow("the end of the start")
            << std::function<void(PracticeHistory &)>([](PracticeHistory &h) { h.ensureOpen(); })
            << 2 << 2;
    }

    void aHistoryReadLaterIsReadAtItsFirstUse()
    {
        QFETCH(std::function<void(PracticeHistory &)>, use);
        QFETCH(int, rowsAfter);
        QFETCH(int, knownAfter);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("practice.sqlite"));
        {
            PracticeHistory earlier;
            QVERIFY(earlier.open(path));
            for (int degrees : { 30, 45 })
                QVERIFY(earlier.record({ practice::Kind::Value, Circular::Sine, degrees },
                                       QStringLiteral("1/2"), false));
        }
        PracticeHistory later;
        QSignalSpy opened(&later, &PracticeHistory::opened);
        later.openLater(path);
        QVERIFY(later.isPending());
        QCOMPARE(later.path(), path);
        QCOMPARE(opened.count(), 0);
        use(later);
        QCOMPARE(opened.count(), 1);
        QVERIFY(!later.isPending());
        QCOMPARE(later.answerCount(), knownAfter);
        Peek peek(path);
        QCOMPARE(peek.one(QStringLiteral("SELECT count(*) FROM answers")).toInt(), rowsAfter);
    }

    void aKilledProgramLosesAtMostTheAnswerInFlight()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("practice.sqlite"));
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    { QStringLiteral("--answer-until-killed"), path });
        QVERIFY(child.waitForStarted());
        int kept = 0;
        QByteArray pending;
        while (kept < 40 && child.waitForReadyRead(10000)) {
            pending += child.readAllStandardOutput();
            const int end = pending.lastIndexOf('\n');
            if (end < 0)
                continue;
            const QList<QByteArray> lines = pending.left(end).split('\n');
            kept = lines.last().mid(5).toInt();
            pending = pending.mid(end + 1);
        }
        QVERIFY2(kept >= 40, "the child keeps answers");
        child.kill(); // SIGKILL: no destructor, no close, mid-transaction or not
        QVERIFY(child.waitForFinished(10000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        // Read the last lines said before the kill, too.
        pending += child.readAllStandardOutput();
        for (const QByteArray &line : pending.split('\n'))
            if (line.startsWith("kept "))
                kept = std::max(kept, line.mid(5).toInt());

        PracticeHistory history;
        QSignalSpy told(&history, &PracticeHistory::problem);
        QVERIFY(history.open(path));
        QCOMPARE(told.count(), 0);
        // Every answer said to be kept is there; at most the one in flight beyond them.
        QVERIFY2(
            history.answerCount() >= kept && history.answerCount() <= kept + 1,
            qPrintable(QStringLiteral("%1 rows, %2 kept").arg(history.answerCount()).arg(kept)));
        Peek peek(path);
        QCOMPARE(peek.one(QStringLiteral("PRAGMA integrity_check")).toString(),
                 QStringLiteral("ok"));
    }

    void aFileThatCannotBeUsedIsNotOverwritten_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<bool>("keptAside");
        QTest::addColumn<QString>("said");
        QTest::newRow("random bytes") << "random" << true << "damaged";
        QTest::newRow("a truncated database") << "truncated" << true << "damaged";
        QTest::newRow("another program's database") << "foreign" << true << "damaged";
        QTest::newRow("written by a newer version") << "newer" << false << "newer version";
        QTest::newRow("locked by another program") << "locked" << false << "in use";
    }

    void aFileThatCannotBeUsedIsNotOverwritten()
    {
        QFETCH(QString, what);
        QFETCH(bool, keptAside);
        QFETCH(QString, said);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("practice.sqlite"));
        std::unique_ptr<Peek> holder;
        if (what == QLatin1String("random")) {
            QByteArray bytes(8192, '\0');
            QRandomGenerator generator(31);
            for (char &c : bytes)
                c = char(generator.bounded(256));
            write(path, bytes);
        } else if (what == QLatin1String("truncated")) {
            {
                PracticeHistory full;
                QVERIFY(full.open(path));
                for (int i = 0; i < 300; ++i)
                    full.record({ practice::Kind::Place, Circular::Sine, 30 }, QStringLiteral("30"),
                                true);
            }
            write(path, contents(path).left(6000));
        } else {
            holder = std::make_unique<Peek>(path);
            if (what == QLatin1String("foreign")) {
                QVERIFY(holder->exec(QStringLiteral("CREATE TABLE grades (mark INTEGER)")));
                holder.reset();
            } else if (what == QLatin1String("newer")) {
                QVERIFY(holder->exec(QStringLiteral("CREATE TABLE answers (x)")));
                QVERIFY(holder->exec(QStringLiteral("PRAGMA user_version = 2")));
                holder.reset();
            } else {
                QVERIFY(holder->exec(QStringLiteral("CREATE TABLE answers (x)")));
                QVERIFY(holder->exec(QStringLiteral("PRAGMA user_version = 1")));
                QVERIFY(holder->exec(QStringLiteral("BEGIN EXCLUSIVE")));
            }
        }
        const QByteArray before = contents(path);

        PracticeHistory history;
        QSignalSpy told(&history, &PracticeHistory::problem);
        const bool recording = history.open(path);
        // Practice goes on: answers still count for the rounds, kept or not.
        const practice::Question q { practice::Kind::Value, Circular::Cosine, 60 };
        history.record(q, QStringLiteral("1/2"), true);
        history.record(q, QStringLiteral("1/2"), true);
        QCOMPARE(history.progress().of(*mastery::skillOf(q)).right, 2);
        QCOMPARE(told.count(), 1);
        const QString details = told.first().at(1).toString();
        QVERIFY2(told.first().at(0).toString().contains(said),
                 qPrintable(told.first().at(0).toString()));
        QVERIFY2(details.contains(QDir::toNativeSeparators(path)), qPrintable(details));

        if (keptAside) {
            // The damaged file beside a new history, whole, under a name that says so.
            QVERIFY(recording);
            const QString aside = history.damagedCopy();
            QVERIFY2(
                QFileInfo(aside).fileName().startsWith(QStringLiteral("practice.sqlite.damaged-")),
                qPrintable(aside));
            QCOMPARE(QFileInfo(aside).dir(), QFileInfo(path).dir());
            QCOMPARE(contents(aside), before);
            QVERIFY(details.contains(QDir::toNativeSeparators(aside)));
            Peek peek(path);
            QCOMPARE(peek.one(QStringLiteral("SELECT count(*) FROM answers")).toInt(), 2);
        } else {
            QVERIFY(!recording);
            QVERIFY(history.damagedCopy().isEmpty());
            // A reset cannot clear what it could not open: it says so, and forgets nothing.
            QVERIFY(!history.reset());
            QCOMPARE(history.progress().of(*mastery::skillOf(q)).right, 2);
            holder.reset();
            QCOMPARE(contents(path), before);
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList { "practice.sqlite" });
        }
    }

    void aLockDuringPracticeIsToldOnceAndPassesOver()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("practice.sqlite"));
        PracticeHistory history;
        QSignalSpy told(&history, &PracticeHistory::problem);
        QVERIFY(history.open(path));
        const practice::Question q { practice::Kind::Place, Circular::Sine, 210 };
        QVERIFY(history.record(q, QStringLiteral("210"), true));
        {
            // Another program takes the file for a while.
            Peek other(path);
            QVERIFY(other.exec(QStringLiteral("BEGIN EXCLUSIVE")));
            QVERIFY(!history.record(q, QStringLiteral("30"), false));
            QVERIFY(!history.record(q, QStringLiteral("30"), false));
            QCOMPARE(told.count(), 1);
            QVERIFY(told.first().at(0).toString().contains(QStringLiteral("could not be kept")));
            other.exec(QStringLiteral("ROLLBACK"));
        }
        // The mastery counted all three; the file keeps what it could, and takes answers again.
        QCOMPARE(history.progress().of(*mastery::skillOf(q)).wrong, 2);
        QVERIFY(history.record(q, QStringLiteral("210"), true));
        QCOMPARE(told.count(), 1);
        PracticeHistory again;
        QVERIFY(again.open(path));
        QCOMPARE(again.answerCount(), 2);
    }

    // The program opens its history through the module it loads, not the code the tests link:
    // that file, as built, keeps an answer in the file and gives it back, and says why SQLite
    // refused a statement.
    void theProgramsModuleKeepsAnAnswer()
    {
        const QString name = QStringLiteral("unitcircle-history.so");
        const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(name);
        QFile::remove(beside);
        QVERIFY(
            QFile::copy(QStringLiteral(UNITCIRCLE_BINARY_DIR "/unitcircle-history.so"), beside));
        const auto removeAfter = qScopeGuard([&] { QFile::remove(beside); });
        QString error;
        using Entry = HistoryDatabase *(*)();
        const auto entry = reinterpret_cast<Entry>(
            platform::moduleFunction(name, "unitcircle_history_database", &error));
        QVERIFY2(entry, qPrintable(error));

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("practice.sqlite"));
        {
            std::unique_ptr<HistoryDatabase> db(entry());
            QVERIFY(db->open(path, 100));
            QVERIFY(db->exec(QStringLiteral("CREATE TABLE t (a INTEGER, b TEXT)")));
            QVERIFY(db->transaction());
            QVERIFY(db->exec(QStringLiteral("INSERT INTO t VALUES (?, ?)"), { 42, QVariant() }));
            QVERIFY(db->commit());
            std::vector<QVariantList> rows;
            QVERIFY(db->exec(QStringLiteral("SELECT a, b FROM t"), {}, &rows));
            QCOMPARE(rows.size(), size_t(1));
            QCOMPARE(rows.front().value(0).toInt(), 42);
            QVERIFY(rows.front().value(1).isNull());
            QVERIFY(!db->exec(QStringLiteral("SELECT a FROM nowhere")));
            QCOMPARE(db->lastError().code, 1);
            QVERIFY2(db->lastError().reason.contains(QStringLiteral("nowhere")),
                     qPrintable(db->lastError().reason));
        }
        const Peek peek(path);
        QCOMPARE(peek.one(QStringLiteral("SELECT a FROM t")).toInt(), 42);
    }

    void theExportCountsTheAnswers()
    {
        mastery::Progress progress;
        const practice::Question secant { practice::Kind::Value, Circular::Secant, -120 };
        const qint64 t = QDateTime(QDate(2027, 3, 1), QTime(9, 30)).toSecsSinceEpoch();
        progress.add({ t, secant, false });
        progress.add({ t + 5, secant, true });
        progress.add({ t + 9, secant, false });
        progress.add({ t + 9, { practice::Kind::Place, Circular::Sine, 90 }, true });
        const QStringList lines
            = mastery::csvOf(progress).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 1 + mastery::skillCount);
        QCOMPARE(lines.first(), QStringLiteral("function,angle,level,right,wrong,last practised"));
        QVERIFY(lines.contains(QStringLiteral("sec,240,learning,1,2,2027-03-01T09:30:09")));
        QVERIFY(lines.contains(QStringLiteral("place,90,learning,1,0,2027-03-01T09:30:09")));
        QVERIFY(lines.contains(QStringLiteral("csc,330,new,0,0,")));
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "--answer-until-killed") == 0)
        return answerUntilKilled(QString::fromLocal8Bit(argv[2]));
    TestPracticeHistory test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_practice_history.moc"
