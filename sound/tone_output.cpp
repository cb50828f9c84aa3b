// The synthesis of the tone, sample by sample, and the stream that plays it.
#include "sound/tone_output.h"

#include <QDateTime>
#include <QLibrary>
#include <QMetaObject>

#include <pulse/simple.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <mutex>
#include <thread>

namespace platform {

namespace {

constexpr double twoPi = 6.283185307179586;
constexpr double rate = ToneSynth::sampleRate;

// Loud enough over a classroom's speakers, with room for the tick on top.
constexpr double toneLevel = 0.3;
constexpr double tickLevel = 0.12;
// A few overtones make the low notes audible on small speakers; the fundamental stays the
// strongest partial, so the pitch heard is the frequency asked for.
constexpr double second = 0.25;
constexpr double third = 0.1;
constexpr double partialsPeak = 1.0 + second + third;

// The glide follows a change of pitch with this time constant: fast enough to track a drag,
// slow enough that a jump of an octave is a swoop rather than a click.
constexpr double glideSeconds = 0.015;
const double glideAlpha = 1.0 - std::exp(-1.0 / (glideSeconds * rate));
// Fades: a tone starts within a few milliseconds, and stops without a click.
constexpr double attackSeconds = 0.005;
constexpr double releaseSeconds = 0.01;
// The tick: a decaying 2 kHz burst of a few milliseconds.
constexpr double tickFrequency = 2000.0;
const double tickDecay = std::exp(-1.0 / (0.004 * rate));
constexpr double inaudible = 1e-4;
// The pitch of the oscillator is updated every this many samples (2/3 ms), far below hearing.
constexpr int stepSamples = 32;

// The stream: rendered in blocks of 10 ms, with about 50 ms queued at the server.
constexpr int blockMilliseconds = 10;
constexpr int queuedMilliseconds = 50;

} // namespace

void ToneSynth::play(double frequency)
{
    if (!std::isfinite(frequency) || frequency <= 0.0) {
        silence();
        return;
    }
    m_target = frequency;
    // From silence the tone starts at its pitch; while it sounds it glides there.
    if (m_gain <= 0.0 && m_targetGain <= 0.0) {
        m_frequency = frequency;
        m_untilStep = 0;
    }
    m_targetGain = 1.0;
    m_gainStep = 1.0 / (attackSeconds * rate);
    m_sinceChange = 0;
    m_holding = true;
}

void ToneSynth::silence()
{
    m_targetGain = 0.0;
    m_gainStep = 1.0 / (releaseSeconds * rate);
    m_holding = false;
}

void ToneSynth::tick()
{
    m_tickLevel = 1.0;
    m_tickPhase = 0.0;
}

bool ToneSynth::isSounding() const
{
    return m_gain > 0.0 || m_targetGain > 0.0 || m_tickLevel > inaudible;
}

void ToneSynth::render(std::int16_t *samples, std::int64_t count)
{
    const std::int64_t hold = std::int64_t(holdSeconds * rate);
    for (std::int64_t i = 0; i < count; ++i) {
        if (m_holding && ++m_sinceChange > hold) {
            m_targetGain = 0.0;
            m_gainStep = 1.0 / (fadeOutSeconds * rate);
            m_holding = false;
        }
        if (m_gain < m_targetGain)
            m_gain = std::min(m_targetGain, m_gain + m_gainStep);
        else if (m_gain > m_targetGain)
            m_gain = std::max(m_targetGain, m_gain - m_gainStep);

        double value = 0.0;
        if (m_gain > 0.0) {
            if (m_frequency != m_target) {
                m_frequency += (m_target - m_frequency) * glideAlpha;
                if (std::fabs(m_target - m_frequency) < 1e-3)
                    m_frequency = m_target;
            }
            if (m_untilStep-- <= 0) {
                m_untilStep = stepSamples - 1;
                const double step = twoPi * m_frequency / rate;
                m_stepCos = std::cos(step);
                m_stepSin = std::sin(step);
                // Rounding would slowly change the oscillator's amplitude: back onto the circle.
                const double norm = 1.0 / std::sqrt(m_cos * m_cos + m_sin * m_sin);
                m_cos *= norm;
                m_sin *= norm;
            }
            // The phase runs on across every change of pitch: no jump, no click.
            const double c0 = m_cos;
            m_cos = c0 * m_stepCos - m_sin * m_stepSin;
            m_sin = m_sin * m_stepCos + c0 * m_stepSin;
            const double s = m_sin;
            const double c = m_cos;
            const double partials = s + second * (2.0 * s * c) + third * s * (3.0 - 4.0 * s * s);
            // An S-shaped envelope: the fades start and end without a corner.
            const double envelope = m_gain * m_gain * (3.0 - 2.0 * m_gain);
            value = toneLevel * envelope * partials / partialsPeak;
        }
        if (m_tickLevel > inaudible) {
            m_tickPhase += tickFrequency / rate;
            value += tickLevel * m_tickLevel * std::sin(twoPi * m_tickPhase);
            m_tickLevel *= tickDecay;
        }
        samples[i] = std::int16_t(std::lround(std::clamp(value, -1.0, 1.0) * 32767.0));
    }
}

// What the output shares with the thread of its stream: the synthesiser, and the output itself
// for as long as it lives, to be told when the stream ends.
struct ToneOutput::Stream
{
    std::mutex mutex;
    ToneSynth synth;
    ToneOutput *owner = nullptr;
};

// One stream's thread: it runs until told to stop or until the server goes.
struct ToneOutput::Worker
{
    std::atomic<bool> running { true };
    std::atomic<bool> done { false };
};

namespace {

// The sound server's client library is opened the first time the tone asks for the server (a
// choice of sound, or the Sound menu asking whether there is one): a run that never sounds does
// not load it, nor the codecs it brings. Without it there is no server, as far as the tone knows.
struct PulseSimple
{
    decltype(&pa_simple_new) newStream = nullptr;
    decltype(&pa_simple_write) write = nullptr;
    decltype(&pa_simple_free) free = nullptr;
};

const PulseSimple *pulseSimple()
{
    static const PulseSimple *const loaded = []() -> const PulseSimple * {
        static QLibrary library(QStringLiteral("pulse-simple"), 0);
        library.setLoadHints(QLibrary::PreventUnloadHint);
        static PulseSimple functions;
        functions.newStream
            = reinterpret_cast<decltype(&pa_simple_new)>(library.resolve("pa_simple_new"));
        functions.write
            = reinterpret_cast<decltype(&pa_simple_write)>(library.resolve("pa_simple_write"));
        functions.free
            = reinterpret_cast<decltype(&pa_simple_free)>(library.resolve("pa_simple_free"));
        if (!functions.newStream || !functions.write || !functions.free) {
            qWarning("No sound: %s", qPrintable(library.errorString()));
            return nullptr;
        }
        return &functions;
    }();
    return loaded;
}

pa_simple *connectStream()
{
    const PulseSimple *pulse = pulseSimple();
    if (!pulse)
        return nullptr;
    pa_sample_spec sample {};
    sample.format = PA_SAMPLE_S16LE;
    sample.rate = ToneSynth::sampleRate;
    sample.channels = 1;
    // A little queued, so that a change is heard almost at once and a busy moment of the
    // machine does not starve the sound; the server asks for more in small pieces.
    const auto bytes = [](int milliseconds) {
        return std::uint32_t(ToneSynth::sampleRate / 1000 * milliseconds * 2);
    };
    pa_buffer_attr buffer {};
    buffer.maxlength = std::uint32_t(-1);
    buffer.tlength = bytes(queuedMilliseconds);
    buffer.prebuf = std::uint32_t(-1);
    buffer.minreq = bytes(blockMilliseconds);
    buffer.fragsize = std::uint32_t(-1);
    int error = 0;
    return pulse->newStream(nullptr, "Unit Circle", PA_STREAM_PLAYBACK, nullptr, "Tone", &sample,
                            nullptr, &buffer, &error);
}

} // namespace

ToneOutput::ToneOutput(QObject *parent)
    : QObject(parent)
    , m_stream(std::make_shared<Stream>())
{
    m_stream->owner = this;
}

ToneOutput::~ToneOutput()
{
    {
        const std::lock_guard<std::mutex> guard(m_stream->mutex);
        m_stream->owner = nullptr;
    }
    close();
}

ToneSynth &ToneOutput::synth()
{
    return m_stream->synth;
}

bool ToneOutput::isAvailable() const
{
    if (isOpen())
        return true;
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (m_probedAt < 0 || now - m_probedAt >= 1000 || now < m_probedAt) {
        pa_simple *probe = connectStream();
        m_probed = probe != nullptr;
        if (probe)
            pulseSimple()->free(probe);
        m_probedAt = now;
    }
    return m_probed;
}

bool ToneOutput::open()
{
    if (isOpen())
        return true;
    pa_simple *connection = connectStream();
    m_probed = connection != nullptr;
    m_probedAt = QDateTime::currentMSecsSinceEpoch();
    if (!connection)
        return false;

    auto worker = std::make_shared<Worker>();
    std::thread([stream = m_stream, worker, connection] {
        std::int16_t block[ToneSynth::sampleRate / 1000 * blockMilliseconds];
        bool lost = false;
        while (worker->running.load()) {
            {
                const std::lock_guard<std::mutex> guard(stream->mutex);
                stream->synth.render(block, std::int64_t(std::size(block)));
            }
            // Waits while the server's queue is full: this is what paces the thread.
            int error = 0;
            if (pulseSimple()->write(connection, block, sizeof block, &error) < 0) {
                lost = true;
                break;
            }
        }
        pulseSimple()->free(connection);
        if (lost) {
            const std::lock_guard<std::mutex> guard(stream->mutex);
            if (ToneOutput *owner = stream->owner; owner && worker->running.load())
                QMetaObject::invokeMethod(
                    owner,
                    [owner, worker] {
                        if (owner->m_worker == worker) {
                            owner->m_worker.reset();
                            emit owner->streamLost();
                        }
                    },
                    Qt::QueuedConnection);
        }
        worker->done.store(true);
    }).detach();
    m_worker = std::move(worker);
    return true;
}

void ToneOutput::close()
{
    if (!m_worker)
        return;
    m_worker->running.store(false);
    // The thread ends after the block it is writing, a few milliseconds; a server that stopped
    // answering is not waited for beyond a moment, and the thread ends on its own when it can.
    for (int waited = 0; waited < 250 && !m_worker->done.load(); waited += 5)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    m_worker.reset();
}

bool ToneOutput::isOpen() const
{
    return bool(m_worker);
}

void ToneOutput::play(double frequency)
{
    const std::lock_guard<std::mutex> guard(m_stream->mutex);
    m_stream->synth.play(frequency);
}

void ToneOutput::silence()
{
    const std::lock_guard<std::mutex> guard(m_stream->mutex);
    m_stream->synth.silence();
}

void ToneOutput::tick()
{
    const std::lock_guard<std::mutex> guard(m_stream->mutex);
    m_stream->synth.tick();
}

} // namespace platform
