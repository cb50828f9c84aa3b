// The database is SQLite's own file, in its rollback journal with full synchronisation: each
// answer is committed before the next question, so that a crash or a power loss loses at most the
// answer in flight. What the file is, is found before anything is written to it.
#include "panels/practice_history.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>

#include <atomic>

namespace {

// SQLite's primary result codes, as Qt's driver reports them (possibly extended, in the high bits).
constexpr int sqliteBusy = 5;
constexpr int sqliteLocked = 6;
constexpr int sqliteCorrupt = 11;
constexpr int sqliteNotADatabase = 26;

int primaryCode(const QSqlError &error)
{
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    return ok ? code & 0xff : -1;
}

QString reasonOf(const QSqlError &error)
{
    const QString text = error.driverText().isEmpty() ? error.databaseText() : error.driverText();
    return error.databaseText().isEmpty() || text == error.databaseText()
        ? text
        : text + QStringLiteral(": ") + error.databaseText();
}

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

PracticeHistory::PracticeHistory(QObject *parent)
    : QObject(parent)
    , m_clock([] { return QDateTime::currentSecsSinceEpoch(); })
{ }

PracticeHistory::~PracticeHistory()
{
    close();
}

QString PracticeHistory::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/unitcircle/practice.sqlite");
}

void PracticeHistory::close()
{
    if (m_connection.isEmpty())
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
    m_connection.clear();
}

void PracticeHistory::tell(const QString &text, const QString &details)
{
    if (m_told)
        return;
    m_told = true;
    emit problem(text, details);
}

PracticeHistory::State PracticeHistory::inspect(QString *reason)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery q(db);
    const auto failed = [&q, reason] {
        *reason = reasonOf(q.lastError());
        const int code = primaryCode(q.lastError());
        if (code == sqliteBusy || code == sqliteLocked)
            return State::Locked;
        if (code == sqliteCorrupt || code == sqliteNotADatabase)
            return State::Damaged;
        return State::Failed;
    };
    // Reading the header and every page: random bytes, a truncated file and a broken page all
    // show here, before anything is written.
    if (!q.exec(QStringLiteral("PRAGMA quick_check")))
        return failed();
    if (!q.next() || q.value(0).toString() != QLatin1String("ok")) {
        *reason = q.isValid() ? q.value(0).toString() : QString();
        return State::Damaged;
    }
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next())
        return failed();
    const int version = q.value(0).toInt();
    if (version > schemaVersion)
        return State::Newer;
    if (!q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !q.next())
        return failed();
    const int tables = q.value(0).toInt();
    if (version == 0 && tables == 0)
        return State::Fresh;
    if (version == 0) {
        // Some other program's database: not ours to write in.
        *reason = tr("it is not a practice history");
        return State::Damaged;
    }
    return State::Ready;
}

bool PracticeHistory::createSchema(QString *reason)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery q(db);
    // The time in seconds since 1970 (UTC); the kind "value", "place" or "find"; the function
    // "sin" … "csc" (for a find question the one whose value was given, none for a place); the
    // angle in degrees as it was asked (-120 for −2π∕3); the answer given as the panel writes it.
    const bool done = db.transaction()
        && q.exec(QStringLiteral("CREATE TABLE answers ("
                                 "id INTEGER PRIMARY KEY, "
                                 "time INTEGER NOT NULL, "
                                 "kind TEXT NOT NULL, "
                                 "function TEXT, "
                                 "angle INTEGER NOT NULL, "
                                 "given TEXT NOT NULL, "
                                 "right INTEGER NOT NULL)"))
        && q.exec(QStringLiteral("PRAGMA user_version = %1").arg(schemaVersion)) && db.commit();
    if (!done) {
        *reason = reasonOf(q.lastError().isValid() ? q.lastError() : db.lastError());
        db.rollback();
    }
    return done;
}

bool PracticeHistory::load(QString *reason)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT time, kind, function, angle, right FROM answers "
                               "ORDER BY id"))) {
        *reason = reasonOf(q.lastError());
        return false;
    }
    m_progress = mastery::Progress();
    m_answers = 0;
    while (q.next()) {
        ++m_answers;
        const std::optional<practice::Kind> kind = mastery::kindNamed(q.value(1).toString());
        const std::optional<figure::Circular> function
            = mastery::functionNamed(q.value(2).toString());
        if (!kind)
            continue;
        mastery::Attempt a;
        a.time = q.value(0).toLongLong();
        a.question.kind = *kind;
        a.question.function = function.value_or(figure::Circular::Sine);
        a.question.degrees = q.value(3).toInt();
        a.right = q.value(4).toInt() != 0;
        m_progress.add(a);
    }
    return true;
}

void PracticeHistory::openLater(const QString &path)
{
    close();
    m_path.clear();
    m_progress = mastery::Progress();
    m_answers = 0;
    m_pendingPath = path;
}

void PracticeHistory::ensureOpen()
{
    if (!isPending())
        return;
    // A copy: open() clears the one kept.
    const QString path = m_pendingPath;
    open(path);
}

bool PracticeHistory::open(const QString &path)
{
    m_pendingPath.clear();
    const bool recording = openNow(path);
    emit opened();
    return recording;
}

bool PracticeHistory::openNow(const QString &path)
{
    close();
    m_path = path;
    m_damagedCopy.clear();
    m_progress = mastery::Progress();
    m_answers = 0;
    // A history is made with the first answer, so that a program that never practises leaves
    // nothing behind.
    m_deferred = !QFileInfo::exists(path) && !QFileInfo(path).isSymLink();
    if (m_deferred) {
        emit changed();
        return true;
    }
    return start();
}

bool PracticeHistory::start()
{
    const QString path = m_path;
    const QString file = native(path);
    //: Ends a message that says why the practice history cannot be used.
    const QString notKept = tr("Practice goes on, but your answers are not kept.");

    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath())) {
        tell(tr("Your practice history could not be opened."),
             //: %1 is the full path of the practice history's folder.
             tr("The folder \u201c%1\u201d could not be made.").arg(native(info.absolutePath()))
                 + QLatin1Char(' ') + notKept);
        return false;
    }
    if (info.exists() && !info.isFile()) {
        tell(tr("Your practice history could not be opened."),
             //: %1 is the full path of the practice history.
             tr("\u201c%1\u201d is not a file.").arg(file) + QLatin1Char(' ') + notKept);
        return false;
    }

    for (int attempt = 0; attempt < 2; ++attempt) {
        static std::atomic<int> serial { 0 };
        m_connection = QStringLiteral("unitcircle-practice-%1").arg(++serial);
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
        db.setDatabaseName(path);
        // Another program holding the file is waited for a moment, not for long.
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=1500"));
        QString reason;
        if (!db.open()) {
            reason = reasonOf(db.lastError());
            db = QSqlDatabase();
            close();
            tell(tr("Your practice history could not be opened."),
                 //: %1 is the full path of the practice history, %2 the reason.
                 tr("\u201c%1\u201d: %2.").arg(file, reason) + QLatin1Char(' ') + notKept);
            return false;
        }
        const State state = inspect(&reason);
        switch (state) {
        case State::Ready:
        case State::Fresh: {
            QSqlQuery(db).exec(QStringLiteral("PRAGMA synchronous = FULL"));
            const bool ok = state == State::Fresh ? createSchema(&reason) : load(&reason);
            if (ok) {
                emit changed();
                return true;
            }
            db = QSqlDatabase();
            close();
            tell(tr("Your practice history could not be opened."),
                 tr("\u201c%1\u201d: %2.").arg(file, reason) + QLatin1Char(' ') + notKept);
            return false;
        }
        case State::Locked:
            db = QSqlDatabase();
            close();
            tell(tr("Your practice history is in use."),
                 //: %1 is the full path of the practice history.
                 tr("Another program holds \u201c%1\u201d.").arg(file) + QLatin1Char(' ')
                     + notKept);
            return false;
        case State::Newer:
            db = QSqlDatabase();
            close();
            tell(tr("Your practice history was written by a newer version of Unit Circle."),
                 //: %1 is the full path of the practice history.
                 tr("\u201c%1\u201d is left as it is.").arg(file) + QLatin1Char(' ') + notKept);
            return false;
        case State::Failed:
            db = QSqlDatabase();
            close();
            tell(tr("Your practice history could not be opened."),
                 tr("\u201c%1\u201d: %2.").arg(file, reason) + QLatin1Char(' ') + notKept);
            return false;
        case State::Damaged:
            break;
        }

        // Damaged: kept aside, whole, under a name that says so, and a new one started.
        db = QSqlDatabase();
        close();
        if (attempt > 0)
            break;
        const QString stamp
            = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
        QString aside = path + QStringLiteral(".damaged-") + stamp;
        for (int n = 2; QFileInfo::exists(aside); ++n)
            aside = path + QStringLiteral(".damaged-") + stamp + QStringLiteral("-%1").arg(n);
        QFile damaged(path);
        if (!damaged.rename(aside)) {
            tell(tr("Your practice history is damaged."),
                 //: %1 is the full path of the practice history, %2 the reason.
                 tr("\u201c%1\u201d could not be moved aside: %2.").arg(file, damaged.errorString())
                     + QLatin1Char(' ') + notKept);
            return false;
        }
        // A journal left beside it belongs to it.
        const QString journal = path + QStringLiteral("-journal");
        if (QFileInfo::exists(journal))
            QFile::rename(journal, aside + QStringLiteral("-journal"));
        m_damagedCopy = aside;
        tell(tr("Your practice history is damaged."),
             //: %1 is the full path of the practice history, %2 where the damaged one was kept.
             tr("\u201c%1\u201d could not be read. It is kept as \u201c%2\u201d, and a new "
                "history is started.")
                 .arg(file, native(aside)));
    }
    return false;
}

bool PracticeHistory::record(const practice::Question &question, const QString &given, bool right)
{
    // Kept beside the answers already given, never in place of them.
    ensureOpen();
    mastery::Attempt attempt { now(), question, right };
    m_progress.add(attempt);
    ++m_answers;
    bool kept = false;
    if (m_deferred) {
        m_deferred = false;
        start();
    }
    if (!m_connection.isEmpty()) {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        QSqlQuery q(db);
        kept = db.transaction()
            && q.prepare(QStringLiteral("INSERT INTO answers (time, kind, function, angle, given, "
                                        "right) VALUES (?, ?, ?, ?, ?, ?)"));
        if (kept) {
            q.addBindValue(attempt.time);
            q.addBindValue(mastery::kindName(question.kind));
            q.addBindValue(question.kind == practice::Kind::Place
                               ? QVariant()
                               : QVariant(mastery::functionName(question.function)));
            q.addBindValue(question.degrees);
            q.addBindValue(given);
            q.addBindValue(right ? 1 : 0);
            kept = q.exec() && db.commit();
        }
        if (!kept) {
            const QSqlError error = q.lastError().isValid() ? q.lastError() : db.lastError();
            db.rollback();
            tell(tr("Your answer could not be kept."),
                 //: %1 is the full path of the practice history, %2 the reason.
                 tr("\u201c%1\u201d cannot be written: %2.").arg(native(m_path), reasonOf(error))
                     + QLatin1Char(' ')
                     + tr("Practice goes on, but the answers you give now may not be kept."));
        }
    }
    emit changed();
    return kept;
}

bool PracticeHistory::reset()
{
    // Forgets what is kept, not only what this run has read.
    ensureOpen();
    // A history that could not be opened keeps its answers where they are: forgetting only this
    // run's would tell the user that everything was forgotten.
    if (m_connection.isEmpty() && !m_deferred && QFileInfo::exists(m_path))
        return false;
    bool done = true;
    if (!m_connection.isEmpty()) {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        QSqlQuery q(db);
        done = db.transaction() && q.exec(QStringLiteral("DELETE FROM answers")) && db.commit();
        if (!done) {
            db.rollback();
            return false;
        }
    }
    m_progress = mastery::Progress();
    m_answers = 0;
    emit changed();
    return done;
}
