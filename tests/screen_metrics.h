// The metrics of a paint device that rasterises nothing but stands for a screen of width x height
// pixels at 96 dpi and one pixel a point: what a drawing pass asks of the window it draws on. And
// such a device, drawn on through an engine of the test's own that looks at what it is handed.
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

template<typename Engine> class ScreenDevice : public QPaintDevice
{
public:
    ScreenDevice(int width, int height)
        : m_width(width)
        , m_height(height)
    { }
    QPaintEngine *paintEngine() const override { return &engine; }
    mutable Engine engine;

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        return screenMetric(metric, m_width, m_height, devicePixelRatioFScale());
    }

private:
    int m_width;
    int m_height;
};
