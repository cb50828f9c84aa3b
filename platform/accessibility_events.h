// Accessibility events that carry their text. On Linux, Qt's AT-SPI bridge announces a changed
// description with a reference to the object instead of the new text, and screen readers (Orca)
// speak what the event carries: nothing. Here the event goes out as GTK sends it, with the text.
#pragma once

class QObject;
class QString;

namespace platform {

// Tells assistive technology that the accessible description of object changed, with the new
// description itself. Where the AT-SPI bus is not in use, Qt's own event is sent.
void notifyDescriptionChanged(QObject *object);

// Says text through object, which should be the one with the focus: screen readers speak what a
// description change of the focused object carries, and Qt 6.4 has no announcement event. The
// object's description itself stays as it is. Where the AT-SPI bus is not in use, nothing is said.
void announce(QObject *object, const QString &text);

} // namespace platform
