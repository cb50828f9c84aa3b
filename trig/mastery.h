// Mastery of practice across days: the skills a student learns (each of the six functions at each
// of the sixteen standard angles, and placing each of those angles), the level of each as a
// spaced-repetition schedule makes it from the answers given, and rounds that ask first what is
// due or weak. Everything here is a pure function of the answers and of a time passed in, so that
// a week of practice can be played in a test without waiting for it.
#pragma once

#include "trig/practice.h"

#include <QString>

#include <array>
#include <optional>
#include <random>
#include <vector>

namespace mastery {

// The sixteen standard angles of one turn, in whole degrees, in the order of the skills.
constexpr std::array<int, 16> standardAngles { 0,   30,  45,  60,  90,  120, 135, 150,
                                               180, 210, 225, 240, 270, 300, 315, 330 };
constexpr int angleCount = int(standardAngles.size());
constexpr int functionCount = 6;
// The six functions at each angle, then placing each angle.
constexpr int skillCount = functionCount * angleCount + angleCount;

// What a skill is about: the value of a function at an angle, or where an angle lies.
struct Skill
{
    bool place = false;
    figure::Circular function = figure::Circular::Sine; // a value skill's function
    int degrees = 0; // a standard angle, 0 to 330

    int index() const;
    static Skill fromIndex(int index);
    bool operator==(const Skill &other) const { return index() == other.index(); }
};

// The skill a question practises: a value question its function at the angle; a place question
// and a find question (the angle found from its values) the place of the angle. None for an
// angle that is not standard.
std::optional<Skill> skillOf(const practice::Question &question);

// One answer given, as the history keeps it. The time is in seconds since 1970 (UTC).
struct Attempt
{
    qint64 time = 0;
    practice::Question question;
    bool right = false;
};

enum class Level { New, Learning, Familiar, Mastered };

// A Leitner schedule of boxes 0 to 5. Box 0 holds the skills never answered. A miss puts a skill
// back in box 1, due at once, so that the next round asks it again. A right answer moves it up
// one box only once it is due, so that a box is earned by answers spread over days, not by the
// same answer given five times in a row: box 1 is due ten minutes after it was reached (not in
// the very next round), box 2 a day, box 3 two days, box 4 four days, box 5 eight days.
constexpr int topBox = 5;
// Seconds from reaching a box until its skill is due again.
qint64 intervalOf(int box);
// Boxes 1 and 2 are learning, 3 and 4 familiar, 5 mastered.
Level levelOfBox(int box);

struct SkillState
{
    int box = 0;
    int right = 0;
    int wrong = 0;
    // When it was last answered and when it is next due; 0 while it has never been answered.
    qint64 last = 0;
    qint64 due = 0;

    Level level() const { return levelOfBox(box); }
    bool isDue(qint64 now) const { return box > 0 && now >= due; }
};

// Whether a is to be asked before b: the lower box first, then the one with more misses.
bool weaker(const SkillState &a, const SkillState &b);

// The state of a skill after one more answer at time.
SkillState answered(const SkillState &state, bool right, qint64 time);

// The state of every skill, indexed by Skill::index, after the answers in the order given.
class Progress
{
public:
    Progress();
    explicit Progress(const std::vector<Attempt> &history);

    void add(const Attempt &attempt);
    const SkillState &of(const Skill &skill) const { return m_states[size_t(skill.index())]; }
    const SkillState &at(int index) const { return m_states[size_t(index)]; }

private:
    std::array<SkillState, skillCount> m_states;
};

// The functions still to deal to new value questions: the same deck that plain rounds deal from,
// so that every function comes round within a few rounds either way.
using FunctionDeal = practice::FunctionDeck;

// A round of practice::questionsPerRound questions aimed by progress at time now: first the skills
// that are due or weak (the lowest box and the most misses first), then new ones (about four in
// ten of them places), then a few of the mastered and familiar ones that are not due, the rest
// filled from those. Places are asked as place or as find questions; the round is shuffled.
// Value questions ask for the first `functions` functions of figure::Circular (all six unless
// told otherwise).
std::vector<practice::Question> drawRound(const Progress &progress, qint64 now,
                                          std::mt19937 &random, FunctionDeal *deal = nullptr,
                                          int functions = functionCount);

// The names the history and its export use: "sin" … "csc"; "value", "place", "find"; "new" …
// "mastered". The parsers return nothing for a name they do not know.
QString functionName(figure::Circular function);
std::optional<figure::Circular> functionNamed(const QString &name);
QString kindName(practice::Kind kind);
std::optional<practice::Kind> kindNamed(const QString &name);
QString levelName(Level level);

// An answer as the history writes it: a value as "-2r3/3" (r for the root), "0" or "undefined";
// a place as the angle of the point in degrees of one turn ("240", or "12.5" where the point is
// not on a standard angle).
QString answerCode(const practice::Answer &answer);
QString placeCode(float theta);

// The progress for a teacher's spreadsheet: a header, then one line per skill: the function
// ("sin" … "csc", or "place"), the angle in degrees, the level, the right and wrong answers, and
// when it was last practised (local time, ISO 8601; empty if never).
QString csvOf(const Progress &progress);

} // namespace mastery
