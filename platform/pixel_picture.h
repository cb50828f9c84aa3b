// An opaque picture of device pixels to be put on a raster surface many times, with the runs of
// each row that hold only its background colour marked: those are filled on the surface instead
// of copied, which writes the pixels without reading them a second time. A figure is mostly
// background, so a copy of it costs about half the memory traffic of a plain copy.
#pragma once

#include <QColor>
#include <QImage>

#include <cstdint>
#include <vector>

class PixelPicture
{
public:
    PixelPicture() = default;
    // Marks the rows of a 32-bit image; an image of another depth is kept without marks and is
    // copied whole.
    PixelPicture(const QImage &image, const QColor &background);

    bool isNull() const { return m_image.isNull(); }
    const QImage &image() const { return m_image; }

    // Puts the picture's columns [from, to) of row y at target, where column from goes, in a
    // row of the same format: inked runs copied, background filled.
    void putRow(int y, int from, int to, uchar *target) const;
    bool hasRuns() const { return !m_rowStarts.empty(); }

private:
    struct Run
    {
        std::uint32_t from;
        std::uint32_t to;
    };

    void fill(quint32 *out, int count) const;

    QImage m_image;
    quint32 m_background = 0;
    std::vector<quint32> m_blankRow;
    // The inked runs of row y are m_runs[m_rowStarts[y]] up to m_runs[m_rowStarts[y + 1]].
    std::vector<std::uint32_t> m_rowStarts;
    std::vector<Run> m_runs;
};
