#pragma once

#include <libudev.h>

#include <memory>

namespace zozodiz {

// Owning handles of libudev objects.
using UdevContext = std::unique_ptr<udev, decltype(&udev_unref)>;
using UdevDevice = std::unique_ptr<udev_device, decltype(&udev_device_unref)>;
using UdevMonitorHandle = std::unique_ptr<udev_monitor, decltype(&udev_monitor_unref)>;

inline UdevContext NewUdevContext() {
    return UdevContext(udev_new(), &udev_unref);
}

}  // namespace zozodiz
