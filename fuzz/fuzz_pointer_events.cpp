// A script of pointer events against a view of arbitrary size: presses, drags and releases at
// arbitrary positions (NaN, infinities, signed zeros, subnormals and huge values included), with
// drawing passes in between. Invariants after every event that moves the point: theta lies within
// a hair of [-2π, 2π] (and, after a press, within 6.28 of zero); currentPoint is on the unit circle
// within 1e-6 and in the quadrant of the pointer; the label is not empty and names theta again
// unchanged. An event that does not move the point leaves it bit for bit where it was, and no pass
// hands Qt a coordinate that is not finite.
#include "fuzz_support.h"

#include "platform/beep.h"
#include "platform/graphics.h"
#include "tests/geometry_probe.h"
#include "view/orbel_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointingDevice>

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>

namespace {

constexpr double twoPi = 6.283185307179586;
// Qt's largest widget; larger frames never reach a drawing pass.
constexpr float largestWidget = 16777215.0f;

std::uint32_t bits(float f)
{
    std::uint32_t u;
    std::memcpy(&u, &f, sizeof u);
    return u;
}

float rawFloat(FuzzedDataProvider &input)
{
    float f = 0.0f;
    const std::vector<std::uint8_t> raw = input.ConsumeBytes<std::uint8_t>(sizeof f);
    if (!raw.empty())
        std::memcpy(&f, raw.data(), raw.size());
    return f;
}

struct Snapshot
{
    std::uint32_t theta, x, y;
    QString label;
    bool operator==(const Snapshot &o) const
    {
        return theta == o.theta && x == o.x && y == o.y && label == o.label;
    }
};

Snapshot snapshot(const OrbelView &view)
{
    return Snapshot { bits(view.theta()), bits(view.currentPoint().x), bits(view.currentPoint().y),
                      view.displayTheta() };
}

QByteArray describe(const OrbelView &view, Point p)
{
    return fuzz::format("pointer (%.9g, %.9g): theta %.9g, point (%.9g, %.9g), label \"",
                        double(p.x), double(p.y), double(view.theta()),
                        double(view.currentPoint().x), double(view.currentPoint().y))
        + view.displayTheta().toUtf8() + "\"";
}

void checkMoved(const OrbelView &view, Point p, bool afterPress)
{
    const double theta = view.theta();
    FUZZ_CHECK(std::fabs(theta) <= twoPi + 1e-6, describe(view, p));
    if (afterPress)
        FUZZ_CHECK(std::fabs(theta) <= 6.28, describe(view, p));

    const Point c = view.currentPoint();
    FUZZ_CHECK(std::fabs(double(c.x) * c.x + double(c.y) * c.y - 1.0) <= 1e-6, describe(view, p));
    FUZZ_CHECK(std::signbit(c.x) == std::signbit(p.x) && std::signbit(c.y) == std::signbit(p.y),
               "not in the pointer's quadrant: " + describe(view, p));

    FUZZ_CHECK(!view.displayTheta().isEmpty(), describe(view, p));
    float again = view.theta();
    FUZZ_CHECK(view.normalizeAngle(again) == view.displayTheta()
                   && bits(again) == bits(view.theta()),
               "the label does not name theta: " + describe(view, p));
}

void send(OrbelView &view, QEvent::Type type, QPointF local)
{
    const Qt::MouseButtons buttons
        = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, local, local, Qt::LeftButton, buttons, Qt::NoModifier,
                      QPointingDevice::primaryPointingDevice());
    QApplication::sendEvent(&view, &event);
}

void paint(OrbelView &view)
{
    const Size s = view.frame().size;
    GeometryProbe probe(int(std::fmin(s.width, 4096.0f)), int(std::fmin(s.height, 4096.0f)));
    QPainter painter(&probe);
    {
        Graphics g(painter, view.coordinates(), true);
        view.drawRect(g);
    }
    painter.end();
    FUZZ_CHECK(probe.firstFault().isEmpty(),
               probe.firstFault().toUtf8() + " after " + describe(view, view.currentPoint()));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz::startApplication();
    platform::setBeepHandler([] {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const float width = rawFloat(input);
    const float height = rawFloat(input);
    const std::uint8_t options = input.ConsumeIntegral<std::uint8_t>();

    OrbelView view(Rect { { 0.0f, 0.0f }, { width, height } });
    view.setStandardAngles(options & 1);
    view.setSinCos(options & 2);
    view.setAngleUnit(options & 4 ? 1 : 0);
    const bool drawable
        = width >= 0.0f && width <= largestWidget && height >= 0.0f && height <= largestWidget;
    // Most scripts start after the first pass has placed the circle; the others find no circle.
    if (!(options & 8)) {
        if (drawable)
            paint(view);
        else
            view.setOrigin();
    }

    int passes = 0;
    while (input.remaining_bytes() > 0) {
        const int kind = input.ConsumeIntegralInRange<int>(0, 3);
        const QPointF at(double(rawFloat(input)), double(rawFloat(input)));
        const Point p = view.coordinates().convertFromWidget(at);
        const Snapshot before = snapshot(view);
        const bool wasDragging = view.canDrag();

        switch (kind) {
        case 0:
            send(view, QEvent::MouseButtonPress, at);
            if (view.canDrag())
                checkMoved(view, p, true);
            else
                FUZZ_CHECK(snapshot(view) == before, "a press off the circle moved the point");
            break;
        case 1:
            send(view, QEvent::MouseMove, at);
            FUZZ_CHECK(view.canDrag() == wasDragging, "a drag changed the grab");
            if (wasDragging && !std::isnan(p.x) && !std::isnan(p.y))
                checkMoved(view, p, false);
            else
                FUZZ_CHECK(snapshot(view) == before, "a drag without a grab moved the point");
            break;
        case 2:
            send(view, QEvent::MouseButtonRelease, at);
            FUZZ_CHECK(!view.canDrag(), "still dragging after the release");
            FUZZ_CHECK(snapshot(view) == before, "a release moved the point");
            break;
        default:
            // Passes are the slow part; a few per script find what they can.
            if (drawable && passes++ < 3)
                paint(view);
            break;
        }
    }
    return 0;
}
