#include "session/TransportCallback.h"

#include <atomic>

#include "device/DeviceLink.h"
#include "device/RequestTags.h"

namespace keyloom {

namespace {

std::atomic<DeviceLink*> attachedLink{nullptr};

}  // namespace

void AttachDeviceLink(DeviceLink* link) {
    attachedLink = link;
}

int TransportCallback(const ZozNotification* notification) {
    DeviceLink* link = attachedLink;
    if (notification == nullptr || link == nullptr) {
        return 1;
    }
    if (notification->kind == ZOZ_NOTIFY_INPUT_REPORT && notification->tag == TAG_CTRL &&
        notification->data != nullptr) {
        link->Answers().Deliver(notification->data, notification->length);
    }
    return 1;
}

}  // namespace keyloom
