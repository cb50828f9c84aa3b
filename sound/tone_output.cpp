// The synthesis of the tone, sample by sample, and the audio sink that plays it.
#include "sound/tone_output.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

#include <algorithm>
#include <cmath>
#include <cstring>

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

// The quality of a stream that Qt's backend reads in small pieces: about 50 ms queued, so that a
// change is heard almost at once and a busy moment of the event loop does not starve the sound.
constexpr int bufferMilliseconds = 100;

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

ToneGenerator::ToneGenerator(ToneSynth &synth, QObject *parent)
    : QIODevice(parent)
    , m_synth(synth)
{ }

qint64 ToneGenerator::bytesAvailable() const
{
    // Endless: as much as anyone asks for.
    return qint64(ToneSynth::sampleRate) * 2 + QIODevice::bytesAvailable();
}

qint64 ToneGenerator::readData(char *data, qint64 maxSize)
{
    // Whole samples only; the buffer Qt hands over need not be aligned for them.
    std::int16_t block[512];
    qint64 written = 0;
    const qint64 wanted = maxSize - maxSize % 2;
    while (written < wanted) {
        const qint64 n = std::min<qint64>(qint64(std::size(block)), (wanted - written) / 2);
        m_synth.render(block, n);
        std::memcpy(data + written, block, size_t(n) * 2);
        written += n * 2;
    }
    return written;
}

ToneOutput::ToneOutput(QObject *parent)
    : QObject(parent)
    , m_generator(m_synth)
{ }

ToneOutput::~ToneOutput()
{
    close();
}

bool ToneOutput::isAvailable() const
{
    if (!m_devices) {
        // Hears of outputs coming and going (a headset plugged in, the server restarted).
        m_devices = new QMediaDevices(const_cast<ToneOutput *>(this));
        connect(m_devices, &QMediaDevices::audioOutputsChanged, this,
                &ToneOutput::availabilityChanged);
    }
    return !QMediaDevices::defaultAudioOutput().isNull();
}

bool ToneOutput::open()
{
    if (m_sink)
        return true;
    if (!isAvailable())
        return false;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    QAudioFormat format;
    format.setSampleRate(ToneSynth::sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format))
        return false;
    m_sink = std::make_unique<QAudioSink>(device, format);
    m_sink->setBufferSize(format.bytesForDuration(bufferMilliseconds * 1000));
    connect(m_sink.get(), &QAudioSink::stateChanged, this, &ToneOutput::sinkStateChanged);
    if (!m_generator.isOpen())
        m_generator.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    m_sink->start(&m_generator);
    if (m_sink->error() != QAudio::NoError) {
        m_sink.reset();
        return false;
    }
    return true;
}

void ToneOutput::close()
{
    if (!m_sink)
        return;
    m_sink->disconnect(this);
    m_sink->stop();
    m_sink.reset();
}

bool ToneOutput::isOpen() const
{
    return bool(m_sink);
}

void ToneOutput::sinkStateChanged()
{
    // A stream that the server dropped (it quit, the device went away) is not coming back by
    // itself: let it go, so that the next open() tries afresh.
    if (m_sink && m_sink->state() == QAudio::StoppedState && m_sink->error() != QAudio::NoError) {
        m_sink->disconnect(this);
        m_sink.release()->deleteLater();
        emit availabilityChanged();
    }
}

void ToneOutput::play(double frequency)
{
    m_synth.play(frequency);
}

void ToneOutput::silence()
{
    m_synth.silence();
}

void ToneOutput::tick()
{
    m_synth.tick();
}

} // namespace platform
