// What every harness needs: one offscreen application for the whole run, quiet logging, and a
// check that reports the broken invariant and aborts, which libFuzzer records as a crash together
// with the input that caused it.
#pragma once

#include <QApplication>
#include <QByteArray>

#include <QString>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace fuzz {

inline void startApplication()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The surd texts log their measured bar once each; thousands of inputs would drown the output.
    qputenv("QT_LOGGING_RULES", "unitcircle.surd=false");
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = { name, nullptr };
    static QApplication *app = new QApplication(argc, argv);
    (void)app;
}

// printf-style, for the messages of broken invariants.
inline QByteArray format(const char *pattern, ...)
{
    va_list args;
    va_start(args, pattern);
    const QString text = QString::vasprintf(pattern, args);
    va_end(args);
    return text.toUtf8();
}

[[noreturn]] inline void fail(const char *file, int line, const char *condition,
                              const QByteArray &why)
{
    std::fprintf(stderr, "%s:%d: invariant broken: %s\n  %s\n", file, line, condition,
                 why.constData());
    std::abort();
}

} // namespace fuzz

#define FUZZ_CHECK(condition, why)                                                                 \
    do {                                                                                           \
        if (!(condition))                                                                          \
            fuzz::fail(__FILE__, __LINE__, #condition, (why));                                     \
    } while (false)
