// A small hand-written reader: the text is first brought to one spelling (no spaces, ASCII minus
// and slash, a point for the decimal comma, lower case), then read as
//   [sign] ( [number] [*] pi [/ number] [rad] | number [° | deg | rad] ).
// Numbers are read with std::from_chars, which ignores the C library's locale: Qt sets it from
// the environment, and strtod would then take "2.5" for 2 on a German desktop.
#include "trig/angle_parser.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <string>

namespace angleinput {

namespace {

constexpr double pi = 3.141592653589793;
constexpr double twoPi = 6.283185307179586;

std::string normalised(const QString &text)
{
    std::string s;
    s.reserve(size_t(text.size()));
    for (QChar c : text) {
        if (c.isSpace())
            continue;
        switch (c.unicode()) {
        case 0x2212: // minus sign
        case 0x2013: // en dash, as word processors replace the hyphen
            s += '-';
            continue;
        case 0x2215: // division slash
        case 0x2044: // fraction slash
        case 0x00f7: // division sign
            s += '/';
            continue;
        case 0x00d7: // multiplication sign
        case 0x00b7: // middle dot
        case 0x22c5: // dot operator
            s += '*';
            continue;
        case 0x03c0: // π
        case 0x03a0: // Π
            s += "pi";
            continue;
        case 0x00b0: // degree sign
        case 0x00ba: // masculine ordinal, typed for a degree sign on Spanish keyboards
            s += "deg";
            continue;
        case ',':
            s += '.';
            continue;
        default:
            break;
        }
        if (c.unicode() > 0x7f)
            return std::string(1, '\0'); // nothing else outside ASCII is part of an angle
        s += char(QChar::toLower(c.unicode()));
    }
    return s;
}

// A number as typed, as a whole number of units of its last decimal: "12.50" is 1250 × 10^-2.
// exact is false where the digits do not fit in 18 places.
struct Decimal
{
    long long digits = 1;
    int decimals = 0;
    bool exact = true;
};

// p∕q half-turns, q > 0; ok is false where the arithmetic would overflow.
struct HalfTurns
{
    long long p = 0;
    long long q = 1;
    bool ok = false;
};

bool powerOfTen(int decimals, long long &result)
{
    result = 1;
    for (int i = 0; i < decimals; ++i)
        if (__builtin_mul_overflow(result, 10LL, &result))
            return false;
    return true;
}

// (a × b) ∕ (c × d) half-turns, each a whole number.
HalfTurns halfTurns(long long a, long long b, long long c, long long d)
{
    HalfTurns h;
    h.ok = !__builtin_mul_overflow(a, b, &h.p) && !__builtin_mul_overflow(c, d, &h.q) && h.q > 0;
    return h;
}

struct Reader
{
    const std::string &s;
    size_t at = 0;

    // A number was there but is none a float can hold: the whole text is refused, never read as
    // if the number were absent.
    bool unreadable = false;

    bool done() const { return at == s.size(); }
    bool take(const char *word)
    {
        const size_t n = std::char_traits<char>::length(word);
        if (s.compare(at, n, word) != 0)
            return false;
        at += n;
        return true;
    }
    // digits [. digits] or . digits
    bool number(double &value, Decimal *decimal = nullptr)
    {
        const size_t start = at;
        size_t digits = 0;
        Decimal d;
        d.digits = 0;
        const auto digit = [&] {
            if (d.exact
                && (__builtin_mul_overflow(d.digits, 10LL, &d.digits)
                    || __builtin_add_overflow(d.digits, (long long)(s[at] - '0'), &d.digits)))
                d.exact = false;
            ++at;
            ++digits;
        };
        while (at < s.size() && s[at] >= '0' && s[at] <= '9')
            digit();
        if (at < s.size() && s[at] == '.') {
            ++at;
            while (at < s.size() && s[at] >= '0' && s[at] <= '9') {
                digit();
                ++d.decimals;
            }
        }
        if (digits == 0) {
            at = start;
            return false;
        }
        if (decimal)
            *decimal = d;
        const char *first = s.data() + start;
        const std::from_chars_result r = std::from_chars(first, s.data() + at, value);
        // What a float cannot hold is no angle the figure could show, whatever its unit.
        if (r.ec == std::errc() && r.ptr == s.data() + at && std::fabs(value) <= double(FLT_MAX))
            return true;
        unreadable = true;
        return false;
    }
    // The longest of the words that stands here.
    bool unitWord(const char *const *words)
    {
        for (const char *const *w = words; *w; ++w)
            if (take(*w))
                return true;
        return false;
    }
};

const char *const radianWords[] = { "radians", "radian", "rad", nullptr };
const char *const degreeWords[] = { "degrees", "degree", "deg", nullptr };

} // namespace

ParsedAngle parseAngle(const QString &text, int angleUnit)
{
    ParsedAngle result;
    const std::string s = normalised(text);
    Reader r { s };

    bool negative = false;
    if (r.take("-"))
        negative = true;
    else
        r.take("+");

    double value = 0.0;
    double multiple = 1.0;
    Decimal typed;
    const bool hasNumber = r.number(multiple, &typed);
    if (r.unreadable)
        return result;
    const size_t beforePi = r.at;
    const bool times = r.take("*");
    // The angle as a fraction of a half-turn, where it was typed as one.
    HalfTurns exact;
    if (r.take("pi")) {
        if (times && !hasNumber)
            return result;
        double denominator = 1.0;
        Decimal below;
        below.digits = 1;
        if (r.take("/") && (!r.number(denominator, &below) || !(denominator > 0.0)))
            return result;
        r.unitWord(radianWords);
        value = multiple * pi / denominator;
        long long scaleAbove = 1;
        long long scaleBelow = 1;
        if (typed.exact && below.exact && powerOfTen(typed.decimals, scaleAbove)
            && powerOfTen(below.decimals, scaleBelow))
            exact = halfTurns(typed.digits, scaleBelow, below.digits, scaleAbove);
    } else {
        r.at = beforePi;
        if (!hasNumber)
            return result;
        bool degrees = angleUnit == 1;
        if (r.unitWord(degreeWords))
            degrees = true;
        else if (r.unitWord(radianWords))
            degrees = false;
        value = degrees ? multiple * pi / 180.0 : multiple;
        long long scale = 1;
        if (degrees) {
            result.degreeDecimals = typed.decimals;
            if (typed.exact && powerOfTen(typed.decimals, scale))
                exact = halfTurns(typed.digits, 1, scale, 180);
        }
    }
    if (!r.done() || !std::isfinite(value) || std::fabs(value) > double(FLT_MAX))
        return result;
    if (negative) {
        value = -value;
        exact.p = -exact.p;
    }

    if (exact.ok) {
        // Whole turns off the typed fraction itself; a full turn typed as such stays one.
        const long long turn = 2 * exact.q;
        if (exact.p > turn || exact.p < -turn) {
            exact.p %= turn;
            result.coterminal = true;
        }
        value = double(exact.p) * pi / double(exact.q);
        // Standard: a whole number of twelfths of a half-turn that is a multiple of π∕6 or π∕4.
        long long twelfths = 0;
        if (!__builtin_mul_overflow(exact.p, 12LL, &twelfths) && twelfths % exact.q == 0) {
            const long long k = twelfths / exact.q;
            if (k % 2 == 0 || k % 3 == 0) {
                result.standard = true;
                value = double(k) * pi / 12.0;
            }
        }
    } else {
        // A full turn typed as such ("2pi", "360°") stays a full turn; beyond it whole turns go.
        constexpr double slack = 1e-9;
        if (std::fabs(value) > twoPi + slack) {
            value = std::fmod(value, twoPi);
            result.coterminal = true;
        } else if (std::fabs(value) > twoPi) {
            value = std::copysign(twoPi, value);
        }
        // A decimal that a float cannot tell from a standard angle is that angle.
        const double k = std::round(value * 12.0 / pi);
        const double nearest = k * pi / 12.0;
        const long long whole = (long long)k;
        if ((whole % 2 == 0 || whole % 3 == 0)
            && std::fabs(value - nearest) <= std::fmax(std::fabs(nearest), 1.0) * FLT_EPSILON) {
            result.standard = true;
            value = nearest;
        }
    }
    result.ok = true;
    result.radians = value;
    return result;
}

} // namespace angleinput
