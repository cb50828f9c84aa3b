// The questions are drawn from the sixteen standard angles of a turn; value and place questions
// also use their negative forms (−3π∕4), as a class does.
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
    std::vector<E> magnitudes;
    if (function == figure::Circular::Tangent)
        magnitudes = { E { 1, 3, 1 }, E { 1, 1, 1 }, E { 1, 3, 3 } };
    else
        magnitudes = { E { 1, 1, 1 }, E { 1, 3, 2 }, E { 1, 2, 2 }, E { 1, 1, 2 } };
    std::vector<Answer> answers;
    for (const E &m : magnitudes)
        answers.push_back(Answer { true, true, m });
    answers.push_back(Answer { true, false, E { 0, 1, 1 } });
    for (auto it = magnitudes.rbegin(); it != magnitudes.rend(); ++it)
        answers.push_back(Answer { true, false, *it });
    if (function == figure::Circular::Tangent)
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

bool placedRight(const Question &question, float theta)
{
    const std::optional<int> at = figure::standardDegreesOf(theta);
    return at && *at == ((question.degrees % 360) + 360) % 360;
}

std::vector<Question> makeRound(std::mt19937 &random)
{
    // Two of each kind, the other four of any kind, in a shuffled order.
    std::vector<Kind> kinds { Kind::Value, Kind::Value, Kind::Place,
                              Kind::Place, Kind::Find,  Kind::Find };
    std::uniform_int_distribution<int> anyKind(0, 2);
    while (kinds.size() < size_t(questionsPerRound))
        kinds.push_back(Kind(anyKind(random)));
    std::shuffle(kinds.begin(), kinds.end(), random);

    std::uniform_int_distribution<int> anyAngle(0, int(standard.size()) - 1);
    std::uniform_int_distribution<int> coin(0, 1);
    std::uniform_int_distribution<int> anyFunction(0, 2);
    std::set<std::tuple<int, int, int>> asked;
    std::vector<Question> round;
    for (Kind kind : kinds) {
        Question q;
        q.kind = kind;
        for (;;) {
            q.degrees = standard[size_t(anyAngle(random))];
            if (kind == Kind::Find) {
                q.function = coin(random) ? figure::Circular::Sine : figure::Circular::Cosine;
                // The sign of the other function must tell the two angles with that value apart.
                const int other = q.function == figure::Circular::Sine ? 90 : 0;
                if (q.degrees % 180 == other)
                    continue;
            } else {
                if (kind == Kind::Value)
                    q.function = figure::Circular(anyFunction(random));
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
