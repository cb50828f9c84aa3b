// The SVG export module's one entry.
#include "app/svg_export.h"

#include <QSvgGenerator>

QPaintDevice *unitcircle_svg_generator(QIODevice *output, const QSize &size, const QString &title)
{
    auto *generator = new QSvgGenerator;
    generator->setOutputDevice(output);
    generator->setSize(size);
    generator->setViewBox(QRect(QPoint(0, 0), size));
    generator->setTitle(title);
    generator->setResolution(72);
    return generator;
}
