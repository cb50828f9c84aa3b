// The figure's texts, when they are larger than designed, stand clear of one another and of every
// line: drawn onto a paint device that keeps what Qt hands it (the ink of each text as Qt's own
// glyph outlines, the strokes with their widths, the filled shapes), for a turn of the point in
// steps of 5 degrees, in both units, at the sizes of common windows and screens.
#include "platform/graphics.h"
#include "view/display_options.h"
#include "view/orbel_view.h"

#include "screen_metrics.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QtTest>

#include <cmath>
#include <vector>

Q_DECLARE_METATYPE(DisplayOptions)

namespace {

struct Stroke
{
    QPolygonF line;
    qreal halfWidth;
    int order;
};

struct Ink
{
    QRectF box;
    int order;
};

// Keeps the device geometry of a pass. Texts reach it as Qt's outlines of their glyphs (the
// engine leaves text to QPaintEngine's own conversion), each text one box however many runs it
// is drawn in.
class RecordingEngine : public QPaintEngine
{
public:
    RecordingEngine()
        : QPaintEngine(QPaintEngine::AllFeatures)
    { }

    std::vector<Ink> texts;
    std::vector<Stroke> strokes;
    std::vector<Ink> fills;

    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState &state) override
    {
        if (state.state() & DirtyTransform)
            m_transform = state.transform();
        if (state.state() & DirtyPen)
            m_pen = state.pen();
        if (state.state() & DirtyBrush)
            m_brush = state.brush();
    }

    void drawTextItem(const QPointF &p, const QTextItem &item) override
    {
        // Runs drawn under the same placement are one text.
        const QTransform placement = painter()->worldTransform();
        m_newText = !m_inTextRun || placement != m_textPlacement;
        m_textPlacement = placement;
        m_inTextRun = true;
        m_inText = true;
        QPaintEngine::drawTextItem(p, item);
        m_inText = false;
    }

    void drawPath(const QPainterPath &path) override
    {
        if (m_inText) {
            const QRectF ink = m_transform.map(path).boundingRect();
            if (ink.isEmpty())
                return;
            if (m_newText || texts.empty())
                texts.push_back({ ink, ++m_order });
            else
                texts.back().box = texts.back().box.united(ink);
            m_newText = false;
            return;
        }
        m_inTextRun = false;
        const QPainterPath mapped = m_transform.map(path);
        if (m_brush.style() != Qt::NoBrush)
            fills.push_back({ mapped.boundingRect(), ++m_order });
        if (m_pen.style() != Qt::NoPen)
            for (const QPolygonF &part : mapped.toSubpathPolygons())
                strokes.push_back({ part, halfWidth(), ++m_order });
    }
    void drawRects(const QRectF *rects, int count) override
    {
        for (int i = 0; i < count; ++i) {
            QPainterPath path;
            path.addRect(rects[i]);
            drawPath(path);
        }
    }
    void drawLines(const QLineF *lines, int count) override
    {
        m_inTextRun = false;
        for (int i = 0; i < count; ++i)
            strokes.push_back({ m_transform.map(QPolygonF({ lines[i].p1(), lines[i].p2() })),
                                halfWidth(), ++m_order });
    }
    void drawEllipse(const QRectF &r) override
    {
        QPainterPath path;
        path.addEllipse(r);
        drawPath(path);
    }
    void drawPolygon(const QPointF *points, int count, PolygonDrawMode) override
    {
        QPainterPath path;
        path.addPolygon(QPolygonF(QList<QPointF>(points, points + count)));
        path.closeSubpath();
        drawPath(path);
    }
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override { }

private:
    qreal halfWidth() const
    {
        const qreal width = m_pen.widthF() > 0.0 ? m_pen.widthF() : 1.0;
        return width * std::sqrt(std::abs(m_transform.determinant())) / 2.0;
    }

    QTransform m_transform;
    QPen m_pen;
    QBrush m_brush;
    QTransform m_textPlacement;
    bool m_inText = false;
    bool m_inTextRun = false;
    bool m_newText = false;
    int m_order = 0;
};

using Recorder = ScreenDevice<RecordingEngine>;

// Whether a stroke comes within its half width of a box: its segments walked in half pixels.
bool touches(const Stroke &stroke, const QRectF &box)
{
    const QRectF reach
        = box.adjusted(-stroke.halfWidth, -stroke.halfWidth, stroke.halfWidth, stroke.halfWidth);
    for (int i = 1; i < stroke.line.size(); ++i) {
        const QPointF a = stroke.line.at(i - 1), b = stroke.line.at(i);
        const int steps = std::max(1, int(std::ceil(QLineF(a, b).length() * 2.0)));
        for (int s = 0; s <= steps; ++s)
            if (reach.contains(a + (b - a) * (double(s) / steps)))
                return true;
    }
    return false;
}

// Whether a stroke runs along the edges of a box: its outline, drawn before it is filled.
bool outlines(const QPolygonF &stroke, const QRectF &box)
{
    const QRectF within = box.adjusted(-1, -1, 1, 1);
    const QRectF inner = box.adjusted(1, 1, -1, -1);
    return std::all_of(stroke.begin(), stroke.end(),
                       [&](const QPointF &p) { return within.contains(p) && !inner.contains(p); });
}

QString describe(const QRectF &r)
{
    return QStringLiteral("[%1,%2 %3x%4]")
        .arg(r.x(), 0, 'f', 1)
        .arg(r.y(), 0, 'f', 1)
        .arg(r.width(), 0, 'f', 1)
        .arg(r.height(), 0, 'f', 1);
}

// The first text that touches another text, a line or a filled shape, or that lies under the
// panel; an empty string when there is none.
QString firstCollision(const RecordingEngine &pass, const QRectF &device)
{
    // The panel: the last filled box, drawn over whatever lies under it, its own texts after it.
    const Ink *panel = nullptr;
    for (const Ink &fill : pass.fills)
        if (fill.box.width() > 20 && fill.box.height() > 20 && fill.box != device)
            panel = &fill;
    for (std::size_t i = 0; i < pass.texts.size(); ++i) {
        const Ink &text = pass.texts[i];
        if (!device.contains(text.box))
            return QStringLiteral("text %1 passes the view's edge").arg(describe(text.box));
        const bool inPanel = panel && text.order > panel->order && panel->box.contains(text.box);
        for (std::size_t j = i + 1; j < pass.texts.size(); ++j)
            if (text.box.intersects(pass.texts[j].box))
                return QStringLiteral("text %1 touches text %2")
                    .arg(describe(text.box), describe(pass.texts[j].box));
        if (inPanel)
            continue;
        for (const Stroke &stroke : pass.strokes)
            if (touches(stroke, text.box))
                return QStringLiteral("text %1 touches a line %2")
                    .arg(describe(text.box), describe(stroke.line.boundingRect()));
        for (const Ink &fill : pass.fills)
            if (&fill != panel && fill.box != device && fill.box.intersects(text.box))
                return QStringLiteral("text %1 touches a shape %2")
                    .arg(describe(text.box), describe(fill.box));
        if (panel && panel->box.intersects(text.box))
            return QStringLiteral("text %1 lies under the panel").arg(describe(text.box));
    }
    if (panel) {
        for (const Stroke &stroke : pass.strokes)
            if (stroke.order < panel->order && !outlines(stroke.line, panel->box)
                && touches(stroke, panel->box.adjusted(1, 1, -1, -1)))
                return QStringLiteral("the panel %1 covers a line %2")
                    .arg(describe(panel->box), describe(stroke.line.boundingRect()));
    }
    return QString();
}

DisplayOptions options(int step, bool projector)
{
    DisplayOptions o;
    o.textStep = step;
    o.projector = projector;
    return o;
}

} // namespace

class TestLabelClearance : public QObject
{
    Q_OBJECT

private slots:
    void largerTextsTouchNothing_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<DisplayOptions>("options");
        // Up to the projector's twice with Larger Text twice more, where the circle gives way
        // to its labels.
        const struct
        {
            const char *name;
            QSize size;
        } sizes[] = {
            { "the circle of a 1080-line screen in full screen", QSize(905, 905) },
            { "the circle of a 768-line screen in full screen", QSize(668, 370) },
            { "the designed window", QSize(640, 480) },
            { "a tall narrow view", QSize(420, 640) },
            { "a wide view", QSize(1400, 700) },
        };
        for (const auto &size : sizes) {
            QTest::addRow("projector, %s", size.name) << size.size << options(0, true);
            QTest::addRow("larger text three times, %s", size.name)
                << size.size << options(3, false);
            QTest::addRow("projector and larger text twice, %s", size.name)
                << size.size << options(2, true);
        }
    }

    void largerTextsTouchNothing()
    {
        QFETCH(QSize, size);
        QFETCH(DisplayOptions, options);
        OrbelView view(Rect { Point { 0, 0 }, Size { float(size.width()), float(size.height()) } });
        view.setStandardAngles(true);
        view.setSinCos(true);
        view.setDisplayOptions(options);
        for (int unit : { 0, 1 }) {
            view.setAngleUnit(unit);
            for (int degrees = -355; degrees <= 360; degrees += 5) {
                view.setTheta(float(degrees * 3.141592653589793 / 180.0));
                Recorder device(size.width(), size.height());
                {
                    QPainter painter(&device);
                    Graphics g(painter, view.coordinates(), true);
                    view.drawRect(g);
                }
                const QString collision
                    = firstCollision(device.engine, QRectF(QPointF(0, 0), QSizeF(size)));
                QVERIFY2(collision.isEmpty(),
                         qPrintable(QStringLiteral("%1 degrees (%2, label %3): %4")
                                        .arg(degrees)
                                        .arg(unit ? "degrees" : "radians", view.displayTheta(),
                                             collision)));
            }
        }
    }
};

QTEST_MAIN(TestLabelClearance)

#include "tst_label_clearance.moc"
