// Integer preferences over QSettings. Only a whole integer counts: a value that does not parse as
// one (text, a fraction, a list) reads 0, like a key that was never written.
#include "platform/preferences.h"

#include <QCoreApplication>
#include <QVariant>

#include <limits>

namespace platform {

namespace {

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
    // An INI file gives back strings; a value set in this run keeps its own type.
    if (value.typeId() == QMetaType::QString || value.typeId() == QMetaType::QByteArray) {
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

void Preferences::setInteger(int value, const QString &key)
{
    m_settings.setValue(key, value);
}

} // namespace platform
