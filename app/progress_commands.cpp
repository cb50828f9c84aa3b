// The File menu's commands on the practice history: the progress per skill written as a CSV table
// for a teacher, and every answer forgotten once the user has said so.
#include "app/controller.h"

#include "panels/practice_history.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QStandardPaths>

void Controller::exportProgress(QObject *)
{
    if (!practiceHistory)
        return;
    QFileDialog dialog(window, tr("Export Progress"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    //: The file type of an exported progress, for a spreadsheet.
    dialog.setNameFilter(tr("CSV table (*.csv)"));
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    dialog.setDirectory(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    //: The file name that the export dialog proposes for the progress.
    dialog.selectFile(tr("Unit Circle progress.csv"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    exportProgressTo(dialog.selectedFiles().constFirst());
}

bool Controller::exportProgressTo(const QString &path)
{
    if (!practiceHistory)
        return false;
    // Written whole or not at all: a failed export leaves an earlier file of that name as it was.
    QSaveFile file(path);
    const QByteArray csv = mastery::csvOf(practiceHistory->progress()).toUtf8();
    if (file.open(QIODevice::WriteOnly) && file.write(csv) == csv.size() && file.commit())
        return true;
    QMessageBox::warning(window, tr("Export Progress"),
                         tr("The file \u201c%1\u201d could not be saved.\n\n%2")
                             .arg(QFileInfo(path).fileName(), file.errorString()));
    return false;
}

void Controller::resetProgress(QObject *)
{
    if (!practiceHistory)
        return;
    QMessageBox ask(QMessageBox::Question, tr("Reset Progress"),
                    tr("Forget every answer you have given in practice?"), QMessageBox::NoButton,
                    window);
    ask.setInformativeText(tr("All skills start again as new. This cannot be undone; export "
                              "your progress first to keep it."));
    //: The button that clears the practice history.
    QPushButton *reset = ask.addButton(tr("Reset"), QMessageBox::DestructiveRole);
    ask.addButton(QMessageBox::Cancel);
    ask.setDefaultButton(QMessageBox::Cancel);
    ask.exec();
    if (ask.clickedButton() != reset)
        return;
    if (!practiceHistory->reset())
        QMessageBox::warning(window, tr("Reset Progress"),
                             tr("Your practice history could not be cleared. Nothing was "
                                "forgotten."));
}
