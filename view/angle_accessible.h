// The angle as a slider's value, read and set through the circle view, which owns it: the circle
// view itself and the graph are both such sliders, each with its own name, help and spoken text.
#pragma once

#include "view/orbel_view.h"

#include <QAccessibleTextInterface>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

#include <algorithm>
#include <cmath>

class AngleAccessible : public QAccessibleWidget,
                        public QAccessibleValueInterface,
                        public QAccessibleTextInterface
{
    static constexpr double pi = 3.141592653589793;
    static constexpr double twoPi = 6.283185307179586;

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
        // While practice asks for the angle, its name is not given here either.
        case QAccessible::Value:
            return angleView() && !angleView()->angleHidden() ? angleView()->spokenAngle()
                                                              : QString();
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
