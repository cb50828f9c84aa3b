// Shared by the drawing tests: one drawing pass into an image, the mapping from the view's y-up
// coordinates to image pixels, and probes that look for a colour in a small neighbourhood so that
// antialiasing and font rasterising do not decide a result.
#pragma once

#include "platform/graphics.h"
#include "platform/styled_text.h"
#include "view/orbel_view.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>

namespace render {

inline uint32_t bitsOf(float f)
{
    uint32_t bits;
    std::memcpy(&bits, &f, sizeof bits);
    return bits;
}

using ColourTest = std::function<bool(const QColor &)>;

// An image of the view's frame at a pixel ratio; view points map to device pixels through the
// origin that the view has placed.
struct Canvas
{
    QImage image;
    const OrbelView *view = nullptr;
    qreal dpr = 1.0;

    // Device pixel coordinates (not rounded) of a view point.
    QPointF toDevice(Point p) const
    {
        const Point origin = view->coordinates().originInFrame();
        const double height = view->frame().size.height;
        return QPointF((double(origin.x) + p.x) * dpr, (height - (double(origin.y) + p.y)) * dpr);
    }

    // The device pixels touched by a view rectangle, grown by margin device pixels on each side.
    QRect deviceRect(const Rect &r, int margin = 0) const
    {
        const QPointF a = toDevice(r.origin);
        const QPointF b = toDevice(Point { r.origin.x + r.size.width, r.origin.y + r.size.height });
        const int left = int(std::floor(std::min(a.x(), b.x()))) - margin;
        const int right = int(std::ceil(std::max(a.x(), b.x()))) - 1 + margin;
        const int top = int(std::floor(std::min(a.y(), b.y()))) - margin;
        const int bottom = int(std::ceil(std::max(a.y(), b.y()))) - 1 + margin;
        return QRect(QPoint(left, top), QPoint(right, bottom)).intersected(image.rect());
    }
};

inline QImage blankImage(const OrbelView &view, qreal dpr)
{
    const Rect f = view.frame();
    QImage image(int(std::lround(f.size.width * dpr)), int(std::lround(f.size.height * dpr)),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);
    return image;
}

// One whole drawing pass, as the screen (or, with toScreen false, the printer) would get it.
inline Canvas renderPass(OrbelView &view, qreal dpr = 1.0, bool toScreen = true)
{
    Canvas canvas { blankImage(view, dpr), &view, dpr };
    QPainter painter(&canvas.image);
    Graphics g(painter, view.coordinates(), toScreen);
    view.drawRect(g);
    return canvas;
}

// An image on which a test draws its own reference, in the coordinates the view has now.
template<typename Draw>
Canvas renderReference(const OrbelView &view, qreal dpr, const QColor &background, Draw draw)
{
    Canvas canvas { blankImage(view, dpr), &view, dpr };
    canvas.image.fill(background);
    QPainter painter(&canvas.image);
    Graphics g(painter, view.coordinates(), true);
    draw(g);
    return canvas;
}

inline QColor colourAt(const QImage &image, int x, int y)
{
    return image.pixelColor(x, y); // unpremultiplied
}

// Within tolerance on each channel, and (nearly) opaque.
inline ColourTest isColour(const QColor &target, int tolerance = 3)
{
    return [target, tolerance](const QColor &c) {
        return c.alpha() >= 250 && std::abs(c.red() - target.red()) <= tolerance
            && std::abs(c.green() - target.green()) <= tolerance
            && std::abs(c.blue() - target.blue()) <= tolerance;
    };
}

// Anything visibly painted over a transparent or white background.
inline bool isInk(const QColor &c)
{
    return c.alpha() > 24 && (c.red() < 235 || c.green() < 235 || c.blue() < 235);
}

// A colour that leans clearly towards the given channels, whatever the coverage: blue over white
// at partial coverage is (x, x, 255).
inline bool isBlueish(const QColor &c)
{
    return c.alpha() > 24 && c.blue() - std::max(c.red(), c.green()) > 80;
}
inline bool isReddish(const QColor &c)
{
    return c.alpha() > 24 && c.red() - std::max(c.green(), c.blue()) > 80;
}
inline bool isMagentaish(const QColor &c)
{
    return c.alpha() > 24 && std::min(c.red(), c.blue()) - c.green() > 80;
}
// Neutral and at least this dark.
inline ColourTest isNeutralDarkerThan(int level)
{
    return [level](const QColor &c) {
        return c.alpha() > 24 && std::abs(c.red() - c.green()) <= 6
            && std::abs(c.green() - c.blue()) <= 6 && c.red() < level;
    };
}

inline int countMatching(const QImage &image, const QRect &window, const ColourTest &test)
{
    int count = 0;
    const QRect r = window.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (test(colourAt(image, x, y)))
                ++count;
    return count;
}

// Whether a matching pixel lies within radius device pixels of a device position.
inline bool anyNear(const QImage &image, QPointF device, int radius, const ColourTest &test)
{
    const int cx = int(std::floor(device.x()));
    const int cy = int(std::floor(device.y()));
    return countMatching(image, QRect(cx - radius, cy - radius, 2 * radius + 1, 2 * radius + 1),
                         test)
        > 0;
}

inline bool anyNear(const Canvas &canvas, Point p, int radius, const ColourTest &test)
{
    return anyNear(canvas.image, canvas.toDevice(p), radius, test);
}

// The smallest rectangle holding every matching pixel of the window (null when none matches).
inline QRect inkBox(const QImage &image, const QRect &window, const ColourTest &test)
{
    QRect box;
    const QRect r = window.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (test(colourAt(image, x, y)))
                box = box.united(QRect(x, y, 1, 1));
    return box;
}

// Pixels of the window where the two images differ by more than tolerance on some channel.
inline int countDifferences(const QImage &a, const QImage &b, const QRect &window,
                            int tolerance = 0)
{
    int count = 0;
    const QRect r = window.intersected(a.rect()).intersected(b.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor p = colourAt(a, x, y);
            const QColor q = colourAt(b, x, y);
            if (std::abs(p.red() - q.red()) > tolerance
                || std::abs(p.green() - q.green()) > tolerance
                || std::abs(p.blue() - q.blue()) > tolerance
                || std::abs(p.alpha() - q.alpha()) > tolerance)
                ++count;
        }
    }
    return count;
}

// Pixels of the window that pass the test in one image and not in the other.
inline int countMaskDifferences(const QImage &a, const QImage &b, const QRect &window,
                                const ColourTest &test)
{
    int count = 0;
    const QRect r = window.intersected(a.rect()).intersected(b.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (test(colourAt(a, x, y)) != test(colourAt(b, x, y)))
                ++count;
    return count;
}

} // namespace render
