// The database under the practice history. Qt SQL and SQLite live in a module of their own, loaded
// the first time a history is opened, so that a start that does not practise neither maps nor
// binds them; the history speaks to them through this.
#pragma once

#include <QString>
#include <QVariant>

#include <vector>

class HistoryDatabase
{
public:
    struct Error
    {
        // SQLite's primary result code (SQLITE_BUSY is 5), or -1 where there is none.
        int code = -1;
        QString reason;
    };

    virtual ~HistoryDatabase() = default;

    // Opens the SQLite file at path, waiting up to busyTimeoutMs for another program that
    // holds it.
    virtual bool open(const QString &path, int busyTimeoutMs) = 0;
    // Runs one statement with its ? placeholders bound to values in order; the rows it gives,
    // if asked for, each as a list of its columns' values.
    virtual bool exec(const QString &statement, const QVariantList &values = {},
                      std::vector<QVariantList> *rows = nullptr)
        = 0;
    virtual bool transaction() = 0;
    virtual bool commit() = 0;
    virtual void rollback() = 0;
    // Why the last operation failed.
    virtual Error lastError() const = 0;
};

// Made by the module; the caller owns it. Closed as it is deleted.
extern "C" HistoryDatabase *unitcircle_history_database();
