// The print command: the shared settings get 33-point margins, a print view exactly the size of
// the printable area takes the on-screen view's angle and choices, and after the print dialog it
// runs the one drawing pass of the figure (drawRect) on the page, in points, as a non-screen pass.
#include "app/printing.h"
#include "app/controller.h"

#include "platform/graphics.h"
#include "view/orbel_view.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include <memory>

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

// Centring: the view in the middle of the printable area. With the settings as the
// request left them the offset is nil; it only matters when the dialog changed the paper.
void drawPage(QPrinter &printer, OrbelView &printView, float w, float h)
{
    QPainter painter;
    if (!painter.begin(&printer)) {
        qWarning("Printing could not start on %s",
                 qPrintable(printer.outputFileName().isEmpty() ? printer.printerName()
                                                               : printer.outputFileName()));
        return;
    }
    const double pointsToDevice = printer.resolution() / 72.0;
    painter.scale(pointsToDevice, pointsToDevice);
    const QRectF area = printer.pageLayout().paintRect(QPageLayout::Point);
    painter.translate((area.width() - double(w)) / 2.0, (area.height() - double(h)) / 2.0);

    Graphics g(painter, printView.coordinates(), false);
    printView.drawRect(g);
    painter.end();
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

} // namespace printing

void Controller::print(QObject *)
{
    if (!orbelView)
        return;

    QPrinter &printer = printing::sharedPrintInfo();

    // Set again at every request, whatever an earlier request or dialog left in the settings.
    const float margin = 33.0f;
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Point);
    layout.setTopMargin(margin);
    layout.setBottomMargin(margin);
    layout.setLeftMargin(margin);
    layout.setRightMargin(margin);
    printer.setPageLayout(layout);

    const QPageLayout applied = printer.pageLayout();
    const QSizeF paper = applied.fullRect(QPageLayout::Point).size();
    const QMarginsF margins = applied.margins(QPageLayout::Point);
    const float w = (float(paper.width()) - float(margins.left())) - float(margins.right());
    const float h = (float(paper.height()) - float(margins.top())) - float(margins.bottom());
    if (!(w > 0.0f && h > 0.0f)) {
        qWarning("Nothing printed: the paper (%g x %g points) is smaller than its margins",
                 paper.width(), paper.height());
        return;
    }

    // Never shown; it lives for this request only.
    const auto printView
        = std::make_unique<OrbelView>(Rect { Point { 0.0f, 0.0f }, Size { w, h } });
    printView->translateOriginToPoint(Point { 0.5f * w, 0.5f * h });
    // The unit first, so that the label setTheta builds is already in it.
    printView->setAngleUnit(orbelView->angleUnit());
    printView->setTheta(orbelView->theta());
    printView->setStandardAngles(orbelView->standardAngles());
    printView->setSinCos(orbelView->sinCos());

    QPrintDialog dialog(&printer, window);
    dialog.setWindowModality(Qt::WindowModal);
    // One page and nothing to choose from.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() != QDialog::Accepted)
        return;

    printing::drawPage(printer, *printView, w, h);
    if (const auto &observer = printing::passObserver())
        observer(printing::PrintPass { paper, margins, w, h, *printView });
}
