// Geometry records of the figure: points, sizes and rectangles in 32-bit floats, in points.
#pragma once

struct Point
{
    float x = 0.0f;
    float y = 0.0f;
};

struct Size
{
    float width = 0.0f;
    float height = 0.0f;
};

struct Rect
{
    Point origin;
    Size size;
};

inline bool operator==(Point a, Point b)
{
    return a.x == b.x && a.y == b.y;
}
inline bool operator!=(Point a, Point b)
{
    return !(a == b);
}
