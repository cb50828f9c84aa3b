// The application's bundle and the desktop's workspace: where the documents shipped with the
// program lie (beside the executable in the build tree, ../share/unitcircle once installed), and
// opening files and addresses in the user's default applications.
#pragma once

#include <QString>
#include <QUrl>

#include <functional>

class QObject;

namespace platform {

// The path of resource name.type (pathForResource:ofType:), or a null string when it is in
// neither place. A copy in a folder named after one of the user's languages ("de/ReadMe.rtf",
// "pt_BR/ReadMe.rtf") comes first, as a bundle's localized resources do.
QString pathForResource(const QString &name, const QString &type);

// The directory that holds the executable; pathForResource searches it and ../share/unitcircle
// beside it. setBundleDirectory replaces it (tests); an empty path restores the executable's.
QString bundleDirectory();
void setBundleDirectory(const QString &directory);

// Hand a local file or an address to the desktop's default application (openFile:, openURL:).
// Whether that worked is known only once the desktop's opener has ended, so failed is called
// later, from the event loop, as long as context lives: when no opener could be started, or the
// opener ended with an error (no application for the file, no browser). Nothing waits for it.
void openFile(const QString &path, QObject *context, std::function<void()> failed);
void openURL(const QUrl &url, QObject *context, std::function<void()> failed);

} // namespace platform
