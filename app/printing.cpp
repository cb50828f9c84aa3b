// The print command: the printing module runs the print dialog on the shared settings, and then a
// print view exactly the size of the printable area of the paper chosen takes the on-screen view's
// angle and choices and runs the one drawing pass of the figure (drawRect) on the page, in points,
// as a non-screen pass. The graph prints the same way: the same dialog and settings, and its own
// drawing pass across the printable width.
#include "app/printing.h"
#include "app/controller.h"

#include "graph/graph_view.h"
#include "platform/graphics.h"
#include "platform/modules.h"
#include "view/orbel_view.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <memory>
#include <optional>

namespace printing {

namespace {

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

std::optional<Printable> printableArea(const QPagedPaintDevice &printer)
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
bool beginPage(QPainter &painter, QPagedPaintDevice &printer, double w, double h)
{
    if (!painter.begin(&printer)) {
        qWarning("Printing could not start");
        return false;
    }
    // The device's dots per inch are the printer's resolution.
    const double pointsToDevice = printer.logicalDpiX() / 72.0;
    painter.scale(pointsToDevice, pointsToDevice);
    const QRectF area = printer.pageLayout().paintRect(QPageLayout::Point);
    painter.translate((area.width() - w) / 2.0, (area.height() - h) / 2.0);
    return true;
}

// The view in the middle of the printable area, which the painter's origin is the corner of: the
// view is that area's size, so the centring only takes up the rounding of w and h to floats.
bool drawPage(QPagedPaintDevice &printer, OrbelView &printView, float w, float h)
{
    QPainter painter;
    if (!beginPage(painter, printer, double(w), double(h)))
        return false;
    Graphics g(painter, printView.coordinates(), false);
    printView.drawRect(g);
    return painter.end();
}

} // namespace

void setPassObserver(std::function<void(const PrintPass &)> observer)
{
    passObserver() = std::move(observer);
}

void setGraphPassObserver(std::function<void(const GraphPrintPass &)> observer)
{
    graphPassObserver() = std::move(observer);
}

bool printFigure(QPagedPaintDevice &printer, const OrbelView &view)
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

bool printGraph(QPagedPaintDevice &printer, GraphView &graph)
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

// Linked into a program that carries the module itself (the tests); elsewhere it is loaded.
extern "C" Module *unitcircle_print_module() __attribute__((weak));

Module *module(QString *error)
{
    if (unitcircle_print_module)
        return unitcircle_print_module();
    using Entry = Module *(*)();
    static Module *loaded = nullptr;
    if (!loaded) {
        if (const auto entry = reinterpret_cast<Entry>(platform::moduleFunction(
                QStringLiteral("unitcircle-print.so"), "unitcircle_print_module", error)))
            loaded = entry();
    }
    return loaded;
}

// Without its module the program cannot print; it says so, and why, once per request.
void reportUnavailable(QWidget *window, const QString &error)
{
    auto *box
        = new QMessageBox(QMessageBox::Warning, Controller::tr("Unit Circle"),
                          Controller::tr("Printing is not available."), QMessageBox::Ok, window);
    box->setInformativeText(
        Controller::tr("The part of Unit Circle that prints could not be loaded. Reinstalling "
                       "the program may bring it back."));
    box->setDetailedText(error);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->open();
}

} // namespace printing

void Controller::print(QObject *)
{
    if (!orbelView)
        return;

    QString error;
    printing::Module *module = printing::module(&error);
    if (!module) {
        printing::reportUnavailable(window, error);
        return;
    }
    //: The print job's title: the queue lists it and a PDF printer names its file after it.
    if (!module->runPrintDialog(window, tr("Unit Circle")))
        return;

    // The paper is the one chosen in the dialog (a printer's own default, or one picked in its
    // properties), so the figure is sized only now.
    QPagedPaintDevice &printer = module->printer();
    const printing::Failure failure
        = module->send([&] { return printing::printFigure(printer, *orbelView); });
    if (!failure.reason.isNull())
        module->reportFailure(window, failure);
}

void Controller::printGraph(QObject *)
{
    if (!graphView)
        return;

    QString error;
    printing::Module *module = printing::module(&error);
    if (!module) {
        printing::reportUnavailable(window, error);
        return;
    }
    //: The title of the print job of the graph: the queue lists it and a PDF printer names its
    //: file after it.
    if (!module->runPrintDialog(window, tr("Unit Circle Graph")))
        return;
    QPagedPaintDevice &printer = module->printer();
    const printing::Failure failure
        = module->send([&] { return printing::printGraph(printer, *graphView); });
    if (!failure.reason.isNull())
        module->reportFailure(window, failure);
}
