// The database is SQLite's own file, in its rollback journal with full synchronisation: each
// answer is committed before the next question, so that a crash or a power loss loses at most the
// answer in flight. What the file is, is found before anything is written to it.
#include "panels/practice_history.h"

#include "panels/history_database.h"
#include "platform/modules.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QVariant>

// In the program the database comes from its module; the tests link it in.
extern "C" HistoryDatabase *unitcircle_history_database() __attribute__((weak));

namespace {

// SQLite's primary result codes.
constexpr int sqliteBusy = 5;
constexpr int sqliteLocked = 6;
constexpr int sqliteCorrupt = 11;
constexpr int sqliteNotADatabase = 26;

// A new database of the history's module; null with *error where the module cannot be loaded.
std::unique_ptr<HistoryDatabase> newDatabase(QString *error)
{
    using Entry = HistoryDatabase *(*)();
    Entry entry = unitcircle_history_database;
    if (!entry)
        entry = reinterpret_cast<Entry>(platform::moduleFunction(
            QStringLiteral("unitcircle-history.so"), "unitcircle_history_database", error));
    return std::unique_ptr<HistoryDatabase>(entry ? entry() : nullptr);
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
    m_db.reset();
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
    HistoryDatabase &db = *m_db;
    std::vector<QVariantList> rows;
    const auto failed = [&db, reason] {
        const HistoryDatabase::Error error = db.lastError();
        *reason = error.reason;
        if (error.code == sqliteBusy || error.code == sqliteLocked)
            return State::Locked;
        if (error.code == sqliteCorrupt || error.code == sqliteNotADatabase)
            return State::Damaged;
        return State::Failed;
    };
    const auto first = [&rows] {
        return rows.empty() || rows.front().isEmpty() ? QVariant() : rows.front().front();
    };
    // Reading the header and every page: random bytes, a truncated file and a broken page all
    // show here, before anything is written.
    if (!db.exec(QStringLiteral("PRAGMA quick_check"), {}, &rows))
        return failed();
    if (first().toString() != QLatin1String("ok")) {
        *reason = first().toString();
        return State::Damaged;
    }
    if (!db.exec(QStringLiteral("PRAGMA user_version"), {}, &rows) || rows.empty())
        return failed();
    const int version = first().toInt();
    if (version > schemaVersion)
        return State::Newer;
    if (!db.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"), {}, &rows) || rows.empty())
        return failed();
    const int tables = first().toInt();
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
    HistoryDatabase &db = *m_db;
    // The time in seconds since 1970 (UTC); the kind "value", "place" or "find"; the function
    // "sin" … "csc" (for a find question the one whose value was given, none for a place); the
    // angle in degrees as it was asked (-120 for −2π∕3); the answer given as the panel writes it.
    const bool done = db.transaction()
        && db.exec(QStringLiteral("CREATE TABLE answers ("
                                  "id INTEGER PRIMARY KEY, "
                                  "time INTEGER NOT NULL, "
                                  "kind TEXT NOT NULL, "
                                  "function TEXT, "
                                  "angle INTEGER NOT NULL, "
                                  "given TEXT NOT NULL, "
                                  "right INTEGER NOT NULL)"))
        && db.exec(QStringLiteral("PRAGMA user_version = %1").arg(schemaVersion)) && db.commit();
    if (!done) {
        *reason = db.lastError().reason;
        db.rollback();
    }
    return done;
}

bool PracticeHistory::load(QString *reason)
{
    std::vector<QVariantList> rows;
    if (!m_db->exec(QStringLiteral("SELECT time, kind, function, angle, right FROM answers "
                                   "ORDER BY id"),
                    {}, &rows)) {
        *reason = m_db->lastError().reason;
        return false;
    }
    m_progress = mastery::Progress();
    m_answers = 0;
    for (const QVariantList &row : rows) {
        if (row.size() < 5)
            continue;
        ++m_answers;
        const std::optional<practice::Kind> kind = mastery::kindNamed(row.at(1).toString());
        const std::optional<figure::Circular> function
            = mastery::functionNamed(row.at(2).toString());
        if (!kind)
            continue;
        mastery::Attempt a;
        a.time = row.at(0).toLongLong();
        a.question.kind = *kind;
        a.question.function = function.value_or(figure::Circular::Sine);
        a.question.degrees = row.at(3).toInt();
        a.right = row.at(4).toInt() != 0;
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
        QString reason;
        m_db = newDatabase(&reason);
        if (!m_db) {
            tell(tr("Your practice history could not be opened."),
                 reason + QLatin1Char(' ') + notKept);
            return false;
        }
        // Another program holding the file is waited for a moment, not for long.
        if (!m_db->open(path, 1500)) {
            reason = m_db->lastError().reason;
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
            m_db->exec(QStringLiteral("PRAGMA synchronous = FULL"));
            const bool ok = state == State::Fresh ? createSchema(&reason) : load(&reason);
            if (ok) {
                emit changed();
                return true;
            }
            close();
            tell(tr("Your practice history could not be opened."),
                 tr("\u201c%1\u201d: %2.").arg(file, reason) + QLatin1Char(' ') + notKept);
            return false;
        }
        case State::Locked:
            close();
            tell(tr("Your practice history is in use."),
                 //: %1 is the full path of the practice history.
                 tr("Another program holds \u201c%1\u201d.").arg(file) + QLatin1Char(' ')
                     + notKept);
            return false;
        case State::Newer:
            close();
            tell(tr("Your practice history was written by a newer version of Unit Circle."),
                 //: %1 is the full path of the practice history.
                 tr("\u201c%1\u201d is left as it is.").arg(file) + QLatin1Char(' ') + notKept);
            return false;
        case State::Failed:
            close();
            tell(tr("Your practice history could not be opened."),
                 tr("\u201c%1\u201d: %2.").arg(file, reason) + QLatin1Char(' ') + notKept);
            return false;
        case State::Damaged:
            break;
        }

        // Damaged: kept aside, whole, under a name that says so, and a new one started.
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
    if (m_db) {
        kept = m_db->transaction()
            && m_db->exec(QStringLiteral("INSERT INTO answers (time, kind, function, angle, "
                                         "given, right) VALUES (?, ?, ?, ?, ?, ?)"),
                          { attempt.time, mastery::kindName(question.kind),
                            question.kind == practice::Kind::Place
                                ? QVariant()
                                : QVariant(mastery::functionName(question.function)),
                            question.degrees, given, right ? 1 : 0 })
            && m_db->commit();
        if (!kept) {
            const QString reason = m_db->lastError().reason;
            m_db->rollback();
            tell(tr("Your answer could not be kept."),
                 //: %1 is the full path of the practice history, %2 the reason.
                 tr("\u201c%1\u201d cannot be written: %2.").arg(native(m_path), reason)
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
    if (!m_db && !m_deferred && QFileInfo::exists(m_path))
        return false;
    bool done = true;
    if (m_db) {
        done = m_db->transaction() && m_db->exec(QStringLiteral("DELETE FROM answers"))
            && m_db->commit();
        if (!done) {
            m_db->rollback();
            return false;
        }
    }
    m_progress = mastery::Progress();
    m_answers = 0;
    emit changed();
    return done;
}
