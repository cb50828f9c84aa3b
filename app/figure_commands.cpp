// Export and copy of the figure, and export of the graph, from the window: the file dialog, the
// message when a file cannot be written, and the clipboard. Each is drawn by its view's one
// drawing pass.
#include "app/controller.h"

#include "app/figure_export.h"
#include "view/orbel_view.h"

#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMimeData>
#include <QStandardPaths>

namespace {

struct Filter
{
    const char *name;
    const char *suffix;
};

constexpr Filter filters[] = {
    { QT_TRANSLATE_NOOP("Controller", "PNG image (*.png)"), "png" },
    { QT_TRANSLATE_NOOP("Controller", "SVG drawing (*.svg)"), "svg" },
    { QT_TRANSLATE_NOOP("Controller", "PDF document (*.pdf)"), "pdf" },
};

// The file dialog of an export: a name in the Pictures folder, the format by the filter chosen or
// the suffix typed. Returns the path, or nothing when the dialog was cancelled.
QString chooseExportPath(QWidget *window, const QString &title, const QString &fileName)
{
    QStringList names;
    for (const Filter &filter : filters)
        names << Controller::tr(filter.name);

    QFileDialog dialog(window, title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(names);
    dialog.setDefaultSuffix(QStringLiteral("png"));
    dialog.setDirectory(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation));
    dialog.selectFile(fileName);
    // The chosen filter decides the suffix the dialog adds to a bare name.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, names](const QString &name) {
                         const qsizetype index = names.indexOf(name);
                         if (index >= 0)
                             dialog.setDefaultSuffix(QString::fromLatin1(filters[index].suffix));
                     });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();

    QString path = dialog.selectedFiles().constFirst();
    const qsizetype chosen = names.indexOf(dialog.selectedNameFilter());
    const QString suffix = QFileInfo(path).suffix().toLower();
    const bool known = suffix == QLatin1String("png") || suffix == QLatin1String("svg")
        || suffix == QLatin1String("pdf");
    if (!known && chosen >= 0)
        path += QLatin1Char('.') + QString::fromLatin1(filters[chosen].suffix);
    return path;
}

// A file that could not be written is said in a message attached to the window.
bool reportFailure(QWidget *window, const QString &title, const QString &path, const QString &error)
{
    QMessageBox::warning(window, title,
                         Controller::tr("The file \u201c%1\u201d could not be saved.\n\n%2")
                             .arg(QFileInfo(path).fileName(), error));
    return false;
}

} // namespace

void Controller::exportFigure(QObject *)
{
    if (!orbelView)
        return;
    const QString title = tr("Export Figure");
    //: The file name that the export dialog proposes for the figure.
    const QString path = chooseExportPath(window, title, tr("Unit Circle.png"));
    if (!path.isEmpty())
        exportFigureTo(path);
}

bool Controller::exportFigureTo(const QString &path)
{
    QString error;
    if (::exportFigure(*orbelView, path, figureFormatForPath(path), &error))
        return true;
    return reportFailure(window, tr("Export Figure"), path, error);
}

void Controller::exportGraph(QObject *)
{
    if (!graphView)
        return;
    const QString title = tr("Export Graph");
    //: The file name that the export dialog proposes for the graph.
    const QString path = chooseExportPath(window, title, tr("Unit Circle graph.png"));
    if (!path.isEmpty())
        exportGraphTo(path);
}

bool Controller::exportGraphTo(const QString &path)
{
    QString error;
    if (::exportGraph(*graphView, path, figureFormatForPath(path), &error))
        return true;
    return reportFailure(window, tr("Export Graph"), path, error);
}

void Controller::copyFigure(QObject *)
{
    if (!orbelView)
        return;
    QGuiApplication::clipboard()->setImage(renderFigure(*orbelView, 2.0));
}
