#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "HidSystem.h"
#include "KeyboardList.h"

namespace zozodiz {

// Every top-level collection of every hidraw node with the keyboard's vendor and product id,
// with the physical keyboard each node belongs to: its USB device, or for a node without one
// the node itself (serial numbers are no help: this keyboard may report none, and two keyboards
// may report the same).
std::vector<InterfaceRecord> DiscoverInterfaces(HidSystem& system);

// The raw report descriptor of a HID device, read where the kernel exposes it in sysfs; empty
// when it cannot be read.
std::vector<uint8_t> ReadReportDescriptor(const std::string& hidDevice);

}  // namespace zozodiz
