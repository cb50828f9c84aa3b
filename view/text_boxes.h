// Boxes of the figure's texts, in the view's coordinates: whether two come too close.
#pragma once

#include "platform/geometry.h"

#include <algorithm>
#include <vector>

namespace figure {

// Whether two boxes come within gap of each other.
inline bool near(const Rect &a, const Rect &b, double gap)
{
    return double(a.origin.x) < double(b.origin.x) + double(b.size.width) + gap
        && double(b.origin.x) < double(a.origin.x) + double(a.size.width) + gap
        && double(a.origin.y) < double(b.origin.y) + double(b.size.height) + gap
        && double(b.origin.y) < double(a.origin.y) + double(a.size.height) + gap;
}

inline bool nearAny(const Rect &box, const std::vector<Rect> &boxes, double gap)
{
    return std::any_of(boxes.begin(), boxes.end(),
                       [&](const Rect &other) { return near(box, other, gap); });
}

inline Rect boxAt(double x, double y, double width, double height)
{
    return Rect { Point { float(x), float(y) }, Size { float(width), float(height) } };
}

} // namespace figure
