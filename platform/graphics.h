// The drawing surface of the figure over QPainter: y up with the origin where the view put it, one
// current colour used by every later fill and stroke, the default one-point line, paths with arcs
// in degrees counter-clockwise, and texts placed by the lower-left corner of their box.
#pragma once

#include "platform/geometry.h"
#include "platform/pixel_picture.h"
#include "platform/styled_text.h"

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QTransform>

#include <optional>

class QPainter;
class QPaintDevice;
class ViewCoordinates;

class Path
{
public:
    void moveTo(Point p);
    void lineTo(Point p);
    void closePath();
    // An arc about centre from startAngle to endAngle, in degrees counter-clockwise from the
    // positive x axis, or clockwise when asked. On an empty path it starts a subpath at the arc's
    // first point; otherwise a line joins the current point to it.
    void appendArc(Point center, float radius, float startAngle, float endAngle,
                   bool clockwise = false);
    void appendOval(const Rect &rect);
    // Two lengths: drawn, then blank.
    void setLineDash(float drawn, float blank, float phase);

    const QPainterPath &painterPath() const { return m_path; }
    const std::optional<QVector<qreal>> &dash() const { return m_dash; }
    float dashPhase() const { return m_phase; }

private:
    QPainterPath m_path;
    std::optional<QVector<qreal>> m_dash;
    float m_phase = 0.0f;
};

class Graphics
{
public:
    // Draws on painter in the coordinates of view. The device decides whether the pass draws to
    // the screen: printers and PDF files do not.
    Graphics(QPainter &painter, const ViewCoordinates &view);
    Graphics(QPainter &painter, const ViewCoordinates &view, bool drawingToScreen);

    static bool isScreenDevice(const QPaintDevice *device);

    bool drawingToScreen() const { return m_drawingToScreen; }

    void setColor(const QColor &color);
    QColor color() const { return m_color; }
    // The width of later strokes; the platform's one point unless a caller asks for more.
    void setLineWidth(float width);
    float lineWidth() const { return m_lineWidth; }

    void fillRect(const Rect &rect);
    void strokeRect(const Rect &rect);
    void strokeLine(Point from, Point to);
    void fill(const Path &path);
    void stroke(const Path &path);

    // Texts take their colour from their attributes, never from the current colour.
    void drawText(const QString &text, const TextAttributes &attributes, Point lowerLeft);
    void drawStyledText(const StyledText &text, Point lowerLeft);

    QPainter &painter() { return m_painter; }

    // What a picture of this surface must be for copyPixels to put it on as it is: a raster
    // surface that the caller has not transformed, in its own pixel format and pixel ratio. Nothing
    // for vector devices (printers, PDF, SVG) and for transformed painters.
    struct PixelSurface
    {
        QImage::Format format;
        qreal devicePixelRatio;
    };
    std::optional<PixelSurface> pixelSurface() const;
    // Puts an opaque picture of device pixels on the surface with its top-left corner at the
    // view's, replacing what is there (a copy, not a blend).
    void copyPixels(const PixelPicture &picture);

private:
    void applyTransform();
    void applyPen();
    void beginText(Point lowerLeft);
    void endText();
    // The image a raster engine draws into, where the surface is one.
    QImage *rasterImage() const;
    // copyPixels straight into the surface's pixels, row by row; false where Qt must place them.
    bool putPixels(const PixelPicture &picture);
    // Where a point of the view lands on the painter, before the y flip of texts.
    QPointF toPainter(Point p) const;

    QPainter &m_painter;
    const ViewCoordinates &m_view;
    QTransform m_base;
    bool m_drawingToScreen;
    QColor m_color = Qt::black;
    float m_lineWidth = 1.0f;
    std::optional<Point> m_appliedOrigin;
};
