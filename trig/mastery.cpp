// The schedule and the draw. A round's draw keeps the mix of kinds a class expects even when every
// skill is new: places are dealt beside values, and each place is asked as a place or as a find
// question in turn.
#include "trig/mastery.h"

#include <QDateTime>

#include <algorithm>
#include <cmath>

namespace mastery {

namespace {

constexpr qint64 day = 24 * 60 * 60;
// Of the new skills a round takes, about this many are places (there are six times as many value
// skills, and a round of nearly all values would leave the point unmoved).
constexpr int placesWanted = 4;
// The skills a round keeps for those already learnt and not due, so that forgetting one is found.
constexpr int refreshers = 2;

int angleIndex(int degrees)
{
    const int d = ((degrees % 360) + 360) % 360;
    const auto it = std::find(standardAngles.begin(), standardAngles.end(), d);
    return it == standardAngles.end() ? -1 : int(it - standardAngles.begin());
}

const char *const functionNames[functionCount] = { "sin", "cos", "tan", "cot", "sec", "csc" };

} // namespace

int Skill::index() const
{
    const int angle = std::max(0, angleIndex(degrees));
    return place ? functionCount * angleCount + angle : int(function) * angleCount + angle;
}

Skill Skill::fromIndex(int index)
{
    Skill s;
    s.place = index >= functionCount * angleCount;
    if (s.place) {
        s.degrees = standardAngles[size_t(index - functionCount * angleCount)];
    } else {
        s.function = figure::Circular(index / angleCount);
        s.degrees = standardAngles[size_t(index % angleCount)];
    }
    return s;
}

std::optional<Skill> skillOf(const practice::Question &question)
{
    const int angle = angleIndex(question.degrees);
    if (angle < 0 || int(question.function) < 0 || int(question.function) >= functionCount)
        return std::nullopt;
    Skill s;
    s.place = question.kind != practice::Kind::Value;
    if (!s.place)
        s.function = question.function;
    s.degrees = standardAngles[size_t(angle)];
    return s;
}

qint64 intervalOf(int box)
{
    switch (box) {
    case 0:
        return 0;
    case 1:
        return 10 * 60;
    case 2:
        return day;
    case 3:
        return 2 * day;
    case 4:
        return 4 * day;
    default:
        return 8 * day;
    }
}

Level levelOfBox(int box)
{
    if (box <= 0)
        return Level::New;
    if (box <= 2)
        return Level::Learning;
    if (box < topBox)
        return Level::Familiar;
    return Level::Mastered;
}

bool weaker(const SkillState &a, const SkillState &b)
{
    return a.box != b.box ? a.box < b.box : a.wrong - a.right > b.wrong - b.right;
}

SkillState answered(const SkillState &state, bool right, qint64 time)
{
    SkillState s = state;
    s.last = time;
    if (!right) {
        ++s.wrong;
        s.box = 1;
        s.due = time;
        return s;
    }
    ++s.right;
    if (state.box == 0 || time >= state.due) {
        s.box = std::min(topBox, state.box + 1);
        s.due = time + intervalOf(s.box);
    }
    return s;
}

Progress::Progress() = default;

Progress::Progress(const std::vector<Attempt> &history)
{
    for (const Attempt &a : history)
        add(a);
}

void Progress::add(const Attempt &attempt)
{
    if (const std::optional<Skill> skill = skillOf(attempt.question)) {
        SkillState &s = m_states[size_t(skill->index())];
        s = answered(s, attempt.right, attempt.time);
    }
}

std::vector<practice::Question> drawRound(const Progress &progress, qint64 now,
                                          std::mt19937 &random, FunctionDeal *deal, int functions)
{
    functions = std::clamp(functions, 1, functionCount);
    FunctionDeal own;
    if (!deal)
        deal = &own;
    const int wanted = practice::questionsPerRound;

    std::vector<int> urgent, freshValues, freshPlaces, rest;
    for (int i = 0; i < skillCount; ++i) {
        const SkillState &s = progress.at(i);
        const Skill skill = Skill::fromIndex(i);
        if (!skill.place && int(skill.function) >= functions)
            continue;
        if (s.box == 0)
            (skill.place ? freshPlaces : freshValues).push_back(i);
        else if (s.isDue(now))
            urgent.push_back(i);
        else
            rest.push_back(i);
    }
    for (std::vector<int> *tier : { &urgent, &freshValues, &freshPlaces, &rest })
        std::shuffle(tier->begin(), tier->end(), random);
    // The weakest first: the lowest box, then the most misses; equals stay in their random order.
    std::stable_sort(urgent.begin(), urgent.end(),
                     [&progress](int a, int b) { return weaker(progress.at(a), progress.at(b)); });

    std::vector<int> chosen;
    const auto take = [&chosen](std::vector<int> &tier, size_t at) {
        chosen.push_back(tier[at]);
        tier.erase(tier.begin() + std::ptrdiff_t(at));
    };
    const int kept = std::min(refreshers, int(rest.size()));
    while (int(chosen.size()) < wanted - kept && !urgent.empty())
        take(urgent, 0);
    int places = int(std::count_if(chosen.begin(), chosen.end(),
                                   [](int i) { return Skill::fromIndex(i).place; }));
    while (int(chosen.size()) < wanted - kept && !(freshValues.empty() && freshPlaces.empty())) {
        if (freshValues.empty() || (places < placesWanted && !freshPlaces.empty())) {
            take(freshPlaces, 0);
            ++places;
            continue;
        }
        if (deal->empty()) {
            for (int f = 0; f < functions; ++f)
                deal->push_back(figure::Circular(f));
            std::shuffle(deal->begin(), deal->end(), random);
        }
        const figure::Circular function = deal->back();
        deal->pop_back();
        const auto it = std::find_if(freshValues.begin(), freshValues.end(), [function](int i) {
            return Skill::fromIndex(i).function == function;
        });
        take(freshValues, it == freshValues.end() ? 0 : size_t(it - freshValues.begin()));
    }
    for (std::vector<int> *tier : { &rest, &urgent, &freshValues, &freshPlaces })
        while (int(chosen.size()) < wanted && !tier->empty())
            take(*tier, 0);

    std::uniform_int_distribution<int> coin(0, 1);
    std::vector<practice::Question> round;
    int asPlace = 0, asFind = 0;
    for (int i : chosen) {
        const Skill skill = Skill::fromIndex(i);
        practice::Question q;
        q.degrees = skill.degrees;
        if (!skill.place) {
            q.kind = practice::Kind::Value;
            q.function = skill.function;
            // Negative forms too, as a class writes them: −3π∕4 as well as 5π∕4.
            if (q.degrees != 0 && coin(random))
                q.degrees -= 360;
        } else if (asPlace <= asFind) {
            q.kind = practice::Kind::Place;
            ++asPlace;
            if (q.degrees != 0 && coin(random))
                q.degrees -= 360;
        } else {
            q.kind = practice::Kind::Find;
            ++asFind;
            // The sign of the other function must tell the two angles with the given value
            // apart: not the sine on the y axis, not the cosine on the x axis.
            const bool sine = q.degrees % 180 == 90 ? false
                : q.degrees % 180 == 0              ? true
                                                    : coin(random);
            q.function = sine ? figure::Circular::Sine : figure::Circular::Cosine;
        }
        round.push_back(q);
    }
    std::shuffle(round.begin(), round.end(), random);
    return round;
}

QString functionName(figure::Circular function)
{
    return QLatin1String(functionNames[int(function)]);
}

std::optional<figure::Circular> functionNamed(const QString &name)
{
    for (int f = 0; f < functionCount; ++f)
        if (name == QLatin1String(functionNames[f]))
            return figure::Circular(f);
    return std::nullopt;
}

QString kindName(practice::Kind kind)
{
    switch (kind) {
    case practice::Kind::Value:
        return QStringLiteral("value");
    case practice::Kind::Place:
        return QStringLiteral("place");
    case practice::Kind::Find:
        break;
    }
    return QStringLiteral("find");
}

std::optional<practice::Kind> kindNamed(const QString &name)
{
    for (practice::Kind k : { practice::Kind::Value, practice::Kind::Place, practice::Kind::Find })
        if (name == kindName(k))
            return k;
    return std::nullopt;
}

QString levelName(Level level)
{
    switch (level) {
    case Level::New:
        return QStringLiteral("new");
    case Level::Learning:
        return QStringLiteral("learning");
    case Level::Familiar:
        return QStringLiteral("familiar");
    case Level::Mastered:
        break;
    }
    return QStringLiteral("mastered");
}

QString answerCode(const practice::Answer &answer)
{
    if (!answer.defined)
        return QStringLiteral("undefined");
    const figure::ExactMagnitude &m = answer.magnitude;
    if (m.factor == 0)
        return QStringLiteral("0");
    QString code = answer.negative ? QStringLiteral("-") : QString();
    if (m.factor != 1 || m.root == 1)
        code += QString::number(m.factor);
    if (m.root > 1)
        code += QLatin1Char('r') + QString::number(m.root);
    if (m.denominator > 1)
        code += QLatin1Char('/') + QString::number(m.denominator);
    return code;
}

QString placeCode(float theta)
{
    if (const std::optional<int> d = figure::standardDegreesOf(theta))
        return QString::number(*d);
    double degrees = std::fmod(double(theta) * 180.0 / 3.141592653589793, 360.0);
    if (degrees < 0)
        degrees += 360.0;
    return figure::printfFixed(degrees, 1);
}

QString csvOf(const Progress &progress)
{
    QString csv = QStringLiteral("function,angle,level,right,wrong,last practised\r\n");
    for (int i = 0; i < skillCount; ++i) {
        const Skill skill = Skill::fromIndex(i);
        const SkillState &s = progress.at(i);
        const QString last
            = s.box > 0 ? QDateTime::fromSecsSinceEpoch(s.last).toString(Qt::ISODate) : QString();
        csv += QStringLiteral("%1,%2,%3,%4,%5,%6\r\n")
                   .arg(skill.place ? QStringLiteral("place") : functionName(skill.function))
                   .arg(skill.degrees)
                   .arg(levelName(s.level()))
                   .arg(s.right)
                   .arg(s.wrong)
                   .arg(last);
    }
    return csv;
}

} // namespace mastery
