// The views as assistive technology sees them: the circle view, a slider named "Unit circle", and
// the graph, a slider named "Graph…", whose value is the angle in the unit shown, and a spoken
// text in plain words ("theta 3 pi over 4, cosine minus root 2 over 2, sine root 2 over 2") that
// speech synthesisers read correctly, where the figure's own symbols (the division slash, the minus
// sign, the radical and pi) are read as "pi six" or "slash". A change of the angle is told as a
// change of that text alone: screen readers speak a changed value as a bare number ("0.52", with
// a point in every language) before the words, so the value is there for those who ask but is
// not announced. The spoken text is also the views' read-only text, which a screen reader's
// review of the window reads in place of the slider's percentage.
#include "view/orbel_view.h"

#include "platform/accessibility_events.h"
#include "view/graph_view.h"
#include "view/spoken_words.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

#include <algorithm>
#include <cmath>

namespace {

constexpr double pi = 3.141592653589793;
constexpr double twoPi = 6.283185307179586;

// The angle as a slider's value, read and set through the circle view, which owns it: the
// circle view itself and the graph are both such sliders.
class AngleAccessible : public QAccessibleWidget,
                        public QAccessibleValueInterface,
                        public QAccessibleTextInterface
{
public:
    using QAccessibleWidget::QAccessibleWidget;
    using QAccessibleWidget::rect;

    virtual OrbelView *angleView() const = 0;
    virtual QString help() const = 0;
    virtual QString spokenText() const = 0;

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name:
            return widget()->accessibleName();
        // Screen readers speak a changed description of the focused object: the description is
        // where the spoken text reaches the user. The value text, the angle alone in words, is
        // what they say for the value in place of the number (given as the "valuetext" object
        // attribute, which Qt's AT-SPI bridge does not carry itself).
        case QAccessible::Description:
            return spokenText();
        case QAccessible::Value:
            return angleView() ? angleView()->spokenAngle() : QString();
        case QAccessible::Help:
            return help();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // The spoken text as read-only text, one line that covers the whole view: nothing to select,
    // the caret at its start.
    QString text(int startOffset, int endOffset) const override
    {
        const QString all = spokenText();
        startOffset = std::clamp(startOffset, 0, int(all.size()));
        endOffset
            = endOffset < 0 ? int(all.size()) : std::clamp(endOffset, startOffset, int(all.size()));
        return all.mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(spokenText().size()); }
    QRect characterRect(int) const override { return rect(); }
    int offsetAtPoint(const QPoint &point) const override
    {
        return rect().contains(point) ? 0 : -1;
    }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override { }
    void selection(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override { }
    void removeSelection(int) override { }
    void setSelection(int, int, int) override { }
    void scrollToSubstring(int, int) override { }
    QString attributes(int offset, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = offset;
        return QString();
    }

    // The angle in the unit that the figure shows, so that a screen reader that reads the value
    // says 65 where the label says 65°.
    bool inDegrees() const { return angleView() && angleView()->angleUnit() == 1; }
    QVariant currentValue() const override
    {
        return angleView() ? angleView()->accessibleValue() : 0.0;
    }
    void setCurrentValue(const QVariant &value) override
    {
        // A client may send any number; the angle of the figure stays within two turns.
        bool ok = false;
        double t = value.toDouble(&ok);
        if (!ok || std::isnan(t) || !angleView())
            return;
        if (inDegrees())
            t = t * pi / 180.0;
        angleView()->setTheta(float(std::clamp(t, -twoPi, twoPi)));
    }
    QVariant maximumValue() const override { return inDegrees() ? 360.0 : twoPi; }
    QVariant minimumValue() const override { return inDegrees() ? -360.0 : -twoPi; }
    QVariant minimumStepSize() const override { return inDegrees() ? 5.0 : twoPi / 72.0; }
};

class OrbelViewAccessible : public AngleAccessible
{
public:
    explicit OrbelViewAccessible(OrbelView *view)
        : AngleAccessible(view, QAccessible::Slider)
    { }
    OrbelView *angleView() const override { return static_cast<OrbelView *>(widget()); }
    QString spokenText() const override { return angleView()->accessibleValueText(); }
    QString help() const override
    {
        return OrbelView::tr("Drag the point, or use the arrow keys, Page Up, Page Down and "
                             "Home, to change the angle theta.");
    }
};

class GraphViewAccessible : public AngleAccessible
{
public:
    explicit GraphViewAccessible(GraphView *graph)
        : AngleAccessible(graph, QAccessible::Slider)
    { }
    OrbelView *angleView() const override
    {
        return static_cast<GraphView *>(widget())->orbelView();
    }
    QString spokenText() const override
    {
        return static_cast<GraphView *>(widget())->accessibleValueText();
    }
    QString help() const override
    {
        return GraphView::tr("Press or drag along the graph, or use the arrow keys, Page Up, "
                             "Page Down and Home, to change the angle theta.");
    }
};

QAccessibleInterface *angleViewFactory(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    if (className == QLatin1String("OrbelView"))
        return new OrbelViewAccessible(static_cast<OrbelView *>(object));
    if (className == QLatin1String("GraphView"))
        return new GraphViewAccessible(static_cast<GraphView *>(object));
    return nullptr;
}

} // namespace

void OrbelView::installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(angleViewFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

QString OrbelView::spokenAngle() const
{
    // Read off the label itself, so that what is heard is what is shown.
    return speech::angle(m_displayTheta, m_angleUnit);
}

QString OrbelView::accessibleValueText() const
{
    //: What a screen reader says of the figure: the angle theta, its cosine and its sine, each in
    //: words: "theta 3 pi over 4, cosine minus root 2 over 2, sine root 2 over 2".
    return tr("theta %1, cosine %2, sine %3")
        .arg(spokenAngle(), speech::circular(figure::Circular::Cosine, m_theta),
             speech::circular(figure::Circular::Sine, m_theta));
}

double OrbelView::accessibleValue() const
{
    return m_angleUnit == 1 ? double(m_theta) * 180.0 / pi : double(m_theta);
}

void OrbelView::setAccessibleUpdatesPaused(bool paused)
{
    if (paused == m_accessibleUpdatesPaused)
        return;
    m_accessibleUpdatesPaused = paused;
    if (!paused)
        emit accessibleUpdatesResumed();
}

void OrbelView::notifyAngleChanged()
{
    emit thetaChanged(m_theta);
    // Only a view on screen has anyone listening; a print view never speaks.
    if (!QAccessible::isActive() || !isVisible() || m_accessibleUpdatesPaused)
        return;
    platform::notifyDescriptionChanged(this);
}
