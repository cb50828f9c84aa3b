// Parts of the program that only some runs need (printing with Qt Print Support and libcups, SVG
// export with Qt Svg) are libraries of their own, loaded the first time they are used, so that
// starting the program neither maps nor relocates them.
#pragma once

#include <QString>

namespace platform {

// The function named symbol of the module file (a name such as "unitcircle-print.so"), loaded on
// the first call and kept for the rest of the run. The module is looked for where the program
// installs it, and beside the program (a build tree). Null with *error in the user's language
// (naming the file and why) where it cannot be loaded.
void *moduleFunction(const QString &module, const char *symbol, QString *error);

} // namespace platform
