// Bundle look-up over QCoreApplication::applicationDirPath, with localized copies in folders named
// after a language, and the desktop over QDesktopServices.
#include "platform/workspace.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

namespace platform {

namespace {

QString &bundleOverride()
{
    static QString directory;
    return directory;
}

} // namespace

QString bundleDirectory()
{
    const QString &directory = bundleOverride();
    return directory.isEmpty() ? QCoreApplication::applicationDirPath() : directory;
}

void setBundleDirectory(const QString &directory)
{
    bundleOverride() = directory;
}

QString pathForResource(const QString &name, const QString &type)
{
    const QString fileName = type.isEmpty() ? name : name + QLatin1Char('.') + type;
    const QDir base(bundleDirectory());
    // A localized copy in a folder named after the language ("de", "pt_BR"), for the user's
    // languages in their order, before the one of the source language.
    QStringList folders;
    for (QString language : QLocale::system().uiLanguages()) {
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        for (const QString &folder : { language, language.section(QLatin1Char('_'), 0, 0) })
            if (!folder.isEmpty() && !folders.contains(folder))
                folders << folder;
    }
    folders << QString();
    for (const QString &folder : std::as_const(folders)) {
        const QString localized
            = folder.isEmpty() ? fileName : folder + QLatin1Char('/') + fileName;
        for (const QString &candidate :
             { base.filePath(localized),
               base.filePath(QStringLiteral("../share/unitcircle/") + localized) }) {
            const QFileInfo info(candidate);
            if (info.isFile())
                return QDir::cleanPath(info.absoluteFilePath());
        }
    }
    return QString();
}

bool openFile(const QString &path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool openURL(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

} // namespace platform
