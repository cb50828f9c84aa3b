// The printing module: the shared settings get 33-point margins, the print dialog runs, and the
// print system is asked around the page whether the queue takes jobs and whether the job was
// created. Built into its own library with Qt Print Support and libcups, so that neither is
// loaded until the user prints.
#include "app/print_dialog.h"

#include "platform/print_queue.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>

namespace printing {

namespace {

QPrinter *s_sharedPrinter = nullptr;

void destroySharedPrinter()
{
    delete s_sharedPrinter;
    s_sharedPrinter = nullptr;
}

// The job goes to a queue of the print system, not into a file the user chose.
bool printsToQueue(const QPrinter &printer)
{
    return printer.outputFormat() == QPrinter::NativeFormat && printer.outputFileName().isEmpty();
}

class DialogModule : public Module
{
public:
    QPagedPaintDevice &printer() override { return sharedPrintInfo(); }
    bool runPrintDialog(QWidget *window, const QString &title) override
    {
        return printing::runPrintDialog(sharedPrintInfo(), window, title);
    }
    Failure send(const std::function<bool()> &draw) override
    {
        return printing::send(sharedPrintInfo(), draw);
    }
    void reportFailure(QWidget *window, const Failure &failure) override
    {
        printing::reportFailure(window, sharedPrintInfo(), failure);
    }
};

} // namespace

QPrinter &sharedPrintInfo()
{
    if (!s_sharedPrinter) {
        s_sharedPrinter = new QPrinter(QPrinter::HighResolution);
        static const bool registered = (qAddPostRoutine(destroySharedPrinter), true);
        Q_UNUSED(registered);
    }
    return *s_sharedPrinter;
}

void setMargins(QPrinter &printer)
{
    // Set again at every request, whatever an earlier request or dialog left in the settings.
    const float margin = 33.0f;
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Point);
    layout.setTopMargin(margin);
    layout.setBottomMargin(margin);
    layout.setLeftMargin(margin);
    layout.setRightMargin(margin);
    printer.setPageLayout(layout);
}

Failure send(QPrinter &printer, const std::function<bool()> &draw)
{
    const bool queued = printsToQueue(printer);
    if (queued) {
        const platform::QueueState state = platform::queueState(printer.printerName());
        switch (state.kind) {
        case platform::QueueState::Ready:
            break;
        case platform::QueueState::Rejecting:
            return { QCoreApplication::translate("Controller",
                                                 "The printer is not accepting jobs."),
                     state.detail };
        case platform::QueueState::Stopped:
            return { QCoreApplication::translate(
                         "Controller",
                         "The printer is stopped, so nothing was sent to it. Start "
                         "it again, then print once more."),
                     state.detail };
        case platform::QueueState::Gone:
            return { QCoreApplication::translate(
                         "Controller", "The printer no longer exists. Choose another printer."),
                     state.detail };
        case platform::QueueState::Unreachable:
            return { QCoreApplication::translate("Controller",
                                                 "The print system cannot be reached."),
                     state.detail };
        }
    }
    if (!draw())
        return { QCoreApplication::translate(
                     "Controller", "The page could not be made for this paper and printer."),
                 {} };
    QString detail;
    if (queued && !platform::lastJobCreated(&detail))
        return { QCoreApplication::translate("Controller",
                                             "The print system did not take the job."),
                 detail };
    return {};
}

void reportFailure(QWidget *window, const QPrinter &printer, const Failure &failure)
{
    const QString name = printsToQueue(printer)
        ? printer.printerName()
        : QDir::toNativeSeparators(printer.outputFileName());
    auto *box = new QMessageBox(
        QMessageBox::Warning, QCoreApplication::translate("Controller", "Unit Circle"),
        //: %1 is the name of the printer, or of the file printed to.
        QCoreApplication::translate("Controller", "Nothing was printed on \u201c%1\u201d.")
            .arg(name),
        QMessageBox::Ok, window);
    box->setInformativeText(failure.reason);
    if (!failure.detail.isEmpty())
        box->setDetailedText(failure.detail);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->open();
}

bool runPrintDialog(QPrinter &printer, QWidget *window, const QString &title)
{
    setMargins(printer);
    // The job's title: the queue lists it, and a PDF printer names its file and document after it.
    printer.setDocName(title);
    printer.setCreator(QStringLiteral("Unit Circle"));

    QPrintDialog dialog(&printer, window);
    dialog.setWindowModality(Qt::WindowModal);
    // One page and nothing to choose from.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace printing

printing::Module *unitcircle_print_module()
{
    static printing::DialogModule module;
    return &module;
}
