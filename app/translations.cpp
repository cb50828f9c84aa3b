// The translators: English plurals first, then the user's language for the program and for Qt.
#include "app/translations.h"

#include "trig/spoken_words.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>
#include <vector>

namespace translations {

namespace {

std::vector<std::unique_ptr<QTranslator>> &installed()
{
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

void add(std::unique_ptr<QTranslator> translator)
{
    QCoreApplication::installTranslator(translator.get());
    installed().push_back(std::move(translator));
}

} // namespace

void install(const QLocale &locale)
{
    for (const auto &translator : installed())
        QCoreApplication::removeTranslator(translator.get());
    installed().clear();

    // Qt looks in the translator installed last first: the user's language wins over English.
    auto english = std::make_unique<QTranslator>();
    if (english->load(QStringLiteral(":/i18n/unitcircle_en.qm")))
        add(std::move(english));

    // Spoken numbers follow the notation of the language the program speaks: "0,423" where the
    // program speaks German, whose speech reads "0.423" as a thousands group.
    speech::setLanguage(QLocale::c());
    auto program = std::make_unique<QTranslator>();
    if (program->load(locale, QStringLiteral("unitcircle"), QStringLiteral("_"),
                      QStringLiteral(":/i18n"))
        && program->language() != QLatin1String("en")) {
        speech::setLanguage(QLocale(program->language()));
        add(std::move(program));
    }

    auto qt = std::make_unique<QTranslator>();
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        add(std::move(qt));
}

} // namespace translations
