#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "UdevHandles.h"

namespace zozodiz {

// What udev knows about one hidraw device node.
class HidrawNode {
  public:
    explicit HidrawNode(const std::string& devnode);

    // The sysfs path of the USB device the node hangs under, shared by every interface of one
    // physical keyboard (serial numbers are no help: this keyboard may report none, and two
    // keyboards may report the same). A node without a USB parent is a keyboard of its own, so
    // its key is the node itself.
    std::string KeyboardKey() const;
    // The node's raw HID report descriptor; empty when it cannot be read.
    std::vector<uint8_t> ReportDescriptor() const;

  private:
    std::string devnode_;
    UdevContext udev_;
    UdevDevice device_;
};

}  // namespace zozodiz
