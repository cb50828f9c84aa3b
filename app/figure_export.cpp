// Export and copy of the figure and of the graph: PNG at twice the pixel density, SVG and vector
// PDF, each drawn by the same pass as the screen.
#include "app/figure_export.h"

#include "graph/graph_view.h"
#include "platform/graphics.h"
#include "platform/modules.h"
#include "view/orbel_view.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <cmath>
#include <functional>
#include <memory>

// Linked into a program that carries the SVG module itself (the tests); elsewhere it is loaded.
extern "C" QPaintDevice *unitcircle_svg_generator(QIODevice *output, const QSize &size,
                                                  const QString &title) __attribute__((weak));

namespace {

// What is exported: its size in points and one drawing pass in points on a painter whose device
// may count in other units.
struct Drawing
{
    QSize size;
    std::function<void(QPainter &)> draw;
};

Drawing figureDrawing(OrbelView &view)
{
    const Rect frame = view.frame();
    const QSize size(std::max(1, int(std::ceil(frame.size.width))),
                     std::max(1, int(std::ceil(frame.size.height))));
    return Drawing { size, [&view](QPainter &painter) {
                        // Files and the clipboard go to paper and slides: dark on white, whatever
                        // the screen shows.
                        const DisplayOptions shown = view.displayOptions();
                        DisplayOptions onPaper = shown;
                        onPaper.reverseContrast = false;
                        view.setDisplayOptions(onPaper);
                        Graphics g(painter, view.coordinates(), true);
                        view.drawRect(g);
                        view.setDisplayOptions(shown);
                    } };
}

Drawing graphDrawing(GraphView &graph)
{
    // A graph that is not on screen is exported at the size it would have.
    const QSize size = graph.isVisible() ? graph.size() : graph.sizeHint();
    return Drawing { size, [&graph, size](QPainter &painter) {
                        graph.draw(painter, QSizeF(size), false);
                    } };
}

QImage render(const Drawing &drawing, qreal devicePixelRatio)
{
    QImage image(drawing.size * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::white);
    QPainter painter(&image);
    drawing.draw(painter);
    painter.end();
    return image;
}

bool write(const Drawing &drawing, const QString &path, FigureFormat format, QString *error);

// The SVG generator of the SVG module (Qt Svg), loaded the first time it is needed; null with
// *error where the module cannot be loaded.
std::unique_ptr<QPaintDevice> svgGenerator(QIODevice *output, const QSize &size,
                                           const QString &title, QString *error)
{
    using Entry = QPaintDevice *(*)(QIODevice *, const QSize &, const QString &);
    Entry entry = unitcircle_svg_generator;
    if (!entry)
        entry = reinterpret_cast<Entry>(platform::moduleFunction(
            QStringLiteral("unitcircle-svg.so"), "unitcircle_svg_generator", error));
    return std::unique_ptr<QPaintDevice>(entry ? entry(output, size, title) : nullptr);
}

} // namespace

FigureFormat figureFormatForPath(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("svg"))
        return FigureFormat::Svg;
    if (suffix == QLatin1String("pdf"))
        return FigureFormat::Pdf;
    return FigureFormat::Png;
}

QImage renderFigure(OrbelView &view, qreal devicePixelRatio)
{
    return render(figureDrawing(view), devicePixelRatio);
}

QImage renderGraph(GraphView &graph, qreal devicePixelRatio)
{
    return render(graphDrawing(graph), devicePixelRatio);
}

bool exportFigure(OrbelView &view, const QString &path, FigureFormat format, QString *error)
{
    return write(figureDrawing(view), path, format, error);
}

bool exportGraph(GraphView &graph, const QString &path, FigureFormat format, QString *error)
{
    return write(graphDrawing(graph), path, format, error);
}

namespace {

bool write(const Drawing &drawing, const QString &path, FigureFormat format, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }

    bool drawn = true;
    const QSize size = drawing.size;
    switch (format) {
    case FigureFormat::Png:
        drawn = render(drawing, 2.0).save(&file, "PNG");
        break;
    case FigureFormat::Svg: {
        QString unavailable;
        const std::unique_ptr<QPaintDevice> generator = svgGenerator(
            &file, size, QCoreApplication::translate("FigureExport", "Unit Circle"), &unavailable);
        if (!generator) {
            if (error)
                *error = QCoreApplication::translate(
                             "FigureExport",
                             "SVG export is not available: the part of Unit Circle that "
                             "writes SVG could not be loaded (%1).")
                             .arg(unavailable);
            file.cancelWriting();
            return false;
        }
        QPainter painter;
        drawn = painter.begin(generator.get());
        if (drawn) {
            drawing.draw(painter);
            painter.end();
        }
        break;
    }
    case FigureFormat::Pdf: {
        QPdfWriter writer(&file);
        writer.setCreator(QStringLiteral("Unit Circle"));
        writer.setTitle(QCoreApplication::translate("FigureExport", "Unit Circle"));
        writer.setResolution(1200);
        writer.setPageLayout(QPageLayout(QPageSize(QSizeF(size), QPageSize::Point),
                                         QPageLayout::Portrait, QMarginsF()));
        QPainter painter;
        drawn = painter.begin(&writer);
        if (drawn) {
            painter.scale(writer.resolution() / 72.0, writer.resolution() / 72.0);
            drawing.draw(painter);
            painter.end();
        }
        break;
    }
    }

    if (!drawn || file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.error() != QFileDevice::NoError
                ? file.errorString()
                : QCoreApplication::translate("FigureExport", "The drawing could not be made.");
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace
