// The application's bundle and the desktop's workspace: where the documents shipped with the
// program lie (beside the executable in the build tree, ../share/unitcircle once installed), and
// opening files and addresses in the user's default applications.
#pragma once

#include <QString>
#include <QUrl>

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
bool openFile(const QString &path);
bool openURL(const QUrl &url);

} // namespace platform
