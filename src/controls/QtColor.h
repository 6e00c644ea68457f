#pragma once

#include <QColor>

#include "model/LightingRecord.h"

namespace keyloom {

// A colour of the tool (red in the lowest byte, then green, then blue) as Qt takes it.
inline QColor ToQColor(Color color) {
    return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}

}  // namespace keyloom
