// The figure as a file or an image, drawn by the view's own drawing pass exactly as it looks on
// screen (white background and frame, no focus ring).
#pragma once

#include <QImage>
#include <QString>

class GraphView;
class OrbelView;

enum class FigureFormat { Png, Svg, Pdf };

// The format named by a file's suffix (png, svg, pdf; PNG when unknown).
FigureFormat figureFormatForPath(const QString &path);

// The figure at the view's size, at the given pixel density.
QImage renderFigure(OrbelView &view, qreal devicePixelRatio = 2.0);

// Writes the figure to path, through a temporary file in the same folder that replaces path only
// once it is complete. On failure returns false, leaves no file behind and sets *error.
bool exportFigure(OrbelView &view, const QString &path, FigureFormat format,
                  QString *error = nullptr);

// The same for the graph, at its size on screen (or the size it would have when hidden).
QImage renderGraph(GraphView &graph, qreal devicePixelRatio = 2.0);
bool exportGraph(GraphView &graph, const QString &path, FigureFormat format,
                 QString *error = nullptr);
