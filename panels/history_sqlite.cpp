// The practice history's database through Qt SQL's SQLite driver: one connection of its own for
// each history, so that two histories (or a test's) never share one.
#include "panels/history_database.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

class SqliteHistoryDatabase : public HistoryDatabase
{
public:
    // Named by its own address: unique while it lives, even beside another copy of this code.
    SqliteHistoryDatabase()
        : m_connection(QStringLiteral("unitcircle-practice-%1").arg(quintptr(this), 0, 16))
    { }

    ~SqliteHistoryDatabase() override
    {
        {
            QSqlDatabase db = QSqlDatabase::database(m_connection, false);
            if (db.isValid())
                db.close();
        }
        if (QSqlDatabase::contains(m_connection))
            QSqlDatabase::removeDatabase(m_connection);
    }

    bool open(const QString &path, int busyTimeoutMs) override
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs));
        const bool opened = db.open();
        if (!opened)
            keep(db.lastError());
        return opened;
    }

    bool exec(const QString &statement, const QVariantList &values,
              std::vector<QVariantList> *rows) override
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        QSqlQuery q(db);
        q.setForwardOnly(true);
        bool done = values.isEmpty() ? q.exec(statement) : q.prepare(statement);
        if (done && !values.isEmpty()) {
            for (const QVariant &value : values)
                q.addBindValue(value);
            done = q.exec();
        }
        if (!done) {
            keep(q.lastError().isValid() ? q.lastError() : db.lastError());
            return false;
        }
        if (rows) {
            rows->clear();
            while (q.next()) {
                QVariantList row;
                const int columns = q.record().count();
                for (int i = 0; i < columns; ++i)
                    row.append(q.value(i));
                rows->push_back(std::move(row));
            }
            if (q.lastError().isValid()) {
                keep(q.lastError());
                return false;
            }
        }
        return true;
    }

    bool transaction() override { return done(QSqlDatabase::database(m_connection, false), 0); }
    bool commit() override { return done(QSqlDatabase::database(m_connection, false), 1); }
    void rollback() override { QSqlDatabase::database(m_connection, false).rollback(); }

    Error lastError() const override { return m_error; }

private:
    bool done(QSqlDatabase db, int which)
    {
        const bool ok = which == 0 ? db.transaction() : db.commit();
        if (!ok)
            keep(db.lastError());
        return ok;
    }

    void keep(const QSqlError &error)
    {
        // The driver's code may carry SQLite's extended code in its high bits.
        bool ok = false;
        const int code = error.nativeErrorCode().toInt(&ok);
        m_error.code = ok ? code & 0xff : -1;
        const QString text
            = error.driverText().isEmpty() ? error.databaseText() : error.driverText();
        m_error.reason = error.databaseText().isEmpty() || text == error.databaseText()
            ? text
            : text + QStringLiteral(": ") + error.databaseText();
    }

    QString m_connection;
    Error m_error;
};

} // namespace

extern "C" HistoryDatabase *unitcircle_history_database()
{
    return new SqliteHistoryDatabase;
}
