// Typed angles of any bytes, in both units. Invariants: reading never crashes or hangs; an angle
// that is read is finite and lies within two turns, strictly inside them unless it is a full turn
// typed as such, and whole turns were taken off exactly when more than a turn was typed; the same
// text read twice gives the same angle; and setting it on the view gives a finite angle with a
// label.
#include "fuzz_support.h"

#include "trig/angle_parser.h"
#include "view/orbel_view.h"

#include <cmath>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::startApplication();
    if (size == 0)
        return 0;
    const int unit = data[0] & 1;
    const QString text
        = QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    const angleinput::ParsedAngle angle = angleinput::parseAngle(text, unit);
    if (!angle.ok)
        return 0;

    constexpr double twoPi = 6.283185307179586;
    const QByteArray why = fuzz::format("unit %d, angle %.17g, coterminal %d", unit, angle.radians,
                                        int(angle.coterminal))
        + ", text \"" + text.toUtf8() + "\"";
    FUZZ_CHECK(std::isfinite(angle.radians), why);
    FUZZ_CHECK(std::fabs(angle.radians) <= twoPi, why);
    FUZZ_CHECK(!angle.coterminal || std::fabs(angle.radians) < twoPi, why);
    FUZZ_CHECK(std::isfinite(float(angle.radians)), why);
    const angleinput::ParsedAngle again = angleinput::parseAngle(text, unit);
    FUZZ_CHECK(again.ok && std::memcmp(&again.radians, &angle.radians, sizeof angle.radians) == 0,
               why);

    static OrbelView *view = new OrbelView(Rect { { 0, 0 }, { 640, 480 } });
    view->setAngleUnit(unit);
    view->setTheta(float(angle.radians));
    FUZZ_CHECK(std::isfinite(view->theta()) && std::fabs(double(view->theta())) <= twoPi + 1e-6,
               why);
    FUZZ_CHECK(!view->displayTheta().isEmpty(), why);
    return 0;
}
