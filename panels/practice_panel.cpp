// The panel asks through the circle view: angles are named as the view names them, in the unit
// it shows, and a wrong place is corrected by setting the view's angle, so the student sees it.
#include "panels/practice_panel.h"

#include "platform/accessibility_events.h"
#include "view/orbel_view.h"
#include "trig/spoken_words.h"

#include <QAccessible>
#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

constexpr double pi = 3.141592653589793;
constexpr int answerButtonCount = 9;

} // namespace

PracticePanel::PracticePanel(QWidget *parent)
    : QWidget(parent)
    , m_random(std::random_device {}())
{
    auto *layout = new QVBoxLayout(this);
    m_title = new QLabel(this);
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    m_score = new QLabel(this);
    m_question = new QLabel(this);
    m_question->setWordWrap(true);
    m_feedback = new QLabel(this);
    m_feedback->setWordWrap(true);
    m_missed = new QLabel(this);
    m_missed->setWordWrap(true);
    m_check = new QPushButton(this);
    m_next = new QPushButton(this);
    m_newRound = new QPushButton(this);
    m_title->setObjectName(QStringLiteral("practiceTitle"));
    m_score->setObjectName(QStringLiteral("practiceScore"));
    m_question->setObjectName(QStringLiteral("practiceQuestion"));
    m_feedback->setObjectName(QStringLiteral("practiceFeedback"));
    m_missed->setObjectName(QStringLiteral("practiceMissed"));
    m_check->setObjectName(QStringLiteral("practiceCheck"));
    m_next->setObjectName(QStringLiteral("practiceNext"));
    m_newRound->setObjectName(QStringLiteral("practiceNewRound"));
    auto *grid = new QGridLayout;
    for (int i = 0; i < answerButtonCount; ++i) {
        auto *button = new QPushButton(this);
        button->setObjectName(QStringLiteral("answer%1").arg(i + 1));
        grid->addWidget(button, i / 3, i % 3);
        connect(button, &QPushButton::clicked, this, [this, i] { answer(i); });
        m_answers.append(button);
    }
    layout->addWidget(m_title);
    layout->addWidget(m_score);
    layout->addWidget(m_question);
    layout->addLayout(grid);
    layout->addWidget(m_check);
    layout->addWidget(m_feedback);
    layout->addWidget(m_next);
    m_missedArea = new QScrollArea(this);
    m_missedArea->setObjectName(QStringLiteral("practiceMissedArea"));
    m_missedArea->setWidget(m_missed);
    m_missedArea->setWidgetResizable(true);
    m_missedArea->setFrameShape(QFrame::NoFrame);
    m_missedArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_missedArea->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Ignored);
    m_missedArea->hide();
    layout->addWidget(m_missedArea, 1);
    layout->addWidget(m_newRound);
    layout->addStretch(0);
    connect(m_check, &QPushButton::clicked, this, &PracticePanel::check);
    connect(m_next, &QPushButton::clicked, this, &PracticePanel::next);
    connect(m_newRound, &QPushButton::clicked, this, &PracticePanel::newRound);
    setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('m')) * 20);
    retranslate();
    newRound();
}

void PracticePanel::setOrbelView(OrbelView *view)
{
    m_view = view;
    showQuestion();
}

void PracticePanel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    if (event->type() == QEvent::FontChange)
        setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('m')) * 20);
    QWidget::changeEvent(event);
}

void PracticePanel::showEvent(QShowEvent *event)
{
    // The unit may have changed while the panel was hidden.
    showQuestion();
    QWidget::showEvent(event);
}

void PracticePanel::retranslate()
{
    //: The title of the practice panel.
    m_title->setText(tr("Practice"));
    //: Checks where the point is, for a question answered by moving it.
    m_check->setText(tr("Check"));
    m_next->setText(tr("Next"));
    m_newRound->setText(tr("New Round"));
}

PracticePanel::Text PracticePanel::angleText(int degrees) const
{
    if (!m_view)
        return {};
    float angle = float(degrees * pi / 180.0);
    const QString label = m_view->normalizeAngle(angle).trimmed();
    return { label, speech::angle(label, m_view->angleUnit()) };
}

PracticePanel::Text PracticePanel::answerText(const practice::Answer &answer) const
{
    if (!answer.defined)
        //: The answer for a tangent that has no value, as at π∕2.
        return { tr("undefined"), tr("undefined") };
    Text text { figure::exactNotation(answer.magnitude), speech::exact(answer.magnitude) };
    if (answer.negative && answer.magnitude.factor != 0) {
        text.shown.prepend(QChar(0x2212));
        text.spoken = speech::minus(text.spoken);
    }
    return text;
}

PracticePanel::Text PracticePanel::questionText(const practice::Question &q) const
{
    const Text angle = angleText(q.degrees);
    switch (q.kind) {
    case practice::Kind::Value: {
        const char *sentence = q.function == figure::Circular::Sine
            ? QT_TR_NOOP("What is the sine of %1?")
            : q.function == figure::Circular::Cosine ? QT_TR_NOOP("What is the cosine of %1?")
                                                     : QT_TR_NOOP("What is the tangent of %1?");
        return { tr(sentence).arg(angle.shown), tr(sentence).arg(angle.spoken) };
    }
    case practice::Kind::Place:
        //: A question answered by moving the point: "Move the point to −3π∕4."
        return { tr("Move the point to %1.").arg(angle.shown),
                 tr("Move the point to %1.").arg(angle.spoken) };
    case practice::Kind::Find:
        break;
    }
    const bool sineGiven = q.function == figure::Circular::Sine;
    const Text value = answerText(practice::valueAt(q.function, q.degrees));
    const bool otherPositive
        = !practice::valueAt(sineGiven ? figure::Circular::Cosine : figure::Circular::Sine,
                             q.degrees)
               .negative;
    // The angles are looked for in one turn: 0 to 2π, or 0 to 360 degrees.
    const bool degrees = m_view && m_view->angleUnit() == 1;
    const Text turn = degrees
        ? Text { QStringLiteral("360\u00b0"), speech::angle(QStringLiteral("360\u00b0"), 1) }
        : Text { QStringLiteral("2\u03c0"), speech::angle(QStringLiteral("2\u03c0"), 0) };
    const char *sentence = sineGiven
        ? (otherPositive ? QT_TR_NOOP("Move the point to the angle between 0 and %1 whose sine is "
                                      "%2 and whose cosine is positive.")
                         : QT_TR_NOOP("Move the point to the angle between 0 and %1 whose sine is "
                                      "%2 and whose cosine is negative."))
        : (otherPositive ? QT_TR_NOOP("Move the point to the angle between 0 and %1 whose cosine "
                                      "is %2 and whose sine is positive.")
                         : QT_TR_NOOP("Move the point to the angle between 0 and %1 whose cosine "
                                      "is %2 and whose sine is negative."));
    return { tr(sentence).arg(turn.shown, value.shown),
             tr(sentence).arg(turn.spoken, value.spoken) };
}

PracticePanel::Text PracticePanel::rightAnswerText(const practice::Question &q) const
{
    const Text angle = angleText(q.degrees);
    if (q.kind == practice::Kind::Value) {
        const Text value = answerText(practice::valueAt(q.function, q.degrees));
        const char *sentence = q.function == figure::Circular::Sine
            ? QT_TR_NOOP("the sine of %1 is %2")
            : q.function == figure::Circular::Cosine ? QT_TR_NOOP("the cosine of %1 is %2")
                                                     : QT_TR_NOOP("the tangent of %1 is %2");
        return { tr(sentence).arg(angle.shown, value.shown),
                 tr(sentence).arg(angle.spoken, value.spoken) };
    }
    //: What the point was moved to after a wrong answer: "the point is now at 2π∕3".
    return { tr("the point is now at %1").arg(angle.shown),
             tr("the point is now at %1").arg(angle.spoken) };
}

void PracticePanel::set(QLabel *label, const Text &text)
{
    label->setText(text.shown);
    label->setAccessibleName(text.spoken);
    label->setVisible(!text.shown.isEmpty());
    if (label == m_missed)
        m_missedArea->setVisible(!text.shown.isEmpty());
}

QSize PracticePanel::sizeHint() const
{
    return QSize(minimumWidth(), QWidget::sizeHint().height());
}

QSize PracticePanel::minimumSizeHint() const
{
    return QSize(minimumWidth(), QWidget::minimumSizeHint().height());
}

void PracticePanel::announce(const QString &spoken, QPushButton *next)
{
    // Every button carries the latest news as its description: the one with the focus says it.
    // Where the focus was on a button that is about to go (disabled or hidden), it moves on to
    // next, the button to press now, which then says the news as it takes the focus.
    QList<QPushButton *> buttons = m_answers;
    buttons << m_check << m_next << m_newRound;
    for (QPushButton *button : std::as_const(buttons))
        button->setAccessibleDescription(spoken);
    QWidget *focus = QApplication::focusWidget();
    if (!focus || !buttons.contains(focus))
        return;
    if (next && focus != next) {
        next->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (QAccessible::isActive())
        platform::notifyDescriptionChanged(focus);
}

void PracticePanel::newRound()
{
    m_round = practice::makeRound(m_random);
    m_current = 0;
    m_right = 0;
    m_missedShown.clear();
    m_missedSpoken.clear();
    showQuestion();
}

void PracticePanel::showQuestion()
{
    const bool over = m_current >= int(m_round.size());
    m_answered = false;
    set(m_feedback, {});
    if (over) {
        const QString score
            = tr("Round over: %1 of %2 right").arg(m_right).arg(int(m_round.size()));
        set(m_score, { score, score });
        set(m_question, {});
        set(m_missed,
            { m_missedShown.join(QLatin1Char('\n')), m_missedSpoken.join(QStringLiteral(" ")) });
        m_newRound->show();
        announce(score
                     + (m_missedSpoken.isEmpty()
                            ? QString()
                            : QStringLiteral(" ") + m_missedSpoken.join(QStringLiteral(" "))),
                 m_newRound);
        for (QPushButton *button : std::as_const(m_answers))
            button->hide();
        m_check->hide();
        m_next->hide();
        return;
    }
    const practice::Question &q = m_round[size_t(m_current)];
    //: The score while a round runs: "Question 3 of 10, 2 right".
    const QString score = tr("Question %1 of %2, %3 right")
                              .arg(m_current + 1)
                              .arg(int(m_round.size()))
                              .arg(m_right);
    set(m_score, { score, score });
    const Text question = questionText(q);
    set(m_question, question);
    const bool value = q.kind == practice::Kind::Value;
    const std::vector<practice::Answer> answers
        = value ? practice::answersFor(q.function) : std::vector<practice::Answer>();
    for (int i = 0; i < m_answers.size(); ++i) {
        QPushButton *button = m_answers[i];
        const bool used = i < int(answers.size());
        button->setVisible(used);
        button->setEnabled(true);
        if (used) {
            const Text text = answerText(answers[size_t(i)]);
            button->setText(text.shown);
            button->setAccessibleName(text.spoken);
        }
    }
    m_check->setVisible(!value);
    m_check->setEnabled(true);
    m_next->show();
    set(m_missed, {});
    m_newRound->setVisible(true);
    // From Next, which waits for the answer now, the focus goes to where the answer is given.
    QWidget *focus = QApplication::focusWidget();
    announce(question.spoken,
             focus == m_next || (focus && !focus->isVisible()) ? (value ? m_answers[0] : m_check)
                                                               : nullptr);
    m_next->setEnabled(false);
}

void PracticePanel::tell(bool right, const Text &correction)
{
    m_answered = true;
    const practice::Question &q = m_round[size_t(m_current)];
    if (right) {
        ++m_right;
        //: Said at once after a right answer.
        set(m_feedback, { tr("Right."), tr("Right.") });
    } else {
        //: Said at once after a wrong answer, with the right one: "Not quite: the cosine of
        //: 2π∕3 is −1∕2."
        set(m_feedback,
            { tr("Not quite: %1.").arg(correction.shown),
              tr("Not quite: %1.").arg(correction.spoken) });
        const Text asked = questionText(q);
        const Text answer = rightAnswerText(q);
        m_missedShown << asked.shown + QLatin1Char(' ') + answer.shown;
        m_missedSpoken << asked.spoken + QLatin1Char(' ') + answer.spoken + QLatin1Char('.');
    }
    m_next->setEnabled(true);
    const QString score = tr("Question %1 of %2, %3 right")
                              .arg(m_current + 1)
                              .arg(int(m_round.size()))
                              .arg(m_right);
    set(m_score, { score, score });
    // The answer buttons and Check are done with: from them the focus goes on to Next.
    QWidget *focus = QApplication::focusWidget();
    const bool leaving = focus == m_check || m_answers.contains(qobject_cast<QPushButton *>(focus));
    announce(m_feedback->accessibleName(), leaving ? m_next : nullptr);
    for (QPushButton *button : std::as_const(m_answers))
        button->setEnabled(false);
    m_check->setEnabled(false);
}

void PracticePanel::answer(int index)
{
    if (m_answered || m_current >= int(m_round.size()))
        return;
    const practice::Question &q = m_round[size_t(m_current)];
    if (q.kind != practice::Kind::Value || index >= int(practice::answersFor(q.function).size()))
        return;
    tell(index == practice::rightAnswer(q), rightAnswerText(q));
}

void PracticePanel::check()
{
    if (m_answered || m_current >= int(m_round.size()) || !m_view)
        return;
    const practice::Question &q = m_round[size_t(m_current)];
    if (q.kind == practice::Kind::Value)
        return;
    const bool right = practice::placedRight(q, m_view->theta());
    if (!right)
        // Shown on the circle, through the view's own setter.
        m_view->setTheta(float(q.degrees * pi / 180.0));
    tell(right, rightAnswerText(q));
}

void PracticePanel::next()
{
    if (!m_answered)
        return;
    ++m_current;
    showQuestion();
}

void PracticePanel::keyPressEvent(QKeyEvent *event)
{
    // The digits answer with the buttons in their order; 0 is "undefined", the last one.
    const int key = event->key();
    if (key >= Qt::Key_0 && key <= Qt::Key_9 && event->modifiers() == Qt::NoModifier) {
        int index = key - Qt::Key_1;
        if (key == Qt::Key_0) {
            index = -1;
            for (int i = 0; i < m_answers.size(); ++i)
                if (m_answers[i]->isVisibleTo(this) && m_answers[i]->text() == tr("undefined"))
                    index = i;
        }
        if (index >= 0 && index < m_answers.size() && m_answers[index]->isVisibleTo(this)) {
            answer(index);
            event->accept();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}
