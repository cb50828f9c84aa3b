// The user's preferences as the shell sees them: integers, and a few short texts (such as the
// window's place), under top-level keys of the application's settings file,
// $XDG_CONFIG_HOME/unitcircle/ unitcircle.conf for the organisation and application name
// "unitcircle".
#pragma once

#include <QSettings>
#include <QString>

namespace platform {

class Preferences
{
public:
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

    Preferences(const Preferences &) = delete;
    Preferences &operator=(const Preferences &) = delete;

private:
    Preferences();

    QSettings m_settings;
};

} // namespace platform
