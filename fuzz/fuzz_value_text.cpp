// Value texts of arbitrary cosines and sines, with attribute sets of arbitrary size, colour code
// and kern. Invariants: the text is never empty; it is one sign character (a space, or the minus
// sign for values below -0.0001) followed by exactly one of √3∕2, √2∕2, 1∕2 or the magnitude with
// three decimals; every character keeps the font and colour passed in, its measured size is finite,
// the sign and plain bodies keep the whole attribute set; and building it twice gives the same
// text.
#include "fuzz_support.h"

#include "view/orbel_view.h"

#include <QRegularExpression>

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

QByteArray describe(float value, const StyledText &text)
{
    return fuzz::format("value %.9g, text \"", double(value)) + text.string().toUtf8() + "\"";
}

const QRegularExpression &decimalBody()
{
    static const QRegularExpression re(QStringLiteral("^(?:[0-9]+\\.[0-9]{3}|inf|nan)$"));
    return re;
}

void checkOne(const OrbelView &view, float value, const TextAttributes &attributes)
{
    const StyledText text = view.displayedValue(value, attributes);
    const QString s = text.string();
    FUZZ_CHECK(text.length() >= 2, describe(value, text));

    const bool negative = double(value) < -0.0001;
    FUZZ_CHECK(s.at(0) == (negative ? QChar(0x2212) : QChar(u' ')), describe(value, text));

    const QString body = s.mid(1);
    const QString root3 = QString::fromUtf8("\u221a\u20143 \u22152");
    const QString root2 = QString::fromUtf8("\u221a\u20142 \u22152");
    const QString half = QString::fromUtf8("1\u22152");
    const bool surd = body == root3 || body == root2;
    FUZZ_CHECK(surd || body == half || decimalBody().match(body).hasMatch(), describe(value, text));

    // Exact forms only where the magnitude is (nearly) that value.
    const double a = std::fabs(double(value));
    if (body == root3)
        FUZZ_CHECK(std::fabs(a - 0.8660254) < 2e-4, describe(value, text));
    if (body == root2)
        FUZZ_CHECK(std::fabs(a - 0.7071068) < 2e-4, describe(value, text));
    if (body == half)
        FUZZ_CHECK(std::fabs(a - 0.5) < 2e-4, describe(value, text));

    for (int i = 0; i < text.length(); ++i) {
        const TextAttributes at = text.attributesAt(i);
        FUZZ_CHECK(at.font == attributes.font && at.color == attributes.color,
                   describe(value, text) + fuzz::format(" at %d", i));
        if (!surd || i == 0)
            FUZZ_CHECK(at == attributes, describe(value, text) + fuzz::format(" at %d", i));
        if (surd && i > 0) {
            // The caller's kern applies nowhere in a surd: only the radical and its bar are
            // pulled together, and every offset measured from the font is finite.
            FUZZ_CHECK(i <= 2 ? at.kern.has_value() : !at.kern.has_value(),
                       describe(value, text) + fuzz::format(" kern at %d", i));
            FUZZ_CHECK(!at.kern || std::isfinite(*at.kern), describe(value, text));
            FUZZ_CHECK(!at.baselineOffset || std::isfinite(*at.baselineOffset),
                       describe(value, text));
        }
    }

    const StyledText again = view.displayedValue(value, attributes);
    FUZZ_CHECK(again.string() == s, describe(value, again));
    for (int i = 0; i < text.length(); ++i)
        FUZZ_CHECK(again.attributesAt(i) == text.attributesAt(i), describe(value, again));

    // A negative kern may pull the text to nothing or less, but never out of the numbers.
    const Size size = text.size();
    FUZZ_CHECK(std::isfinite(size.width) && std::isfinite(size.height) && size.height > 0.0f,
               describe(value, text));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz::startApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static OrbelView *view = new OrbelView(Rect { { 0.0f, 0.0f }, { 300.0f, 240.0f } });
    FuzzedDataProvider input(data, size);
    // Text sizes as the figure forms them from its unit, for views up to Qt's largest widget;
    // colour codes of every kind, although only 0 to 5 are defined.
    const int textSize = input.ConsumeIntegralInRange<int>(-16, 2000);
    const int colour = input.ConsumeIntegral<std::int8_t>();
    const float kern = input.ConsumeFloatingPointInRange<float>(-100.0f, 100.0f);
    const TextAttributes attributes = view->fontAttributeWithSize(textSize, colour, kern);
    while (input.remaining_bytes() >= sizeof(float)) {
        float value;
        const std::vector<std::uint8_t> raw = input.ConsumeBytes<std::uint8_t>(sizeof value);
        std::memcpy(&value, raw.data(), sizeof value);
        checkOne(*view, value, attributes);
    }
    return 0;
}
