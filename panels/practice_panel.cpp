// The panel asks through the circle view: angles are named as the view names them, in the unit
// it shows, and a wrong place is corrected by setting the view's angle, so the student sees it.
#include "panels/practice_panel.h"

#include "panels/practice_history.h"
#include "platform/accessibility_events.h"
#include "trig/spoken_words.h"
#include "view/orbel_view.h"

#include <QAccessible>
#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

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
    m_practiseMissed = new QPushButton(this);
    m_title->setObjectName(QStringLiteral("practiceTitle"));
    m_score->setObjectName(QStringLiteral("practiceScore"));
    m_question->setObjectName(QStringLiteral("practiceQuestion"));
    m_feedback->setObjectName(QStringLiteral("practiceFeedback"));
    m_missed->setObjectName(QStringLiteral("practiceMissed"));
    m_check->setObjectName(QStringLiteral("practiceCheck"));
    m_next->setObjectName(QStringLiteral("practiceNext"));
    m_newRound->setObjectName(QStringLiteral("practiceNewRound"));
    m_practiseMissed->setObjectName(QStringLiteral("practiceMissedRound"));
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
    layout->addWidget(m_practiseMissed);
    layout->addWidget(m_newRound);
    layout->addStretch(0);
    connect(m_check, &QPushButton::clicked, this, &PracticePanel::check);
    connect(m_next, &QPushButton::clicked, this, &PracticePanel::next);
    connect(m_newRound, &QPushButton::clicked, this, &PracticePanel::askNewRound);
    connect(m_practiseMissed, &QPushButton::clicked, this, &PracticePanel::practiseMissed);
    setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('m')) * 20);
    retranslate();
    newRound();
}

void PracticePanel::setOrbelView(OrbelView *view)
{
    releaseFigure();
    m_view = view;
    showQuestion();
}

void PracticePanel::setHistory(PracticeHistory *history)
{
    if (m_history)
        disconnect(m_history, &PracticeHistory::opened, this, nullptr);
    m_history = history;
    // A round not yet begun is drawn again, aimed by what the history knows; a history not yet
    // read is left to be read when it is needed, and aims the round then.
    if (m_history)
        connect(m_history, &PracticeHistory::opened, this, [this] {
            // An empty history aims nothing: the round drawn without it stands.
            if (m_current == 0 && !m_answered && m_history && m_history->answerCount() > 0)
                newRound();
        });
    if (m_history && m_history->isPending())
        return;
    if (m_current == 0 && !m_answered)
        newRound();
}

void PracticePanel::record(const practice::Question &question, const QString &given, bool right)
{
    if (m_history)
        m_history->record(question, given, right);
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
    // The round shown is aimed by the history: it is read now if it has not been yet.
    if (m_history)
        m_history->ensureOpen();
    // The unit may have changed while the panel was hidden.
    showQuestion();
    QWidget::showEvent(event);
}

void PracticePanel::hideEvent(QHideEvent *event)
{
    // Without the panel there is no question: the figure names its angle again.
    releaseFigure();
    QWidget::hideEvent(event);
}

void PracticePanel::releaseFigure()
{
    emit placeQuestionOpen(false);
    if (!m_view)
        return;
    m_view->setAngleHidden(false);
    m_view->setReferenceShown(false);
}

void PracticePanel::retranslate()
{
    //: The title of the practice panel.
    m_title->setText(tr("Practice"));
    //: Checks where the point is, for a question answered by moving it.
    m_check->setText(tr("Check"));
    m_next->setText(tr("Next"));
    m_newRound->setText(tr("New Round"));
    //: Starts a round of the questions missed in the round just over.
    m_practiseMissed->setText(tr("Practise Missed"));
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
        static const char *const sentences[6] = {
            QT_TR_NOOP("What is the sine of %1?"),    QT_TR_NOOP("What is the cosine of %1?"),
            QT_TR_NOOP("What is the tangent of %1?"), QT_TR_NOOP("What is the cotangent of %1?"),
            QT_TR_NOOP("What is the secant of %1?"),  QT_TR_NOOP("What is the cosecant of %1?"),
        };
        const char *sentence = sentences[int(q.function)];
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

PracticePanel::Text PracticePanel::functionOf(figure::Circular function, const Text &angle) const
{
    static const char *const shown[6] = {
        //: A function of an angle as written: "sin π∕3"; "sen %1" where schools write it so.
        QT_TR_NOOP("sin %1"), QT_TR_NOOP("cos %1"), QT_TR_NOOP("tan %1"),
        QT_TR_NOOP("cot %1"), QT_TR_NOOP("sec %1"), QT_TR_NOOP("csc %1"),
    };
    static const char *const spoken[6] = {
        //: A function of an angle read aloud: "the sine of pi over 3".
        QT_TR_NOOP("the sine of %1"),    QT_TR_NOOP("the cosine of %1"),
        QT_TR_NOOP("the tangent of %1"), QT_TR_NOOP("the cotangent of %1"),
        QT_TR_NOOP("the secant of %1"),  QT_TR_NOOP("the cosecant of %1"),
    };
    return { tr(shown[int(function)]).arg(angle.shown),
             tr(spoken[int(function)]).arg(angle.spoken) };
}

PracticePanel::Text PracticePanel::explanation(const practice::Question &q) const
{
    const Text angle = angleText(q.degrees);
    const int quadrant = practice::quadrantOf(q.degrees);
    static const char *const numerals[5] = { "", "I", "II", "III", "IV" };
    // "sin 4π∕3 = −√3∕2", or "tan π∕2 is undefined".
    const auto valueSentence
        = [this](figure::Circular f, const Text &at, const practice::Answer &value) -> Text {
        const Text function = functionOf(f, at);
        if (!value.defined)
            //: A function that has no value at an angle: "tan π∕2 is undefined".
            return { tr("%1 is undefined").arg(function.shown),
                     tr("%1 is undefined").arg(function.spoken) };
        const Text v = answerText(value);
        //: A function's value read aloud: "the sine of pi over 3 is root 3 over 2".
        return { function.shown + QStringLiteral(" = ") + v.shown,
                 tr("%1 is %2").arg(function.spoken, v.spoken) };
    };
    static const char *const axes[4] = {
        QT_TR_NOOP("the positive x axis"),
        QT_TR_NOOP("the positive y axis"),
        QT_TR_NOOP("the negative x axis"),
        QT_TR_NOOP("the negative y axis"),
    };
    const int turn = ((q.degrees % 360) + 360) % 360;
    const Text reference = angleText(practice::referenceDegrees(q.degrees));

    if (q.kind == practice::Kind::Value) {
        const Text answer
            = valueSentence(q.function, angle, practice::valueAt(q.function, q.degrees));
        if (quadrant == 0) {
            const QString x = answerText(practice::valueAt(figure::Circular::Cosine, turn)).shown;
            const QString y = answerText(practice::valueAt(figure::Circular::Sine, turn)).shown;
            const QString xSpoken
                = answerText(practice::valueAt(figure::Circular::Cosine, turn)).spoken;
            const QString ySpoken
                = answerText(practice::valueAt(figure::Circular::Sine, turn)).spoken;
            //: Why a value on an axis is what it is: "3π∕2 lies on the negative y axis, where
            //: the point is (0, −1), so sin 3π∕2 = −1."
            return { tr("%1 lies on %2, where the point is (%3, %4), so %5.")
                         .arg(angle.shown, tr(axes[turn / 90]), x, y, answer.shown),
                     //: The same read aloud.
                     tr("%1 lies on %2, where the point has the coordinates %3 and %4, so %5.")
                         .arg(angle.spoken, tr(axes[turn / 90]), xSpoken, ySpoken, answer.spoken) };
        }
        const bool negative = practice::valueAt(q.function, q.degrees).negative;
        static const char *const signs[6][2] = {
            { QT_TR_NOOP("where the sine is positive"), QT_TR_NOOP("where the sine is negative") },
            { QT_TR_NOOP("where the cosine is positive"),
              QT_TR_NOOP("where the cosine is negative") },
            { QT_TR_NOOP("where the tangent is positive"),
              QT_TR_NOOP("where the tangent is negative") },
            { QT_TR_NOOP("where the cotangent is positive"),
              QT_TR_NOOP("where the cotangent is negative") },
            { QT_TR_NOOP("where the secant is positive"),
              QT_TR_NOOP("where the secant is negative") },
            { QT_TR_NOOP("where the cosecant is positive"),
              QT_TR_NOOP("where the cosecant is negative") },
        };
        const QString sign = tr(signs[int(q.function)][negative ? 1 : 0]);
        const Text atReference
            = valueSentence(q.function, reference,
                            practice::valueAt(q.function, practice::referenceDegrees(q.degrees)));
        //: Why a value is what it is: "4π∕3 lies in quadrant III, where the sine is negative;
        //: its reference angle is π∕3 and sin π∕3 = √3∕2, so sin 4π∕3 = −√3∕2."
        return { tr("%1 lies in quadrant %2, %3; its reference angle is %4 and %5, so %6.")
                     .arg(angle.shown, QLatin1String(numerals[quadrant]), sign, reference.shown,
                          atReference.shown, answer.shown),
                 tr("%1 lies in quadrant %2, %3; its reference angle is %4 and %5, so %6.")
                     .arg(angle.spoken, QString::number(quadrant), sign, reference.spoken,
                          atReference.spoken, answer.spoken) };
    }

    // A place: where the point now is, and its coordinates.
    const Text cosine = valueSentence(figure::Circular::Cosine, angle,
                                      practice::valueAt(figure::Circular::Cosine, q.degrees));
    const Text sine = valueSentence(figure::Circular::Sine, angle,
                                    practice::valueAt(figure::Circular::Sine, q.degrees));
    if (quadrant == 0)
        //: After a wrong place, the point moved to the right one: "The point is now at 3π∕2,
        //: on the negative y axis: cos 3π∕2 = 0 and sin 3π∕2 = −1."
        return { tr("The point is now at %1, on %2: %3 and %4.")
                     .arg(angle.shown, tr(axes[turn / 90]), cosine.shown, sine.shown),
                 tr("The point is now at %1, on %2: %3 and %4.")
                     .arg(angle.spoken, tr(axes[turn / 90]), cosine.spoken, sine.spoken) };
    //: After a wrong place, the point moved to the right one: "The point is now at 4π∕3, in
    //: quadrant III, with the reference angle π∕3: cos 4π∕3 = −1∕2 and sin 4π∕3 = −√3∕2."
    return { tr("The point is now at %1, in quadrant %2, with the reference angle %3: %4 and %5.")
                 .arg(angle.shown, QLatin1String(numerals[quadrant]), reference.shown, cosine.shown,
                      sine.shown),
             tr("The point is now at %1, in quadrant %2, with the reference angle %3: %4 and %5.")
                 .arg(angle.spoken, QString::number(quadrant), reference.spoken, cosine.spoken,
                      sine.spoken) };
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
    // Qt's box layouts ask every item for its sizes, hidden ones too, at every layout: hidden,
    // the panel has none to give, and its texts are measured once it is shown.
    if (isHidden())
        return QSize(0, 0);
    return QSize(minimumWidth(), QWidget::sizeHint().height());
}

QSize PracticePanel::minimumSizeHint() const
{
    if (isHidden())
        return QSize(0, 0);
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
    startRound(m_history
                   ? mastery::drawRound(m_history->progress(), m_history->now(), m_random, &m_deck)
                   : practice::makeRound(m_random, &m_deck));
}

void PracticePanel::practiseMissed()
{
    if (m_missedQuestions.empty())
        return;
    std::vector<practice::Question> round = m_missedQuestions;
    std::shuffle(round.begin(), round.end(), m_random);
    startRound(std::move(round));
}

void PracticePanel::startRound(std::vector<practice::Question> round)
{
    m_round = std::move(round);
    m_current = 0;
    m_right = 0;
    m_missedShown.clear();
    m_missedSpoken.clear();
    m_missedQuestions.clear();
    showQuestion();
}

void PracticePanel::askNewRound()
{
    const bool running = m_current < int(m_round.size());
    if (!running || (m_current == 0 && !m_answered)) {
        newRound();
        return;
    }
    auto *box = new QMessageBox(QMessageBox::Question, tr("New Round"),
                                //: Asked when New Round is pressed during a round with answers.
                                tr("Start a new round?"), QMessageBox::NoButton, this);
    box->setInformativeText(tr("The answers given in this round will be lost."));
    QPushButton *start = box->addButton(tr("Start New Round"), QMessageBox::AcceptRole);
    QPushButton *keep = box->addButton(tr("Go On with This Round"), QMessageBox::RejectRole);
    box->setDefaultButton(keep);
    box->setEscapeButton(keep);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    connect(box, &QMessageBox::buttonClicked, this, [this, start](QAbstractButton *clicked) {
        if (clicked != start)
            return;
        newRound();
        // The dialog gives the focus back to the window's focus widget as it closes: the first
        // question is answered there.
        focusAnswer();
    });
    box->open();
}

void PracticePanel::focusAnswer()
{
    QPushButton *target = m_newRound;
    if (m_current < int(m_round.size()))
        target = m_answered ? m_next : m_check->isVisibleTo(this) ? m_check : m_answers.first();
    target->setFocus(Qt::OtherFocusReason);
}

void PracticePanel::showQuestion()
{
    const bool over = m_current >= int(m_round.size());
    m_answered = false;
    set(m_feedback, {});
    for (QPushButton *button : std::as_const(m_answers))
        button->setStyleSheet(QString());
    if (m_view)
        m_view->setReferenceShown(false);
    m_practiseMissed->hide();
    if (over) {
        releaseFigure();
        const QString score
            = tr("Round over: %1 of %2 right").arg(m_right).arg(int(m_round.size()));
        set(m_score, { score, score });
        set(m_question, {});
        set(m_missed,
            { m_missedShown.join(QLatin1Char('\n')), m_missedSpoken.join(QStringLiteral(" ")) });
        m_newRound->show();
        m_practiseMissed->setVisible(!m_missedQuestions.empty());
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
    // A question that asks for the angle must not find it named on the figure or beside it.
    // (A hidden panel asks nothing: it hides nothing either.)
    if (m_view)
        m_view->setAngleHidden(!value && isVisible());
    emit placeQuestionOpen(q.kind == practice::Kind::Place && isVisible());
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

void PracticePanel::tell(bool right, const Text &given)
{
    m_answered = true;
    const practice::Question &q = m_round[size_t(m_current)];
    if (right) {
        ++m_right;
        //: Said at once after a right answer.
        set(m_feedback, { tr("Right."), tr("Right.") });
    } else {
        const Text why = explanation(q);
        //: Said at once after a wrong answer, with why the right one is right: "Not quite.
        //: 4π∕3 lies in quadrant III, where the sine is negative; …"
        set(m_feedback,
            { tr("Not quite. %1").arg(why.shown), tr("Not quite. %1").arg(why.spoken) });
        const Text asked = questionText(q);
        const Text answer = q.kind == practice::Kind::Value
            ? answerText(practice::valueAt(q.function, q.degrees))
            : angleText(q.degrees);
        //: A miss in the round's summary, after the question: "You answered 1∕2; the answer is
        //: −√3∕2."
        const char *sentence = QT_TR_NOOP("You answered %1; the answer is %2.");
        m_missedShown << asked.shown + QLatin1Char(' ')
                + tr(sentence).arg(given.shown, answer.shown);
        m_missedSpoken << asked.spoken + QLatin1Char(' ')
                + tr(sentence).arg(given.spoken, answer.spoken);
        m_missedQuestions.push_back(q);
        // The reference angle stays drawn on the figure until Next.
        if (m_view)
            m_view->setReferenceShown(true);
    }
    // Answered: the angle is named again, everywhere.
    if (m_view)
        m_view->setAngleHidden(false);
    emit placeQuestionOpen(false);
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

void PracticePanel::mark(int chosen, int right)
{
    // A sign as well as a colour, so that the mark does not rest on colour alone; dark text on
    // a light ground, legible on a projector and while the buttons are disabled.
    const std::vector<practice::Answer> answers
        = practice::answersFor(m_round[size_t(m_current)].function);
    for (int i : { chosen, right }) {
        if (i < 0 || i >= int(answers.size()))
            continue;
        QPushButton *button = m_answers[i];
        const Text text = answerText(answers[size_t(i)]);
        const bool isRight = i == right;
        button->setText((isRight ? QStringLiteral("\u2713 ") : QStringLiteral("\u2717 "))
                        + text.shown);
        QString name = text.spoken;
        if (i == chosen)
            //: Added to the accessible name of the answer button the student pressed.
            name += tr(", your answer");
        if (isRight)
            //: Added to the accessible name of the answer button with the right answer.
            name += tr(", right answer");
        button->setAccessibleName(name);
        button->setStyleSheet(isRight ? QStringLiteral("QPushButton { background: #c8ecc8; color: "
                                                       "#004000; font-weight: bold; }")
                                      : QStringLiteral("QPushButton { background: #f6cccc; color: "
                                                       "#600000; font-weight: bold; }"));
    }
}

void PracticePanel::answer(int index)
{
    if (m_answered || m_current >= int(m_round.size()))
        return;
    const practice::Question &q = m_round[size_t(m_current)];
    const std::vector<practice::Answer> answers = practice::answersFor(q.function);
    if (q.kind != practice::Kind::Value || index < 0 || index >= int(answers.size()))
        return;
    const int right = practice::rightAnswer(q);
    record(q, mastery::answerCode(answers[size_t(index)]), index == right);
    mark(index, right);
    if (index != right && m_view)
        // The angle asked about, on the circle, for its reference angle to be drawn.
        m_view->setTheta(float(q.degrees * pi / 180.0));
    tell(index == right, answerText(answers[size_t(index)]));
}

void PracticePanel::check()
{
    if (m_answered || m_current >= int(m_round.size()) || !m_view)
        return;
    const practice::Question &q = m_round[size_t(m_current)];
    if (q.kind == practice::Kind::Value)
        return;
    const bool right = practice::placedRight(q, m_view->theta());
    record(q, mastery::placeCode(m_view->theta()), right);
    // Where the point was, named as the figure names it, before it is moved.
    const QString label = m_view->displayTheta().trimmed();
    const Text given { label, speech::angle(label, m_view->angleUnit()) };
    if (!right)
        // Shown on the circle, through the view's own setter.
        m_view->setTheta(float(q.degrees * pi / 180.0));
    tell(right, given);
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
