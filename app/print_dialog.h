// The printing module: the shared print settings (a QPrinter), the print dialog, and the print
// system's answers around a page. Built into a library of its own with Qt Print Support and
// libcups, which the program loads the first time the user prints; the tests link it.
#pragma once

#include "app/printing.h"

class QPrinter;

namespace printing {

// The shared print settings: one high-resolution printer for the whole run, kept between
// requests, destroyed with the application object.
QPrinter &sharedPrintInfo();

// All four margins of the settings to 33 points.
void setMargins(QPrinter &printer);

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

// The module's entry, found by name when the module is loaded.
extern "C" printing::Module *unitcircle_print_module();
