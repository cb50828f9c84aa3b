// Conversions between Qt's widget positions, the superview and the view's own y-up system.
#include "platform/view_coordinates.h"

Rect ViewCoordinates::bounds() const
{
    return Rect { Point { -m_origin.x, -m_origin.y }, m_frame.size };
}

void ViewCoordinates::translateOriginToPoint(Point p)
{
    m_origin.x += p.x;
    m_origin.y += p.y;
}

Point ViewCoordinates::convertFromSuperview(Point p) const
{
    return Point { p.x - m_frame.origin.x - m_origin.x, p.y - m_frame.origin.y - m_origin.y };
}

Point ViewCoordinates::convertFromWidget(const QPointF &position) const
{
    const float fromBottom = m_frame.size.height - float(position.y());
    return Point { float(position.x()) - m_origin.x, fromBottom - m_origin.y };
}
