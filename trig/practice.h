// Practice: rounds of ten questions on the standard angles, of three kinds: the value of one of
// the six circular functions ("What is the cosine of 2π∕3?"), placing the point at an angle ("Move
// the point to −3π∕4."), and finding the angle from its values ("... whose cosine is −1∕2 and
// whose sine is positive."). Which answers are right is decided here; the panel asks and tells.
#pragma once

#include "trig/exact_values.h"

#include <random>
#include <vector>

namespace practice {

enum class Kind { Value, Place, Find };

struct Question
{
    Kind kind = Kind::Value;
    // Value: the function asked for. Find: the function whose value is given (sine or cosine);
    // the sign of the other one is given too.
    figure::Circular function = figure::Circular::Sine;
    // The angle in whole degrees: a standard angle, from -330 to 330 for value and place
    // questions, from 0 to 330 for find questions.
    int degrees = 0;
};

// An answer button of a value question: an exact value, or "undefined".
struct Answer
{
    bool defined = true;
    bool negative = false;
    figure::ExactMagnitude magnitude { 0, 1, 1 };
};

constexpr int questionsPerRound = 10;

// The functions that value questions have still to ask for: dealt from a shuffled deck of all
// six, so that every function is asked within any three rounds that draw from one deck.
using FunctionDeck = std::vector<figure::Circular>;

// Ten questions, every kind at least twice, no question twice. Value questions take their
// functions from deck (refilled when empty); without one, from a deck of the round's own.
std::vector<Question> makeRound(std::mt19937 &random, FunctionDeck *deck = nullptr);

// The buttons of a value question on function, in the order of the number line: nine for sine
// and cosine, from -1 to 1; for the tangent and cotangent seven from -√3 to √3, then
// "undefined"; for the secant and cosecant eight from -2 to 2 (none between -1 and 1), then
// "undefined".
std::vector<Answer> answersFor(figure::Circular function);
// The index among answersFor(question.function) of the right answer.
int rightAnswer(const Question &question);
// The value of the function at the angle, as an answer.
Answer valueAt(figure::Circular function, int degrees);

// The quadrant (1 to 4) of a standard angle, or 0 for one on an axis.
int quadrantOf(int degrees);
// The reference angle of a standard angle, in degrees from 0 to 90.
int referenceDegrees(int degrees);

// True when theta stands where the question asks (a coterminal angle counts).
bool placedRight(const Question &question, float theta);

} // namespace practice
