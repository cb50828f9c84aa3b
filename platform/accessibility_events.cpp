// The AT-SPI PropertyChange signal of a description, sent on the connection that Qt's own bridge
// keeps to the accessibility bus, for the object path under which the bridge exposes the object.
#include "platform/accessibility_events.h"

#include <QAccessible>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>

namespace platform {

namespace {

// The names Qt's bridge uses for its connection and its objects.
const QString bridgeConnection = QStringLiteral("a11y");
const QString objectPathPrefix = QStringLiteral("/org/a11y/atspi/accessible/");

bool sendWithText(QAccessibleInterface *iface, const QString &text)
{
    QDBusConnection bus(bridgeConnection);
    if (!bus.isConnected())
        return false;

    // The application root, as every AT-SPI event names it last: (bus name, object path).
    QDBusArgument root;
    root.beginStructure();
    root << bus.baseService() << QDBusObjectPath(objectPathPrefix + QStringLiteral("root"));
    root.endStructure();

    QDBusMessage signal = QDBusMessage::createSignal(
        objectPathPrefix + QString::number(QAccessible::uniqueId(iface)),
        QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("PropertyChange"));
    signal << QStringLiteral("accessible-description") << 0 << 0
           << QVariant::fromValue(QDBusVariant(text)) << QVariant::fromValue(root);
    return bus.send(signal);
}

} // namespace

void notifyDescriptionChanged(QObject *object)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object);
    if (!iface || !iface->isValid())
        return;
    if (sendWithText(iface, iface->text(QAccessible::Description)))
        return;
    QAccessibleEvent event(object, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

void announce(QObject *object, const QString &text)
{
    if (!QAccessible::isActive() || text.isEmpty())
        return;
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object);
    if (iface && iface->isValid())
        sendWithText(iface, text);
}

} // namespace platform
