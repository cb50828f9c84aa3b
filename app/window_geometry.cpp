// Fitting the window to the screen, keeping its place between runs, and full screen.
//
// Before a window is shown under X11 nobody knows the frame its window manager will put around
// it, so the first fit uses a likely frame, and the window is fitted again, once, as soon as the
// real frame is known.
#include "app/window_geometry.h"

#include "platform/preferences.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QStringList>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace windowgeometry {

namespace {

// Far beyond any desktop, and far from overflowing a QRect.
constexpr int largest = 100000;

QSize withFrame(const QSize &size, const QMargins &frame)
{
    return QSize(size.width() + frame.left() + frame.right(),
                 size.height() + frame.top() + frame.bottom());
}

// The least and the most that one side may take; the least wins where they cross.
int bounded(int value, int least, int most)
{
    return std::max(least, std::min(value, most));
}

} // namespace

std::optional<Place> parse(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4)
        return std::nullopt;
    int n[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        n[i] = parts[i].trimmed().toInt(&ok);
        if (!ok || n[i] < -largest || n[i] > largest)
            return std::nullopt;
    }
    if (n[2] < 1 || n[3] < 1)
        return std::nullopt;
    return Place { QPoint(n[0], n[1]), QSize(n[2], n[3]) };
}

QString format(const Place &place)
{
    return QStringLiteral("%1,%2,%3,%4")
        .arg(place.framePosition.x())
        .arg(place.framePosition.y())
        .arg(place.size.width())
        .arg(place.size.height());
}

bool fits(const Place &place, const QMargins &frame, const QRect &available)
{
    return available.contains(QRect(place.framePosition, withFrame(place.size, frame)));
}

Place fitted(const QSize &designed, const QSize &minimum, const QMargins &frame,
             const QRect &available)
{
    const QSize room = available.marginsRemoved(frame).size();
    const QSize size(bounded(designed.width(), minimum.width(), room.width()),
                     bounded(designed.height(), minimum.height(), room.height()));
    const QSize outer = withFrame(size, frame);
    // A window larger than the screen keeps its title bar on it.
    const QPoint corner(available.left() + std::max(0, (available.width() - outer.width()) / 2),
                        available.top() + std::max(0, (available.height() - outer.height()) / 2));
    return Place { corner, size };
}

Place keptOnScreen(const Place &place, const QSize &minimum, const QMargins &frame,
                   const QRect &available)
{
    const QSize room = available.marginsRemoved(frame).size();
    const QSize size(bounded(place.size.width(), minimum.width(), room.width()),
                     bounded(place.size.height(), minimum.height(), room.height()));
    const QSize outer = withFrame(size, frame);
    const QPoint corner(bounded(place.framePosition.x(), available.left(),
                                available.left() + available.width() - outer.width()),
                        bounded(place.framePosition.y(), available.top(),
                                available.top() + available.height() - outer.height()));
    // Where even the minimum does not fit, the corner is the screen's: the title bar stays on it.
    return Place {
        QPoint(std::max(corner.x(), available.left()), std::max(corner.y(), available.top())), size
    };
}

} // namespace windowgeometry

using windowgeometry::Place;

const QString WindowPlacement::geometryKey = QStringLiteral("prefs_windowGeometry");
const QString WindowPlacement::fullScreenKey = QStringLiteral("prefs_fullScreen");

WindowPlacement::WindowPlacement(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    m_normal = Place { window->pos(), window->size() };
    window->installEventFilter(this);
}

bool WindowPlacement::isFullScreen() const
{
    return m_window->windowState() & Qt::WindowFullScreen;
}

QMargins WindowPlacement::frame(bool *known) const
{
    const QWindow *handle = m_window->windowHandle();
    const QMargins margins = handle && m_window->isVisible() ? handle->frameMargins() : QMargins();
    if (known)
        *known = !margins.isNull();
    // A title bar and thin borders, as most window managers draw them.
    return margins.isNull() ? QMargins(4, 32, 4, 4) : margins;
}

QSize WindowPlacement::designedSize() const
{
    // What the views and controls ask for, with the graph as it is now shown or hidden.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    if (QLayout *layout = m_window->layout())
        layout->invalidate();
    return m_window->sizeHint().expandedTo(m_window->minimumSizeHint());
}

void WindowPlacement::apply(const Place &place)
{
    m_window->resize(place.size);
    m_window->move(place.framePosition);
    m_normal = place;
}

void WindowPlacement::restore()
{
    platform::Preferences &preferences = platform::Preferences::standard();
    const std::optional<Place> stored
        = windowgeometry::parse(preferences.stringForKey(geometryKey));
    const QSize minimum = m_window->minimumSizeHint();

    // Where the window was, when it is still wholly on one of the screens and not smaller than
    // its controls need.
    bool placed = false;
    if (stored && stored->size.width() >= minimum.width()
        && stored->size.height() >= minimum.height()) {
        for (const QScreen *screen : QGuiApplication::screens()) {
            if (windowgeometry::fits(*stored, QMargins(), screen->availableGeometry())) {
                apply(*stored);
                m_fit = Fit::Kept;
                placed = true;
                break;
            }
        }
    }
    if (!placed) {
        if (const QScreen *screen = QGuiApplication::primaryScreen()) {
            apply(windowgeometry::fitted(designedSize(), minimum, frame(),
                                         screen->availableGeometry()));
            m_fit = Fit::Designed;
        }
    }
    if (preferences.integerForKey(fullScreenKey) == 1)
        setFullScreen(true);
}

void WindowPlacement::store() const
{
    platform::Preferences &preferences = platform::Preferences::standard();
    preferences.setString(windowgeometry::format(m_normal), geometryKey);
    preferences.setInteger(isFullScreen() ? 1 : 0, fullScreenKey);
}

void WindowPlacement::setFullScreen(bool on)
{
    if (on != isFullScreen()) {
        if (on && m_window->windowState() == Qt::WindowNoState && m_window->isVisible())
            m_normal = Place { m_window->pos(), m_window->size() };
        m_window->setWindowState(on ? m_window->windowState() | Qt::WindowFullScreen
                                    : m_window->windowState() & ~Qt::WindowFullScreen);
    }
    // The menu command shows the state, also when nothing changed.
    m_fullScreen = isFullScreen();
    emit fullScreenChanged(m_fullScreen);
}

void WindowPlacement::resizeOnScreen(const QSize &size)
{
    const QScreen *screen = m_window->screen();
    if (!m_window->isVisible() || !screen) {
        m_window->resize(size);
        return;
    }
    const Place place = windowgeometry::keptOnScreen(Place { m_window->pos(), size }, QSize(),
                                                     frame(), screen->availableGeometry());
    m_window->resize(place.size);
    if (place.framePosition != m_window->pos())
        m_window->move(place.framePosition);
}

void WindowPlacement::fitWithTheRealFrame()
{
    bool known = false;
    const QMargins margins = frame(&known);
    const QScreen *screen = m_window->screen();
    if (!known || !screen || m_window->windowState() != Qt::WindowNoState)
        return;
    const Fit fit = m_fit;
    m_fit = Fit::None;
    const QRect available = screen->availableGeometry();
    const QSize minimum = m_window->minimumSizeHint();
    const Place now { m_window->pos(), m_window->size() };
    const Place place = fit == Fit::Designed
        ? windowgeometry::fitted(designedSize(), minimum, margins, available)
        : windowgeometry::keptOnScreen(now, minimum, margins, available);
    if (!(place == now))
        apply(place);
}

bool WindowPlacement::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::WindowActivate:
        if (m_fit != Fit::None && m_window->isVisible())
            fitWithTheRealFrame();
        // Only the normal state's place is kept: full screen and maximised come back to it.
        if (m_window->windowState() == Qt::WindowNoState && m_window->isVisible())
            m_normal = Place { m_window->pos(), m_window->size() };
        break;
    case QEvent::WindowStateChange:
        if (m_fullScreen != isFullScreen()) {
            m_fullScreen = isFullScreen();
            emit fullScreenChanged(m_fullScreen);
        }
        break;
    case QEvent::Close:
        store();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
