// The view as assistive technology sees it: a slider-like control named "Unit circle" whose value
// reads the angle and its cosine and sine the way the summary panel shows them.
#include "view/orbel_view.h"

#include "view/figure_values.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

#include <cmath>

namespace {

constexpr double twoPi = 6.283185307179586;

class OrbelViewAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit OrbelViewAccessible(OrbelView *view)
        : QAccessibleWidget(view, QAccessible::Slider, QStringLiteral("Unit circle"))
    { }

    OrbelView *view() const { return static_cast<OrbelView *>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return view()->accessibleValueText();
        if (t == QAccessible::Name)
            return QStringLiteral("Unit circle");
        if (t == QAccessible::Description)
            return QStringLiteral("Drag the point, or use the arrow keys, Page Up, Page Down and "
                                  "Home, to change the angle theta.");
        return QAccessibleWidget::text(t);
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QVariant currentValue() const override { return double(view()->theta()); }
    void setCurrentValue(const QVariant &value) override
    {
        view()->setTheta(float(value.toDouble()));
    }
    QVariant maximumValue() const override { return twoPi; }
    QVariant minimumValue() const override { return -twoPi; }
    QVariant minimumStepSize() const override { return twoPi / 72.0; }
};

QAccessibleInterface *orbelViewFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("OrbelView") && object && object->isWidgetType())
        return new OrbelViewAccessible(static_cast<OrbelView *>(object));
    return nullptr;
}

// The spoken form of a value: exact where the panel is exact, otherwise three decimals.
QString spokenValue(float value, const QString &minus)
{
    const QString sign = figure::showsMinus(value) ? minus : QString();
    const float a = std::fabs(value);
    switch (figure::exactFormOf(a)) {
    case figure::ExactForm::RootThreeHalves:
        return sign + QString::fromUtf8("\u221a3/2");
    case figure::ExactForm::RootTwoHalves:
        return sign + QString::fromUtf8("\u221a2/2");
    case figure::ExactForm::Half:
        return sign + QStringLiteral("1/2");
    case figure::ExactForm::None:
        break;
    }
    return sign + QString::asprintf("%1.3f", double(a));
}

} // namespace

void installOrbelViewAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(orbelViewFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

QString OrbelView::accessibleValueText() const
{
    QString label = m_displayTheta.trimmed();
    label.replace(m_divString, QStringLiteral("/"));
    return QStringLiteral("theta = ") + label + QStringLiteral(", cos = ")
        + spokenValue(std::cos(m_theta), m_minusString) + QStringLiteral(", sin = ")
        + spokenValue(std::sin(m_theta), m_minusString);
}

void OrbelView::notifyAngleChanged()
{
    emit thetaChanged(m_theta);
    if (!QAccessible::isActive())
        return;
    QAccessibleValueChangeEvent event(this, double(m_theta));
    QAccessible::updateAccessibility(&event);
}
