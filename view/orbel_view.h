// The circle view: the unit circle with its axes and the point that the user drags along it.
// It tracks the angle theta of that point, names it (snapping it to the standard angles), and
// draws the figure: projections, reference points and the summary panel on request.
#pragma once

#include "platform/geometry.h"
#include "platform/pixel_picture.h"
#include "platform/styled_text.h"
#include "platform/view_coordinates.h"
#include "view/display_options.h"

#include <QImage>
#include <QString>
#include <QWidget>

#include <memory>
#include <utility>
#include <vector>

class Graphics;
struct SummaryPanelLayout;

class OrbelView : public QWidget
{
    Q_OBJECT

public:
    explicit OrbelView(const Rect &frame, QWidget *parent = nullptr);
    explicit OrbelView(QWidget *parent = nullptr);

    // Origin at the centre of the frame, unit a third of the shorter side (a quarter for paper).
    void setOrigin();
    void setPrintOrigin();

    float theta() const { return m_theta; }
    void setTheta(float t);
    int angleUnit() const { return m_angleUnit; }
    void setAngleUnit(int unit);
    bool standardAngles() const { return m_standardAngles; }
    void setStandardAngles(bool b);
    bool sinCos() const { return m_sinCos; }
    void setSinCos(bool b);

    // An angle the user typed, set as typed: no snapping, and a label in the unit shown that is
    // its decimal form, with the decimals typed where it was typed in degrees (degreeDecimals;
    // -1 for one typed in radians). It holds until the next drag, key or setter of theta.
    void setTypedAngle(float t, int degreeDecimals);
    bool typedAngle() const { return m_typed; }
    int typedDegreeDecimals() const { return m_typedDegreeDecimals; }
    // The label of an angle without snapping it: as the typed angle's label is made.
    QString plainLabel(float angle, int degreeDecimals) const;

    // While the angle is hidden (a practice question asks for it), nothing names it: no label at
    // the arc or the reference points, a blank in the summary panel, and the spoken text gives
    // the point's cosine and sine alone. Off by default; off, the figure is as ever.
    bool angleHidden() const { return m_angleHidden; }
    void setAngleHidden(bool hidden);
    // The reference angle drawn on the figure: the triangle from the point to the x axis and the
    // arc of the acute angle at the centre, as practice explains an answer. Off by default.
    bool referenceShown() const { return m_referenceShown; }
    void setReferenceShown(bool shown);

    // How the figure looks on screen beyond its design: text size, reverse contrast, projector.
    const DisplayOptions &displayOptions() const { return m_displayOptions; }
    void setDisplayOptions(const DisplayOptions &options);

    Point currentPoint() const { return m_currentPoint; }
    Point displayPoint() const { return m_displayPoint; }
    float unit() const { return m_unit; }
    bool canDrag() const { return m_canDrag; }
    QString displayTheta() const { return m_displayTheta; }

    QString piString() const { return m_piString; }
    QString thetaString() const { return m_thetaString; }
    QString divString() const { return m_divString; }
    QString minusString() const { return m_minusString; }

    bool isOpaque() const { return testAttribute(Qt::WA_OpaquePaintEvent); }

    // The view's own coordinate system: frame, origin and conversions.
    const ViewCoordinates &coordinates() const { return m_coordinates; }
    Rect frame() const { return m_coordinates.frame(); }
    Rect bounds() const { return m_coordinates.bounds(); }
    void translateOriginToPoint(Point p) { m_coordinates.translateOriginToPoint(p); }

    // Angle tracking.
    float normSquare(Point p) const;
    void process(Point p);

    // Angle labels; they may snap the angle in place.
    QString normalizeAngle(float &angle) const;
    QString normalizeAngleWithFraction(float &angle, int fraction) const;

    // Text attributes and value texts.
    TextAttributes fontAttributeWithSize(int size, int color, float kern) const;
    StyledText displayedValue(float value, const TextAttributes &attributes) const;
    StyledText squareRootOf(int n, const TextAttributes &attributes) const;

    // One drawing pass and its parts.
    void drawRect(Graphics &g);
    // The pass as the window makes it: the same pixels as drawRect, but the parts that do not
    // move with the point (background, frame, axes, circle, reference points and their labels)
    // copied from a picture of them where the surface allows it and the view is not too large.
    void drawScreenPass(Graphics &g);
    // Drops the picture of the still parts and what was measured of their labels: the next pass
    // on screen draws and measures them again.
    void stillLayerChanged();
    void drawCircleAndAxes(Graphics &g);
    void drawRefPoint(Graphics &g, float angle, const QString &label);
    void drawCoordinates(Graphics &g);
    void drawResume(Graphics &g);

    // Keyboard control: a turn by a step of 5 degrees, or to the neighbouring standard angle
    // (multiples of 30 and 45 degrees); +1 is counter-clockwise.
    void stepAngle(int direction);
    void stepToStandardAngle(int direction);
    // The key's turn (arrows, Page Up and Down, Home); false for a key that turns nothing.
    bool turnByKey(int key);

    // What a screen reader says of the figure, in words that speech reads correctly:
    // "theta 3 pi over 4, cosine minus root 2 over 2, sine root 2 over 2".
    QString accessibleValueText() const;
    // The angle label in words: "minus 5 pi over 6", "1.20 radians", "minus 120 degrees".
    QString spokenAngle() const;
    // The angle as assistive technology reads and sets it: in the unit shown, radians or degrees.
    double accessibleValue() const;
    // While paused, changes of the angle are not told to assistive technology one by one: a turn
    // of the point that would otherwise be read out step by step says where it starts and ends
    // instead. The views that speak of the angle beside the circle pause with it.
    void setAccessibleUpdatesPaused(bool paused);
    bool accessibleUpdatesPaused() const { return m_accessibleUpdatesPaused; }

    // Registers the view's accessible interface with Qt. It must come before anything asks Qt
    // for the view's interface (setting its accessible name does): Qt keeps the first one made.
    static void installAccessibility();

    QSize sizeHint() const override { return QSize(640, 480); }
    QSize minimumSizeHint() const override { return QSize(240, 200); }

signals:
    // Every time the angle is processed: a drag, a key, a setter. Assistive technology hears of
    // it too, as a change of the view's spoken text (unless its updates are paused).
    void thetaChanged(float theta);
    // The pause of the accessible updates is over: what speaks of the angle says it as it is now.
    void accessibleUpdatesResumed();
    // Ctrl with the wheel over the figure: texts larger (positive steps) or smaller.
    void textStepRequested(int steps);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    // What the still parts and their labels depend on, beside the pixels they are drawn into: their
    // picture is drawn and their labels measured again when any of it changes. An option that
    // changes how the background, frame, axes, circle, reference points or their labels look must
    // be added here (to operator== and stillPartsKey()), or the window would go on showing the
    // picture of the old look; a change that no field can tell (a new palette read from outside)
    // calls stillLayerChanged() instead.
    struct StillPartsKey
    {
        Size frameSize;
        float unit = 0.0f;
        bool standardAngles = false;
        int angleUnit = 0;
        // The reference points' labels go while practice hides the angle.
        bool angleHidden = false;
        // Line widths, inks and text sizes.
        DisplayOptions displayOptions;

        bool operator==(const StillPartsKey &other) const;
        bool operator!=(const StillPartsKey &other) const { return !(*this == other); }
    };
    StillPartsKey stillPartsKey() const;
    struct StillLayerKey
    {
        QSize pixels;
        qreal devicePixelRatio = 0.0;
        QImage::Format format = QImage::Format_Invalid;
        Point origin;
        StillPartsKey parts;

        bool operator==(const StillLayerKey &other) const;
        bool operator!=(const StillLayerKey &other) const { return !(*this == other); }
    };
    struct StillLayer
    {
        StillLayerKey key;
        // Empty until the same still parts are drawn a second time (see copyStillLayer()).
        PixelPicture image;
    };
    // The parts drawn before the moving ones on screen: background, frame, axes and circle.
    void drawStillParts(Graphics &g);
    // Copies the picture of the still parts onto g, drawing it first when it is out of date;
    // false (nothing drawn) where the surface or the size does not allow a copy, and on the first
    // pass with new still parts.
    bool copyStillLayer(Graphics &g);
    void drawPass(Graphics &g, bool reuseStillLayer);
    void layOutResume(SummaryPanelLayout &panel) const;
    // The panel laid out with attributes for the angle as it is: the one kept, or a new one.
    const SummaryPanelLayout &resumeLayout(const TextAttributes &attributes);
    // The measured bar of a radical in the font of attributes, written to the surd log.
    Size surdBar(const TextAttributes &attributes) const;

    void initialise();
    // A text size of the figure as the display options scale it; the design's own when plain.
    int textSize(double designed) const;
    // The size of a text that moves with the point inside the circle (the angle's label, the
    // values, the centre's 0): it grows with the others up to twice the design, where the
    // circle's inside has room for them all at every angle; only the texts outside it grow on.
    int movingTextSize(double designed) const;
    // A colour of the figure as the display options show it.
    QColor ink(const QColor &designed) const;
    // The box of a text placed outside the box of radius r about the origin in the direction of
    // angle, its nearest corner at that radius: large texts then keep clear of the circle and arc.
    Rect outwardBox(Size size, double angle, double r) const;
    // The angle's label clear of the axes, the radius, the projections and the texts already
    // placed, for texts larger than designed.
    void drawAngleLabel(Graphics &g, const TextAttributes &attributes, bool projections);
    // The texts beside the axes and of the standard angles, with their boxes, for texts larger
    // than designed: drawn from here and kept clear of by what comes later in the pass.
    std::vector<std::pair<QString, Rect>> scaledAxisLabels() const;
    Rect refPointLabelBox(float angle, QString &label, const TextAttributes &attributes) const;
    // Measured once for each set of still parts; the pass and the panel keep off them.
    const std::vector<Rect> &scaledStillLabelBoxes() const;
    std::vector<Rect> measureScaledStillLabelBoxes() const;
    // The centre's "0", placed with the moving parts when texts are larger than designed.
    Rect scaledOriginLabel(Size size) const;
    // Texts larger than designed need room round the circle: where its labels would pass the
    // view's edges, the unit gives way (and the labels with it) until they lie within.
    void fitScaledLabels();
    // The unit fitted for the still parts of the designed unit.
    struct ScaledFit
    {
        StillPartsKey designed;
        float fitted = 0.0f;
    };
    ScaledFit m_scaledFit;
    struct ScaledStillBoxes
    {
        StillPartsKey parts;
        std::vector<Rect> boxes;
    };
    mutable ScaledStillBoxes m_scaledStillBoxes;
    // Where the summary panel goes when texts are larger than designed: the largest size up to
    // the scaled one, and the first corner of the view, at which the box touches no text, line
    // or place where the values may stand; at the designed size in the designed corner when none
    // does. Answers the attributes of its texts and moves box and textAt.
    TextAttributes placeScaledResume(Rect &box, Point &textAt);
    void updateFrameFromGeometry();
    // Moves the point to the direction of angle as the pointer would, through the winding rule.
    void turnTo(double angle);
    void notifyAngleChanged();
    void drawReferenceAngle(Graphics &g);

    Point m_currentPoint { 1.0f, 0.0f };
    Point m_displayPoint { 0.0f, 0.0f };
    bool m_canDrag = false;
    float m_unit = 0.0f;
    float m_theta = 0.0f;
    QString m_displayTheta;
    QString m_piString;
    QString m_thetaString;
    QString m_divString;
    QString m_minusString;
    int m_angleUnit = 0;
    bool m_standardAngles = false;
    bool m_sinCos = false;
    bool m_typed = false;
    int m_typedDegreeDecimals = -1;
    bool m_angleHidden = false;
    bool m_referenceShown = false;
    bool m_accessibleUpdatesPaused = false;
    DisplayOptions m_displayOptions;

    ViewCoordinates m_coordinates;
    // Wheel turns not yet a whole notch (fine-grained wheels and touchpads).
    int m_wheelAngle = 0;

    StillLayer m_stillLayer;
    // The boxes of the texts placed so far in a pass whose texts are larger than designed.
    std::vector<Rect> m_placed;
    // The summary panel laid out for the angle and attributes it was last drawn with.
    std::shared_ptr<SummaryPanelLayout> m_panel;
};
