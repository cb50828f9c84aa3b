// The print command: the shared settings get 33-point margins, the print dialog runs, and then a
// print view exactly the size of the printable area of the paper chosen takes the on-screen view's
// angle and choices and runs the one drawing pass of the figure (drawRect) on the page, in points,
// as a non-screen pass. The graph prints the same way: the same dialog and settings, and its own
// drawing pass across the printable width.
#include "app/printing.h"
#include "app/controller.h"

#include "platform/graphics.h"
#include "graph/graph_view.h"
#include "platform/print_queue.h"
#include "view/orbel_view.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>
#include <memory>
#include <optional>

namespace printing {

namespace {

QPrinter *s_sharedPrinter = nullptr;

void destroySharedPrinter()
{
    delete s_sharedPrinter;
    s_sharedPrinter = nullptr;
}

std::function<void(const PrintPass &)> &passObserver()
{
    static std::function<void(const PrintPass &)> observer;
    return observer;
}

std::function<void(const GraphPrintPass &)> &graphPassObserver()
{
    static std::function<void(const GraphPrintPass &)> observer;
    return observer;
}

// The printable area w x h in points of the paper and orientation in force, within the margins
// as the settings hold them; nothing where the paper is smaller than its margins.
struct Printable
{
    QSizeF paper;
    QMarginsF margins;
    float width;
    float height;
};

std::optional<Printable> printableArea(const QPrinter &printer)
{
    const QPageLayout applied = printer.pageLayout();
    const QSizeF paper = applied.fullRect(QPageLayout::Point).size();
    const QMarginsF margins = applied.margins(QPageLayout::Point);
    const float w = (float(paper.width()) - float(margins.left())) - float(margins.right());
    const float h = (float(paper.height()) - float(margins.top())) - float(margins.bottom());
    if (!(w > 0.0f && h > 0.0f)) {
        qWarning("Nothing printed: the paper (%g x %g points) is smaller than its margins",
                 paper.width(), paper.height());
        return std::nullopt;
    }
    return Printable { paper, margins, w, h };
}

// A painter on the page in points whose origin is the corner of a w x h box in the middle of
// the printable area.
bool beginPage(QPainter &painter, QPrinter &printer, double w, double h)
{
    if (!painter.begin(&printer)) {
        qWarning("Printing could not start on %s",
                 qPrintable(printer.outputFileName().isEmpty() ? printer.printerName()
                                                               : printer.outputFileName()));
        return false;
    }
    const double pointsToDevice = printer.resolution() / 72.0;
    painter.scale(pointsToDevice, pointsToDevice);
    const QRectF area = printer.pageLayout().paintRect(QPageLayout::Point);
    painter.translate((area.width() - w) / 2.0, (area.height() - h) / 2.0);
    return true;
}

// The view in the middle of the printable area, which the painter's origin is the corner of: the
// view is that area's size, so the centring only takes up the rounding of w and h to floats.
bool drawPage(QPrinter &printer, OrbelView &printView, float w, float h)
{
    QPainter painter;
    if (!beginPage(painter, printer, double(w), double(h)))
        return false;
    Graphics g(painter, printView.coordinates(), false);
    printView.drawRect(g);
    return painter.end();
}

// The job goes to a queue of the print system, not into a file the user chose.
bool printsToQueue(const QPrinter &printer)
{
    return printer.outputFormat() == QPrinter::NativeFormat && printer.outputFileName().isEmpty();
}

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

void setPassObserver(std::function<void(const PrintPass &)> observer)
{
    passObserver() = std::move(observer);
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

void setGraphPassObserver(std::function<void(const GraphPrintPass &)> observer)
{
    graphPassObserver() = std::move(observer);
}

bool printFigure(QPrinter &printer, const OrbelView &view)
{
    const std::optional<Printable> printable = printableArea(printer);
    if (!printable)
        return false;
    const QSizeF paper = printable->paper;
    const QMarginsF margins = printable->margins;
    const float w = printable->width;
    const float h = printable->height;

    // Never shown; it lives for this request only.
    const auto printView
        = std::make_unique<OrbelView>(Rect { Point { 0.0f, 0.0f }, Size { w, h } });
    printView->translateOriginToPoint(Point { 0.5f * w, 0.5f * h });
    // The unit first, so that the label setTheta builds is already in it.
    printView->setAngleUnit(view.angleUnit());
    // A typed angle is printed as typed, not snapped to a standard angle nearby.
    if (view.typedAngle())
        printView->setTypedAngle(view.theta(), view.typedDegreeDecimals());
    else
        printView->setTheta(view.theta());
    printView->setStandardAngles(view.standardAngles());
    printView->setSinCos(view.sinCos());

    const bool drawn = drawPage(printer, *printView, w, h);
    if (const auto &observer = passObserver())
        observer(PrintPass { paper, margins, w, h, *printView });
    return drawn;
}

bool printGraph(QPrinter &printer, GraphView &graph)
{
    const std::optional<Printable> printable = printableArea(printer);
    if (!printable)
        return false;
    // The proportions of the graph below a 640 x 480 circle.
    const QSize designed = graph.sizeHint();
    const double width = double(printable->width);
    const double height
        = std::min(double(printable->height), width * designed.height() / designed.width());

    QPainter painter;
    if (!beginPage(painter, printer, width, height))
        return false;
    graph.draw(painter, QSizeF(width, height), false);
    const bool drawn = painter.end();

    if (const auto &observer = graphPassObserver()) {
        const QRectF area(QPointF(printable->margins.left(), printable->margins.top()),
                          QSizeF(double(printable->width), double(printable->height)));
        observer(GraphPrintPass {
            printable->paper, printable->margins,
            QRectF(area.left(), area.center().y() - height / 2.0, width, height) });
    }
    return drawn;
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
            return { Controller::tr("The printer is not accepting jobs."), state.detail };
        case platform::QueueState::Stopped:
            return { Controller::tr("The printer is stopped, so nothing was sent to it. Start "
                                    "it again, then print once more."),
                     state.detail };
        case platform::QueueState::Gone:
            return { Controller::tr("The printer no longer exists. Choose another printer."),
                     state.detail };
        case platform::QueueState::Unreachable:
            return { Controller::tr("The print system cannot be reached."), state.detail };
        }
    }
    if (!draw())
        return { Controller::tr("The page could not be made for this paper and printer."), {} };
    QString detail;
    if (queued && !platform::lastJobCreated(&detail))
        return { Controller::tr("The print system did not take the job."), detail };
    return {};
}

void reportFailure(QWidget *window, const QPrinter &printer, const Failure &failure)
{
    const QString name = printsToQueue(printer)
        ? printer.printerName()
        : QDir::toNativeSeparators(printer.outputFileName());
    auto *box = new QMessageBox(
        QMessageBox::Warning, Controller::tr("Unit Circle"),
        //: %1 is the name of the printer, or of the file printed to.
        Controller::tr("Nothing was printed on \u201c%1\u201d.").arg(name), QMessageBox::Ok,
        window);
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

void Controller::print(QObject *)
{
    if (!orbelView)
        return;

    QPrinter &printer = printing::sharedPrintInfo();
    //: The print job's title: the queue lists it and a PDF printer names its file after it.
    if (!printing::runPrintDialog(printer, window, tr("Unit Circle")))
        return;

    // The paper is the one chosen in the dialog (a printer's own default, or one picked in its
    // properties), so the figure is sized only now.
    const printing::Failure failure
        = printing::send(printer, [&] { return printing::printFigure(printer, *orbelView); });
    if (!failure.reason.isNull())
        printing::reportFailure(window, printer, failure);
}

void Controller::printGraph(QObject *)
{
    if (!graphView)
        return;

    QPrinter &printer = printing::sharedPrintInfo();
    //: The title of the print job of the graph: the queue lists it and a PDF printer names its
    //: file after it.
    if (!printing::runPrintDialog(printer, window, tr("Unit Circle Graph")))
        return;
    const printing::Failure failure
        = printing::send(printer, [&] { return printing::printGraph(printer, *graphView); });
    if (!failure.reason.isNull())
        printing::reportFailure(window, printer, failure);
}
