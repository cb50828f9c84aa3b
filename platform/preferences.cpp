// Integer and text preferences over QSettings. Only a whole integer counts: a value that does not
// parse as one (text, a fraction, a list) reads 0, like a key that was never written.
//
// The file is read as text. Qt's own INI format decodes an "@Variant(...)" value by deserializing
// whatever the bytes name, so a damaged or hand-edited file could make the program reserve
// gigabytes for a list it only claims to hold; here every value stays the string it is. Qt still
// places the file, locks it, merges the changes of two running copies and writes it atomically.
#include "platform/preferences.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QMap>
#include <QVariant>

#include <limits>

namespace platform {

namespace {

const QString topLevel = QStringLiteral("General");

// INI text: "[Section]" lines and "key=value" lines; keys of [General] are at the top level,
// those of other sections are "Section/key". Anything else (comments, noise) is passed over.
bool readText(QIODevice &device, QSettings::SettingsMap &map)
{
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

int Preferences::integerForKey(const QString &key) const
{
    const QVariant value = m_settings.value(key);
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
    : m_settings(textFormat(), QSettings::UserScope, QCoreApplication::organizationName(),
                 QCoreApplication::applicationName())
{ }

int Preferences::integerForKey(const QString &key, int absent) const
{
    return m_settings.contains(key) ? integerForKey(key) : absent;
}

void Preferences::setInteger(int value, const QString &key)
{
    m_settings.setValue(key, value);
}

QString Preferences::stringForKey(const QString &key) const
{
    const QVariant value = m_settings.value(key);
    return value.typeId() == QMetaType::QString ? value.toString() : QString();
}

void Preferences::setString(const QString &value, const QString &key)
{
    // One line of text: the file keeps one value on a line.
    QString line = value;
    line.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
    m_settings.setValue(key, line);
}

} // namespace platform
