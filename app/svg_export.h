// The SVG export module: Qt Svg's generator behind one plain entry, in a library of its own that
// the program loads the first time the user exports an SVG file; the tests link it.
#pragma once

class QIODevice;
class QPaintDevice;
class QSize;
class QString;

// A paint device that writes an SVG document of size points (at 72 dots per inch, with a view box
// of the same size) and the given title to output when its painter ends. The caller owns it.
extern "C" QPaintDevice *unitcircle_svg_generator(QIODevice *output, const QSize &size,
                                                  const QString &title);
