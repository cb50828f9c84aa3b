// The guard is a virtual object registered where the bridge registered its own (the accessible
// objects' path, with every path below it), on the bridge's connection. It knows the properties
// of each interface from the bridge's own introspection data, and asks the bridge for their
// values through a call to itself, which QtDBus delivers locally and synchronously.
#include "platform/accessibility_properties.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QPointer>
#include <QTimer>
#include <QXmlStreamReader>

#include <algorithm>

namespace platform {

namespace {

// The names Qt's bridge uses for its connection and its objects.
const QString bridgeConnection = QStringLiteral("a11y");
const QString accessiblePath = QStringLiteral("/org/a11y/atspi/accessible");
const QString propertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
const QString accessibleInterface = QStringLiteral("org.a11y.atspi.Accessible");

// The value text of the object at path, where it has a value and says it in words.
QString valueTextAt(const QString &path)
{
    const QString prefix = accessiblePath + QLatin1Char('/');
    if (!path.startsWith(prefix))
        return QString();
    bool ok = false;
    const QAccessible::Id id = path.mid(prefix.size()).toUInt(&ok);
    QAccessibleInterface *iface = ok ? QAccessible::accessibleInterface(id) : nullptr;
    if (!iface || !iface->isValid() || !iface->valueInterface())
        return QString();
    return iface->text(QAccessible::Value);
}

struct Property
{
    QString name;
    bool readable = false;
    bool writable = false;
};

// The properties of interface as introspection data describes them.
QList<Property> propertiesIn(const QString &introspection, const QString &interface)
{
    QList<Property> properties;
    QXmlStreamReader reader(QStringLiteral("<node>") + introspection + QStringLiteral("</node>"));
    bool inside = false;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == QLatin1String("interface")) {
            inside = reader.attributes().value(QLatin1String("name")) == interface;
        } else if (reader.isEndElement() && reader.name() == QLatin1String("interface")) {
            inside = false;
        } else if (inside && reader.isStartElement()
                   && reader.name() == QLatin1String("property")) {
            const QStringView access = reader.attributes().value(QLatin1String("access"));
            Property property;
            property.name = reader.attributes().value(QLatin1String("name")).toString();
            property.readable = access.contains(QLatin1String("read"));
            property.writable = access.contains(QLatin1String("write"));
            properties.append(property);
        }
    }
    return properties;
}

class PropertiesGuard : public QDBusVirtualObject
{
public:
    explicit PropertiesGuard(QDBusVirtualObject *bridge)
        : QDBusVirtualObject(bridge)
        , m_bridge(bridge)
    { }

    QDBusVirtualObject *bridge() const { return m_bridge; }

    QString introspect(const QString &path) const override
    {
        return m_bridge ? m_bridge->introspect(path) : QString();
    }

    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override
    {
        if (!m_bridge)
            return false;
        if (message.type() == QDBusMessage::MethodCallMessage
            && message.interface() == accessibleInterface
            && message.member() == QLatin1String("GetAttributes")) {
            // The bridge has no object attributes to give; a value that has its words gives
            // them as "valuetext", which screen readers say in place of the number.
            const QString valueText = valueTextAt(message.path());
            if (!valueText.isEmpty()) {
                QMap<QString, QString> attributes;
                attributes.insert(QStringLiteral("valuetext"), valueText);
                connection.send(message.createReply(QVariant::fromValue(attributes)));
                return true;
            }
        }
        if (message.type() != QDBusMessage::MethodCallMessage
            || message.interface() != propertiesInterface)
            return m_bridge->handleMessage(message, connection);

        const QString member = message.member();
        if (member == QLatin1String("GetAll")) {
            if (message.signature() != QLatin1String("s"))
                return refuse(message, connection, QDBusError::InvalidArgs,
                              QStringLiteral("GetAll takes an interface name (s)"));
            // Answered from the event loop, once QtDBus has finished delivering this call:
            // the bridge's own answers come from calls to this same connection.
            message.setDelayedReply(true);
            QTimer::singleShot(0, this,
                               [this, message, connection] { answerGetAll(message, connection); });
            return true;
        }
        if (member == QLatin1String("Get") || member == QLatin1String("Set")) {
            const bool get = member == QLatin1String("Get");
            if (message.signature() != QLatin1String(get ? "ss" : "ssv"))
                return refuse(message, connection, QDBusError::InvalidArgs,
                              get ? QStringLiteral("Get takes an interface and a property (ss)")
                                  : QStringLiteral("Set takes an interface, a property and a "
                                                   "value (ssv)"));
            const QString interface = message.arguments().at(0).toString();
            const QString name = message.arguments().at(1).toString();
            const QList<Property> properties
                = propertiesIn(m_bridge->introspect(message.path()), interface);
            const auto known = std::find_if(properties.cbegin(), properties.cend(),
                                            [&name](const Property &p) { return p.name == name; });
            if (known == properties.cend())
                return refuse(message, connection, QDBusError::UnknownProperty,
                              QStringLiteral("No property %1 in %2").arg(name, interface));
            return m_bridge->handleMessage(message, connection);
        }
        return refuse(message, connection, QDBusError::UnknownMethod,
                      QStringLiteral("No method %1 in %2").arg(member, propertiesInterface));
    }

private:
    static bool refuse(const QDBusMessage &message, const QDBusConnection &connection,
                       QDBusError::ErrorType error, const QString &why)
    {
        connection.send(message.createErrorReply(error, why));
        return true;
    }

    void answerGetAll(const QDBusMessage &message, QDBusConnection connection)
    {
        const QString interface = message.arguments().at(0).toString();
        QVariantMap values;
        if (m_bridge) {
            for (const Property &property :
                 propertiesIn(m_bridge->introspect(message.path()), interface)) {
                if (!property.readable)
                    continue;
                QDBusMessage get
                    = QDBusMessage::createMethodCall(connection.baseService(), message.path(),
                                                     propertiesInterface, QStringLiteral("Get"));
                get << interface << property.name;
                const QDBusMessage reply = connection.call(get);
                if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
                    continue;
                const QVariant value = reply.arguments().constFirst();
                values.insert(property.name,
                              value.canConvert<QDBusVariant>()
                                  ? value.value<QDBusVariant>().variant()
                                  : value);
            }
        }
        connection.send(message.createReply(QVariant::fromValue(values)));
    }

    QPointer<QDBusVirtualObject> m_bridge;
};

void install()
{
    QDBusConnection bus(bridgeConnection);
    if (!bus.isConnected())
        return;
    qDBusRegisterMetaType<QMap<QString, QString>>();
    QObject *registered = bus.objectRegisteredAt(accessiblePath);
    if (!registered || dynamic_cast<PropertiesGuard *>(registered))
        return;
    auto *bridge = qobject_cast<QDBusVirtualObject *>(registered);
    if (!bridge)
        return;
    // A child of the bridge: it lives exactly as long as what it guards.
    auto *guard = new PropertiesGuard(bridge);
    bus.unregisterObject(accessiblePath);
    if (!bus.registerVirtualObject(accessiblePath, guard, QDBusConnection::SubPath)) {
        bus.registerVirtualObject(accessiblePath, bridge, QDBusConnection::SubPath);
        delete guard;
    }
}

// The bridge registers its objects in the same call that turns accessibility on, which may come
// long after start (once the accessibility bus has answered): the guard follows just after it.
class Activation : public QAccessible::ActivationObserver
{
public:
    void accessibilityActiveChanged(bool active) override
    {
        if (active)
            QTimer::singleShot(0, QCoreApplication::instance(), install);
    }
};

} // namespace

void guardAccessibilityProperties()
{
    // Qt keeps the observer for the whole run; it is never removed, so never deleted.
    static Activation *const activation = [] {
        auto *observer = new Activation;
        QAccessible::installActivationObserver(observer);
        return observer;
    }();
    Q_UNUSED(activation);
    install();
}

} // namespace platform
