// Attributed text: a string whose every UTF-16 unit carries its font, colour, kern and baseline
// offset, laid out and drawn with Qt's text layout. Kern is space added after a character (a
// negative kern pulls the next one back); a baseline offset raises a character by that many points.
#pragma once

#include "platform/geometry.h"

#include <QColor>
#include <QFont>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class QPainter;
struct StyledTextLayout;

struct TextAttributes
{
    QFont font;
    QColor color;
    std::optional<float> kern;
    std::optional<float> baselineOffset;

    bool operator==(const TextAttributes &other) const;
    bool operator!=(const TextAttributes &other) const { return !(*this == other); }
};

// The size of a plain string drawn with one set of attributes. Lines are measured one by one:
// the width of the widest line, the height of all of them.
Size sizeWithAttributes(const QString &text, const TextAttributes &attributes);

// The x-height of a font as the font gives it, unrounded (Qt's own rounds up to whole pixels).
float xHeightOf(const QFont &font);

// Draws a plain string with the lower-left corner of its box at (x, y) of the painter, whose y axis
// points down (the caller has undone any flip).
void drawTextWithAttributes(QPainter &painter, const QString &text,
                            const TextAttributes &attributes, float x, float y);

class StyledText
{
public:
    enum class Attribute { Kern, BaselineOffset };

    StyledText() = default;
    StyledText(const QString &text, const TextAttributes &attributes);

    QString string() const { return m_text; }
    int length() const { return int(m_text.size()); }
    TextAttributes attributesAt(int index) const { return m_attributes.at(size_t(index)); }

    void append(const StyledText &other);
    // Keeps the first length UTF-16 units.
    void truncate(int length);
    void insert(const StyledText &other, int index);
    // Appends plain text that takes the attributes of the last character (replacing the empty
    // range at the end). On an empty text it takes default attributes.
    void appendPlain(const QString &text);

    void addAttribute(Attribute attribute, float value, int location, int length);
    void removeAttribute(Attribute attribute, int location, int length);

    // A fixed line height (minimum = maximum) for the lines that start in the range.
    void setLineHeight(float height, int location, int length);
    std::optional<float> lineHeightAt(int index) const { return m_lineHeights.at(size_t(index)); }

    Size size() const;

    // Draws with the lower-left corner of the text's box at (x, y) of a y-down painter.
    void draw(QPainter &painter, float x, float y) const;

private:
    const StyledTextLayout &layout() const;

    QString m_text;
    std::vector<TextAttributes> m_attributes;
    std::vector<std::optional<float>> m_lineHeights;
    // Laid out on first use and dropped by every change: a text measured and then drawn is laid
    // out once.
    mutable std::shared_ptr<const StyledTextLayout> m_layout;
};
