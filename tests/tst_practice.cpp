// Practice: rounds that mix the three kinds of question on the standard angles, the answers
// that count as right (coterminal angles, snapped angles), and a round played on the panel, with
// the words a screen reader hears.
#include "test_support.h"
#include "view/orbel_view.h"
#include "view/practice.h"
#include "view/practice_panel.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include <set>

namespace {
constexpr double pi = 3.141592653589793;
using figure::Circular;
} // namespace

class TestPractice : public QObject
{
    Q_OBJECT

private slots:
    void roundsMixEveryKindOnTheStandardAngles()
    {
        std::set<std::vector<int>> rounds;
        for (unsigned seed = 0; seed < 300; ++seed) {
            std::mt19937 random(seed);
            const std::vector<practice::Question> round = practice::makeRound(random);
            QCOMPARE(int(round.size()), practice::questionsPerRound);
            int kinds[3] = { 0, 0, 0 };
            std::vector<int> key;
            for (const practice::Question &q : round) {
                ++kinds[int(q.kind)];
                key.push_back(q.degrees * 10 + int(q.kind));
                QVERIFY(figure::standardDegreesOf(float(q.degrees * pi / 180.0)));
                QVERIFY(q.degrees > -360 && q.degrees < 360);
                if (q.kind == practice::Kind::Value)
                    QVERIFY(practice::rightAnswer(q) >= 0);
                if (q.kind == practice::Kind::Find) {
                    // One angle of the turn answers it: the other function's sign tells.
                    QVERIFY(q.degrees >= 0);
                    QVERIFY(q.function == Circular::Sine || q.function == Circular::Cosine);
                    const Circular other
                        = q.function == Circular::Sine ? Circular::Cosine : Circular::Sine;
                    const practice::Answer given = practice::valueAt(q.function, q.degrees);
                    const bool negative = practice::valueAt(other, q.degrees).negative;
                    int answering = 0;
                    for (int d = 0; d < 360; d += 15) {
                        const practice::Answer a = practice::valueAt(q.function, d);
                        const practice::Answer o = practice::valueAt(other, d);
                        if (figure::standardDegreesOf(float(d * pi / 180.0))
                            && a.magnitude == given.magnitude && a.negative == given.negative
                            && o.negative == negative && o.magnitude.factor != 0)
                            ++answering;
                    }
                    QCOMPARE(answering, 1);
                }
            }
            for (int n : kinds)
                QVERIFY(n >= 2);
            rounds.insert(key);
        }
        // Every round different, or nearly so.
        QVERIFY(rounds.size() > 290);
    }

    void theRightAnswerButton_data()
    {
        QTest::addColumn<int>("function");
        QTest::addColumn<int>("degrees");
        QTest::addColumn<int>("index");
        QTest::newRow("cos 120 is -1/2") << int(Circular::Cosine) << 120 << 3;
        QTest::newRow("sin 0 is 0") << int(Circular::Sine) << 0 << 4;
        QTest::newRow("sin -90 is -1") << int(Circular::Sine) << -90 << 0;
        QTest::newRow("cos 330 is root 3 over 2") << int(Circular::Cosine) << 330 << 7;
        QTest::newRow("tan -45 is -1") << int(Circular::Tangent) << -45 << 1;
        QTest::newRow("tan 240 is root 3") << int(Circular::Tangent) << 240 << 6;
        QTest::newRow("tan 180 is 0, not minus 0") << int(Circular::Tangent) << 180 << 3;
        QTest::newRow("tan 270 is undefined") << int(Circular::Tangent) << 270 << 7;
    }

    void theRightAnswerButton()
    {
        QFETCH(int, function);
        QFETCH(int, degrees);
        QFETCH(int, index);
        practice::Question q { practice::Kind::Value, Circular(function), degrees };
        QCOMPARE(practice::rightAnswer(q), index);
    }

    void aPlaceIsRightOnTheCircle_data()
    {
        QTest::addColumn<int>("degrees");
        QTest::addColumn<double>("set");
        QTest::addColumn<bool>("right");
        QTest::newRow("the angle itself") << -135 << -3 * pi / 4 << true;
        QTest::newRow("a coterminal angle") << -135 << 5 * pi / 4 << true;
        QTest::newRow("near enough to snap") << -135 << -2.4 << true;
        QTest::newRow("the mirror image") << -135 << 3 * pi / 4 << false;
        QTest::newRow("a full turn is 0") << 0 << 2 * pi << true;
        QTest::newRow("not a standard angle") << 60 << 1.2 << false;
    }

    void aPlaceIsRightOnTheCircle()
    {
        QFETCH(int, degrees);
        QFETCH(double, set);
        QFETCH(bool, right);
        OrbelView view;
        view.setTheta(float(set));
        practice::Question q { practice::Kind::Place, Circular::Sine, degrees };
        QCOMPARE(practice::placedRight(q, view.theta()), right);
    }

    void questionsInWords_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("function");
        QTest::addColumn<int>("degrees");
        QTest::addColumn<int>("unit");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("value") << 0 << int(Circular::Cosine) << 120 << 0
                               << "What is the cosine of 2 pi over 3?";
        QTest::newRow("value, negative")
            << 0 << int(Circular::Tangent) << -45 << 0 << "What is the tangent of minus pi over 4?";
        QTest::newRow("value at 0")
            << 0 << int(Circular::Sine) << 0 << 0 << "What is the sine of 0?";
        QTest::newRow("value in degrees")
            << 0 << int(Circular::Cosine) << 120 << 1 << "What is the cosine of 120 degrees?";
        QTest::newRow("place") << 1 << 0 << -135 << 0 << "Move the point to minus 3 pi over 4.";
        QTest::newRow("find") << 2 << int(Circular::Cosine) << 120 << 0
                              << "Move the point to the angle between 0 and 2 pi whose cosine is "
                                 "minus 1 over 2 and whose sine is positive.";
        QTest::newRow("find in degrees")
            << 2 << int(Circular::Sine) << 330 << 1
            << "Move the point to the angle between 0 and 360 degrees whose sine is minus 1 over 2 "
               "and whose cosine is positive.";
    }

    void questionsInWords()
    {
        QFETCH(int, kind);
        QFETCH(int, function);
        QFETCH(int, degrees);
        QFETCH(int, unit);
        QFETCH(QString, spoken);
        OrbelView view;
        view.setAngleUnit(unit);
        PracticePanel panel;
        panel.setOrbelView(&view);
        const practice::Question q { practice::Kind(kind), Circular(function), degrees };
        QCOMPARE(panel.questionText(q).spoken, spoken);
    }

    // New Round throws the answers of a round away only when the user says so.
    void newRoundAsksBeforeLosingAnswers_data()
    {
        QTest::addColumn<int>("answered"); // questions answered, each followed by Next
        QTest::addColumn<QString>("choice"); // the button pressed in the question; none asked
        QTest::addColumn<bool>("fresh"); // a new round began

        QTest::newRow("nothing answered yet: at once") << 0 << QString() << true;
        QTest::newRow("answers given, the user goes on")
            << 2 << QStringLiteral("Go On with This Round") << false;
        QTest::newRow("answers given, the user starts again")
            << 2 << QStringLiteral("Start New Round") << true;
        QTest::newRow("the round is over: at once")
            << practice::questionsPerRound << QString() << true;
    }

    void newRoundAsksBeforeLosingAnswers()
    {
        QFETCH(int, answered);
        QFETCH(QString, choice);
        QFETCH(bool, fresh);
        OrbelView view;
        PracticePanel panel;
        panel.setOrbelView(&view);
        panel.show();
        for (int i = 0; i < answered; ++i) {
            const practice::Question q = panel.round()[size_t(i)];
            if (q.kind == practice::Kind::Value) {
                panel.answer(practice::rightAnswer(q));
            } else {
                view.setTheta(float(q.degrees * pi / 180.0));
                panel.check();
            }
            panel.next();
        }
        QCOMPARE(panel.current(), answered);

        panel.newRoundButton()->click();
        auto *box = panel.findChild<QMessageBox *>();
        QCOMPARE(box != nullptr, !choice.isEmpty());
        if (box) {
            // Nothing is lost while the question waits for its answer.
            QCOMPARE(panel.current(), answered);
            QVERIFY(box->isVisible());
            QAbstractButton *pressed = nullptr;
            for (QAbstractButton *button : box->buttons())
                if (button->text() == choice)
                    pressed = button;
            QVERIFY2(pressed, qPrintable(choice));
            pressed->click();
        }
        QCOMPARE(panel.current(), fresh ? 0 : answered);
        QCOMPARE(panel.rightCount(), fresh ? 0 : answered);
    }

    // A round played as a student plays it: every answer right but one place, which is then
    // shown on the circle; the buttons and labels carry words.
    void aRoundPlayed()
    {
        OrbelView view;
        PracticePanel panel;
        panel.setOrbelView(&view);
        panel.show();
        bool missed = false;
        for (int i = 0; i < practice::questionsPerRound; ++i) {
            const practice::Question q = panel.round()[size_t(i)];
            QCOMPARE(panel.scoreLabel()->accessibleName(),
                     QStringLiteral("Question %1 of 10, %2 right").arg(i + 1).arg(i - int(missed)));
            if (q.kind == practice::Kind::Value) {
                const int right = practice::rightAnswer(q);
                QTest::keyClick(&panel,
                                right == 7 && q.function == Circular::Tangent
                                    ? Qt::Key_0
                                    : Qt::Key(Qt::Key_1 + right));
                QCOMPARE(panel.feedbackLabel()->accessibleName(), QStringLiteral("Right."));
            } else if (!missed && q.kind == practice::Kind::Place) {
                missed = true;
                view.setTheta(float((q.degrees + 90) * pi / 180.0));
                panel.checkButton()->click();
                QVERIFY(panel.feedbackLabel()->accessibleName().startsWith(
                    QStringLiteral("Not quite: the point is now at")));
                QVERIFY(practice::placedRight(q, view.theta()));
            } else {
                view.setTheta(float(q.degrees * pi / 180.0));
                panel.checkButton()->click();
                QCOMPARE(panel.feedbackLabel()->accessibleName(), QStringLiteral("Right."));
            }
            for (QPushButton *b : panel.answerButtons())
                for (const QChar symbol : { QChar(0x2215), QChar(0x2212), QChar(0x221a) })
                    QVERIFY(!b->accessibleName().contains(symbol));
            panel.nextButton()->click();
        }
        QCOMPARE(panel.scoreLabel()->accessibleName(),
                 missed ? QStringLiteral("Round over: 9 of 10 right")
                        : QStringLiteral("Round over: 10 of 10 right"));
        panel.newRoundButton()->click();
        QCOMPARE(panel.current(), 0);
    }
};

QTEST_MAIN(TestPractice)
#include "tst_practice.moc"
