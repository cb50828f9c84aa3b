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
    bool number(double &value)
    {
        const size_t start = at;
        size_t digits = 0;
        while (at < s.size() && s[at] >= '0' && s[at] <= '9') {
            ++at;
            ++digits;
        }
        if (at < s.size() && s[at] == '.') {
            ++at;
            while (at < s.size() && s[at] >= '0' && s[at] <= '9') {
                ++at;
                ++digits;
            }
        }
        if (digits == 0) {
            at = start;
            return false;
        }
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
    const bool hasNumber = r.number(multiple);
    if (r.unreadable)
        return result;
    const size_t beforePi = r.at;
    const bool times = r.take("*");
    if (r.take("pi")) {
        if (times && !hasNumber)
            return result;
        double denominator = 1.0;
        if (r.take("/") && (!r.number(denominator) || !(denominator > 0.0)))
            return result;
        r.unitWord(radianWords);
        value = multiple * pi / denominator;
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
    }
    if (!r.done() || !std::isfinite(value) || std::fabs(value) > double(FLT_MAX))
        return result;
    if (negative)
        value = -value;

    // A full turn typed as such ("2pi", "360°") stays a full turn; beyond it whole turns go.
    constexpr double slack = 1e-9;
    if (std::fabs(value) > twoPi + slack) {
        value = std::fmod(value, twoPi);
        result.coterminal = true;
    } else if (std::fabs(value) > twoPi) {
        value = std::copysign(twoPi, value);
    }
    result.ok = true;
    result.radians = value;
    return result;
}

} // namespace angleinput
