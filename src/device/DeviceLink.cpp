#include "device/DeviceLink.h"

#include <string>

namespace keyloom {

DeviceLink::DeviceLink(std::unique_ptr<ZozOdizExports> exports)
    : exports_(std::move(exports)), transport_(*exports_), exchange_(transport_, slot_) {}

std::unique_ptr<DeviceLink> DeviceLink::Bind(const std::string& folder, std::string& whyNot) {
    auto exports = LoadZozOdiz(folder, whyNot);
    if (!exports) {
        return nullptr;
    }
    std::unique_ptr<DeviceLink> link(new DeviceLink(std::move(exports)));
    if (const int started = link->transport_.Init(); started <= 0) {
        whyNot = "the transport library did not start (result " + std::to_string(started) + ")";
        return nullptr;
    }
    return link;
}

}  // namespace keyloom
