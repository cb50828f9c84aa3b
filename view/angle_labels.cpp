// Naming angles: snapping to the nearest multiple of pi/n within 0.075 rad, and the labels in
// fractions of pi, decimal radians or degrees. Numbers are formatted as printf does in the C
// locale, so a German desktop still reads 0.70 and a tie such as 0.625 gives 0.62.
#include "view/orbel_view.h"

#include "trig/exact_values.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {
constexpr double pi = 3.141592653589793;
constexpr double snapWindow = 0.075;

// printf's "%2.2f" of a float, character for character, at a fraction of the general cost: this
// is most of the cost of process. A float times 100 is exact in double precision, so rounding
// that to an integer in the default rounding mode (an exact tie to even) is printf's rounding.
QString twoDecimals(float value)
{
    const double hundredths = std::nearbyint(double(value) * 100.0);
    if (std::signbit(value) || !(hundredths < 1e15))
        return figure::printfFixed(double(value), 2, 2); // negative, huge, infinite or NaN
    const long long n = static_cast<long long>(hundredths);
    char buffer[24];
    char *end = std::to_chars(buffer, buffer + 18, n / 100).ptr;
    *end++ = '.';
    *end++ = char('0' + n % 100 / 10);
    *end++ = char('0' + n % 10);
    return QString::fromLatin1(buffer, end - buffer);
}
} // namespace

QString OrbelView::normalizeAngleWithFraction(float &angle, int fraction) const
{
    const float x = angle;
    const float scaled = float(fraction) * x;
    const long k = std::lrint(float(double(scaled) / pi));
    const double s = double(k) * pi / double(fraction);
    // Written as "not close" so that a difference that is not a number is never close.
    if (!(std::fabs(double(x) - s) < snapWindow))
        return QString();

    angle = float(s);

    const QString d = fraction == 1 ? QString() : m_divString + QString::number(fraction);
    if (k == 0)
        return QStringLiteral("0");
    if (k == 1)
        return m_piString + d;
    if (k == -1)
        return m_minusString + m_piString + d;
    if (k >= 2)
        return QString::number(k) + m_piString + d;
    return m_minusString + QString::number(-k) + m_piString + d;
}

QString OrbelView::normalizeAngle(float &angle) const
{
    QString label;
    for (int fraction : { 1, 2, 3, 4, 6 }) {
        label = normalizeAngleWithFraction(angle, fraction);
        if (!label.isNull())
            break;
    }

    if (m_angleUnit == 1) {
        const float halfTurns = 360.0f * angle * 0.5f;
        return figure::printfFixed(double(halfTurns) / pi, 0, 3) + QChar(0x00b0);
    }

    if (!label.isNull())
        return label;
    if (angle < 0.0f)
        return m_minusString + twoDecimals(-angle);
    return twoDecimals(angle);
}

QString OrbelView::plainLabel(float angle, int degreeDecimals) const
{
    if (m_angleUnit == 1) {
        const double degrees = double(angle) * 180.0 / pi;
        // At most six decimals: more than a float holds of an angle is noise, not precision.
        return figure::printfFixed(degrees, std::clamp(degreeDecimals, 0, 6), 3) + QChar(0x00b0);
    }
    if (angle < 0.0f)
        return m_minusString + twoDecimals(-angle);
    return twoDecimals(angle);
}
