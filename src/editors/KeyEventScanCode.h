#pragma once

// The tool's ScanCode of a key event that Qt delivers.

#include <QKeyEvent>

#include "model/ScanCode.h"

namespace keyloom {

// 0 when the event carries no native key code of the keyboard or one that names no key.
ScanCode ScanCodeOfKeyEvent(const QKeyEvent& event);

}  // namespace keyloom
