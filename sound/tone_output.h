// The tone that the program plays through the desktop's sound server: a synthesiser of 16-bit
// mono PCM at 48 kHz (ToneSynth), the QIODevice that Qt's audio sink pulls it from, and the thin
// adapter over QAudioSink (ToneOutput) that keeps the stream open while sound is wanted.
#pragma once

#include <QIODevice>
#include <QObject>

#include <cstdint>
#include <memory>

class QAudioSink;
class QMediaDevices;

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

// What Qt's audio sink reads: an endless stream rendered by the synthesiser as it is pulled.
class ToneGenerator : public QIODevice
{
    Q_OBJECT

public:
    explicit ToneGenerator(ToneSynth &synth, QObject *parent = nullptr);

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    ToneSynth &m_synth;
};

// The tone through the default audio output. open() starts Qt's sink in pull mode (Qt's audio
// backend then pulls the samples as it needs them, never blocking the event loop); with no
// device or no sound server it fails and the program stays silent.
class ToneOutput : public QObject
{
    Q_OBJECT

public:
    explicit ToneOutput(QObject *parent = nullptr);
    ~ToneOutput() override;

    // Whether the desktop offers an audio output at all (asks the sound server).
    virtual bool isAvailable() const;
    // Starts the stream; false, and nothing started, when there is nowhere to play it.
    virtual bool open();
    virtual void close();
    virtual bool isOpen() const;

    virtual void play(double frequency);
    virtual void silence();
    virtual void tick();

    ToneSynth &synth() { return m_synth; }

signals:
    // The sink failed or the outputs changed: the menu says so.
    void availabilityChanged();

private:
    void sinkStateChanged();

    ToneSynth m_synth;
    ToneGenerator m_generator;
    std::unique_ptr<QAudioSink> m_sink;
    mutable QMediaDevices *m_devices = nullptr;
};

} // namespace platform
