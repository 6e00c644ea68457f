#pragma once

#include <string>

#include "HidSystem.h"

namespace zozodiz {

// Where udev places one hidraw device node: its USB and HID parents in sysfs.
NodePlace LocateHidrawNode(const std::string& devnode);

}  // namespace zozodiz
