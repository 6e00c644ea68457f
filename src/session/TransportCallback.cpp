#include "session/TransportCallback.h"

#include <atomic>
#include <mutex>
#include <shared_mutex>

#include "device/DeviceLink.h"
#include "device/RequestTags.h"
#include "platform/LittleEndian.h"
#include "session/ConsumerCodes.h"
#include "session/DeviceChannels.h"
#include "session/DeviceStateWorker.h"

namespace keyloom {

namespace {

constexpr uint32_t kConsumerCodeSize = 2;

std::atomic<DeviceLink*> attachedLink{nullptr};

// Held shared while a notification is handled, so that a session is never detached under it.
std::shared_mutex sessionLock;
KeyboardSession* attachedSession = nullptr;

void DeliverAnswer(const ZozNotification& notification) {
    DeviceLink* link = attachedLink;
    if (link != nullptr) {
        link->Answers().Deliver(notification.data, notification.length);
    }
}

template <typename Handle>
void WithSession(Handle handle) {
    std::shared_lock lock(sessionLock);
    if (attachedSession != nullptr) {
        handle(*attachedSession);
    }
}

void Dispatch(const ZozNotification& notification) {
    const bool report =
        notification.kind == ZOZ_NOTIFY_INPUT_REPORT && notification.data != nullptr;
    if (report && notification.tag == TAG_CTRL) {
        DeliverAnswer(notification);
    } else if (report && notification.tag == TAG_CONS && notification.length >= kConsumerCodeSize) {
        const uint16_t code = ReadU16(notification.data);
        WithSession([code](KeyboardSession& session) { OnConsumerCode(session, code); });
    } else if (notification.kind == ZOZ_NOTIFY_DEVICE_COUNT && notification.tag == TAG_CTRL) {
        const unsigned count = notification.deviceCount;
        WithSession([count](KeyboardSession& session) { StartDeviceStateWorker(session, count); });
    }
}

}  // namespace

void AttachDeviceLink(DeviceLink* link) {
    attachedLink = link;
}

void AttachKeyboardSession(KeyboardSession* session) {
    std::unique_lock lock(sessionLock);
    attachedSession = session;
}

int TransportCallback(const ZozNotification* notification) {
    if (notification != nullptr) {
        Dispatch(*notification);
    }
    return 1;
}

}  // namespace keyloom
