// Reading an angle that the user types: decimals with a point or a comma, multiples and fractions
// of pi ("3π/4", "3 pi / 4", "-5pi/6"), degrees ("135°", "-90 deg") and radians forced with
// "rad", in the figure's own signs too (the minus sign, the division slash).
#pragma once

#include <QString>

namespace angleinput {

struct ParsedAngle
{
    bool ok = false;
    // The angle in radians, within [-2π, 2π]: one beyond a full turn is brought in by whole turns
    // toward zero, keeping its sign.
    double radians = 0.0;
    // True when whole turns were taken off.
    bool coterminal = false;
};

// A plain number is read in the unit shown (angleUnit 1: degrees, anything else radians); pi
// always means radians. Anything else, or an angle too large to be a finite float, is not ok.
ParsedAngle parseAngle(const QString &text, int angleUnit);

} // namespace angleinput
