// The program in the user's language: its own translations, compiled into it, and Qt's, for the
// dialogs Qt provides (print, files, messages). English is the language of the source.
#pragma once

#include <QLocale>

namespace translations {

// Installs the translators for the languages of locale (by default the user's, as Qt finds them
// in LANGUAGE, LC_ALL, LC_MESSAGES and LANG), the first of them that the program has. English's
// own plural forms are always there. Safe to call again: it replaces what it installed before.
void install(const QLocale &locale = QLocale::system());

} // namespace translations
