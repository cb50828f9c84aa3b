// Bundle look-up over QCoreApplication::applicationDirPath, with localized copies in folders named
// after a language, and the desktop's opener: xdg-open where the desktop has it (as Qt itself
// prefers), watched to its end, since Qt starts it detached and never learns that it failed;
// QDesktopServices elsewhere.
#include "platform/workspace.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>

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

namespace {

void open(const QUrl &url, QObject *context, std::function<void()> failed)
{
    const QPointer<QObject> receiver(context);
    const auto report = [receiver, failed] {
        if (receiver && failed)
            failed();
    };
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (!opener.isEmpty()) {
        // Not a child of context: the viewer it starts outlives the window, and the opener is
        // left to end on its own when the program quits first.
        auto *process = new QProcess;
        process->setProcessChannelMode(QProcess::ForwardedChannels);
        process->setProgram(opener);
        process->setArguments({ url.isLocalFile() ? url.toLocalFile() : url.toString() });
        QObject::connect(process, &QProcess::errorOccurred, process,
                         [process, report](QProcess::ProcessError error) {
                             if (error != QProcess::FailedToStart)
                                 return;
                             process->deleteLater();
                             // Reported from the event loop, as every other failure is.
                             QMetaObject::invokeMethod(QCoreApplication::instance(), report,
                                                       Qt::QueuedConnection);
                         });
        QObject::connect(process, &QProcess::finished, process,
                         [process, report](int exitCode, QProcess::ExitStatus status) {
                             process->deleteLater();
                             if (status != QProcess::NormalExit || exitCode != 0)
                                 report();
                         });
        process->start();
        return;
    }
#endif
    if (!QDesktopServices::openUrl(url))
        QMetaObject::invokeMethod(QCoreApplication::instance(), report, Qt::QueuedConnection);
}

} // namespace

void openFile(const QString &path, QObject *context, std::function<void()> failed)
{
    open(QUrl::fromLocalFile(path), context, std::move(failed));
}

void openURL(const QUrl &url, QObject *context, std::function<void()> failed)
{
    open(url, context, std::move(failed));
}

} // namespace platform
