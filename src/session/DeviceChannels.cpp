#include "session/DeviceChannels.h"

#include "device/RequestTags.h"
#include "session/DeviceStateWorker.h"
#include "session/KeyboardSession.h"
#include "session/TransportCallback.h"

namespace keyloom {

int DeviceChannels::OpenControlChannel() {
    return Open(controlRequest_, CONFIG_COLLECTION, TAG_CTRL);
}

int DeviceChannels::OpenConsumerChannel() {
    return Open(consumerRequest_, CONSUMER_COLLECTION, TAG_CONS);
}

int DeviceChannels::SwitchMacroKeyBank() {
    std::lock_guard lock(bankLock_);
    bankStatus_[1] ^= 1;
    CancelPrevious(bankStatusRequest_);
    return link_.Transport().StatusWrite(BANK_STATUS_COLLECTION, &TransportCallback, TAG_LED,
                                         bankStatus_.data(), bankStatus_.size(),
                                         &bankStatusRequest_);
}

int DeviceChannels::MacroKeyBank() const {
    std::lock_guard lock(bankLock_);
    return bankStatus_[1] & 1;
}

void DeviceChannels::CancelPrevious(uint32_t& requestId) {
    if (requestId != 0) {
        link_.Transport().Cancel(requestId);
        requestId = 0;
    }
}

int DeviceChannels::Open(uint32_t& requestId, HidCollection collection, uint32_t tag) {
    CancelPrevious(requestId);
    return link_.Transport().AsyncRead(collection, &TransportCallback, tag, &requestId);
}

void StartDeviceChannels(KeyboardSession& session) {
    AttachDeviceLink(&session.link);
    AttachKeyboardSession(&session);
    session.channels.OpenConsumerChannel();
    session.channels.OpenControlChannel();
    const unsigned count = session.link.Transport().DeviceCount(CONFIG_COLLECTION);
    StartDeviceStateWorker(session, count);
    if (count == 0) {
        session.context.noAutoShow = 1;
    }
}

}  // namespace keyloom
