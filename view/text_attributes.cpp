// Attribute sets of the figure's texts, and the value texts of cosine and sine: exact surds
// (√3∕2, √2∕2), 1∕2, or three decimals, each after a one-character sign.
#include "view/orbel_view.h"

#include "trig/exact_values.h"
#include "view/figure_colours.h"

#include <QCoreApplication>
#include <QHash>
#include <QLoggingCategory>

#include <cmath>

// The surd texts report the measured em dash that their offsets are scaled from; silence with
// QT_LOGGING_RULES="unitcircle.surd=false".
Q_LOGGING_CATEGORY(lcSurd, "unitcircle.surd")

namespace {

using FontCache = QHash<int, QFont>;

FontCache *&fontCache()
{
    static FontCache *cache = nullptr;
    return cache;
}

void dropFontCache()
{
    // Before the application goes: a font holds on to engines that belong to it.
    delete fontCache();
    fontCache() = nullptr;
}

// "Helvetica" at a pixel size. One font object per size for the whole run: copies of it share
// the font engine that Qt found for it, which a new font object would look up again, at every
// text of every pass.
QFont helvetica(int pixelSize)
{
    if (!fontCache()) {
        fontCache() = new FontCache;
        qAddPostRoutine(dropFontCache);
    }
    FontCache &cache = *fontCache();
    if (const auto found = cache.constFind(pixelSize); found != cache.constEnd())
        return *found;
    QFont font(QStringLiteral("Helvetica"));
    font.setStyleHint(QFont::Helvetica);
    // One point is one device-independent pixel, on screen and on paper alike; unhinted metrics
    // keep the layout the same at every scale.
    font.setPixelSize(pixelSize);
    font.setHintingPreference(QFont::PreferNoHinting);
    if (cache.size() >= 256)
        cache.clear();
    cache.insert(pixelSize, font);
    return font;
}

} // namespace

TextAttributes OrbelView::fontAttributeWithSize(int size, int color, float kern) const
{
    const float fontSize = size > 8 ? float(size) : 9.0f;
    const QFont font = helvetica(int(fontSize));

    TextAttributes attributes;
    attributes.font = font;
    attributes.color = figure::forDisplay(figure::forCode(color), m_displayOptions);
    attributes.kern = kern;
    return attributes;
}

StyledText OrbelView::displayedValue(float value, const TextAttributes &attributes) const
{
    StyledText text(figure::showsMinus(value) ? m_minusString : QStringLiteral(" "), attributes);

    const float a = std::fabs(value);
    switch (figure::exactFormOf(a)) {
    case figure::ExactForm::RootThreeHalves:
        text.append(squareRootOf(3, attributes));
        break;
    case figure::ExactForm::RootTwoHalves:
        text.append(squareRootOf(2, attributes));
        break;
    case figure::ExactForm::Half:
        text.appendPlain(QStringLiteral("1") + m_divString + QStringLiteral("2"));
        break;
    case figure::ExactForm::None:
        text.appendPlain(figure::threeDecimals(double(a)));
        break;
    }
    return text;
}

Size OrbelView::surdBar(const TextAttributes &attributes) const
{
    TextAttributes fontOnly;
    fontOnly.font = attributes.font;
    const Size dash = sizeWithAttributes(QString::fromUtf8("\u2014"), fontOnly);
    qCInfo(lcSurd, "%f x %f", double(dash.width), double(dash.height));
    return dash;
}

StyledText OrbelView::squareRootOf(int n, const TextAttributes &attributes) const
{
    // The raised em dash is the bar of the radical over the digit behind it.
    StyledText text(QString::fromUtf8(n == 2 ? "\u221a\u20142 \u22152" : "\u221a\u20143 \u22152"),
                    attributes);

    const Size dash = surdBar(text.attributesAt(1));
    const double w = dash.width;
    const double h = dash.height;

    text.removeAttribute(StyledText::Attribute::Kern, 0, 6);
    text.addAttribute(StyledText::Attribute::BaselineOffset, float(0.62 * w), 1, 1);
    text.addAttribute(StyledText::Attribute::Kern, float(-0.01 * h), 0, 1);
    text.addAttribute(StyledText::Attribute::Kern, float(-0.65 * h), 1, 1);
    text.addAttribute(StyledText::Attribute::BaselineOffset, float(0.2 * w), 4, 1);
    return text;
}
