// The window's size and place: fitted to the screen at start, kept in the preferences when the
// window closes and given back at the next start when it still fits, and full screen.
//
// A stored place is the window frame's top-left corner and the window's own size (without the
// frame), as text "x,y,width,height" under prefs_windowGeometry; prefs_fullScreen is 1 when the
// window was closed in full screen.
#pragma once

#include <QMargins>
#include <QObject>
#include <QRect>
#include <QString>

#include <optional>

class QWidget;

namespace windowgeometry {

// A place: the frame's top-left corner and the window's size, as stored.
struct Place
{
    QPoint framePosition;
    QSize size;
    bool operator==(const Place &other) const
    {
        return framePosition == other.framePosition && size == other.size;
    }
};

// The stored text read back: four whole numbers, a size of at least one pixel, nothing beyond
// what a desktop can hold. Anything else is no place at all.
std::optional<Place> parse(const QString &text);
QString format(const Place &place);

// The whole window, frame included, within available.
bool fits(const Place &place, const QMargins &frame, const QRect &available);

// The designed size where available has room for it and its frame, otherwise shrunk (never
// below minimum) until it has; the frame centred in available.
Place fitted(const QSize &designed, const QSize &minimum, const QMargins &frame,
             const QRect &available);

// The place, shrunk and moved as little as it takes for the whole window to lie in available.
Place keptOnScreen(const Place &place, const QSize &minimum, const QMargins &frame,
                   const QRect &available);

} // namespace windowgeometry

class WindowPlacement : public QObject
{
    Q_OBJECT

public:
    // Follows window (its parent) from now on: its place in the normal state, its full screen.
    explicit WindowPlacement(QWidget *window);

    static const QString geometryKey;
    static const QString fullScreenKey;

    // Before the window is first shown: the stored place when it fits a screen, otherwise the
    // designed size fitted to the primary screen; full screen again if it was left so. Once the
    // window manager has framed the window, the place is fitted again with the real frame.
    void restore();
    // The place of the normal state and whether the window is in full screen, to the preferences.
    void store() const;

    bool isFullScreen() const;
    // The window's normal place as last seen (in full screen: the place it will come back to).
    windowgeometry::Place normalPlace() const { return m_normal; }

    // A new size for the window that stays on its screen: on a screen without room for it the
    // window moves up and left, and shrinks only when it must.
    void resizeOnScreen(const QSize &size);

public slots:
    void setFullScreen(bool on);

signals:
    void fullScreenChanged(bool on);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class Fit { None, Designed, Kept };

    // The frame the window manager gives the window, or a likely one before it is known.
    QMargins frame(bool *known = nullptr) const;
    QSize designedSize() const;
    void apply(const windowgeometry::Place &place);
    void fitWithTheRealFrame();

    QWidget *m_window;
    windowgeometry::Place m_normal;
    Fit m_fit = Fit::None;
    bool m_fullScreen = false;
};
