// Colours between the program's 24-bit numbers and Qt's QColor.
#pragma once

#include <QColor>

#include "render/colour.h"

namespace orsalimbra::render {

inline QColor ToQColor(Colour c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }

inline Colour FromQColor(const QColor& c) { return Rgb(c.red(), c.green(), c.blue()); }

}  // namespace orsalimbra::render
