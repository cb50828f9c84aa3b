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
    // True when the angle typed is a standard angle (a multiple of π∕6 or π∕4): typed as an exact
    // multiple of π or of degrees, or as a decimal within a float's rounding of one. radians is
    // then that multiple as nearly as a double holds it.
    bool standard = false;
    // For an angle typed in degrees, the decimals typed ("12.5" has 1); -1 for one in radians.
    int degreeDecimals = -1;
};

// Whole turns are taken off the multiple of π or of 360 degrees as typed, in whole numbers, so that
// "1000000pi" is exactly 0 and never the rounding error of a million half-turns.
// A plain number is read in the unit shown (angleUnit 1: degrees, anything else radians); pi
// always means radians. Anything else, or an angle too large to be a finite float, is not ok.
ParsedAngle parseAngle(const QString &text, int angleUnit);

} // namespace angleinput
