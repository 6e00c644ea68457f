#include "device/DeviceLink.h"

#include <cstdlib>

#include "platform/ExecutablePath.h"

namespace keyloom {

DeviceLink::DeviceLink(std::unique_ptr<ZozOdizExports> exports)
    : exports_(std::move(exports)), transport_(*exports_), exchange_(transport_, slot_) {}

std::unique_ptr<DeviceLink> DeviceLink::Bind(const std::string& folder) {
    auto exports = LoadZozOdiz(folder);
    if (!exports) {
        return nullptr;
    }
    std::unique_ptr<DeviceLink> link(new DeviceLink(std::move(exports)));
    if (link->transport_.Init() <= 0) {
        return nullptr;
    }
    return link;
}

DeviceLink& BindDeviceLinkOrExit() {
    auto link = DeviceLink::Bind(ExecutableFolder());
    if (!link) {
        std::exit(0);
    }
    return *link.release();
}

}  // namespace keyloom
