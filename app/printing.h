// Printing the figure: its page and the graph's, drawn on whatever paged device the print
// settings are, and a look at each print view after its pass on the page for tests. The print
// settings, the dialog and the print system's answers are the printing module's (Qt Print
// Support and libcups, loaded the first time the user prints): see print_dialog.h.
#pragma once

#include <QMarginsF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <functional>

class GraphView;
class OrbelView;
class QPagedPaintDevice;
class QWidget;

namespace printing {

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

// What follows an accepted print dialog: the figure of view, with its angle and choices, on one
// page of the paper the printer holds now, in the printable area within its margins. Answers
// whether the page was drawn (not whether the print system took it: see send).
bool printFigure(QPagedPaintDevice &printer, const OrbelView &view);

// The same for the graph: across the whole printable width, as high as a graph of the designed
// proportions of the window's is (or the printable height, where that is less), in the middle of
// the printable area, drawn by the graph's own drawing pass for paper.
bool printGraph(QPagedPaintDevice &printer, GraphView &graph);

// Why a page did not go out, in the user's language: the reason and the print system's own words
// (or nothing); a null reason where it went out.
struct Failure
{
    QString reason;
    QString detail;
};

// What the printing module does for the program: the shared settings, the dialog, sending a page
// and saying why it did not go out.
class Module
{
public:
    virtual ~Module() = default;
    // The shared print settings: one high-resolution printer for the whole run, kept between
    // requests.
    virtual QPagedPaintDevice &printer() = 0;
    // The print dialog of a request attached to window, for one page of a job named title, on
    // the shared settings with 33-point margins. Answers whether the user accepted it.
    virtual bool runPrintDialog(QWidget *window, const QString &title) = 0;
    // One page to the destination the dialog left in the settings, drawn by draw: asked first
    // whether the queue can take a job at all, and afterwards whether the job was created.
    virtual Failure send(const std::function<bool()> &draw) = 0;
    // The failure said in a message attached to window, naming the printer.
    virtual void reportFailure(QWidget *window, const Failure &failure) = 0;
};

// The printing module: linked into the program (the tests), or loaded on the first call. Null
// with *error, in the user's language, where it cannot be loaded.
Module *module(QString *error);

} // namespace printing
