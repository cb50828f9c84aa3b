// Printing the figure: the application's shared print settings, and a look at each
// print view after its pass on the page for tests.
#pragma once

#include <QMarginsF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <functional>

class GraphView;
class OrbelView;
class QPrinter;
class QWidget;

namespace printing {

// The shared print settings: one high-resolution printer for the
// whole run, kept between requests, destroyed with the application object.
QPrinter &sharedPrintInfo();

// What one print request worked with: the paper and the margins read back in points, the
// printable area w x h, and the print view, still alive, after its drawing pass on the page.
struct PrintPass
{
    QSizeF paperSize;
    QMarginsF margins;
    float width;
    float height;
    const OrbelView &printView;
};

// Called after each page is drawn; an empty function removes the observer.
void setPassObserver(std::function<void(const PrintPass &)> observer);

// The graph's page: the paper and margins in points, and the graph's rectangle on the paper.
struct GraphPrintPass
{
    QSizeF paperSize;
    QMarginsF margins;
    QRectF graph;
};
void setGraphPassObserver(std::function<void(const GraphPrintPass &)> observer);

// All four margins of the settings to 33 points.
void setMargins(QPrinter &printer);

// What follows an accepted print dialog: the figure of view, with its angle and choices, on one
// page of the paper the printer holds now, in the printable area within its margins. Answers
// whether the page was drawn (not whether the print system took it: see send).
bool printFigure(QPrinter &printer, const OrbelView &view);

// The same for the graph: across the whole printable width, as high as a graph of the designed
// proportions of the window's is (or the printable height, where that is less), in the middle of
// the printable area, drawn by the graph's own drawing pass for paper.
bool printGraph(QPrinter &printer, GraphView &graph);

// Why a page did not go out, in the user's language: the reason and the print system's own words
// (or nothing); a null reason where it went out.
struct Failure
{
    QString reason;
    QString detail;
};

// One page to the destination the dialog left in printer, drawn by draw: asked first whether the
// queue can take a job at all, and afterwards whether the job was created. A page printed to a
// file is judged by its drawing alone.
Failure send(QPrinter &printer, const std::function<bool()> &draw);

// The failure said in a message attached to window, naming the printer.
void reportFailure(QWidget *window, const QPrinter &printer, const Failure &failure);

// The print dialog of a request attached to window, for one page of a job named title. Answers
// whether the user accepted it.
bool runPrintDialog(QPrinter &printer, QWidget *window, const QString &title);

} // namespace printing
