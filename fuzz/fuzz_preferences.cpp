// A preferences file of arbitrary bytes, read as a new run would read it. Invariants: reading
// neither crashes nor reports; each key reads the same integer twice; and a choice stored next is
// on storage after the store is flushed, whatever the file held before, so a damaged file never
// costs the user a later change.
#include "fuzz_support.h"

#include "platform/preferences.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>

namespace {

QTemporaryDir *configHome = nullptr;

QString settingsPath()
{
    return configHome->path() + QStringLiteral("/unitcircle/unitcircle.conf");
}

const QString keys[] = { QStringLiteral("prefs_standardAngles"), QStringLiteral("prefs_sinCos"),
                         QStringLiteral("prefs_angleUnit") };

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Before the application, so that no settings path is ever computed from the real home.
    configHome = new QTemporaryDir;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome->path()));
    fuzz::startApplication();
    QCoreApplication::setOrganizationName(QStringLiteral("unitcircle"));
    QCoreApplication::setApplicationName(QStringLiteral("unitcircle"));
    QDir().mkpath(configHome->path() + QStringLiteral("/unitcircle"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const int which = input.ConsumeIntegralInRange<int>(0, 2);
    const int next = input.ConsumeIntegral<int>();
    {
        QFile file(settingsPath());
        FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "cannot write the file");
        const std::vector<char> bytes = input.ConsumeRemainingBytes<char>();
        file.write(bytes.data(), qint64(bytes.size()));
    }

    platform::Preferences::reset();
    platform::Preferences &store = platform::Preferences::standard();
    for (const QString &key : keys)
        FUZZ_CHECK(store.integerForKey(key) == store.integerForKey(key), key.toUtf8());

    store.setInteger(next, keys[which]);
    FUZZ_CHECK(store.integerForKey(keys[which]) == next, "the store forgot a value set this run");

    // Flushed to storage and read back afresh, as the next run would.
    platform::Preferences::reset();
    const int stored = platform::Preferences::standard().integerForKey(keys[which]);
    FUZZ_CHECK(stored == next,
               fuzz::format("%s: stored %d, read back %d", qPrintable(keys[which]), next, stored));
    platform::Preferences::reset();
    return 0;
}
