#pragma once

#include <vector>

#include "KeyboardList.h"

namespace zozodiz {

// Every top-level collection of every hidraw node with the keyboard's vendor and product id.
// hidapi lists a node once per top-level collection, so one path may come several times.
std::vector<InterfaceRecord> DiscoverInterfaces();

}  // namespace zozodiz
