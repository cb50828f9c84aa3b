// The practice history: every answer given, kept in an SQLite database (through Qt SQL, in a module
// loaded when the history is first opened), one row and one transaction per answer, and the mastery
// made from them. A database that cannot be used as it is (locked by another program, written by a
// newer version, damaged) is never overwritten: practice goes on without recording, and the user is
// told once. A damaged file is first moved aside under a name that says so, and a new history is
// started beside it.
#pragma once

#include "trig/mastery.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class HistoryDatabase;

class PracticeHistory : public QObject
{
    Q_OBJECT

public:
    // The version of the database's layout, kept in its user_version; a later program that
    // changes the layout reads this one and moves it on.
    static constexpr int schemaVersion = 1;

    explicit PracticeHistory(QObject *parent = nullptr);
    ~PracticeHistory() override;

    // $XDG_DATA_HOME/unitcircle/practice.sqlite, beside the other data of the desktop's programs.
    static QString defaultPath();

    // Opens the history at path and reads the answers kept in it; where there is none, it and its
    // folder are made with the first answer. Returns whether answers given now are kept; where
    // not, problem() has said why.
    bool open(const QString &path);
    // Opens the history at path the first time anything asks for what it knows or keeps an
    // answer, or at ensureOpen(): a start that shows no practice need not wait for it.
    void openLater(const QString &path);
    bool isPending() const { return !m_pendingPath.isEmpty(); }
    void ensureOpen();
    bool isRecording() const
    {
        const_cast<PracticeHistory *>(this)->ensureOpen();
        return m_deferred || m_db != nullptr;
    }
    QString path() const { return isPending() ? m_pendingPath : m_path; }
    // Where a damaged history was moved aside, if it was.
    QString damagedCopy() const { return m_damagedCopy; }

    // The clock answers are stamped with, in seconds since 1970; the system's by default.
    void setClock(std::function<qint64()> clock) { m_clock = std::move(clock); }
    qint64 now() const { return m_clock(); }

    // Keeps one answer: the question, the answer given as the history writes it, and whether it
    // was right. The mastery follows it even where it cannot be kept. Returns whether it was.
    bool record(const practice::Question &question, const QString &given, bool right);
    // Forgets every answer, in the database too. Returns false, forgetting nothing, where the
    // database refused or could not be opened.
    bool reset();

    const mastery::Progress &progress() const
    {
        const_cast<PracticeHistory *>(this)->ensureOpen();
        return m_progress;
    }
    int answerCount() const
    {
        const_cast<PracticeHistory *>(this)->ensureOpen();
        return m_answers;
    }

signals:
    // An answer was kept, or the history was read or cleared.
    void changed();
    // open() is over, whatever its outcome: what the history knows is as it will be read.
    void opened();
    // Sent at most once: why answers are not kept, as a message for the user and its details.
    void problem(const QString &text, const QString &details);

private:
    enum class State { Ready, Fresh, Locked, Damaged, Newer, Failed };
    // Opens the file at m_path, as open() says.
    // open() but for its signal.
    bool openNow(const QString &path);
    bool start();
    State inspect(QString *reason);
    bool createSchema(QString *reason);
    bool load(QString *reason);
    void close();
    void tell(const QString &text, const QString &details);

    QString m_path;
    QString m_pendingPath;
    std::unique_ptr<HistoryDatabase> m_db;
    QString m_damagedCopy;
    std::function<qint64()> m_clock;
    mastery::Progress m_progress;
    int m_answers = 0;
    bool m_told = false;
    bool m_deferred = false;
};
