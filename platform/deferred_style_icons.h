// The application's style with the icons of the menu bar's and tool bars' extension buttons read
// only when one is first drawn. Qt's menu bar reads its icon as it is made, and reading a picture
// of an unknown kind loads every image-format plugin (and libjpeg) to ask each whether it is
// theirs: work that the window's first paint does not need, for a button that shows only when the
// menus do not fit. Fusion's group-box frame, a picture read the same way, is read beforehand as
// the PNG it is.
#pragma once

namespace platform {

// Puts the style in place for the application; before any widget is made.
void deferStyleIcons();

} // namespace platform
