#include "device/TransportCalls.h"

#include <array>

namespace keyloom {

namespace {

using Descriptor = std::array<uint8_t, ZOZ_DESCRIPTOR_SIZE>;

Descriptor DescriptorOf(HidCollection collection) {
    Descriptor descriptor{};
    ZozMakeDescriptor(descriptor.data(), collection.usagePage, collection.usage);
    return descriptor;
}

}  // namespace

int TransportCalls::Init() const {
    return exports_.Init(0);
}

unsigned TransportCalls::DeviceCount(HidCollection collection) const {
    const Descriptor d = DescriptorOf(collection);
    const int count = exports_.RequestGetDeviceCount(
        d.data(), nullptr, 0, ZozRequestChecksum(d.data(), nullptr, 0, nullptr, 0), nullptr);
    return count > 0 ? static_cast<unsigned>(count) : 0;
}

int TransportCalls::WriteOne(const uint8_t* report, uint32_t length) const {
    const Descriptor d = DescriptorOf(CONFIG_COLLECTION);
    return exports_.RequestWriteOne(d.data(), nullptr, 0, report, length,
                                    ZozRequestChecksum(d.data(), nullptr, 0, report, length),
                                    nullptr);
}

int TransportCalls::AsyncRead(HidCollection collection, ZozCallback callback, uint32_t tag,
                              uint32_t* requestId) const {
    const Descriptor d = DescriptorOf(collection);
    return exports_.RequestAsyncRead(d.data(), callback, tag,
                                     ZozRequestChecksum(d.data(), callback, tag, nullptr, 0),
                                     requestId);
}

int TransportCalls::StatusWrite(HidCollection collection, ZozCallback callback, uint32_t tag,
                                const uint8_t* data, uint32_t length, uint32_t* requestId) const {
    const Descriptor d = DescriptorOf(collection);
    return exports_.RequestStatusWrite(d.data(), callback, tag, data, length,
                                       ZozRequestChecksum(d.data(), callback, tag, data, length),
                                       requestId);
}

void TransportCalls::Cancel(uint32_t requestId) const {
    exports_.DeleteRequestFromUnitId(requestId);
}

std::optional<std::string> TransportCalls::RefusedNode() const {
    // Long enough for any device node path.
    std::array<char, 4096> node{};
    if (exports_.ZozAccessProblem == nullptr ||
        exports_.ZozAccessProblem(node.data(), static_cast<uint32_t>(node.size())) !=
            ZOZ_ACCESS_DENIED) {
        return std::nullopt;
    }
    return std::string(node.data());
}

}  // namespace keyloom
