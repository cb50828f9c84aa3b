// Naming arbitrary angles, in radians and in degrees. Invariants: a label is never empty; a
// snapped angle is named as a multiple of pi in lowest terms ("0", "π∕4", "−5π∕6", "2π"), in
// degrees as a whole number that, within a turn either way, is a multiple of 15; an angle that is
// not snapped is left bit for bit as it was; and naming the result again gives the same label and
// the same angle.
#include "fuzz_support.h"

#include "view/orbel_view.h"

#include <QRegularExpression>

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <numeric>

namespace {

std::uint32_t bits(float f)
{
    std::uint32_t u;
    std::memcpy(&u, &f, sizeof u);
    return u;
}

QByteArray describe(float angle, const QString &label)
{
    return fuzz::format("angle %.9g (0x%08x), label \"", double(angle), unsigned(bits(angle)))
        + label.toUtf8() + "\"";
}

const QRegularExpression &fractionForm()
{
    // 0, or an optional minus sign, an optional whole multiple of at least 2, pi, and an optional
    // fraction bar with its denominator.
    static const QRegularExpression re(
        QString::fromUtf8("^(?:0|(\u2212)?([2-9]|[1-9][0-9]+)?\u03c0(?:\u2215([2346]))?)$"));
    return re;
}

const QRegularExpression &decimalForm()
{
    static const QRegularExpression re(
        QString::fromUtf8("^(?:\u2212?[0-9]+\\.[0-9]{2}|\u2212?inf|-?nan)$"));
    return re;
}

const QRegularExpression &degreeForm()
{
    static const QRegularExpression re(QString::fromUtf8("^ *(-?(?:[0-9]+|inf|nan))\u00b0$"));
    return re;
}

// Within this the labels are those the view can show; beyond it floats grow too coarse for
// snapping to say much, but the forms still hold.
constexpr double turnAndWindow = 6.283185307179586 + 0.075;

void checkOne(OrbelView &view, float input)
{
    float angle = input;
    const QString label = view.normalizeAngle(angle);
    FUZZ_CHECK(!label.isEmpty(), describe(input, label));

    // Which denominator, if any, snaps it: the first of 1, 2, 3, 4, 6 that names the angle.
    QString fractionLabel;
    float snapped = input;
    int denominator = 0;
    for (int n : { 1, 2, 3, 4, 6 }) {
        float copy = input;
        fractionLabel = view.normalizeAngleWithFraction(copy, n);
        if (!fractionLabel.isNull()) {
            snapped = copy;
            denominator = n;
            break;
        }
        FUZZ_CHECK(bits(copy) == bits(input), "a denominator that did not match moved the angle");
    }
    FUZZ_CHECK(bits(angle) == bits(snapped),
               describe(input, label) + " left " + describe(angle, ""));

    const bool degrees = view.angleUnit() == 1;
    if (denominator == 0) {
        if (!degrees)
            FUZZ_CHECK(decimalForm().match(label).hasMatch(), describe(input, label));
    } else {
        const QRegularExpressionMatch m = fractionForm().match(fractionLabel);
        FUZZ_CHECK(m.hasMatch(), describe(input, fractionLabel));
        if (!degrees)
            FUZZ_CHECK(label == fractionLabel, describe(input, label));
        if (fractionLabel != QLatin1String("0")) {
            const QString suffix = m.captured(3);
            FUZZ_CHECK((suffix.isEmpty() ? 1 : suffix.toInt()) == denominator,
                       describe(input, fractionLabel));
            const long long multiple = m.captured(2).isEmpty() ? 1 : m.captured(2).toLongLong();
            FUZZ_CHECK(denominator == 1 || std::gcd(multiple, (long long)denominator) == 1,
                       "not in lowest terms: " + describe(input, fractionLabel));
            if (std::fabs(double(input)) <= turnAndWindow)
                FUZZ_CHECK(multiple <= 2 * denominator, describe(input, fractionLabel));
        }
    }

    if (degrees) {
        const QRegularExpressionMatch m = degreeForm().match(label);
        FUZZ_CHECK(m.hasMatch(), describe(input, label));
        FUZZ_CHECK(label.size() >= 4, "degrees are padded to three characters");
        if (denominator != 0 && std::fabs(double(input)) <= turnAndWindow) {
            const int value = m.captured(1).toInt();
            FUZZ_CHECK(value % 15 == 0 && std::abs(value) <= 360, describe(input, label));
        }
    }

    // Naming is idempotent: the snapped angle names itself and stays put.
    float again = angle;
    const QString relabel = view.normalizeAngle(again);
    FUZZ_CHECK(relabel == label, describe(angle, label) + " then " + relabel.toUtf8());
    FUZZ_CHECK(bits(again) == bits(angle),
               describe(angle, label) + " moved to " + describe(again, ""));
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
    // Any unit code: only 1 means degrees.
    view->setAngleUnit(input.ConsumeIntegral<std::int8_t>() % 3);
    while (input.remaining_bytes() >= sizeof(float)) {
        float angle;
        const std::vector<std::uint8_t> raw = input.ConsumeBytes<std::uint8_t>(sizeof angle);
        std::memcpy(&angle, raw.data(), sizeof angle);
        checkOne(*view, angle);
        // The same angle in the other unit.
        const int unit = view->angleUnit();
        view->setAngleUnit(unit == 1 ? 0 : 1);
        checkOne(*view, angle);
        view->setAngleUnit(unit);
    }
    return 0;
}
