// The coordinate system of a view as the figure sees it: y up, lengths in points, and an origin
// that the view can move with translateOriginToPoint. Qt's widgets are y down with the origin at
// the top left; this class is the only place where the two meet.
#pragma once

#include "platform/geometry.h"

#include <QPointF>

class ViewCoordinates
{
public:
    // The frame is the view's rectangle in its superview, whose y axis also points up.
    Rect frame() const { return m_frame; }
    void setFrame(const Rect &frame) { m_frame = frame; }

    // The visible area in the view's own coordinates.
    Rect bounds() const;

    // Where the view's own origin lies, measured from the lower-left corner of the frame.
    Point originInFrame() const { return m_origin; }

    // Moves the origin to p, given in the current coordinates; later conversions use the new one.
    void translateOriginToPoint(Point p);

    // A point of the superview into the view's coordinates.
    Point convertFromSuperview(Point p) const;

    // A Qt widget position (y down, top left) into the view's coordinates.
    Point convertFromWidget(const QPointF &position) const;

private:
    Rect m_frame;
    Point m_origin;
};
