// The system beep goes through QApplication unless a handler is installed.
#include "platform/beep.h"

#include <QApplication>

namespace platform {

namespace {
std::function<void()> &beepHandler()
{
    static std::function<void()> handler;
    return handler;
}
} // namespace

void beep()
{
    if (beepHandler())
        beepHandler()();
    else
        QApplication::beep();
}

void setBeepHandler(std::function<void()> handler)
{
    beepHandler() = std::move(handler);
}

} // namespace platform
