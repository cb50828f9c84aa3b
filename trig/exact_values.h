// What the figure's texts share: how a cosine or sine value is classified for display (its sign,
// and whether it is one of the exact forms), and the exact values of the six functions.
#pragma once

#include <QString>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

namespace figure {

// A value shows a minus sign only below -0.0001: the single-precision cosine of pi/2, a tiny
// negative number, shows none.
inline bool showsMinus(float value)
{
    return double(value) < -0.0001;
}

enum class ExactForm { RootThreeHalves, RootTwoHalves, Half, None };

// The exact form of a magnitude, tested in this order, each within 0.0001.
inline ExactForm exactFormOf(float magnitude)
{
    const float a = magnitude;
    if (double(std::fabs(float(double(a) - 0.866))) < 0.0001)
        return ExactForm::RootThreeHalves;
    if (double(std::fabs(float(double(a) - 0.7071))) < 0.0001)
        return ExactForm::RootTwoHalves;
    if (double(std::fabs(a - 0.5f)) < 0.0001)
        return ExactForm::Half;
    return ExactForm::None;
}

// An exact magnitude as the standard angles give them: factor × √root ∕ denominator, so that √3∕3
// is { 1, 3, 3 }, 2√3∕3 is { 2, 3, 3 }, 2 is { 2, 1, 1 } and 0 is { 0, 1, 1 }.
struct ExactMagnitude
{
    int factor;
    int root;
    int denominator;

    double value() const { return factor * std::sqrt(double(root)) / denominator; }
    bool operator==(const ExactMagnitude &other) const
    {
        return factor == other.factor && root == other.root && denominator == other.denominator;
    }
};

// An exact magnitude in the summary panel's notation: "2√3∕3", "√2", "1∕2", "0". With overline,
// rich text with the radicand under a bar, as the panel draws the radical.
inline QString exactNotation(const ExactMagnitude &m, bool overline = false)
{
    QString text;
    if (m.factor != 1 || m.root == 1)
        text += QString::number(m.factor);
    if (m.root > 1) {
        text += QChar(0x221a);
        text += overline
            ? QStringLiteral("<span style=\"text-decoration: overline\">%1</span>").arg(m.root)
            : QString::number(m.root);
    }
    if (m.denominator > 1)
        text += QChar(0x2215) + QString::number(m.denominator);
    return text;
}

// The tangent as the graph writes it: undefined where the cosine vanishes (the odd multiples of
// π∕2, to which the angle snaps), exact where its magnitude is √3, 1, √3∕3 or 0.
struct Tangent
{
    bool defined = false;
    float value = 0.0f;
    std::optional<ExactMagnitude> exact;
};

inline Tangent tangentOf(float theta)
{
    Tangent t;
    if (std::fabs(std::cos(theta)) < 0.0001f)
        return t;
    t.defined = true;
    t.value = std::tan(theta);
    const float a = std::fabs(t.value);
    if (std::fabs(double(a) - 1.7320508075688772) < 0.0001)
        t.exact = ExactMagnitude { 1, 3, 1 };
    else if (std::fabs(double(a) - 0.5773502691896258) < 0.0001)
        t.exact = ExactMagnitude { 1, 3, 3 };
    else if (std::fabs(a - 1.0f) < 0.0001f)
        t.exact = ExactMagnitude { 1, 1, 1 };
    else if (a < 0.0001f)
        t.exact = ExactMagnitude { 0, 1, 1 };
    return t;
}

// The standard angle theta stands at, in whole degrees from 0 to 359, if it stands at one: the
// angle snaps to the multiples of 30 and 45 degrees, so it is then the float nearest one.
inline std::optional<int> standardDegreesOf(float theta)
{
    const double degrees = double(theta) * 180.0 / 3.141592653589793;
    const double whole = std::round(degrees);
    if (!(std::fabs(degrees - whole) < 1e-3))
        return std::nullopt;
    long d = std::lround(whole) % 360;
    if (d < 0)
        d += 360;
    if (d % 30 != 0 && d % 45 != 0)
        return std::nullopt;
    return int(d);
}

// The six circular functions.
enum class Circular { Sine, Cosine, Tangent, Cotangent, Secant, Cosecant };

struct CircularValue
{
    bool defined = true;
    bool negative = false;
    double value = 0.0;
    // Set at the standard angles, where every defined value is one of the exact magnitudes.
    std::optional<ExactMagnitude> exact;
};

// The value of f at theta: from the table of exact values at a standard angle (with "undefined"
// where the function has no value), computed elsewhere.
inline CircularValue circularValue(Circular f, float theta)
{
    CircularValue v;
    if (const std::optional<int> d = standardDegreesOf(theta)) {
        // The magnitudes at the reference angles 0, 30, 45, 60 and 90 degrees, in the order of
        // Circular; none where the function is undefined.
        using E = ExactMagnitude;
        static const std::optional<ExactMagnitude> table[5][6] = {
            { E { 0, 1, 1 }, E { 1, 1, 1 }, E { 0, 1, 1 }, std::nullopt, E { 1, 1, 1 },
              std::nullopt },
            { E { 1, 1, 2 }, E { 1, 3, 2 }, E { 1, 3, 3 }, E { 1, 3, 1 }, E { 2, 3, 3 },
              E { 2, 1, 1 } },
            { E { 1, 2, 2 }, E { 1, 2, 2 }, E { 1, 1, 1 }, E { 1, 1, 1 }, E { 1, 2, 1 },
              E { 1, 2, 1 } },
            { E { 1, 3, 2 }, E { 1, 1, 2 }, E { 1, 3, 1 }, E { 1, 3, 3 }, E { 2, 1, 1 },
              E { 2, 3, 3 } },
            { E { 1, 1, 1 }, E { 0, 1, 1 }, std::nullopt, E { 0, 1, 1 }, std::nullopt,
              E { 1, 1, 1 } },
        };
        const int fold = *d % 180 <= 90 ? *d % 180 : 180 - *d % 180;
        const int row = fold == 0 ? 0 : fold == 30 ? 1 : fold == 45 ? 2 : fold == 60 ? 3 : 4;
        const int sine = *d == 0 || *d == 180 ? 0 : *d < 180 ? 1 : -1;
        const int cosine = *d == 90 || *d == 270 ? 0 : (*d < 90 || *d > 270) ? 1 : -1;
        const int signs[6] = { sine, cosine, sine * cosine, sine * cosine, cosine, sine };
        v.exact = table[row][int(f)];
        v.defined = v.exact.has_value();
        v.negative = signs[int(f)] < 0;
        v.value = v.defined ? (v.negative ? -v.exact->value() : v.exact->value()) : 0.0;
        return v;
    }
    // As the summary panel computes them: in single precision.
    const double s = double(std::sin(theta));
    const double c = double(std::cos(theta));
    const double values[6] = { s, c, s / c, c / s, 1.0 / c, 1.0 / s };
    v.value = values[int(f)];
    v.defined = std::isfinite(v.value);
    v.negative = v.value < -0.0001;
    return v;
}

// printf's "%<width>.<precision>f" in the C locale, whatever the user's locale: the exact binary
// value rounded to that many decimals, an exact tie to the even digit (0.625 gives 0.62), padded
// on the left with spaces. Qt's own formatting rounds ties away from zero instead.
inline QString printfFixed(double value, int precision, int width = 0)
{
    // The largest double has 309 digits before the point.
    char buffer[400];
    const std::to_chars_result written
        = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, precision);
    const int length = written.ec == std::errc() ? int(written.ptr - buffer) : 0;
    QString text(std::max(0, width - length), QLatin1Char(' '));
    text += QLatin1String(buffer, length);
    return text;
}

// The magnitude of a value as the panel writes it when it is none of the exact forms: "%1.3f".
inline QString threeDecimals(double value)
{
    return printfFixed(value, 3, 1);
}

} // namespace figure
