#include "session/DeviceChannels.h"

#include "device/RequestTags.h"
#include "session/TransportCallback.h"

namespace keyloom {

int DeviceChannels::OpenControlChannel() {
    return Open(controlRequest_, CONFIG_COLLECTION, TAG_CTRL);
}

int DeviceChannels::OpenConsumerChannel() {
    return Open(consumerRequest_, CONSUMER_COLLECTION, TAG_CONS);
}

int DeviceChannels::Open(uint32_t& requestId, HidCollection collection, uint32_t tag) {
    if (requestId != 0) {
        link_.Transport().Cancel(requestId);
        requestId = 0;
    }
    return link_.Transport().AsyncRead(collection, &TransportCallback, tag, &requestId);
}

}  // namespace keyloom
