#pragma once

#include <QColor>

#include "model/LightingRecord.h"

namespace keyloom {

// A colour of the tool (red in the lowest byte, then green, then blue) as Qt takes it.
inline QColor ToQColor(Color color) {
    return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}

// A Qt colour as the tool keeps it; its alpha is dropped.
inline Color FromQColor(const QColor& color) {
    return ColorOfRgb(static_cast<uint8_t>(color.red()), static_cast<uint8_t>(color.green()),
                      static_cast<uint8_t>(color.blue()));
}

}  // namespace keyloom
