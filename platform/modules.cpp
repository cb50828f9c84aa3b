// Loading the program's modules: each once, from the folder the program installs them in (found
// from the program's own place, so that an installed tree can move) or from beside the program.
#include "platform/modules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QLibrary>

namespace platform {

void *moduleFunction(const QString &module, const char *symbol, QString *error)
{
    // Loaded modules stay for the run, to its very end: their code and the objects they made are
    // still in use while the application object goes.
    static auto *const loaded = new QHash<QString, QLibrary *>;
    QLibrary *library = loaded->value(module);
    if (!library) {
        const QDir programDir(QCoreApplication::applicationDirPath());
        QString reason;
        for (const QString &dir :
             { programDir.filePath(QStringLiteral(UNITCIRCLE_MODULE_DIR)), programDir.path() }) {
            const QString path = QDir(dir).filePath(module);
            if (!QFileInfo::exists(path))
                continue;
            auto *candidate = new QLibrary(path);
            candidate->setLoadHints(QLibrary::PreventUnloadHint);
            if (candidate->load()) {
                library = candidate;
                break;
            }
            reason = candidate->errorString();
            delete candidate;
        }
        if (!library) {
            if (error)
                *error = reason.isEmpty()
                    //: %1 is the file name of a part of the program, such as unitcircle-print.so.
                    ? QCoreApplication::translate("Modules", "The file %1 is missing.").arg(module)
                    : reason;
            return nullptr;
        }
        loaded->insert(module, library);
    }
    void *function = reinterpret_cast<void *>(library->resolve(symbol));
    if (!function && error)
        *error = library->errorString();
    return function;
}

} // namespace platform
