// A proxy over the application's own style whose extension-button icons are read on first use.
#include "platform/deferred_style_icons.h"

#include <QApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QIconEngine>
#include <QImageReader>
#include <QPixmap>
#include <QPixmapCache>
#include <QPointer>
#include <QProxyStyle>

#include <optional>

namespace platform {

namespace {

// An icon that asks the style for the real one the first time anything needs its pixels or
// sizes, and answers from it from then on.
class DeferredIconEngine : public QIconEngine
{
public:
    DeferredIconEngine(QStyle *style, QStyle::StandardPixmap which)
        : m_style(style)
        , m_which(which)
    { }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    QIconEngine *clone() const override
    {
        auto *copy = new DeferredIconEngine(m_style, m_which);
        copy->m_icon = m_icon;
        return copy;
    }
    QString key() const override { return QStringLiteral("DeferredIconEngine"); }

private:
    QIcon &icon()
    {
        if (!m_icon)
            m_icon = m_style ? m_style->standardIcon(m_which) : QIcon();
        return *m_icon;
    }

    QPointer<QStyle> m_style;
    QStyle::StandardPixmap m_which;
    std::optional<QIcon> m_icon;
};

class DeferredIconStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap which, const QStyleOption *option,
                       const QWidget *widget) const override
    {
        if (which == SP_ToolBarHorizontalExtensionButton
            || which == SP_ToolBarVerticalExtensionButton)
            return QIcon(new DeferredIconEngine(baseStyle(), which));
        return QProxyStyle::standardIcon(which, option, widget);
    }
};

// A number as QPixmap::load() writes it into the key of a picture it has read from a file: each
// byte low digit first, in memory order.
template <typename T>
QString pictureKeyDigits(T value)
{
    static const char digits[] = "0123456789abcdef";
    const auto *bytes = reinterpret_cast<const unsigned char *>(&value);
    QString out;
    for (size_t i = 0; i < sizeof(T); ++i) {
        out += QLatin1Char(digits[bytes[i] & 0xf]);
        out += QLatin1Char(digits[bytes[i] >> 4]);
    }
    return out;
}

// Fusion draws every group box's frame from a small PNG of Qt's own, which it reads by name with
// QPixmap: the reader, told no kind, first asks every image-format plugin whether the file is
// theirs, which loads them all (and libjpeg) for the window's first paint. Read here as the PNG it
// is and left where QPixmap looks first, under the key it gives a file's picture, it is drawn
// from there, the same pixels. Should the key not match, the style reads the picture as before.
void placeGroupBoxFrame()
{
    const QString path = QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png");
    const QFileInfo info(path);
    if (!info.exists())
        return;
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    const QImage image = reader.read();
    if (image.isNull())
        return;
    // The last number is the kind of pixmap, 0 for a colour one.
    const QString key = QStringLiteral("qt_pixmap") + info.absoluteFilePath()
        + pictureKeyDigits(uint(info.lastModified().toSecsSinceEpoch()))
        + pictureKeyDigits(quint64(info.size())) + pictureKeyDigits(uint(0));
    QPixmapCache::insert(key, QPixmap::fromImage(image));
}

} // namespace

void deferStyleIcons()
{
    if (QApplication::style()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0)
        placeGroupBoxFrame();
    // A style of the same name beneath the proxy: the proxy owns its base, and the application
    // deletes the style it replaces.
    QApplication::setStyle(new DeferredIconStyle(QApplication::style()->name()));
}

} // namespace platform
