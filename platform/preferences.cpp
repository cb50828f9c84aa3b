// Integer and text preferences over QSettings. Only a whole integer counts: a value that does not
// parse as one (text, a fraction, a list) reads 0, like a key that was never written.
//
// The file is read as text. Qt's own INI format decodes an "@Variant(...)" value by deserializing
// whatever the bytes name, so a damaged or hand-edited file could make the program reserve
// gigabytes for a list it only claims to hold; here every value stays the string it is. Qt still
// places the file, locks it, merges the changes of two running copies and writes it atomically.
#include "platform/preferences.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QIODevice>
#include <QMap>
#include <QStandardPaths>
#include <QTimer>
#include <QVariant>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <limits>
#include <utility>
#include <vector>

namespace platform {

namespace {

const QString topLevel = QStringLiteral("General");

// INI text: "[Section]" lines and "key=value" lines; keys of [General] are at the top level,
// those of other sections are "Section/key". Anything else (comments, noise) is passed over.
bool readText(QIODevice &device, QSettings::SettingsMap &map)
{
    // Checked before the store opens the file; this catches one that grew since.
    if (device.size() > Preferences::largestFile)
        return false;
    QString section;
    while (!device.atEnd()) {
        const QString line = QString::fromUtf8(device.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            section = line.mid(1, line.size() - 2).trimmed();
            if (section == topLevel)
                section.clear();
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0 || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            continue;
        const QString key = line.left(equals).trimmed();
        if (key.isEmpty())
            continue;
        QString value = line.mid(equals + 1).trimmed();
        // INI quotes a value to keep its spaces; the quotes are not part of it.
        if (value.size() >= 2 && value.startsWith(QLatin1Char('"'))
            && value.endsWith(QLatin1Char('"')))
            value = value.mid(1, value.size() - 2);
        map.insert(section.isEmpty() ? key : section + QLatin1Char('/') + key, value);
    }
    return true;
}

// Written back the way it was read: the top-level keys under [General] first, then each other
// section, every value as its text on one line.
bool writeText(QIODevice &device, const QSettings::SettingsMap &map)
{
    QMap<QString, QByteArray> sections; // the top level sorts first, as ""
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        const qsizetype slash = it.key().indexOf(QLatin1Char('/'));
        QString value = it.value().toString();
        value.replace(QLatin1Char('\n'), QLatin1Char(' '))
            .replace(QLatin1Char('\r'), QLatin1Char(' '));
        sections[slash < 0 ? QString() : it.key().left(slash)]
            += it.key().mid(slash + 1).toUtf8() + '=' + value.toUtf8() + '\n';
    }
    QByteArray text;
    for (auto it = sections.cbegin(); it != sections.cend(); ++it) {
        if (!text.isEmpty())
            text += '\n';
        text += '[' + (it.key().isEmpty() ? topLevel : it.key()).toUtf8() + "]\n" + it.value();
    }
    return device.write(text) == text.size();
}

QSettings::Format textFormat()
{
    static const QSettings::Format format
        = QSettings::registerFormat(QStringLiteral("conf"), readText, writeText);
    return format;
}

Preferences *s_standard = nullptr;

std::function<void(const PreferencesProblem &)> &problemHandler()
{
    static std::function<void(const PreferencesProblem &)> handler;
    return handler;
}

std::vector<PreferencesProblem> &waitingProblems()
{
    static std::vector<PreferencesProblem> problems;
    return problems;
}

void destroyStandard()
{
    delete s_standard;
    s_standard = nullptr;
}

} // namespace

Preferences &Preferences::standard()
{
    if (!s_standard) {
        s_standard = new Preferences;
        // Destroyed with the application object, while Qt's settings machinery is still alive,
        // rather than among the static destructors after it.
        static const bool registered = (qAddPostRoutine(destroyStandard), true);
        Q_UNUSED(registered);
    }
    return *s_standard;
}

void Preferences::reset()
{
    destroyStandard();
}

QString Preferences::fileName()
{
    // Where QSettings puts the user's file of this organisation and application.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QLatin1Char('/') + QCoreApplication::organizationName() + QLatin1Char('/')
        + QCoreApplication::applicationName() + QStringLiteral(".conf");
}

void Preferences::setProblemHandler(std::function<void(const PreferencesProblem &)> handler)
{
    problemHandler() = std::move(handler);
    if (!problemHandler())
        return;
    const std::vector<PreferencesProblem> waiting = std::exchange(waitingProblems(), {});
    for (const PreferencesProblem &problem : waiting)
        problemHandler()(problem);
}

void Preferences::report(const PreferencesProblem &problem)
{
    if (problemHandler())
        problemHandler()(problem);
    else
        waitingProblems().push_back(problem);
}

int Preferences::integerForKey(const QString &key) const
{
    const QVariant value = m_settings ? m_settings->value(key) : m_unread.value(key);
    if (!value.isValid())
        return 0;
    // The file gives back strings; a value set in this run keeps its own type.
    if (value.typeId() == QMetaType::QString) {
        bool ok = false;
        const int n = value.toString().trimmed().toInt(&ok);
        return ok ? n : 0;
    }
    if (value.typeId() == QMetaType::Int || value.typeId() == QMetaType::LongLong
        || value.typeId() == QMetaType::UInt || value.typeId() == QMetaType::ULongLong) {
        bool ok = false;
        const qlonglong n = value.toLongLong(&ok);
        return ok && n >= std::numeric_limits<int>::min() && n <= std::numeric_limits<int>::max()
            ? int(n)
            : 0;
    }
    return 0;
}

Preferences::Preferences()
    : m_lifetime(std::make_unique<QObject>())
{
    // Looked at before QSettings opens it: opening a pipe for reading waits for a writer that
    // never comes, and a huge file would be read whole into memory.
    const QString path = fileName();
    struct stat file = {};
    // What cannot even be looked at (a folder on the way not searchable) is left to QSettings,
    // which then reads nothing.
    const bool seen = ::stat(QFile::encodeName(path).constData(), &file) == 0;
    if (seen && !S_ISREG(file.st_mode)) {
        report({ PreferencesProblem::NotAFile, path, true });
        // Nothing to write to either, and the message said so.
        m_writeReported = true;
        return;
    }
    if (seen && file.st_size > largestFile) {
        report({ PreferencesProblem::TooLarge, path, true });
        m_replaceAtWrite = true;
        return;
    }
    m_settings = std::make_unique<QSettings>(textFormat(), QSettings::UserScope,
                                             QCoreApplication::organizationName(),
                                             QCoreApplication::applicationName());
}

Preferences::~Preferences()
{
    // The last write, as the application ends: too late for a message, which the run's own
    // writes have given where one was due.
    m_writeReported = true;
    sync();
}

int Preferences::integerForKey(const QString &key, int absent) const
{
    const bool stored = m_settings ? m_settings->contains(key) : m_unread.contains(key);
    return stored ? integerForKey(key) : absent;
}

void Preferences::setInteger(int value, const QString &key)
{
    // A choice set to what is kept already (as the controls are restored at start) leaves the
    // file as it is: quitting then writes nothing.
    if (isStored(key, value))
        return;
    if (m_settings)
        m_settings->setValue(key, value);
    else
        m_unread.insert(key, value);
    changed();
}

bool Preferences::isStored(const QString &key, const QVariant &value) const
{
    // Compared as the file gives it back: a number read from the text file is a string.
    const QVariant stored = m_settings ? m_settings->value(key) : m_unread.value(key);
    return stored.isValid() && stored.toString() == value.toString()
        && (value.typeId() != QMetaType::QString || stored.typeId() == QMetaType::QString);
}

QString Preferences::stringForKey(const QString &key) const
{
    const QVariant value = m_settings ? m_settings->value(key) : m_unread.value(key);
    return value.typeId() == QMetaType::QString ? value.toString() : QString();
}

void Preferences::changed()
{
    if (m_syncPending)
        return;
    m_syncPending = true;
    // Written soon, not at once: a burst of changes is one write, and its outcome is looked at.
    QTimer::singleShot(0, m_lifetime.get(), [this] { sync(); });
}

bool Preferences::sync()
{
    m_syncPending = false;
    if (!m_settings && m_replaceAtWrite && !m_unread.isEmpty()) {
        // The oversized file gives way to one that holds this run's choices.
        const QString path = fileName();
        if (QFileInfo(path).isFile() && !QFile::remove(path)) {
            if (!m_writeReported) {
                m_writeReported = true;
                report(writeProblem());
            }
            return false;
        }
        m_replaceAtWrite = false;
        m_settings = std::make_unique<QSettings>(textFormat(), QSettings::UserScope,
                                                 QCoreApplication::organizationName(),
                                                 QCoreApplication::applicationName());
        for (auto it = m_unread.cbegin(); it != m_unread.cend(); ++it)
            m_settings->setValue(it.key(), it.value());
        m_unread.clear();
    }
    if (!m_settings)
        return m_unread.isEmpty();
    m_settings->sync();
    // A format error only says that the file read was damaged; the write itself went through.
    if (m_settings->status() != QSettings::AccessError)
        return true;
    if (!m_writeReported) {
        m_writeReported = true;
        report(writeProblem());
    }
    return false;
}

PreferencesProblem Preferences::writeProblem() const
{
    const QString path = fileName();
    PreferencesProblem problem { PreferencesProblem::CannotWrite, path, false };
    // Asked with the effective user's rights, which are the ones the write was made with.
    const auto writable = [](const QByteArray &name) {
        return ::faccessat(AT_FDCWD, name.constData(), W_OK, AT_EACCESS) == 0;
    };
    const QByteArray file = QFile::encodeName(path);
    struct stat info = {};
    if (::stat(file.constData(), &info) == 0) {
        if (!S_ISREG(info.st_mode))
            problem.kind = PreferencesProblem::NotAFile;
        else if (!writable(file))
            problem.kind = PreferencesProblem::ReadOnly;
        if (problem.kind != PreferencesProblem::CannotWrite)
            return problem;
    }
    // The nearest folder that exists on the way to the file: the one that must take it.
    QString folder = QFileInfo(path).path();
    while (::stat(QFile::encodeName(folder).constData(), &info) != 0 && errno == ENOENT
           && QFileInfo(folder).path() != folder)
        folder = QFileInfo(folder).path();
    const QByteArray folderName = QFile::encodeName(folder);
    if (::stat(folderName.constData(), &info) == 0 && !S_ISDIR(info.st_mode)) {
        problem.kind = PreferencesProblem::NotAFile;
        return problem;
    }
    if (!writable(folderName)) {
        problem.kind = PreferencesProblem::ReadOnly;
        return problem;
    }
    struct statvfs disk = {};
    if (statvfs(folderName.constData(), &disk) == 0 && disk.f_bavail == 0)
        problem.kind = PreferencesProblem::NoSpace;
    return problem;
}

void Preferences::setString(const QString &value, const QString &key)
{
    // One line of text: the file keeps one value on a line.
    QString line = value;
    line.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
    if (isStored(key, line))
        return;
    if (m_settings)
        m_settings->setValue(key, line);
    else
        m_unread.insert(key, line);
    changed();
}

} // namespace platform
