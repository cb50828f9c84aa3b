// The angle as a slider's value, read and set through the circle view, which owns it: the circle
// view itself and the graph are both such sliders, each with its own name, help and spoken text.
#pragma once

#include "view/orbel_view.h"

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

#include <algorithm>
#include <cmath>

class AngleAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
    static constexpr double pi = 3.141592653589793;
    static constexpr double twoPi = 6.283185307179586;

public:
    using QAccessibleWidget::QAccessibleWidget;

    virtual OrbelView *angleView() const = 0;
    virtual QString help() const = 0;
    virtual QString spokenText() const = 0;

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
            return spokenText();
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
