// The user's preferences as the shell sees them: integers, and a few short texts (such as the
// window's place), under top-level keys of the application's settings file,
// $XDG_CONFIG_HOME/unitcircle/ unitcircle.conf for the organisation and application name
// "unitcircle".
#pragma once

#include <QSettings>
#include <QString>
#include <QVariantMap>

#include <functional>
#include <memory>

namespace platform {

// Why the preferences could not be read or written, for the one message that says so.
struct PreferencesProblem
{
    enum Kind {
        NotAFile, // a folder, a pipe or a device stands where the file belongs
        TooLarge, // larger than any preferences file this program writes
        ReadOnly, // the file or its folder may not be written
        NoSpace, // the disk is full
        CannotWrite // anything else the system refused
    };
    Kind kind = CannotWrite;
    QString fileName;
    // True for a file that was not read at start; false for changes that could not be written.
    bool reading = false;
};

class Preferences
{
public:
    // A preferences file is a few hundred bytes; anything beyond this is not one, and is not read.
    static constexpr qint64 largestFile = 1 << 20;

    // The one store of the run, created on first use; it lives until the application object is
    // destroyed. Qt writes changes to storage from the event loop and at the end, never at once.
    static Preferences &standard();

    // 0 for a key that was never written or that holds anything but an integer.
    int integerForKey(const QString &key) const;
    // The same, but absent where the key was never written (a choice whose default is not 0).
    int integerForKey(const QString &key, int absent) const;
    void setInteger(int value, const QString &key);

    // The text under key as the file holds it, or a null string where the key was never written
    // or holds something else. The caller parses it and decides what a damaged value means.
    QString stringForKey(const QString &key) const;
    void setString(const QString &value, const QString &key);

    // Drops the store (its pending changes reach storage first), so that the next standard()
    // reads storage afresh, as a new run would. For tests.
    static void reset();

    // The file the preferences live in.
    static QString fileName();

    // Writes the changes to storage now; false where that failed. Every change is also written
    // soon after it is made, from the event loop.
    bool sync();

    // Whoever tells the user: called once for a file not read at start and once for the first
    // change that could not be written (none after a file that was not read: that message said
    // it). A problem found before a handler is set waits for it.
    static void setProblemHandler(std::function<void(const PreferencesProblem &)> handler);

    ~Preferences();
    Preferences(const Preferences &) = delete;
    Preferences &operator=(const Preferences &) = delete;

private:
    Preferences();

    void changed();
    // Whether key holds value already, as it would be written.
    bool isStored(const QString &key, const QVariant &value) const;
    void report(const PreferencesProblem &problem);
    // Why writing failed, as far as the file system tells.
    PreferencesProblem writeProblem() const;

    // The store; null while the file stands unread (not a file, or too large): the choices of
    // the run are then kept in m_unread alone.
    std::unique_ptr<QSettings> m_settings;
    QVariantMap m_unread;
    // A file too large to read is replaced at the first write; anything else is left alone.
    bool m_replaceAtWrite = false;
    bool m_writeReported = false;
    bool m_syncPending = false;
    // Lives as long as the store, so that a write scheduled for it ends with it.
    std::unique_ptr<QObject> m_lifetime;
};

} // namespace platform
