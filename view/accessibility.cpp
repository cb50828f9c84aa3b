// The views as assistive technology sees them: the circle view, a slider named "Unit circle", and
// the graph, a slider named "Graph…", whose value is the angle in radians, and a spoken text in
// plain words ("theta 3 pi over 4, cosine minus root 2 over 2, sine root 2 over 2") that speech
// synthesisers read correctly, where the figure's own symbols (the division slash, the minus sign,
// the radical and pi) are read as "pi six" or "slash".
#include "view/orbel_view.h"

#include "platform/accessibility_events.h"
#include "view/figure_values.h"
#include "view/graph_view.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

#include <algorithm>
#include <cmath>

namespace {

constexpr double twoPi = 6.283185307179586;

// The angle as a slider's value, read and set through the circle view, which owns it: the
// circle view itself and the graph are both such sliders.
class AngleAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    using QAccessibleWidget::QAccessibleWidget;

    virtual OrbelView *angleView() const = 0;
    virtual QString help() const = 0;

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name:
            return widget()->accessibleName();
        // Qt's AT-SPI bridge carries neither the value text nor object attributes, and screen
        // readers speak a changed description of the focused object: the description is where
        // the spoken text reaches the user.
        case QAccessible::Description:
        case QAccessible::Value:
            return angleView() ? angleView()->accessibleValueText() : QString();
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
        return QAccessibleWidget::interface_cast(type);
    }

    QVariant currentValue() const override
    {
        return angleView() ? double(angleView()->theta()) : 0.0;
    }
    void setCurrentValue(const QVariant &value) override
    {
        // A client may send any number; the angle of the figure stays within two turns.
        bool ok = false;
        const double t = value.toDouble(&ok);
        if (ok && !std::isnan(t) && angleView())
            angleView()->setTheta(float(std::clamp(t, -twoPi, twoPi)));
    }
    QVariant maximumValue() const override { return twoPi; }
    QVariant minimumValue() const override { return -twoPi; }
    QVariant minimumStepSize() const override { return twoPi / 72.0; }
};

class OrbelViewAccessible : public AngleAccessible
{
public:
    explicit OrbelViewAccessible(OrbelView *view)
        : AngleAccessible(view, QAccessible::Slider)
    { }
    OrbelView *angleView() const override { return static_cast<OrbelView *>(widget()); }
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

QString minusWords(const QString &words)
{
    //: Read aloud before a negative angle or value: "minus 5 pi over 6", "minus 0.362".
    return OrbelView::tr("minus %1").arg(words);
}

// A value in words: exact where the panel is exact, otherwise the three decimals it shows.
QString spokenValue(float value)
{
    const float a = std::fabs(value);
    QString words;
    switch (figure::exactFormOf(a)) {
    case figure::ExactForm::RootThreeHalves:
        //: A fraction read aloud: "3 pi over 4", "root 3 over 2", "1 over 2".
        words = OrbelView::tr("%1 over %2")
                    //: The square root of a number read aloud: "root 3" in "root 3 over 2".
                    .arg(OrbelView::tr("root %1").arg(3))
                    .arg(2);
        break;
    case figure::ExactForm::RootTwoHalves:
        words = OrbelView::tr("%1 over %2").arg(OrbelView::tr("root %1").arg(2)).arg(2);
        break;
    case figure::ExactForm::Half:
        words = OrbelView::tr("%1 over %2").arg(1).arg(2);
        break;
    case figure::ExactForm::None:
        words = figure::threeDecimals(a);
        break;
    }
    return figure::showsMinus(value) ? minusWords(words) : words;
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
    QString label = m_displayTheta.trimmed();
    if (m_angleUnit == 1) {
        label.chop(1); // the degree sign
        const bool negative = label.startsWith(QLatin1Char('-'));
        const QString number = negative ? label.mid(1) : label;
        bool whole = false;
        const int n = number.toInt(&whole);
        // "1 degree", "2 degrees": the forms of the language, for the number the label shows.
        //: An angle in whole degrees read aloud: "90 degrees", "1 degree".
        const QString words = whole ? tr("%n degrees", nullptr, n) : number;
        return negative ? minusWords(words) : words;
    }

    const bool negative = label.startsWith(m_minusString);
    if (negative)
        label.remove(0, m_minusString.size());
    QString words = label;
    const qsizetype piAt = label.indexOf(m_piString);
    if (piAt >= 0) {
        // k π ∕ n, with k and ∕ n left out where they are 1.
        const QString multiple = label.left(piAt);
        //: The number pi read aloud, alone ("pi over 2") or after a whole multiple ("3 pi over 4").
        words = multiple.isEmpty() ? tr("pi") : tr("%1 pi").arg(multiple);
        const qsizetype slashAt = label.indexOf(m_divString, piAt);
        if (slashAt >= 0)
            words = tr("%1 over %2").arg(words, label.mid(slashAt + m_divString.size()));
    } else if (label != QLatin1String("0")) {
        //: An angle in radians read aloud; %1 is the number as the figure shows it: "1.20 radians".
        words = tr("%1 radians").arg(label);
    }
    return negative ? minusWords(words) : words;
}

QString OrbelView::accessibleValueText() const
{
    //: What a screen reader says of the figure: the angle theta, its cosine and its sine, each in
    //: words: "theta 3 pi over 4, cosine minus root 2 over 2, sine root 2 over 2".
    return tr("theta %1, cosine %2, sine %3")
        .arg(spokenAngle(), spokenValue(std::cos(m_theta)), spokenValue(std::sin(m_theta)));
}

void OrbelView::notifyAngleChanged()
{
    emit thetaChanged(m_theta);
    // Only a view on screen has anyone listening; a print view never speaks.
    if (!QAccessible::isActive() || !isVisible())
        return;
    QAccessibleValueChangeEvent valueChange(this, double(m_theta));
    QAccessible::updateAccessibility(&valueChange);
    platform::notifyDescriptionChanged(this);
}
