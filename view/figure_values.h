// What the view's texts share: the platform's named colours, and how a cosine or sine value is
// classified for display (its sign, and whether it is one of the exact forms).
#pragma once

#include <QColor>

#include <cmath>

namespace figure {

inline QColor white()
{
    return QColor(255, 255, 255);
}
inline QColor black()
{
    return QColor(0, 0, 0);
}
inline QColor grey()
{
    return QColor::fromRgbF(0.5f, 0.5f, 0.5f);
}
inline QColor darkGrey()
{
    return QColor::fromRgbF(1.0f / 3.0f, 1.0f / 3.0f, 1.0f / 3.0f);
}
inline QColor lightGrey()
{
    return QColor::fromRgbF(2.0f / 3.0f, 2.0f / 3.0f, 2.0f / 3.0f);
}
inline QColor red()
{
    return QColor(255, 0, 0);
}
inline QColor blue()
{
    return QColor(0, 0, 255);
}
inline QColor magenta()
{
    return QColor(255, 0, 255);
}

// A value shows a minus sign only below -0.0001: the single-precision cosine of pi/2, a tiny
// negative number, shows none.
inline bool showsMinus(float value)
{
    return double(value) < -0.0001;
}

enum class ExactForm { RootThreeHalves, RootTwoHalves, Half, None };

// The exact form of a magnitude, tested in this order, each within 0.0001.
inline ExactForm exactFormOf(float magnitude)
{
    const float a = magnitude;
    if (double(std::fabs(float(double(a) - 0.866))) < 0.0001)
        return ExactForm::RootThreeHalves;
    if (double(std::fabs(float(double(a) - 0.7071))) < 0.0001)
        return ExactForm::RootTwoHalves;
    if (double(std::fabs(a - 0.5f)) < 0.0001)
        return ExactForm::Half;
    return ExactForm::None;
}

} // namespace figure
