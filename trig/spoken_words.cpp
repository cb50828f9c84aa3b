// The words of speech and the numbers in them. Every text is translated in the context of the
// circle view, whose spoken text these words make up.
#include "trig/spoken_words.h"

#include <QCoreApplication>

#include <cmath>

namespace speech {

namespace {

const QString minusSign = QString(QChar(0x2212));
const QString piSign = QString(QChar(0x03c0));
const QString divisionSlash = QString(QChar(0x2215));

QLocale &current()
{
    static QLocale language = QLocale::c();
    return language;
}

QString over(const QString &numerator, const QString &denominator)
{
    //: A fraction read aloud: "3 pi over 4", "root 3 over 2", "1 over 2".
    return QCoreApplication::translate("OrbelView", "%1 over %2").arg(numerator, denominator);
}

} // namespace

void setLanguage(const QLocale &language)
{
    current() = language;
}

QLocale language()
{
    return current();
}

QString number(const QString &figureDigits)
{
    QString text = figureDigits.trimmed();
    text.replace(QLatin1Char('.'), current().decimalPoint());
    return text;
}

QString minus(const QString &spoken)
{
    //: Read aloud before a negative angle or value: "minus 5 pi over 6", "minus 0.362".
    return QCoreApplication::translate("OrbelView", "minus %1").arg(spoken);
}

QString exact(const figure::ExactMagnitude &magnitude)
{
    QString spoken = QString::number(magnitude.factor);
    if (magnitude.root > 1 && magnitude.factor == 1)
        //: The square root of a number read aloud: "root 3" in "root 3 over 2".
        spoken = QCoreApplication::translate("OrbelView", "root %1").arg(magnitude.root);
    else if (magnitude.root > 1)
        //: A whole number times a square root read aloud: "2 root 3" in "2 root 3 over 3".
        spoken = QCoreApplication::translate("OrbelView", "%1 root %2")
                     .arg(magnitude.factor)
                     .arg(magnitude.root);
    if (magnitude.denominator > 1)
        spoken = over(spoken, QString::number(magnitude.denominator));
    return spoken;
}

QString value(float v)
{
    QString spoken;
    switch (figure::exactFormOf(std::fabs(v))) {
    case figure::ExactForm::RootThreeHalves:
        spoken = exact({ 1, 3, 2 });
        break;
    case figure::ExactForm::RootTwoHalves:
        spoken = exact({ 1, 2, 2 });
        break;
    case figure::ExactForm::Half:
        spoken = exact({ 1, 1, 2 });
        break;
    case figure::ExactForm::None:
        spoken = number(figure::threeDecimals(std::fabs(v)));
        break;
    }
    return figure::showsMinus(v) ? minus(spoken) : spoken;
}

QString tangent(float theta)
{
    const figure::Tangent t = figure::tangentOf(theta);
    if (!t.defined)
        //: Written on the graph after "tan(θ)" where the tangent has no value (at ±π∕2, ±3π∕2).
        return QCoreApplication::translate("GraphView", "undefined");
    const QString spoken
        = t.exact ? exact(*t.exact) : number(figure::threeDecimals(std::fabs(t.value)));
    return figure::showsMinus(t.value) ? minus(spoken) : spoken;
}

QString circular(figure::Circular f, float theta)
{
    const figure::CircularValue v = figure::circularValue(f, theta);
    if (v.exact)
        return v.negative ? minus(exact(*v.exact)) : exact(*v.exact);
    switch (f) {
    case figure::Circular::Sine:
        return value(std::sin(theta));
    case figure::Circular::Cosine:
        return value(std::cos(theta));
    case figure::Circular::Tangent:
        return tangent(theta);
    default:
        break;
    }
    if (!v.defined)
        return QCoreApplication::translate("GraphView", "undefined");
    const QString spoken = number(figure::threeDecimals(std::fabs(v.value)));
    return v.negative ? minus(spoken) : spoken;
}

QString angle(const QString &label, int angleUnit)
{
    QString text = label.trimmed();
    if (angleUnit == 1) {
        text.chop(1); // the degree sign
        const bool negative = text.startsWith(QLatin1Char('-'));
        const QString digits = negative ? text.mid(1) : text;
        bool whole = false;
        const int n = digits.toInt(&whole);
        // "1 degree", "2 degrees": the forms of the language, for the number the label shows.
        //: An angle in whole degrees read aloud: "90 degrees", "1 degree".
        const QString spoken = whole
            ? QCoreApplication::translate("OrbelView", "%n degrees", nullptr, n)
            //: An angle in degrees with decimals read aloud: "12.5 degrees".
            : QCoreApplication::translate("OrbelView", "%1 degrees", "with decimals")
                  .arg(number(digits));
        return negative ? minus(spoken) : spoken;
    }

    const bool negative = text.startsWith(minusSign);
    if (negative)
        text.remove(0, minusSign.size());
    QString spoken = text;
    const qsizetype piAt = text.indexOf(piSign);
    if (piAt >= 0) {
        // k π ∕ n, with k and ∕ n left out where they are 1.
        const QString multiple = text.left(piAt);
        //: The number pi read aloud, alone ("pi over 2") or after a whole multiple ("3 pi over 4").
        spoken = multiple.isEmpty()
            ? QCoreApplication::translate("OrbelView", "pi")
            : QCoreApplication::translate("OrbelView", "%1 pi").arg(multiple);
        const qsizetype slashAt = text.indexOf(divisionSlash, piAt);
        if (slashAt >= 0)
            spoken = over(spoken, text.mid(slashAt + divisionSlash.size()));
    } else if (text != QLatin1String("0")) {
        //: An angle in radians read aloud; %1 is the number as the figure shows it: "1.20 radians".
        spoken = QCoreApplication::translate("OrbelView", "%1 radians").arg(number(text));
    }
    return negative ? minus(spoken) : spoken;
}

} // namespace speech
