// Export and copy of the figure from the window: the file dialog, the message when a file cannot
// be written, and the clipboard. The figure itself is drawn by the view's one drawing pass.
#include "app/controller.h"

#include "view/figure_export.h"
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

} // namespace

void Controller::exportFigure(QObject *)
{
    if (!orbelView)
        return;

    QStringList names;
    for (const Filter &filter : filters)
        names << tr(filter.name);

    QFileDialog dialog(window, tr("Export Figure"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(names);
    dialog.setDefaultSuffix(QStringLiteral("png"));
    dialog.setDirectory(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation));
    dialog.selectFile(tr("Unit Circle.png"));
    // The chosen filter decides the suffix the dialog adds to a bare name.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, names](const QString &name) {
                         const qsizetype index = names.indexOf(name);
                         if (index >= 0)
                             dialog.setDefaultSuffix(QString::fromLatin1(filters[index].suffix));
                     });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;

    QString path = dialog.selectedFiles().constFirst();
    const qsizetype chosen = names.indexOf(dialog.selectedNameFilter());
    const QString suffix = QFileInfo(path).suffix().toLower();
    const bool known = suffix == QLatin1String("png") || suffix == QLatin1String("svg")
        || suffix == QLatin1String("pdf");
    if (!known && chosen >= 0)
        path += QLatin1Char('.') + QString::fromLatin1(filters[chosen].suffix);
    exportFigureTo(path);
}

bool Controller::exportFigureTo(const QString &path)
{
    QString error;
    if (::exportFigure(*orbelView, path, figureFormatForPath(path), &error))
        return true;
    QMessageBox::warning(
        window, tr("Export Figure"),
        tr("The figure could not be saved as “%1”.\n\n%2").arg(QFileInfo(path).fileName(), error));
    return false;
}

void Controller::copyFigure(QObject *)
{
    if (!orbelView)
        return;
    QGuiApplication::clipboard()->setImage(renderFigure(*orbelView, 2.0));
}
