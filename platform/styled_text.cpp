// Styled text laid out with QTextLayout: one layout per line, one format range per run of equal
// attributes. Qt's absolute letter spacing carries the kern; the baseline offset is applied when
// the glyph runs are drawn, since QTextLayout has no arbitrary raise of its own.
#include "platform/styled_text.h"

#include <QGlyphRun>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
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

struct Run
{
    int start; // in the whole text
    int length;
    const TextAttributes *attributes;
};

struct LaidLine
{
    std::unique_ptr<QTextLayout> layout;
    int start = 0; // index of the line's first character in the whole text
    std::vector<Run> runs;
    float height = 0.0f;
    float ascent = 0.0f;
    float descent = 0.0f;
    float width = 0.0f;
};

// Lays out each line of text (split at line feeds; a line feed belongs to the line it ends).
std::vector<LaidLine> layOut(const QString &text, const std::vector<TextAttributes> &attributes,
                             const std::vector<std::optional<float>> &lineHeights,
                             const TextAttributes &fallback)
{
    std::vector<LaidLine> lines;
    int start = 0;
    const int length = int(text.size());
    while (true) {
        int end = int(text.indexOf(QLatin1Char('\n'), start));
        const bool last = end < 0;
        if (last)
            end = length;

        LaidLine line;
        line.start = start;
        // An empty last line (after a final line feed) is measured in the font of that feed.
        const int styleIndex = start < length ? start : length - 1;
        const TextAttributes &lineStyle
            = styleIndex >= 0 ? attributes[size_t(styleIndex)] : fallback;

        QVector<QTextLayout::FormatRange> formats;
        for (int i = start; i < end;) {
            int j = i + 1;
            while (j < end && attributes[size_t(j)] == attributes[size_t(i)])
                ++j;
            line.runs.push_back(Run { i, j - i, &attributes[size_t(i)] });
            formats.push_back(QTextLayout::FormatRange { i - start, j - i,
                                                         formatFor(attributes[size_t(i)]) });
            i = j;
        }

        line.layout = std::make_unique<QTextLayout>(text.mid(start, end - start), lineStyle.font);
        QTextOption option;
        option.setWrapMode(QTextOption::NoWrap);
        line.layout->setTextOption(option);
        line.layout->setFormats(formats);
        line.layout->setCacheEnabled(true);
        line.layout->beginLayout();
        QTextLine textLine = line.layout->createLine();
        if (textLine.isValid()) {
            textLine.setLineWidth(1.0e6);
            textLine.setPosition(QPointF(0, 0));
        }
        line.layout->endLayout();

        if (textLine.isValid()) {
            line.ascent = float(textLine.ascent());
            line.descent = float(textLine.descent());
            // The advance, as a typesetter measures it: trailing spaces count, ink that overhangs
            // the last glyph does not.
            line.width = float(textLine.horizontalAdvance());
            line.height = float(textLine.ascent() + textLine.descent()
                                + std::max<qreal>(textLine.leading(), 0));
        }
        if (styleIndex >= 0 && size_t(styleIndex) < lineHeights.size()
            && lineHeights[size_t(styleIndex)])
            line.height = *lineHeights[size_t(styleIndex)];

        lines.push_back(std::move(line));
        if (last)
            break;
        start = end + 1;
    }
    return lines;
}

Size sizeOf(const std::vector<LaidLine> &lines)
{
    Size size;
    for (const LaidLine &line : lines) {
        size.width = std::max(size.width, line.width);
        size.height += line.height;
    }
    return size;
}

void drawLines(QPainter &painter, const std::vector<LaidLine> &lines, float x, float y)
{
    float top = y - sizeOf(lines).height;
    for (const LaidLine &line : lines) {
        // Glyphs sit on the bottom of a line that is taller than the font needs.
        const float baseline = top + line.height - line.descent;
        for (const Run &run : line.runs) {
            const float raise = run.attributes->baselineOffset.value_or(0.0f);
            painter.setPen(run.attributes->color);
            const auto glyphRuns = line.layout->glyphRuns(run.start - line.start, run.length);
            for (const QGlyphRun &glyphs : glyphRuns)
                painter.drawGlyphRun(QPointF(x, baseline - line.ascent - raise), glyphs);
        }
        top += line.height;
    }
}

} // namespace

Size sizeWithAttributes(const QString &text, const TextAttributes &attributes)
{
    return StyledText(text, attributes).size();
}

void drawTextWithAttributes(QPainter &painter, const QString &text, const TextAttributes &attributes,
                            float x, float y)
{
    StyledText(text, attributes).draw(painter, x, y);
}

StyledText::StyledText(const QString &text, const TextAttributes &attributes)
    : m_text(text)
    , m_attributes(size_t(text.size()), attributes)
    , m_lineHeights(size_t(text.size()))
{
}

void StyledText::append(const StyledText &other)
{
    insert(other, length());
}

void StyledText::insert(const StyledText &other, int index)
{
    index = std::clamp(index, 0, length());
    m_text.insert(index, other.m_text);
    m_attributes.insert(m_attributes.begin() + index, other.m_attributes.begin(),
                        other.m_attributes.end());
    m_lineHeights.insert(m_lineHeights.begin() + index, other.m_lineHeights.begin(),
                         other.m_lineHeights.end());
}

void StyledText::appendPlain(const QString &text)
{
    const TextAttributes attributes = m_attributes.empty() ? TextAttributes {} : m_attributes.back();
    const std::optional<float> lineHeight
        = m_lineHeights.empty() ? std::nullopt : m_lineHeights.back();
    m_text += text;
    m_attributes.insert(m_attributes.end(), size_t(text.size()), attributes);
    m_lineHeights.insert(m_lineHeights.end(), size_t(text.size()), lineHeight);
}

void StyledText::addAttribute(Attribute attribute, float value, int location, int length)
{
    const int end = std::min(location + length, this->length());
    for (int i = std::max(location, 0); i < end; ++i) {
        TextAttributes &a = m_attributes[size_t(i)];
        (attribute == Attribute::Kern ? a.kern : a.baselineOffset) = value;
    }
}

void StyledText::removeAttribute(Attribute attribute, int location, int length)
{
    const int end = std::min(location + length, this->length());
    for (int i = std::max(location, 0); i < end; ++i) {
        TextAttributes &a = m_attributes[size_t(i)];
        (attribute == Attribute::Kern ? a.kern : a.baselineOffset).reset();
    }
}

void StyledText::setLineHeight(float height, int location, int length)
{
    const int end = std::min(location + length, this->length());
    for (int i = std::max(location, 0); i < end; ++i)
        m_lineHeights[size_t(i)] = height;
}

Size StyledText::size() const
{
    return sizeOf(layOut(m_text, m_attributes, m_lineHeights, TextAttributes {}));
}

void StyledText::draw(QPainter &painter, float x, float y) const
{
    drawLines(painter, layOut(m_text, m_attributes, m_lineHeights, TextAttributes {}), x, y);
}
