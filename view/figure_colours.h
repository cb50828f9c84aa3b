// The platform's named colours, as the figure and the views beside it draw with them.
#pragma once

#include <QColor>

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

// The colour of a text by the code the figure's texts are asked for with: 1 grey, 2 blue, 3 red,
// 4 dark grey, 5 magenta, anything else black.
inline QColor forCode(int code)
{
    switch (code) {
    case 1:
        return grey();
    case 2:
        return blue();
    case 3:
        return red();
    case 4:
        return darkGrey();
    case 5:
        return magenta();
    default:
        return black();
    }
}

} // namespace figure
