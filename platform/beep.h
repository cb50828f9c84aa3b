// The system beep, with a hook so that tests can hear it without a sound device.
#pragma once

#include <functional>

namespace platform {

void beep();

// Replaces the beep by handler until it is reset with an empty function.
void setBeepHandler(std::function<void()> handler);

} // namespace platform
