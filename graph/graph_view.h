// The graph: cos θ, sin θ and tan θ against θ from −2π to 2π, with the current angle marked on
// it. The circle view owns the angle; the graph reads it, follows every change of it, and changes
// it only through the circle view's own operations, so snapping, labels and winding are the same.
#pragma once

#include "platform/styled_text.h"
#include "view/display_options.h"

#include <QHash>
#include <QImage>
#include <QPointer>
#include <QWidget>

#include <vector>

class OrbelView;

class GraphView : public QWidget
{
    Q_OBJECT

public:
    enum Curve { Cosine = 1, Sine = 2, Tangent = 4 };

    explicit GraphView(QWidget *parent = nullptr);

    // Makes the graph a slider for assistive technology, as the circle view is one.
    static void installAccessibility();

    // The circle view whose angle the graph shows and drives.
    void setOrbelView(OrbelView *view);
    OrbelView *orbelView() const { return m_view; }

    bool showsCurve(Curve curve) const { return m_curves & curve; }
    void setShowsCurve(Curve curve, bool shown);

    // How the graph looks on screen beyond its design (as the circle view's options say); paper
    // and exported files are always drawn as designed.
    const DisplayOptions &displayOptions() const { return m_displayOptions; }
    void setDisplayOptions(const DisplayOptions &options);

    // The plotting area in the graph's own coordinates (Qt's: y down, from the top left), and the
    // mappings between it and θ and the function values. 0 lies at the horizontal centre of the
    // view, −2π and 2π at the ends of the area; values from about −1.5 to 1.5 fill its height.
    QRectF plotArea() const;
    // How much larger than designed the graph's texts, lines and margins are drawn for a graph of
    // size: its height over the designed height (or its width over the designed width, when
    // smaller), never less than 1.
    static constexpr int designedHeight = 240;
    static double scaleFor(const QSizeF &size);
    static QRectF plotAreaFor(const QSizeF &size);
    static double xForTheta(const QRectF &plot, double theta);
    static double thetaForX(const QRectF &plot, double x);
    static double yForValue(const QRectF &plot, double value);

    // One drawing pass of the graph on a painter in the graph's coordinates, for a view of size.
    // On screen the parts that do not depend on the angle come from a cache.
    void draw(QPainter &painter, const QSizeF &size, bool onScreen);

    // The value written beside a curve's dot: the form of the summary panel for cos θ and sin θ;
    // √3, 1, √3∕3 or 0 for tan θ where exact, "undefined" at odd multiples of π∕2.
    StyledText valueText(Curve curve, float theta, const TextAttributes &attributes) const;

    // What a screen reader says of the graph: theta, then the value of each curve drawn, in the
    // order cosine, sine, tangent: "theta pi over 3, cosine 1 over 2, sine root 3 over 2,
    // tangent root 3". With cosine and sine drawn it is the circle view's spoken text.
    QString accessibleValueText() const;

    QSize sizeHint() const override { return QSize(640, designedHeight); }
    QSize minimumSizeHint() const override { return QSize(400, 120); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void angleChanged();
    void setThetaAt(double x);
    // The scale, text size, colours and plotting area of one pass.
    struct Look;
    Look lookFor(const QSizeF &size, bool onScreen) const;
    void drawStaticParts(QPainter &painter, const QSizeF &size, const Look &look) const;
    void drawAngle(QPainter &painter, const QSizeF &size, bool onScreen) const;
    // With display options, the legend carries the values, where they hide no curve.
    void drawLegendWithValues(QPainter &painter, const Look &look) const;
    void drawDot(QPainter &painter, QPointF at, const QColor &color, double scale, bool onScreen,
                 const QColor &outline) const;

    QPointer<OrbelView> m_view;
    int m_curves = Cosine | Sine;
    DisplayOptions m_displayOptions;
    bool m_dragging = false;

    // The axes, grid, labels, curves and legend as last drawn on screen, and what they show.
    QImage m_cache;
    bool m_cacheDegrees = false;
    int m_cacheCurves = 0;
    DisplayOptions m_cacheOptions;
    // The values' labels that hold a surd, laid out once: they come back at the standard angles.
    mutable QHash<QString, StyledText> m_surdLabels;
    // The dots of the curves, drawn once for the screen.
    struct Dot
    {
        QColor color;
        QColor outline;
        double diameter;
        QImage image;
    };
    mutable std::vector<Dot> m_dots;
};
