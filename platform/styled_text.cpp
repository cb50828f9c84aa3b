// Styled text laid out with QTextLayout: one layout per line, one format range per run of equal
// attributes. Qt's absolute letter spacing carries the kern; the baseline offset is applied when
// the glyph runs are drawn, since QTextLayout has no arbitrary raise of its own.
#include "platform/styled_text.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QHash>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>

#include <algorithm>
#include <cstring>
#include <memory>

bool TextAttributes::operator==(const TextAttributes &other) const
{
    return font == other.font && color == other.color && kern == other.kern
        && baselineOffset == other.baselineOffset;
}

namespace {

QTextCharFormat formatFor(const TextAttributes &attributes)
{
    QTextCharFormat format;
    format.setFont(attributes.font, QTextCharFormat::FontPropertiesAll);
    format.setForeground(attributes.color);
    if (attributes.kern) {
        format.setFontLetterSpacingType(QFont::AbsoluteSpacing);
        format.setFontLetterSpacing(*attributes.kern);
    }
    return format;
}

// What a drawn run needs: its glyphs, already placed by Qt's layout, its colour and its raise.
struct Piece
{
    QList<QGlyphRun> glyphs;
    QColor color;
    float raise = 0.0f;
};

struct LaidLine
{
    std::vector<Piece> pieces;
    float height = 0.0f;
    float ascent = 0.0f;
    float descent = 0.0f;
    float width = 0.0f;
};

// A font's vertical metrics as the font itself gives them.
struct DesignMetrics
{
    float ascent = 0.0f;
    float descent = 0.0f;
    float leading = 0.0f;
    float xHeight = 0.0f;
};

// FreeType rounds a scalable font's ascent and descent to whole pixels at the size in use, and Qt
// measures an x-height that the font does not state from the glyph "x", rounded up the same way:
// a 10-pixel Nimbus Sans has an ascent of 11 for 10.75 and an x-height of 6 for 5.24. At the
// font's design size one pixel is one font unit, so measured there and scaled back the metrics are
// exact to a unit. Every pass asks for the same few fonts: each is measured once.
const DesignMetrics &designMetrics(const QFont &font)
{
    // A handful of fonts, compared by their definition: cheaper than hashing their keys. Dropped
    // before the application goes, as the fonts belong to it.
    using Cache = std::vector<std::pair<QFont, DesignMetrics>>;
    static Cache *fonts = nullptr;
    if (!fonts) {
        fonts = new Cache;
        qAddPostRoutine([] {
            delete fonts;
            fonts = nullptr;
        });
    }
    Cache &cache = *fonts;
    for (const auto &entry : cache)
        if (entry.first == font)
            return entry.second;

    const qreal unitsPerEm = QRawFont::fromFont(font).unitsPerEm();
    QFont design(font);
    qreal scale = 1.0;
    if (font.pixelSize() > 0 && unitsPerEm >= 16.0 && unitsPerEm <= 16384.0) {
        design.setPixelSize(int(unitsPerEm));
        scale = font.pixelSize() / unitsPerEm;
    }
    const QFontMetricsF metrics(design);
    DesignMetrics m;
    m.ascent = float(metrics.ascent() * scale);
    m.descent = float(metrics.descent() * scale);
    m.leading = float(std::max<qreal>(metrics.leading(), 0.0) * scale);
    m.xHeight = float(metrics.xHeight() * scale);
    if (cache.size() >= 64)
        cache.clear();
    cache.emplace_back(font, m);
    return cache.back().second;
}

} // namespace

float xHeightOf(const QFont &font)
{
    return designMetrics(font).xHeight;
}

// A text laid out once: measuring and drawing it again reuse the same glyphs.
struct StyledTextLayout
{
    std::vector<LaidLine> lines;
    Size size;
};

namespace {

// Lays out each line of text (split at line feeds; a line feed belongs to the line it ends).
std::shared_ptr<const StyledTextLayout> layOut(const QString &text,
                                               const std::vector<TextAttributes> &attributes,
                                               const std::vector<std::optional<float>> &lineHeights)
{
    auto layout = std::make_shared<StyledTextLayout>();
    int start = 0;
    const int length = int(text.size());
    while (true) {
        int end = int(text.indexOf(QLatin1Char('\n'), start));
        const bool last = end < 0;
        if (last)
            end = length;

        LaidLine line;
        // An empty last line (after a final line feed) is measured in the font of that feed.
        const int styleIndex = start < length ? start : length - 1;
        static const TextAttributes fallback;
        const TextAttributes &lineStyle
            = styleIndex >= 0 ? attributes[size_t(styleIndex)] : fallback;

        struct Run
        {
            int from;
            int length;
            const TextAttributes *attributes;
        };
        std::vector<Run> runs;
        for (int i = start; i < end;) {
            int j = i + 1;
            while (j < end && attributes[size_t(j)] == attributes[size_t(i)])
                ++j;
            runs.push_back(Run { i - start, j - i, &attributes[size_t(i)] });
            i = j;
        }

        // A line of one style needs no formats: its font carries the kern. Formats are most of
        // the cost of a layout.
        QFont lineFont = lineStyle.font;
        if (runs.size() == 1 && runs.front().attributes->kern)
            lineFont.setLetterSpacing(QFont::AbsoluteSpacing, *runs.front().attributes->kern);
        QTextLayout textLayout(text.mid(start, end - start), lineFont);
        QTextOption option;
        option.setWrapMode(QTextOption::NoWrap);
        textLayout.setTextOption(option);
        if (runs.size() > 1) {
            QVector<QTextLayout::FormatRange> formats;
            for (const Run &run : runs)
                formats.push_back(
                    QTextLayout::FormatRange { run.from, run.length, formatFor(*run.attributes) });
            textLayout.setFormats(formats);
        }
        textLayout.setCacheEnabled(true);
        textLayout.beginLayout();
        QTextLine textLine = textLayout.createLine();
        if (textLine.isValid()) {
            textLine.setLineWidth(1.0e6);
            textLine.setPosition(QPointF(0, 0));
        }
        textLayout.endLayout();

        if (textLine.isValid()) {
            // The tallest font of the line decides its height, as Qt's layout would, from the
            // unrounded metrics.
            float leading = 0.0f;
            const auto include = [&](const QFont &font) {
                const DesignMetrics &m = designMetrics(font);
                line.ascent = std::max(line.ascent, m.ascent);
                line.descent = std::max(line.descent, m.descent);
                leading = std::max(leading, m.leading);
            };
            if (runs.empty())
                include(lineStyle.font);
            for (const Run &run : runs)
                include(run.attributes->font);
            // The advance, as a typesetter measures it: trailing spaces count, ink that overhangs
            // the last glyph does not.
            line.width = float(textLine.horizontalAdvance());
            line.height = line.ascent + line.descent + leading;
            for (const Run &run : runs)
                line.pieces.push_back(Piece { textLine.glyphRuns(run.from, run.length),
                                              run.attributes->color,
                                              run.attributes->baselineOffset.value_or(0.0f) });
        }
        if (styleIndex >= 0 && size_t(styleIndex) < lineHeights.size()
            && lineHeights[size_t(styleIndex)])
            line.height = *lineHeights[size_t(styleIndex)];

        layout->size.width = std::max(layout->size.width, line.width);
        layout->size.height += line.height;
        layout->lines.push_back(std::move(line));
        if (last)
            break;
        start = end + 1;
    }
    return layout;
}

void drawLayout(QPainter &painter, const StyledTextLayout &layout, float x, float y)
{
    float top = y - layout.size.height;
    for (const LaidLine &line : layout.lines) {
        // Glyphs sit on the bottom of a line that is taller than the font needs.
        const float baseline = top + line.height - line.descent;
        for (const Piece &piece : line.pieces) {
            painter.setPen(piece.color);
            for (const QGlyphRun &glyphs : piece.glyphs)
                painter.drawGlyphRun(QPointF(x, baseline - line.ascent - piece.raise), glyphs);
        }
        top += line.height;
    }
}

// The figure draws the same few plain labels on every pass; they are laid out once per run.
// Looked up by the text and the attributes themselves: a font compares by its shared definition
// at once, where spelling out its key would cost more than many a label's drawing.
struct PlainKey
{
    QString text;
    TextAttributes attributes;

    bool operator==(const PlainKey &other) const
    {
        return text == other.text && attributes == other.attributes;
    }
};

size_t qHash(const PlainKey &key, size_t seed = 0)
{
    const auto bits = [](const std::optional<float> &v) {
        quint32 pattern = 0xffffffffu;
        if (v)
            std::memcpy(&pattern, &*v, sizeof pattern);
        return pattern;
    };
    const QFont &font = key.attributes.font;
    return qHashMulti(seed, key.text, font.pixelSize(), font.pointSizeF(), font.weight(),
                      key.attributes.color.rgba(), bits(key.attributes.kern),
                      bits(key.attributes.baselineOffset));
}

using PlainCache = QHash<PlainKey, std::shared_ptr<const StyledTextLayout>>;

PlainCache *&plainCache()
{
    static PlainCache *cache = nullptr;
    return cache;
}

void dropPlainCache()
{
    // Before the application goes: the glyphs hold fonts that belong to it.
    delete plainCache();
    plainCache() = nullptr;
}

std::shared_ptr<const StyledTextLayout> plainLayout(const QString &text,
                                                    const TextAttributes &attributes)
{
    if (!plainCache()) {
        plainCache() = new PlainCache;
        qAddPostRoutine(dropPlainCache);
    }
    const PlainKey key { text, attributes };
    PlainCache &cache = *plainCache();
    if (const auto found = cache.constFind(key); found != cache.constEnd())
        return *found;
    // Labels come from a small set; anything else (a long session of decimal angles) is bounded.
    if (cache.size() >= 1024)
        cache.clear();
    auto layout = layOut(text, std::vector<TextAttributes>(size_t(text.size()), attributes),
                         std::vector<std::optional<float>>(size_t(text.size())));
    cache.insert(key, layout);
    return layout;
}

} // namespace

Size sizeWithAttributes(const QString &text, const TextAttributes &attributes)
{
    return plainLayout(text, attributes)->size;
}

void drawTextWithAttributes(QPainter &painter, const QString &text,
                            const TextAttributes &attributes, float x, float y)
{
    drawLayout(painter, *plainLayout(text, attributes), x, y);
}

StyledText::StyledText(const QString &text, const TextAttributes &attributes)
    : m_text(text)
    , m_attributes(size_t(text.size()), attributes)
    , m_lineHeights(size_t(text.size()))
{ }

void StyledText::append(const StyledText &other)
{
    insert(other, length());
}

void StyledText::insert(const StyledText &other, int index)
{
    m_layout.reset();
    index = std::clamp(index, 0, length());
    m_text.insert(index, other.m_text);
    m_attributes.insert(m_attributes.begin() + index, other.m_attributes.begin(),
                        other.m_attributes.end());
    m_lineHeights.insert(m_lineHeights.begin() + index, other.m_lineHeights.begin(),
                         other.m_lineHeights.end());
}

void StyledText::truncate(int length)
{
    m_layout.reset();
    length = std::clamp(length, 0, this->length());
    m_text.truncate(length);
    m_attributes.resize(size_t(length));
    m_lineHeights.resize(size_t(length));
}

void StyledText::appendPlain(const QString &text)
{
    m_layout.reset();
    const TextAttributes attributes
        = m_attributes.empty() ? TextAttributes {} : m_attributes.back();
    const std::optional<float> lineHeight
        = m_lineHeights.empty() ? std::nullopt : m_lineHeights.back();
    m_text += text;
    m_attributes.insert(m_attributes.end(), size_t(text.size()), attributes);
    m_lineHeights.insert(m_lineHeights.end(), size_t(text.size()), lineHeight);
}

void StyledText::addAttribute(Attribute attribute, float value, int location, int length)
{
    m_layout.reset();
    const int end = std::min(location + length, this->length());
    for (int i = std::max(location, 0); i < end; ++i) {
        TextAttributes &a = m_attributes[size_t(i)];
        (attribute == Attribute::Kern ? a.kern : a.baselineOffset) = value;
    }
}

void StyledText::removeAttribute(Attribute attribute, int location, int length)
{
    m_layout.reset();
    const int end = std::min(location + length, this->length());
    for (int i = std::max(location, 0); i < end; ++i) {
        TextAttributes &a = m_attributes[size_t(i)];
        (attribute == Attribute::Kern ? a.kern : a.baselineOffset).reset();
    }
}

void StyledText::setLineHeight(float height, int location, int length)
{
    m_layout.reset();
    const int end = std::min(location + length, this->length());
    for (int i = std::max(location, 0); i < end; ++i)
        m_lineHeights[size_t(i)] = height;
}

const StyledTextLayout &StyledText::layout() const
{
    if (!m_layout)
        m_layout = layOut(m_text, m_attributes, m_lineHeights);
    return *m_layout;
}

Size StyledText::size() const
{
    return layout().size;
}

void StyledText::draw(QPainter &painter, float x, float y) const
{
    drawLayout(painter, layout(), x, y);
}
