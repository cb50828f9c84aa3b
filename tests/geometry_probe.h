// A paint device that rasterises nothing and looks at every coordinate a drawing pass hands to
// Qt: rectangles, lines, paths, points, pen widths, dashes and the world transform (through which
// every text anchor passes). A non-finite value there means the pass computed NaN or infinite
// geometry, which Qt would silently drop or, for texts, turn into undefined fixed-point
// arithmetic. Shared by the robustness tests and the fuzzers.
#pragma once

#include "screen_metrics.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPen>
#include <QString>
#include <QTransform>

#include <cmath>
#include <memory>

class GeometryProbeEngine : public QPaintEngine
{
public:
    GeometryProbeEngine()
        : QPaintEngine(QPaintEngine::AllFeatures)
    { }

    // The first offending primitive, or an empty string when all were finite.
    QString firstFault() const { return m_fault; }
    int primitives() const { return m_primitives; }

    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState &state) override
    {
        if (state.state() & QPaintEngine::DirtyTransform) {
            const QTransform t = state.transform();
            check("transform",
                  { t.m11(), t.m12(), t.m13(), t.m21(), t.m22(), t.m23(), t.m31(), t.m32(),
                    t.m33() });
        }
        if (state.state() & QPaintEngine::DirtyPen) {
            const QPen pen = state.pen();
            check("pen width", { pen.widthF(), pen.dashOffset() });
            for (qreal d : pen.dashPattern())
                check("dash", { d });
        }
    }

    void drawRects(const QRectF *rects, int count) override
    {
        for (int i = 0; i < count; ++i)
            checkRect("rect", rects[i]);
    }
    void drawLines(const QLineF *lines, int count) override
    {
        for (int i = 0; i < count; ++i)
            check("line", { lines[i].x1(), lines[i].y1(), lines[i].x2(), lines[i].y2() });
    }
    void drawEllipse(const QRectF &r) override { checkRect("ellipse", r); }
    void drawPath(const QPainterPath &path) override
    {
        for (int i = 0; i < path.elementCount(); ++i)
            check("path", { path.elementAt(i).x, path.elementAt(i).y });
    }
    void drawPoints(const QPointF *points, int count) override
    {
        for (int i = 0; i < count; ++i)
            check("point", { points[i].x(), points[i].y() });
    }
    void drawPolygon(const QPointF *points, int count, PolygonDrawMode) override
    {
        for (int i = 0; i < count; ++i)
            check("polygon", { points[i].x(), points[i].y() });
    }
    void drawTextItem(const QPointF &p, const QTextItem &item) override
    {
        check("text", { p.x(), p.y(), item.width(), item.ascent(), item.descent() });
    }
    void drawPixmap(const QRectF &r, const QPixmap &, const QRectF &) override
    {
        checkRect("pixmap", r);
    }
    void drawImage(const QRectF &r, const QImage &, const QRectF &,
                   Qt::ImageConversionFlags) override
    {
        checkRect("image", r);
    }

private:
    void checkRect(const char *what, const QRectF &r)
    {
        check(what, { r.x(), r.y(), r.width(), r.height() });
    }
    void check(const char *what, std::initializer_list<qreal> values)
    {
        ++m_primitives;
        for (qreal v : values) {
            if (!std::isfinite(v) && m_fault.isEmpty())
                m_fault = QStringLiteral("%1 with the value %2").arg(QLatin1String(what)).arg(v);
        }
    }

    QString m_fault;
    int m_primitives = 0;
};

class GeometryProbe : public ScreenDevice<GeometryProbeEngine>
{
public:
    using ScreenDevice::ScreenDevice;
    QString firstFault() const { return engine.firstFault(); }
    int primitives() const { return engine.primitives(); }
};
