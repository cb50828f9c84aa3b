// The sound of the figure: the synthesised tone (its pitch, its glide without a jump, its fades,
// its hold and its tick), the pitch each function gives at the view's point, the tone and ticks
// that the view's changes sound, the turn played as sound, and the Sound menu with its stored
// choice. The tone goes to a recording stand-in here; the real stack is tests/realstack/sound.py.
#include "app/controller.h"
#include "app/main_window.h"
#include "platform/preferences.h"
#include "sound/sound_controller.h"
#include "sound/tone_output.h"
#include "sound/turn_sweep.h"
#include "test_support.h"
#include "view/orbel_view.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QSettings>
#include <QtTest>

#include <cmath>
#include <vector>

namespace {

constexpr double pi = 3.141592653589793;
constexpr int rate = platform::ToneSynth::sampleRate;

std::vector<std::int16_t> render(platform::ToneSynth &synth, double seconds)
{
    std::vector<std::int16_t> samples(size_t(seconds * rate));
    synth.render(samples.data(), std::int64_t(samples.size()));
    return samples;
}

// The frequency from the upward zero crossings, interpolated between samples.
double zeroCrossingFrequency(const std::vector<std::int16_t> &s)
{
    double first = -1.0, last = -1.0;
    int crossings = 0;
    for (size_t i = 1; i < s.size(); ++i) {
        if (s[i - 1] < 0 && s[i] >= 0) {
            const double at = double(i - 1) + double(-s[i - 1]) / double(s[i] - s[i - 1]);
            if (first < 0.0)
                first = at;
            else
                ++crossings;
            last = at;
        }
    }
    return crossings > 0 ? crossings * rate / (last - first) : 0.0;
}

int peak(const std::vector<std::int16_t> &s, size_t from = 0, size_t to = SIZE_MAX)
{
    int p = 0;
    for (size_t i = from; i < std::min(to, s.size()); ++i)
        p = std::max(p, std::abs(int(s[i])));
    return p;
}

int largestStep(const std::vector<std::int16_t> &s)
{
    int step = 0;
    for (size_t i = 1; i < s.size(); ++i)
        step = std::max(step, std::abs(int(s[i]) - int(s[i - 1])));
    return step;
}

// Stands in for the sound server: it notes what the controller asks of it.
class RecordingOutput : public platform::ToneOutput
{
public:
    bool available = true;
    bool opened = false;
    int opens = 0;
    std::vector<double> played; // a frequency, or 0 for silence
    int ticks = 0;

    bool isAvailable() const override { return available; }
    bool open() override
    {
        ++opens;
        opened = available;
        return opened;
    }
    void close() override { opened = false; }
    bool isOpen() const override { return opened; }
    void play(double frequency) override { played.push_back(frequency); }
    void silence() override { played.push_back(0.0); }
    void tick() override { ++ticks; }
};

struct Heard
{
    OrbelView view { Rect { { 0.0f, 0.0f }, { 640.0f, 480.0f } } };
    SoundController sound;
    RecordingOutput *output;

    explicit Heard(int function, bool available = true)
    {
        auto recording = std::make_unique<RecordingOutput>();
        recording->available = available;
        output = recording.get();
        sound.setOutput(std::move(recording));
        sound.setOrbelView(&view);
        sound.setFunction(function);
    }
};

// Storage as a previous run would have left it; the store forgets what it held.
void store(const QVariantMap &values)
{
    {
        QSettings settings;
        settings.clear();
        for (auto it = values.begin(); it != values.end(); ++it)
            settings.setValue(it.key(), it.value());
        settings.sync();
    }
    platform::Preferences::reset();
}

} // namespace

class TestSound : public QObject
{
    Q_OBJECT

private slots:
    void toneHasThePitchAskedFor_data()
    {
        QTest::addColumn<double>("frequency");
        QTest::newRow("220 Hz, the bottom of the range") << 220.0;
        QTest::newRow("440 Hz, a value of 0") << 440.0;
        QTest::newRow("880 Hz, the top of the range") << 880.0;
        QTest::newRow("622 Hz, the sine of pi over 4") << 440.0 * std::sqrt(2.0);
    }
    void toneHasThePitchAskedFor()
    {
        QFETCH(double, frequency);
        platform::ToneSynth synth;
        synth.play(frequency);
        const auto samples = render(synth, 0.5);
        const double heard = zeroCrossingFrequency(samples);
        QVERIFY2(std::fabs(heard - frequency) < 0.002 * frequency,
                 qPrintable(QString::number(heard)));
        // Heard at once: within its first 10 ms the tone is already well up.
        QVERIFY(peak(samples, 0, rate / 100) > 3000);
    }

    void pitchGlidesWithoutAJump_data()
    {
        QTest::addColumn<double>("from");
        QTest::addColumn<double>("to");
        QTest::newRow("an octave up") << 440.0 << 880.0;
        QTest::newRow("two octaves down") << 880.0 << 220.0;
        QTest::newRow("a small step, as in a drag") << 440.0 << 452.0;
    }
    void pitchGlidesWithoutAJump()
    {
        QFETCH(double, from);
        QFETCH(double, to);
        platform::ToneSynth synth;
        synth.play(std::max(from, to));
        const int steadyStep = largestStep(render(synth, 0.1));
        platform::ToneSynth gliding;
        gliding.play(from);
        std::vector<std::int16_t> samples = render(gliding, 0.1);
        gliding.play(to);
        const auto after = render(gliding, 0.3);
        samples.insert(samples.end(), after.begin(), after.end());
        // A restarted phase or a jump of level would step further than the higher tone ever does.
        QVERIFY2(largestStep(samples) <= steadyStep + 2,
                 qPrintable(QStringLiteral("%1 > %2").arg(largestStep(samples)).arg(steadyStep)));
        // The glide ends on the new pitch.
        const std::vector<std::int16_t> settled(after.end() - rate / 10, after.end());
        QVERIFY(std::fabs(zeroCrossingFrequency(settled) - to) < 0.005 * to);
    }

    void toneHoldsThenFadesOut()
    {
        platform::ToneSynth synth;
        synth.play(440.0);
        const auto samples = render(synth, 1.0);
        const size_t hold = size_t(platform::ToneSynth::holdSeconds * rate);
        const size_t end = size_t(
            (platform::ToneSynth::holdSeconds + platform::ToneSynth::fadeOutSeconds) * rate);
        QVERIFY(peak(samples, hold - rate / 10, hold) > 6000);
        // Fading: softer half-way through, then nothing at all.
        QVERIFY(peak(samples, (hold + end) / 2, (hold + end) / 2 + rate / 100)
                < peak(samples, hold - rate / 10, hold));
        QCOMPARE(peak(samples, end + 1), 0);
        QVERIFY(largestStep(samples) < 2000);
        QVERIFY(!synth.isSounding());
    }

    void aChangeRestartsTheHold()
    {
        platform::ToneSynth synth;
        synth.play(440.0);
        render(synth, 0.6);
        synth.play(500.0);
        const auto samples = render(synth, 0.6);
        QVERIFY(peak(samples, samples.size() - rate / 20) > 6000);
    }

    void silenceFadesQuicklyWithoutAClick()
    {
        platform::ToneSynth synth;
        synth.play(880.0);
        const int steadyStep = largestStep(render(synth, 0.1));
        synth.silence();
        const auto samples = render(synth, 0.1);
        QVERIFY(largestStep(samples) <= steadyStep + 2);
        QCOMPARE(peak(samples, rate / 50), 0);
        QVERIFY(!synth.isSounding());
        // The next change sounds at its own pitch, not gliding from the old one.
        synth.play(220.0);
        QVERIFY(std::fabs(synth.frequency() - 220.0) < 1e-9);
    }

    void tickIsShortAndSoft()
    {
        platform::ToneSynth synth;
        synth.tick();
        const auto samples = render(synth, 0.1);
        QVERIFY(peak(samples) > 1000);
        QVERIFY(peak(samples) < 32767 / 6);
        QCOMPARE(peak(samples, rate / 20), 0);
    }

    void pitchFollowsTheFunction_data()
    {
        QTest::addColumn<int>("function");
        QTest::addColumn<double>("theta");
        QTest::addColumn<double>("frequency"); // 0: silence

        const double root2 = std::sqrt(2.0);
        QTest::newRow("sine at 0") << 1 << 0.0 << 440.0;
        QTest::newRow("sine at pi over 2") << 1 << pi / 2 << 880.0;
        QTest::newRow("sine at minus pi over 2") << 1 << -pi / 2 << 220.0;
        QTest::newRow("sine at pi over 6") << 1 << pi / 6 << 440.0 * root2;
        QTest::newRow("sine a whole turn on") << 1 << 2 * pi << 440.0;
        QTest::newRow("cosine at 0") << 2 << 0.0 << 880.0;
        QTest::newRow("cosine at pi") << 2 << pi << 220.0;
        QTest::newRow("cosine at pi over 3") << 2 << pi / 3 << 440.0 * root2;
        QTest::newRow("tangent at pi over 4, halved") << 3 << pi / 4 << 440.0 * root2;
        QTest::newRow("tangent at minus pi over 4") << 3 << -pi / 4 << 440.0 / root2;
        QTest::newRow("tangent undefined at pi over 2") << 3 << pi / 2 << 0.0;
        QTest::newRow("tangent undefined at minus 3 pi over 2") << 3 << -3 * pi / 2 << 0.0;
        QTest::newRow("tangent at 1.4 clamped to 2") << 3 << 1.4 << 880.0;
        QTest::newRow("tangent at 1.74 clamped to minus 2") << 3 << 1.74 << 220.0;
        QTest::newRow("sound off") << 0 << 0.5 << 0.0;
    }
    void pitchFollowsTheFunction()
    {
        QFETCH(int, function);
        QFETCH(double, theta);
        QFETCH(double, frequency);
        // Read from the view as it holds the angle, after its snapping.
        OrbelView view(Rect { { 0.0f, 0.0f }, { 640.0f, 480.0f } });
        view.setTheta(float(theta));
        const std::optional<double> pitch
            = SoundController::pitchFor(function, view.currentPoint());
        if (frequency == 0.0) {
            QVERIFY(!pitch);
            return;
        }
        QVERIFY(pitch);
        QVERIFY2(std::fabs(*pitch - frequency) < 1e-4 * frequency,
                 qPrintable(QString::number(*pitch)));
    }

    void everyChangeSoundsAndStandardAnglesTick()
    {
        Heard heard(SoundController::Sine);
        QVERIFY(heard.output->isOpen());
        heard.view.setTheta(0.3f); // not a standard angle
        QCOMPARE(heard.output->ticks, 0);
        heard.view.setTheta(0.5f); // snaps to pi over 6
        QCOMPARE(heard.output->ticks, 1);
        heard.view.setTheta(0.52f); // still pi over 6: no new tick
        QCOMPARE(heard.output->ticks, 1);
        QTest::keyClick(&heard.view, Qt::Key_PageUp); // pi over 4
        QCOMPARE(heard.output->ticks, 2);
        QTest::keyClick(&heard.view, Qt::Key_Right); // 50 degrees
        QCOMPARE(heard.output->ticks, 2);
        QCOMPARE(int(heard.output->played.size()), 5);
        QVERIFY(std::fabs(heard.output->played.back() - 440.0 * std::exp2(std::sin(50 * pi / 180)))
                < 0.01);
    }

    void undefinedTangentIsSilence()
    {
        Heard heard(SoundController::Tangent);
        heard.view.setTheta(float(pi / 2));
        QCOMPARE(heard.output->played, std::vector<double> { 0.0 });
        QCOMPARE(heard.output->ticks, 1);
    }

    void soundOffPlaysNothing()
    {
        Heard heard(SoundController::Off);
        heard.view.setTheta(1.0f);
        QTest::keyClick(&heard.view, Qt::Key_PageUp);
        QVERIFY(heard.output->played.empty());
        QCOMPARE(heard.output->opens, 0);
    }

    void noSoundServerLeavesTheProgramSilent()
    {
        Heard heard(SoundController::Sine, false);
        QSignalSpy unavailable(&heard.sound, &SoundController::availabilityChanged);
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(&heard.view, Qt::Key_Right);
        QVERIFY(heard.output->played.empty());
        // It asked once when sound was turned on, and does not ask at every change.
        QCOMPARE(heard.output->opens, 1);
        QCOMPARE(heard.view.displayTheta(), QStringLiteral("0.44"));
        QCOMPARE(unavailable.count(), 0);
        QVERIFY(!heard.sound.isAvailable());
    }

    void oneTurnEndsWhereItStarted_data()
    {
        QTest::addColumn<float>("start");
        QTest::newRow("from 0") << 0.0f;
        QTest::newRow("from a decimal angle") << 1.2f;
        QTest::newRow("from minus pi over 2") << float(-pi / 2);
        QTest::newRow("from 5.0, beyond a half turn") << 5.0f;
    }
    void oneTurnEndsWhereItStarted()
    {
        QFETCH(float, start);
        Heard heard(SoundController::Off);
        heard.view.setTheta(start);
        const float before = heard.view.theta();
        const QString label = heard.view.displayTheta();
        heard.sound.sweep().setDuration(500);

        // Counter-clockwise all the way: every step turns the point on by a little.
        std::vector<Point> points;
        connect(&heard.view, &OrbelView::thetaChanged, &heard.sound,
                [&] { points.push_back(heard.view.currentPoint()); });
        QSignalSpy finished(&heard.sound.sweep(), &TurnSweep::finished);
        heard.sound.listenToOneTurn();
        QVERIFY(heard.sound.sweep().isRunning());
        QVERIFY(finished.wait(3000));
        double turned = 0.0;
        for (size_t i = 1; i + 1 < points.size(); ++i) {
            const double step = std::remainder(std::atan2(points[i].y, points[i].x)
                                                   - std::atan2(points[i - 1].y, points[i - 1].x),
                                               2 * pi);
            QVERIFY2(step >= -1e-6, qPrintable(QString::number(step)));
            turned += step;
        }
        QVERIFY2(turned > 2 * pi - 0.6, qPrintable(QString::number(turned)));
        COMPARE_BITS(heard.view.theta(), before);
        QCOMPARE(heard.view.displayTheta(), label);

        // With sound off the turn sounded the sine, and the stream closes once it is over.
        QVERIFY(heard.output->played.size() > 5);
        QVERIFY(*std::max_element(heard.output->played.begin(), heard.output->played.end())
                > 870.0);
        QTRY_VERIFY_WITH_TIMEOUT(!heard.output->isOpen(), 3000);
    }

    // A screen reader hands the keys of the chord on late, and a modifier alone is no key: only
    // a real key or a press stops the turn.
    void aRealKeyOrPressStopsTheTurn_data()
    {
        QTest::addColumn<int>("key"); // 0: a press of the mouse beside the circle
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("stops");
        QTest::newRow("Escape") << int(Qt::Key_Escape) << int(Qt::NoModifier) << true;
        QTest::newRow("a letter") << int(Qt::Key_A) << int(Qt::NoModifier) << true;
        QTest::newRow("another chord with Control")
            << int(Qt::Key_A) << int(Qt::ControlModifier) << true;
        QTest::newRow("a press beside the circle") << 0 << int(Qt::NoModifier) << true;
        QTest::newRow("Control alone") << int(Qt::Key_Control) << int(Qt::ControlModifier) << false;
        QTest::newRow("Shift alone") << int(Qt::Key_Shift) << int(Qt::ShiftModifier) << false;
        QTest::newRow("Alt alone") << int(Qt::Key_Alt) << int(Qt::AltModifier) << false;
        QTest::newRow("the shortcut's chord again")
            << int(Qt::Key_L) << int(Qt::ControlModifier) << false;
        QTest::newRow("the shortcut's letter, its Control already released")
            << int(Qt::Key_L) << int(Qt::NoModifier) << false;
    }
    void aRealKeyOrPressStopsTheTurn()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, stops);
        Heard heard(SoundController::Cosine);
        heard.sound.sweep().setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
        heard.view.setTheta(float(pi / 3));
        const float before = heard.view.theta();
        heard.sound.listenToOneTurn();
        QVERIFY(heard.view.accessibleUpdatesPaused());
        QTest::qWait(300);
        QVERIFY(heard.sound.sweep().isRunning());
        QVERIFY(heard.view.theta() != before);
        if (key)
            QTest::keyPress(&heard.view, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        else
            QTest::mouseClick(&heard.view, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(heard.sound.sweep().isRunning(), !stops);
        if (stops) {
            COMPARE_BITS(heard.view.theta(), before);
        } else {
            QVERIFY(heard.view.theta() != before);
            heard.sound.sweep().stop();
        }
        // Stopped, the view tells every change again.
        QVERIFY(!heard.view.accessibleUpdatesPaused());
        // Sound stays on after a turn with sound on.
        QTest::qWait(50);
        QVERIFY(heard.output->isOpen());
    }

    void soundChoiceIsStored_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<int>("function");
        QTest::newRow("absent is off") << QVariant() << 0;
        QTest::newRow("1 is the sine") << QVariant(1) << 1;
        QTest::newRow("2 is the cosine") << QVariant(2) << 2;
        QTest::newRow("3 is the tangent") << QVariant(3) << 3;
        QTest::newRow("4 is unknown, so off") << QVariant(4) << 0;
        QTest::newRow("-1 is off") << QVariant(-1) << 0;
        QTest::newRow("garbage is off") << QVariant(QStringLiteral("loud")) << 0;
    }
    void soundChoiceIsStored()
    {
        QFETCH(QVariant, stored);
        QFETCH(int, function);
        store(stored.isValid() ? QVariantMap { { QStringLiteral("prefs_sound"), stored } }
                               : QVariantMap {});
        MainWindow window;
        Controller controller;
        bindController(controller, window);
        auto recording = std::make_unique<RecordingOutput>();
        RecordingOutput *output = recording.get();
        window.soundController()->setOutput(std::move(recording));
        controller.awakeFromNib();
        // Restoring is no change of the angle: nothing sounds at start-up.
        QVERIFY(output->played.empty());
        QCOMPARE(window.soundController()->function(), function);
        QVERIFY(window.sound()->checkedAction());
        QCOMPARE(window.sound()->checkedAction()->data().toInt(), function);
        QCOMPARE(output->isOpen(), function != 0);

        // The user's choice reaches the sound and the store.
        QAction *tangent = window.sound()->actions().at(3);
        tangent->trigger();
        QCOMPARE(window.soundController()->function(), 3);
        QCOMPARE(platform::Preferences::standard().integerForKey(QStringLiteral("prefs_sound")), 3);
        window.sound()->actions().at(0)->trigger();
        QCOMPARE(window.soundController()->function(), 0);
        QCOMPARE(platform::Preferences::standard().integerForKey(QStringLiteral("prefs_sound")), 0);
    }

    void realOutputWithoutAServerIsUnavailable()
    {
        // CTest points the suite at a sound server that is not there.
        if (!qEnvironmentVariable("PULSE_SERVER").contains(QLatin1String("nowhere")))
            QSKIP("only where no sound server can be reached");
        platform::ToneOutput output;
        QVERIFY(!output.isAvailable());
        QVERIFY(!output.open());
        QVERIFY(!output.isOpen());
        output.play(440.0); // and nothing breaks
        output.close();
    }

    void menuSaysWhenThereIsNoSound()
    {
        store({});
        MainWindow window;
        Controller controller;
        bindController(controller, window);
        auto recording = std::make_unique<RecordingOutput>();
        recording->available = false;
        window.soundController()->setOutput(std::move(recording));
        controller.awakeFromNib();
        QMenu *menu = window.soundMenu();
        QVERIFY(!window.soundUnavailableAction()->isVisible());
        emit menu->aboutToShow();
        QVERIFY(window.soundUnavailableAction()->isVisible());
        QVERIFY(!window.soundUnavailableAction()->isEnabled());
        // Nothing to choose while nothing can be heard; the turn still runs, silently.
        for (QAction *choice : window.sound()->actions())
            QVERIFY(!choice->isEnabled());
        QVERIFY(window.listenAction()->isEnabled());
        QCOMPARE(window.listenAction()->shortcut(), QKeySequence(QStringLiteral("Ctrl+L")));
    }

    // The server goes while the tone plays (or is not there when sound is turned on) and comes
    // back later: the menu says so meanwhile, the stored choice stays, and the tone comes back
    // by itself, without the choice being made again.
    void toneComesBackWithItsServer_data()
    {
        QTest::addColumn<bool>("thereAtFirst");
        QTest::newRow("lost while playing") << true;
        QTest::newRow("not there when sound was turned on") << false;
    }
    void toneComesBackWithItsServer()
    {
        QFETCH(bool, thereAtFirst);
        store({ { QStringLiteral("prefs_sound"), 2 } });
        MainWindow window;
        Controller controller;
        bindController(controller, window);
        auto recording = std::make_unique<RecordingOutput>();
        RecordingOutput *output = recording.get();
        output->available = thereAtFirst;
        window.soundController()->setOutput(std::move(recording));
        controller.awakeFromNib();
        OrbelView &view = *window.orbelView();
        QCOMPARE(output->opened, thereAtFirst);

        if (thereAtFirst) {
            QTest::keyClick(&view, Qt::Key_Right);
            QCOMPARE(int(output->played.size()), 1);
            output->available = false;
            output->opened = false;
            emit output->streamLost();
        }
        QVERIFY(!window.soundController()->isAvailable());
        QVERIFY(window.soundUnavailableAction()->isVisible());
        QVERIFY(!window.sound()->checkedAction()->isEnabled());
        const size_t before = output->played.size();
        QTest::keyClick(&view, Qt::Key_Right);
        QCOMPARE(output->played.size(), before);

        // Tried again and again while it is away, never at each change of the angle.
        const int opens = output->opens;
        QTest::qWait(SoundController::firstRetryMs + SoundController::longestRetryMs + 200);
        QVERIFY(output->opens > opens);
        QVERIFY(window.soundController()->isRetrying());

        output->available = true;
        QTRY_VERIFY_WITH_TIMEOUT(window.soundController()->isAvailable(),
                                 SoundController::longestRetryMs + 500);
        QVERIFY(!window.soundUnavailableAction()->isVisible());
        QCOMPARE(window.sound()->checkedAction()->data().toInt(), int(SoundController::Cosine));
        QVERIFY(window.sound()->checkedAction()->isEnabled());
        QTest::keyClick(&view, Qt::Key_Home);
        QCOMPARE(output->played.back(), 880.0);
        QCOMPARE(platform::Preferences::standard().integerForKey(QStringLiteral("prefs_sound")), 2);
    }
};

UNITCIRCLE_TEST_MAIN_WITH_PREFERENCES(TestSound)
#include "tst_sound.moc"
