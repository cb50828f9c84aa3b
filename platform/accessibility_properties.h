// D-Bus property calls on the program's accessible objects, answered safely. Qt 6.4's AT-SPI
// bridge reads two arguments from every org.freedesktop.DBus.Properties call it is handed, and
// GetAll has only one: the first client that asks for all properties of an object (zbus-based
// screen readers, AccessKit tools, gdbus introspect) would crash the program.
#pragma once

namespace platform {

// Puts a guard in front of the bridge's objects, now if the bridge is up and otherwise as soon
// as accessibility turns on. The guard answers GetAll itself from the bridge's own Get, rejects
// Get and Set calls that lack their arguments or name no property, and hands every other message
// to the bridge. It also gives the value text of an object with a value (which the bridge does
// not carry) as its object attribute "valuetext", where screen readers look for a value in words.
// Calling it again does nothing.
void guardAccessibilityProperties();

} // namespace platform
