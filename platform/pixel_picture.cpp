// Rows of a still picture split into what must be copied and what can be filled.
#include "platform/pixel_picture.h"

#include <algorithm>
#include <cstring>

namespace {

// A stretch of background shorter than this is copied with the ink round it: a fill and a copy
// more would cost more than they save.
constexpr int shortestFill = 16;

} // namespace

PixelPicture::PixelPicture(const QImage &image, const QColor &background)
    : m_image(image)
{
    if (image.isNull() || image.depth() != 32)
        return;
    QImage one(1, 1, image.format());
    one.fill(background);
    std::memcpy(&m_background, one.constBits(), sizeof m_background);
    m_blankRow.assign(size_t(image.width()), m_background);

    const int width = image.width();
    m_rowStarts.reserve(size_t(image.height()) + 1);
    for (int y = 0; y < image.height(); ++y) {
        const size_t rowStart = m_runs.size();
        m_rowStarts.push_back(std::uint32_t(rowStart));
        const auto *row = reinterpret_cast<const quint32 *>(image.constScanLine(y));
        for (int x = 0; x < width;) {
            // A run of ink, joined to the one before across background too short to fill.
            if (row[x] == m_background) {
                ++x;
                continue;
            }
            const int from = x;
            while (x < width && row[x] != m_background)
                ++x;
            if (m_runs.size() > rowStart && from - int(m_runs.back().to) < shortestFill)
                m_runs.back().to = std::uint32_t(x);
            else
                m_runs.push_back(Run { std::uint32_t(from), std::uint32_t(x) });
        }
    }
    m_rowStarts.push_back(std::uint32_t(m_runs.size()));
}

void PixelPicture::putRow(int y, int from, int to, uchar *target) const
{
    const auto *source = reinterpret_cast<const quint32 *>(m_image.constScanLine(y));
    auto *out = reinterpret_cast<quint32 *>(target);
    const Run *run = m_runs.data() + m_rowStarts[size_t(y)];
    const Run *end = m_runs.data() + m_rowStarts[size_t(y) + 1];
    int x = from;
    for (; run != end && x < to; ++run) {
        const int a = std::max(int(run->from), x);
        const int b = std::min(int(run->to), to);
        if (b <= a)
            continue;
        fill(out + (x - from), a - x);
        std::memcpy(out + (a - from), source + a, size_t(b - a) * sizeof(quint32));
        x = b;
    }
    if (x < to)
        fill(out + (x - from), to - x);
}

void PixelPicture::fill(quint32 *out, int count) const
{
    // Copied from one row of background, which stays in the cache: the library's copy is far
    // quicker than a loop of stores.
    if (count > 0)
        std::memcpy(out, m_blankRow.data(), size_t(count) * sizeof(quint32));
}
