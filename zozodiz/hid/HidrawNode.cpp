#include "HidrawNode.h"

#include <sys/stat.h>

#include <fstream>
#include <iterator>

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
const char* ParentPath(udev_device* device, const char* subsystem, const char* devtype) {
    if (device == nullptr) {
        return nullptr;
    }
    udev_device* parent = udev_device_get_parent_with_subsystem_devtype(device, subsystem, devtype);
    return parent != nullptr ? udev_device_get_syspath(parent) : nullptr;
}

}  // namespace

HidrawNode::HidrawNode(const std::string& devnode)
    : devnode_(devnode), udev_(NewUdevContext()), device_(DeviceOfNode(udev_.get(), devnode)) {}

std::string HidrawNode::KeyboardKey() const {
    const char* usbDevice = ParentPath(device_.get(), "usb", "usb_device");
    return usbDevice != nullptr ? usbDevice : devnode_;
}

std::vector<uint8_t> HidrawNode::ReportDescriptor() const {
    const char* hidDevice = ParentPath(device_.get(), "hid", nullptr);
    if (hidDevice == nullptr) {
        return {};
    }
    std::ifstream file(std::string(hidDevice) + "/report_descriptor", std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(file),
                                std::istreambuf_iterator<char>());
}

}  // namespace zozodiz
