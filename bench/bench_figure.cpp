// The figure's costs: one drawing pass into an image with every option on (θ = π∕6, so the
// surds are drawn), as the window makes it and as export makes it, beside the floor of the same
// image only filled white; process for one pointer position; and a press, drags and a release
// delivered as Qt events, each repainted, with and without the graph and with sound on and off.
#include "graph/graph_view.h"
#include "platform/graphics.h"
#include "sound/sound_controller.h"
#include "sound/tone_output.h"
#include "view/orbel_view.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPointingDevice>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <cmath>
#include <functional>

namespace {

constexpr double pi = 3.141592653589793;

// Arguments: width, height, pixel ratio.
void sizes(benchmark::internal::Benchmark *b)
{
    b->Args({ 300, 240, 1 })
        ->Args({ 640, 480, 1 })
        ->Args({ 640, 480, 2 })
        ->Args({ 1920, 1080, 1 })
        ->Args({ 3840, 2160, 1 });
    b->ArgNames({ "w", "h", "dpr" })->Unit(benchmark::kMicrosecond);
}

QImage imageFor(const benchmark::State &state)
{
    const int dpr = int(state.range(2));
    QImage image(int(state.range(0)) * dpr, int(state.range(1)) * dpr,
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    return image;
}

// The pass as the window makes it (the still parts copied from their picture where the size
// allows), and as export makes it, every part drawn.
void drawingPass(benchmark::State &state, bool onScreen)
{
    OrbelView view(Rect { { 0.0f, 0.0f }, { float(state.range(0)), float(state.range(1)) } });
    view.setStandardAngles(true);
    view.setSinCos(true);
    view.setTheta(float(pi / 6.0));
    QImage image = imageFor(state);
    for (auto _ : state) {
        QPainter painter(&image);
        Graphics g(painter, view.coordinates(), true);
        if (onScreen)
            view.drawScreenPass(g);
        else
            view.drawRect(g);
    }
    benchmark::DoNotOptimize(image.constBits());
}
BENCHMARK_CAPTURE(drawingPass, onScreen, true)->Apply(sizes);
BENCHMARK_CAPTURE(drawingPass, drawnWhole, false)
    ->Args({ 640, 480, 1 })
    ->Args({ 3840, 2160, 1 })
    ->ArgNames({ "w", "h", "dpr" })
    ->Unit(benchmark::kMicrosecond);

void whiteFill(benchmark::State &state)
{
    QImage image = imageFor(state);
    const QRectF all(0, 0, double(state.range(0)), double(state.range(1)));
    for (auto _ : state) {
        QPainter painter(&image);
        painter.fillRect(all, Qt::white);
    }
    benchmark::DoNotOptimize(image.constBits());
}
BENCHMARK(whiteFill)->Apply(sizes);

void process(benchmark::State &state)
{
    OrbelView view(Rect { { 0.0f, 0.0f }, { 640.0f, 480.0f } });
    view.setOrigin();
    // Two positions a decimal angle apart, so that every call names a new angle.
    const Point a { 160.0f * std::cos(1.2f), 160.0f * std::sin(1.2f) };
    const Point b { 160.0f * std::cos(1.3f), 160.0f * std::sin(1.3f) };
    bool flip = false;
    for (auto _ : state) {
        view.process(flip ? a : b);
        flip = !flip;
        benchmark::DoNotOptimize(view.currentPoint());
    }
    state.SetLabel("one pointer position, decimal label");
}
BENCHMARK(process);

void send(QWidget &widget, QEvent::Type type, QPointF at)
{
    const Qt::MouseButtons buttons
        = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, widget.mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier,
                      QPointingDevice::primaryPointingDevice());
    QApplication::sendEvent(&widget, &event);
}

void waitUntilExposed(QWidget &window)
{
    // Before that a repaint paints nothing.
    for (int i = 0; i < 100 && !window.windowHandle()->isExposed(); ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    window.repaint();
}

// One press on the circle of a 640 x 480 view, ten drags along it and the release, each
// followed by repaint.
void drag(benchmark::State &state, OrbelView &view, const std::function<void()> &repaint)
{
    const auto at = [](double angle) {
        return QPointF(320.0 + 160.0 * std::cos(angle), 240.0 - 160.0 * std::sin(angle));
    };
    for (auto _ : state) {
        send(view, QEvent::MouseButtonPress, at(0.3));
        if (!view.canDrag()) {
            state.SkipWithError("the press did not grab the point");
            break;
        }
        repaint();
        for (int i = 1; i <= 10; ++i) {
            send(view, QEvent::MouseMove, at(0.3 + 0.11 * i));
            repaint();
        }
        send(view, QEvent::MouseButtonRelease, at(1.4));
        repaint();
    }
}

// The drag in a shown 640 x 480 window with every option on, each event followed by the repaint
// it asked for.
void dragSequence(benchmark::State &state)
{
    OrbelView view(Rect { { 0.0f, 0.0f }, { 640.0f, 480.0f } });
    view.setStandardAngles(true);
    view.setSinCos(true);
    view.show();
    waitUntilExposed(view);
    drag(state, view, [&view] { view.repaint(); });
    state.SetLabel("press, 10 drags, release; 12 repaints");
    state.SetItemsProcessed(state.iterations() * 12);
}
BENCHMARK(dragSequence)->Unit(benchmark::kMillisecond);

// The graph at 640 x 240 with its three curves, at π∕6: a pass as the screen makes it (the parts
// that do not move come from the picture the graph keeps), and one drawn whole, as an export is.
void graphPass(benchmark::State &state)
{
    OrbelView view(Rect { { 0.0f, 0.0f }, { 640.0f, 480.0f } });
    view.setTheta(float(pi / 6.0));
    GraphView graph;
    graph.resize(640, 240);
    graph.setOrbelView(&view);
    graph.setShowsCurve(GraphView::Tangent, true);
    const bool onScreen = state.range(0) != 0;
    QImage image(640, 240, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        graph.draw(painter, QSizeF(640, 240), onScreen);
    }
    benchmark::DoNotOptimize(image.constBits());
    state.SetLabel(onScreen ? "as on screen" : "drawn whole, as exported");
}
BENCHMARK(graphPass)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

// The drag of dragSequence with the graph below the circle, both repainted after every event.
void dragSequenceWithGraph(benchmark::State &state)
{
    QWidget window;
    auto *view = new OrbelView(&window);
    view->setGeometry(0, 0, 640, 480);
    view->setStandardAngles(true);
    view->setSinCos(true);
    auto *graph = new GraphView(&window);
    graph->setGeometry(0, 480, 640, 240);
    graph->setOrbelView(view);
    graph->setShowsCurve(GraphView::Tangent, true);
    window.resize(640, 720);
    window.show();
    waitUntilExposed(window);
    drag(state, *view, [view, graph] {
        view->repaint();
        graph->repaint();
    });
    state.SetLabel("press, 10 drags, release; 12 repaints of each view");
}
BENCHMARK(dragSequenceWithGraph)->Unit(benchmark::kMillisecond);

// The tone rendered as the audio backend would pull it, without a device: what sound costs is
// the controller's work on each change and the samples for the time the change stands for.
class RenderedOutput : public platform::ToneOutput
{
public:
    bool isAvailable() const override { return true; }
    bool open() override { return true; }
    void close() override { }
    bool isOpen() const override { return true; }
};

// The drag of dragSequence with sound on (the sine) or off; after each event one frame's worth
// of samples (1/60 s) is rendered, as the sink pulls them while the user drags.
void dragSequenceSound(benchmark::State &state)
{
    const bool on = state.range(0) != 0;
    OrbelView view(Rect { { 0.0f, 0.0f }, { 640.0f, 480.0f } });
    view.setStandardAngles(true);
    view.setSinCos(true);
    SoundController sound;
    auto output = std::make_unique<RenderedOutput>();
    platform::ToneSynth &synth = output->synth();
    sound.setOutput(std::move(output));
    sound.setOrbelView(&view);
    sound.setFunction(on ? SoundController::Sine : SoundController::Off);
    view.show();
    waitUntilExposed(view);
    std::vector<std::int16_t> frame(platform::ToneSynth::sampleRate / 60);
    drag(state, view, [&] {
        view.repaint();
        if (on)
            synth.render(frame.data(), std::int64_t(frame.size()));
    });
    benchmark::DoNotOptimize(frame.data());
    state.SetLabel(on ? "sound on: press, 10 drags, release; 12 repaints, 12 frames of samples"
                      : "sound off: press, 10 drags, release; 12 repaints");
}
// One frame's worth of the tone (1/60 s at 48 kHz) while its pitch glides, as the sink pulls it.
void toneFrame(benchmark::State &state)
{
    platform::ToneSynth synth;
    std::vector<std::int16_t> frame(platform::ToneSynth::sampleRate / 60);
    bool up = false;
    for (auto _ : state) {
        synth.play(up ? 880.0 : 440.0);
        up = !up;
        synth.render(frame.data(), std::int64_t(frame.size()));
        benchmark::DoNotOptimize(frame.data());
    }
    state.SetLabel("800 samples, gliding");
}
BENCHMARK(toneFrame)->Unit(benchmark::kMicrosecond);

BENCHMARK(dragSequenceSound)->ArgName("sound")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The surd texts log a line on every pass; a terminal's speed is not the figure's.
    if (qEnvironmentVariableIsEmpty("QT_LOGGING_RULES"))
        qputenv("QT_LOGGING_RULES", "unitcircle.surd=false");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
