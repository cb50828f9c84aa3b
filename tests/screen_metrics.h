// The metrics of a paint device that rasterises nothing but stands for a screen of width x height
// pixels at 96 dpi and one pixel a point: what a drawing pass asks of the window it draws on.
#pragma once

#include <QPaintDevice>

inline int screenMetric(QPaintDevice::PaintDeviceMetric metric, int width, int height,
                        qreal ratioScale)
{
    switch (metric) {
    case QPaintDevice::PdmWidth:
        return width;
    case QPaintDevice::PdmHeight:
        return height;
    case QPaintDevice::PdmWidthMM:
        return width * 254 / 960;
    case QPaintDevice::PdmHeightMM:
        return height * 254 / 960;
    case QPaintDevice::PdmNumColors:
        return 0x7fffffff;
    case QPaintDevice::PdmDepth:
        return 32;
    case QPaintDevice::PdmDpiX:
    case QPaintDevice::PdmDpiY:
    case QPaintDevice::PdmPhysicalDpiX:
    case QPaintDevice::PdmPhysicalDpiY:
        return 96;
    case QPaintDevice::PdmDevicePixelRatio:
        return 1;
    case QPaintDevice::PdmDevicePixelRatioScaled:
        return int(ratioScale);
    }
    return 0;
}
