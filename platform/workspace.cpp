// Bundle look-up over QCoreApplication::applicationDirPath and the desktop over QDesktopServices.
#include "platform/workspace.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

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
    for (const QString &candidate :
         { base.filePath(fileName),
           base.filePath(QStringLiteral("../share/unitcircle/") + fileName) }) {
        const QFileInfo info(candidate);
        if (info.isFile())
            return QDir::cleanPath(info.absoluteFilePath());
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
