// The questions are drawn from the sixteen standard angles of a turn; value and place questions
// also use their negative forms (−3π∕4), as a class does. Each value question's function is
// dealt from a deck rather than drawn at random, so that none of the six is left out for long.
#include "trig/practice.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <set>
#include <tuple>

namespace practice {

namespace {

constexpr std::array<int, 16> standard { 0,   30,  45,  60,  90,  120, 135, 150,
                                         180, 210, 225, 240, 270, 300, 315, 330 };

bool sameAnswer(const Answer &a, const Answer &b)
{
    if (!a.defined || !b.defined)
        return a.defined == b.defined;
    const bool zero = a.magnitude.factor == 0;
    return a.magnitude == b.magnitude && (zero || a.negative == b.negative);
}

} // namespace

Answer valueAt(figure::Circular function, int degrees)
{
    const float theta = float(degrees * 3.141592653589793 / 180.0);
    const figure::CircularValue v = figure::circularValue(function, theta);
    Answer a;
    a.defined = v.defined;
    a.negative = v.negative;
    if (v.exact)
        a.magnitude = *v.exact;
    return a;
}

std::vector<Answer> answersFor(figure::Circular function)
{
    using E = figure::ExactMagnitude;
    using figure::Circular;
    std::vector<E> magnitudes;
    const bool reciprocal = function == Circular::Secant || function == Circular::Cosecant;
    const bool canBeUndefined = function != Circular::Sine && function != Circular::Cosine;
    if (function == Circular::Tangent || function == Circular::Cotangent)
        magnitudes = { E { 1, 3, 1 }, E { 1, 1, 1 }, E { 1, 3, 3 } };
    else if (reciprocal)
        magnitudes = { E { 2, 1, 1 }, E { 1, 2, 1 }, E { 2, 3, 3 }, E { 1, 1, 1 } };
    else
        magnitudes = { E { 1, 1, 1 }, E { 1, 3, 2 }, E { 1, 2, 2 }, E { 1, 1, 2 } };
    std::vector<Answer> answers;
    for (const E &m : magnitudes)
        answers.push_back(Answer { true, true, m });
    // The secant and cosecant are never 0.
    if (!reciprocal)
        answers.push_back(Answer { true, false, E { 0, 1, 1 } });
    for (auto it = magnitudes.rbegin(); it != magnitudes.rend(); ++it)
        answers.push_back(Answer { true, false, *it });
    if (canBeUndefined)
        answers.push_back(Answer { false, false, E { 0, 1, 1 } });
    return answers;
}

int rightAnswer(const Question &question)
{
    const Answer right = valueAt(question.function, question.degrees);
    const std::vector<Answer> answers = answersFor(question.function);
    for (size_t i = 0; i < answers.size(); ++i)
        if (sameAnswer(answers[i], right))
            return int(i);
    return -1;
}

int quadrantOf(int degrees)
{
    const int d = ((degrees % 360) + 360) % 360;
    return d % 90 == 0 ? 0 : d / 90 + 1;
}

int referenceDegrees(int degrees)
{
    const int d = ((degrees % 180) + 180) % 180;
    return d <= 90 ? d : 180 - d;
}

bool placedRight(const Question &question, float theta)
{
    const std::optional<int> at = figure::standardDegreesOf(theta);
    return at && *at == ((question.degrees % 360) + 360) % 360;
}

std::vector<Question> makeRound(std::mt19937 &random, FunctionDeck *deck)
{
    FunctionDeck own;
    if (!deck)
        deck = &own;
    // Two of each kind, the other four of any kind, in a shuffled order.
    std::vector<Kind> kinds { Kind::Value, Kind::Value, Kind::Place,
                              Kind::Place, Kind::Find,  Kind::Find };
    std::uniform_int_distribution<int> anyKind(0, 2);
    while (kinds.size() < size_t(questionsPerRound))
        kinds.push_back(Kind(anyKind(random)));
    std::shuffle(kinds.begin(), kinds.end(), random);

    std::uniform_int_distribution<int> anyAngle(0, int(standard.size()) - 1);
    std::uniform_int_distribution<int> coin(0, 1);
    std::set<std::tuple<int, int, int>> asked;
    std::vector<Question> round;
    for (Kind kind : kinds) {
        Question q;
        q.kind = kind;
        if (kind == Kind::Value) {
            if (deck->empty()) {
                for (int f = 0; f < 6; ++f)
                    deck->push_back(figure::Circular(f));
                std::shuffle(deck->begin(), deck->end(), random);
            }
            q.function = deck->back();
            deck->pop_back();
        }
        for (;;) {
            q.degrees = standard[size_t(anyAngle(random))];
            if (kind == Kind::Find) {
                q.function = coin(random) ? figure::Circular::Sine : figure::Circular::Cosine;
                // The sign of the other function must tell the two angles with that value apart.
                const int other = q.function == figure::Circular::Sine ? 90 : 0;
                if (q.degrees % 180 == other)
                    continue;
            } else {
                // Negative forms too, as a class writes them: −3π∕4 as well as 5π∕4.
                if (q.degrees != 0 && coin(random))
                    q.degrees -= 360;
            }
            if (asked.insert({ int(q.kind), int(q.function), q.degrees }).second)
                break;
        }
        round.push_back(q);
    }
    return round;
}

} // namespace practice
