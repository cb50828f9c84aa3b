// Practice on the figure: the places that count as right (coterminal angles, snapped angles), and
// a round played on the panel, with the words a screen reader hears.
#include "panels/practice_panel.h"
#include "test_support.h"
#include "trig/practice.h"
#include "view/orbel_view.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

namespace {
constexpr double pi = 3.141592653589793;
using figure::Circular;
} // namespace

class TestPractice : public QObject
{
    Q_OBJECT

private slots:
    void aMissIsExplained_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("function");
        QTest::addColumn<int>("degrees");
        QTest::addColumn<int>("unit");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("a negative sine in quadrant III")
            << 0 << int(Circular::Sine) << 240 << 0
            << "4 pi over 3 lies in quadrant 3, where the sine is negative; its reference angle is "
               "pi over 3 and the sine of pi over 3 is root 3 over 2, so the sine of 4 pi over 3 "
               "is "
               "minus root 3 over 2.";
        QTest::newRow("a negative angle, in degrees")
            << 0 << int(Circular::Secant) << -135 << 1
            << "minus 135 degrees lies in quadrant 3, where the secant is negative; its reference "
               "angle is 45 degrees and the secant of 45 degrees is root 2, so the secant of minus "
               "135 degrees is minus root 2.";
        QTest::newRow("a negative cotangent in quadrant IV, of a negative angle")
            << 0 << int(Circular::Cotangent) << -30 << 0
            << "minus pi over 6 lies in quadrant 4, where the cotangent is negative; its reference "
               "angle is pi over 6 and the cotangent of pi over 6 is root 3, so the cotangent of "
               "minus pi over 6 is minus root 3.";
        QTest::newRow("undefined on an axis")
            << 0 << int(Circular::Tangent) << 90 << 0
            << "pi over 2 lies on the positive y axis, where the point has the coordinates 0 and "
               "1, so the tangent of pi over 2 is undefined.";
        QTest::newRow("a place in a quadrant")
            << 1 << 0 << 150 << 0
            << "The point is now at 5 pi over 6, in quadrant 2, with the reference angle pi over "
               "6: the cosine of 5 pi over 6 is minus root 3 over 2 and the sine of 5 pi over 6 is "
               "1 over 2.";
        QTest::newRow("a place on an axis")
            << 1 << 0 << -180 << 0
            << "The point is now at minus pi, on the negative x axis: the cosine of minus pi is "
               "minus 1 and the sine of minus pi is 0.";
    }

    void aMissIsExplained()
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
        QCOMPARE(panel.explanation(q).spoken, spoken);
    }

    void aMissIsExplainedInTheFiguresNotation()
    {
        OrbelView view;
        PracticePanel panel;
        panel.setOrbelView(&view);
        const practice::Question q { practice::Kind::Value, Circular::Sine, 240 };
        QCOMPARE(panel.explanation(q).shown,
                 QString::fromUtf8("4π∕3 lies in quadrant III, where the sine is negative; "
                                   "its reference angle is π∕3 and sin π∕3 = "
                                   "√3∕2, so sin 4π∕3 = −√3∕2."));
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
                    QStringLiteral("Not quite. The point is now at")));
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

    // Each question played wrong: the buttons marked, the angle hidden while a place is asked
    // and named again with the feedback, the reference angle drawn until Next, and the misses
    // summed up and offered again.
    void missesMarkedAndOfferedAgain()
    {
        OrbelView view;
        PracticePanel panel;
        panel.setOrbelView(&view);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        const std::vector<practice::Question> round = panel.round();
        for (const practice::Question &q : round) {
            const bool place = q.kind != practice::Kind::Value;
            QCOMPARE(view.angleHidden(), place);
            QCOMPARE(view.accessibleValueText().contains(QLatin1String("theta")), !place);
            if (place) {
                view.setTheta(float((q.degrees + 90) * pi / 180.0));
                panel.checkButton()->click();
            } else {
                const int right = practice::rightAnswer(q);
                const int wrong = right == 0 ? 1 : 0;
                panel.answerButtons()[wrong]->click();
                QVERIFY(panel.answerButtons()[wrong]->accessibleName().endsWith(
                    QLatin1String(", your answer")));
                QVERIFY(panel.answerButtons()[right]->accessibleName().endsWith(
                    QLatin1String(", right answer")));
                QVERIFY(panel.answerButtons()[right]->text().startsWith(QChar(0x2713)));
                QVERIFY(panel.answerButtons()[wrong]->text().startsWith(QChar(0x2717)));
            }
            QVERIFY(!view.angleHidden());
            QVERIFY(view.referenceShown());
            QVERIFY(practice::placedRight(q, view.theta()));
            QVERIFY(
                panel.feedbackLabel()->accessibleName().startsWith(QLatin1String("Not quite. ")));
            panel.nextButton()->click();
            QVERIFY(!view.referenceShown());
        }
        QVERIFY(!view.angleHidden());
        QVERIFY(panel.practiseMissedButton()->isVisible());
        const QString summary
            = panel.findChild<QLabel *>(QStringLiteral("practiceMissed"))->accessibleName();
        QCOMPARE(summary.count(QLatin1String("; the answer is ")), int(round.size()));
        QVERIFY(summary.contains(QLatin1String("You answered ")));
        panel.practiseMissedButton()->click();
        QCOMPARE(panel.round().size(), round.size());
        QVERIFY(!panel.practiseMissedButton()->isVisible());
        // Closing the panel gives the figure its names back.
        // (Every round holds place and find questions, so the missed ones do too.)
        while (panel.round()[size_t(panel.current())].kind == practice::Kind::Value) {
            const int right = practice::rightAnswer(panel.round()[size_t(panel.current())]);
            panel.answerButtons()[right]->click();
            panel.nextButton()->click();
        }
        QVERIFY(view.angleHidden());
        panel.hide();
        QVERIFY(!view.angleHidden());
    }
};

QTEST_MAIN(TestPractice)
#include "tst_practice.moc"
