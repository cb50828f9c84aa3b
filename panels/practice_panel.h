// The practice panel beside the figure: a round of ten questions, answered with the buttons of
// exact values or by moving the point and pressing Check, told right or not at once, and scored.
// Every text has its words for a screen reader, and each new question and each feedback reaches
// it through the button that has the focus, so that the user need not move.
#pragma once

#include "trig/mastery.h"
#include "trig/practice.h"

#include <QPointer>
#include <QWidget>

#include <random>

class OrbelView;
class PracticeHistory;
class QLabel;
class QPushButton;
class QScrollArea;

class PracticePanel : public QWidget
{
    Q_OBJECT

public:
    explicit PracticePanel(QWidget *parent = nullptr);

    // The circle view whose point place and find questions are answered with; not owned.
    void setOrbelView(OrbelView *view);
    // Where every answer is kept and whose mastery aims each new round; not owned. Without one
    // rounds are drawn at random and nothing is kept.
    void setHistory(PracticeHistory *history);

    void newRound();
    // New Round as its button asks for it: a round that has answers is not thrown away unasked.
    void askNewRound();
    // Puts the focus where the question is answered (the first answer button or Check; Next once
    // it is answered; New Round when the round is over), where it is heard: the panel's buttons
    // say the latest question or feedback.
    void focusAnswer();
    // Answers the question being asked: with the answer button of index, or with the point.
    void answer(int index);
    void check();
    void next();

    const std::vector<practice::Question> &round() const { return m_round; }
    int current() const { return m_current; }
    int rightCount() const { return m_right; }
    QList<QPushButton *> answerButtons() const { return m_answers; }
    QPushButton *checkButton() const { return m_check; }
    QPushButton *nextButton() const { return m_next; }
    QPushButton *newRoundButton() const { return m_newRound; }
    QPushButton *practiseMissedButton() const { return m_practiseMissed; }
    // Starts a round of the questions missed in the round just over.
    void practiseMissed();
    QLabel *questionLabel() const { return m_question; }
    QLabel *feedbackLabel() const { return m_feedback; }
    QLabel *scoreLabel() const { return m_score; }

    // A text in the figure's notation and in words.
    struct Text
    {
        QString shown;
        QString spoken;
    };
    Text questionText(const practice::Question &question) const;
    // Why the answer to a question is what it is: where the angle lies, the sign of the function
    // there, the reference angle and the value at it ("4π∕3 lies in quadrant III, where the sine
    // is negative; its reference angle is π∕3 and sin π∕3 = √3∕2, so sin 4π∕3 = −√3∕2.").
    Text explanation(const practice::Question &question) const;

    // As wide whatever it says, so that the circle beside it keeps its size and place.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // True while a question is open that the point answers by its place: typing the angle would
    // answer it without knowing where it lies.
    void placeQuestionOpen(bool open);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // A round of these questions from its first, with nothing answered and nothing missed.
    void startRound(std::vector<practice::Question> round);
    Text angleText(int degrees) const;
    Text answerText(const practice::Answer &answer) const;
    Text functionOf(figure::Circular function, const Text &angle) const;
    void showQuestion();
    // Lets the figure name the angle again and takes away what explained the last answer.
    void releaseFigure();
    void tell(bool right, const Text &given);
    void mark(int chosen, int right);
    void set(QLabel *label, const Text &text);
    void announce(const QString &spoken, QPushButton *next = nullptr);
    void retranslate();
    void record(const practice::Question &question, const QString &given, bool right);

    QPointer<OrbelView> m_view;
    QPointer<PracticeHistory> m_history;
    std::mt19937 m_random;
    std::vector<practice::Question> m_round;
    int m_current = 0;
    int m_right = 0;
    bool m_answered = false;
    QStringList m_missedShown;
    QStringList m_missedSpoken;
    std::vector<practice::Question> m_missedQuestions;
    practice::FunctionDeck m_deck;

    QLabel *m_title = nullptr;
    QLabel *m_score = nullptr;
    QLabel *m_question = nullptr;
    QList<QPushButton *> m_answers;
    QPushButton *m_check = nullptr;
    QLabel *m_feedback = nullptr;
    QPushButton *m_next = nullptr;
    QLabel *m_missed = nullptr;
    // The end-of-round list scrolls rather than making the panel taller than the window.
    QScrollArea *m_missedArea = nullptr;
    QPushButton *m_newRound = nullptr;
    QPushButton *m_practiseMissed = nullptr;
};
