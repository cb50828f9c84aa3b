// The picture of the figure's still parts: background, frame, axes, circle and the reference points
// with their labels do not move with the point, so the window draws them once into an image of its
// own pixels and copies that at each pass. Printing and export never come here: they draw whole.
#include "view/orbel_view.h"

#include "platform/graphics.h"
#include "view/figure_colours.h"

#include <QPainter>

#include <cmath>

namespace {

// Above this many device pixels the copy costs about what drawing the parts costs, and the
// picture would hold tens of megabytes.
constexpr qint64 largestStillLayer = 2'100'000;

} // namespace

bool OrbelView::StillPartsKey::operator==(const StillPartsKey &other) const
{
    return frameSize.width == other.frameSize.width && frameSize.height == other.frameSize.height
        && unit == other.unit && standardAngles == other.standardAngles
        && angleUnit == other.angleUnit && angleHidden == other.angleHidden
        && displayOptions == other.displayOptions;
}

OrbelView::StillPartsKey OrbelView::stillPartsKey() const
{
    return StillPartsKey { frame().size, m_unit,        m_standardAngles,
                           m_angleUnit,  m_angleHidden, m_displayOptions };
}

bool OrbelView::StillLayerKey::operator==(const StillLayerKey &other) const
{
    return pixels == other.pixels && devicePixelRatio == other.devicePixelRatio
        && format == other.format && origin == other.origin && parts == other.parts;
}

void OrbelView::stillLayerChanged()
{
    m_stillLayer = StillLayer {};
    // What the labels measured may have changed with it.
    m_scaledStillBoxes = ScaledStillBoxes {};
    m_scaledFit = ScaledFit {};
    update();
}

bool OrbelView::copyStillLayer(Graphics &g)
{
    const std::optional<Graphics::PixelSurface> surface = g.pixelSurface();
    if (!surface)
        return false;
    const qreal ratio = surface->devicePixelRatio;
    const Size frameSize = frame().size;
    const double width = double(frameSize.width) * ratio;
    const double height = double(frameSize.height) * ratio;
    // Only a view of whole device pixels is covered by its picture edge to edge.
    if (!(width >= 1.0 && height >= 1.0) || width != std::floor(width)
        || height != std::floor(height) || width * height > double(largestStillLayer))
        return false;

    // The origin and the unit follow the frame; placed first, so that the key holds them.
    setOrigin();
    StillLayerKey key;
    key.pixels = QSize(int(width), int(height));
    key.devicePixelRatio = ratio;
    key.format = surface->format;
    key.origin = coordinates().originInFrame();
    key.parts = stillPartsKey();

    if (m_stillLayer.key != key) {
        // Drawn directly the first time: a window that is only shown, or whose size is being
        // dragged, would pay for a picture it never copies. The picture is made when the same
        // parts come again, as the point moves.
        m_stillLayer = StillLayer { key, PixelPicture() };
        return false;
    }
    if (m_stillLayer.image.isNull()) {
        QImage image(key.pixels, key.format);
        if (image.isNull())
            return false;
        image.setDevicePixelRatio(ratio);
        {
            QPainter painter(&image);
            Graphics layer(painter, m_coordinates, true);
            drawStillParts(layer);
        }
        m_stillLayer.image = PixelPicture(image, ink(figure::white()));
    }
    g.copyPixels(m_stillLayer.image);
    // What drawing the parts would have left current.
    g.setColor(ink(figure::black()));
    return true;
}
