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
        database().close();
        if (QSqlDatabase::contains(m_connection))
            QSqlDatabase::removeDatabase(m_connection);
    }

    bool open(const QString &path, int busyTimeoutMs) override
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs));
        return succeeded(db.open());
    }

    bool exec(const QString &statement, const QVariantList &values,
              std::vector<QVariantList> *rows) override
    {
        QSqlQuery q(database());
        q.setForwardOnly(true);
        bool done = values.isEmpty() ? q.exec(statement) : q.prepare(statement);
        if (done && !values.isEmpty()) {
            for (const QVariant &value : values)
                q.addBindValue(value);
            done = q.exec();
        }
        if (done && rows) {
            rows->clear();
            while (q.next()) {
                QVariantList row;
                const int columns = q.record().count();
                for (int i = 0; i < columns; ++i)
                    row.append(q.value(i));
                rows->push_back(std::move(row));
            }
            done = !q.lastError().isValid();
        }
        if (!done)
            keep(q.lastError().isValid() ? q.lastError() : database().lastError());
        return done;
    }

    bool transaction() override { return succeeded(database().transaction()); }
    bool commit() override { return succeeded(database().commit()); }
    void rollback() override { database().rollback(); }

    Error lastError() const override { return m_error; }

private:
    // The connection's handle; an invalid one (whose calls fail) before open().
    QSqlDatabase database() const { return QSqlDatabase::database(m_connection, false); }

    bool succeeded(bool ok)
    {
        if (!ok)
            keep(database().lastError());
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
