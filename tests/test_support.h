// Helpers shared by the tests: exact float comparison with a readable failure, and a test main
// that keeps the preferences in a scratch folder.
#pragma once

#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QTest>

#include <cstdint>
#include <cstring>

inline std::uint32_t bits(float f)
{
    std::uint32_t u;
    std::memcpy(&u, &f, sizeof u);
    return u;
}

inline bool sameBits(float a, float b)
{
    return bits(a) == bits(b);
}

inline QByteArray describe(float actual, float expected)
{
    return QString::asprintf("actual %.9g (0x%08x), expected %.9g (0x%08x)", double(actual),
                             unsigned(bits(actual)), double(expected), unsigned(bits(expected)))
        .toUtf8();
}

// Where exactness is the point: the same bits, not QCOMPARE's fuzzy float equality.
#define COMPARE_BITS(actual, expected)                                                             \
    QVERIFY2(sameBits((actual), (expected)), describe((actual), (expected)).constData())

// A test main for the shell: the preferences go to a temporary XDG_CONFIG_HOME, set before the
// application object exists so that no settings path is computed from the real home.
#define UNITCIRCLE_TEST_MAIN_WITH_PREFERENCES(TestClass)                                           \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        QTemporaryDir configHome;                                                                  \
        if (!configHome.isValid())                                                                 \
            return 1;                                                                              \
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome.path()));                          \
        QApplication app(argc, argv);                                                              \
        QCoreApplication::setOrganizationName(QStringLiteral("unitcircle"));                       \
        QCoreApplication::setApplicationName(QStringLiteral("unitcircle"));                        \
        QApplication::setAttribute(Qt::AA_Use96Dpi, true);                                         \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
