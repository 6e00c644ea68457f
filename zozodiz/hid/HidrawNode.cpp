#include "HidrawNode.h"

#include <sys/stat.h>

#include "UdevHandles.h"

namespace zozodiz {

namespace {

UdevDevice DeviceOfNode(udev* context, const std::string& devnode) {
    struct stat status {};
    if (context == nullptr || stat(devnode.c_str(), &status) != 0 || !S_ISCHR(status.st_mode)) {
        return UdevDevice(nullptr, &udev_device_unref);
    }
    return UdevDevice(udev_device_new_from_devnum(context, 'c', status.st_rdev),
                      &udev_device_unref);
}

// Parents belong to their child; they are not released separately.
std::string ParentPath(udev_device* device, const char* subsystem, const char* devtype) {
    if (device == nullptr) {
        return {};
    }
    udev_device* parent = udev_device_get_parent_with_subsystem_devtype(device, subsystem, devtype);
    const char* path = parent != nullptr ? udev_device_get_syspath(parent) : nullptr;
    return path != nullptr ? path : "";
}

}  // namespace

NodePlace LocateHidrawNode(const std::string& devnode) {
    const UdevContext udev = NewUdevContext();
    const UdevDevice device = DeviceOfNode(udev.get(), devnode);
    return {ParentPath(device.get(), "usb", "usb_device"),
            ParentPath(device.get(), "hid", nullptr)};
}

}  // namespace zozodiz
