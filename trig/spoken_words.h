// Words for speech: the angle labels and the values of the circular functions as a screen reader
// should hear them. Speech synthesisers read the figure's own symbols (the division slash, the
// minus sign, the radical, pi) as "slash" or "pi six", and a point between digits as a thousands
// separator in most languages; these words say the same thing in the interface language.
#pragma once

#include "trig/exact_values.h"

#include <QLocale>
#include <QString>

namespace speech {

// The language whose notation spoken numbers follow: the interface language, as the installed
// translation gives it (C, that is a decimal point, until one is set).
void setLanguage(const QLocale &language);
QLocale language();

// A number as the figure writes it ("0.423", "1.20"), with the language's decimal separator.
QString number(const QString &figureDigits);
// "minus 5 pi over 6", "minus 0.362".
QString minus(const QString &words);
// An exact magnitude in words: "root 3 over 2", "2 root 3 over 3", "1", "0".
QString exact(const figure::ExactMagnitude &magnitude);
// A cosine or sine in words, exact where the summary panel is exact, else its three decimals.
QString value(float value);
// The tangent of theta in words, as the graph writes it: "root 3", "minus 1", "undefined",
// "0.577"... three decimals where it is not exact.
QString tangent(float theta);
// The value of f at theta in words, exact wherever the values panel shows it exactly (at the
// standard angles: "0", "minus 1", "root 3 over 3", "undefined"), elsewhere as value() and
// tangent() say it.
QString circular(figure::Circular f, float theta);
// An angle label of the figure in words: "minus 5 pi over 6", "1.20 radians", "minus 120 degrees".
// angleUnit is the view's code (1 degrees, anything else radians).
QString angle(const QString &label, int angleUnit);

} // namespace speech
