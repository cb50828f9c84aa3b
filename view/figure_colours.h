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

} // namespace figure
