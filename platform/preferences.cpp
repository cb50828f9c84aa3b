#include "platform/preferences.h"
