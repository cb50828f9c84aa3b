// The tone that the program plays through the desktop's sound server: a synthesiser of 16-bit
// mono PCM at 48 kHz (ToneSynth), and the stream (ToneOutput) that keeps it playing while sound
// is wanted.
#pragma once

#include <QObject>

#include <cstdint>
#include <memory>

namespace platform {

// A phase-continuous tone whose pitch glides to each new frequency, held for a while after the
// last change and then faded out, with a soft tick mixed in on request. Everything it does is
// counted in samples, so what it renders depends only on the calls and not on the clock.
class ToneSynth
{
public:
    static constexpr int sampleRate = 48000;
    // The tone sounds on this long after the last play(), then fades out over fadeOutSeconds.
    static constexpr double holdSeconds = 0.7;
    static constexpr double fadeOutSeconds = 0.1;

    // Sounds the tone at frequency (Hz), gliding there from the pitch that sounds now, or
    // starting at it when the tone is silent; restarts the hold time.
    void play(double frequency);
    // Fades the tone out at once (where the function has no value); the pitch is kept.
    void silence();
    // A short, soft click on top of the tone.
    void tick();

    void render(std::int16_t *samples, std::int64_t count);

    // Whether anything would be heard in the next samples.
    bool isSounding() const;
    // The pitch now sounding, and the one it glides to.
    double frequency() const { return m_frequency; }
    double targetFrequency() const { return m_target; }

private:
    // The oscillator's phase as a point on the unit circle, turned on by one sample's step: the
    // step is recomputed every few samples from the gliding pitch, so sine and cosine are not
    // evaluated per sample.
    double m_cos = 1.0;
    double m_sin = 0.0;
    double m_stepCos = 1.0;
    double m_stepSin = 0.0;
    int m_untilStep = 0;
    double m_frequency = 440.0;
    double m_target = 440.0;
    double m_gain = 0.0;
    double m_targetGain = 0.0;
    double m_gainStep = 0.0;
    std::int64_t m_sinceChange = 0;
    bool m_holding = false;
    double m_tickPhase = 0.0;
    double m_tickLevel = 0.0;
};

// The tone through the desktop's sound server (PulseAudio, or PipeWire in its place). open()
// connects a playback stream and starts a thread that renders the synthesiser into it, about
// 50 ms ahead; the event loop never waits on the server. A server that goes away ends the stream
// (streamLost), and a later open() connects afresh to whatever server is there then: each
// stream is a connection of its own, so a restarted server is found again without a restart of
// the program.
class ToneOutput : public QObject
{
    Q_OBJECT

public:
    explicit ToneOutput(QObject *parent = nullptr);
    ~ToneOutput() override;

    // Whether a sound server answers: true while a stream is open, otherwise asked (at most
    // once a second).
    virtual bool isAvailable() const;
    // Connects the stream; false, and nothing started, when there is nowhere to play it.
    virtual bool open();
    virtual void close();
    virtual bool isOpen() const;

    virtual void play(double frequency);
    virtual void silence();
    virtual void tick();

    // The synthesiser; while a stream is open, its thread renders from it too, so every call
    // from here takes the lock that the thread takes.
    ToneSynth &synth();

    struct Stream;
    struct Worker;

signals:
    // The desktop's outputs changed.
    void availabilityChanged();
    // The open stream failed (its server quit or restarted) and is closed: open() again later.
    void streamLost();

private:
    std::shared_ptr<Stream> m_stream;
    // The thread of the open stream, or null.
    std::shared_ptr<Worker> m_worker;
    mutable qint64 m_probedAt = -1;
    mutable bool m_probed = false;
};

} // namespace platform
