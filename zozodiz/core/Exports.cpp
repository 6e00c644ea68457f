// The twelve exports of the library, and the optional one that tells why no keyboard can be
// reached. Each request is refused with 0 unless it names this keyboard and its checksum matches
// its arguments.

#include "Transport.h"
#include "ZozOdiz.h"

using zozodiz::Collection;
using zozodiz::CollectionOfDescriptor;
using zozodiz::Transport;

namespace {

bool Accepted(const uint8_t* descriptor, ZozCallback callback, uint32_t tag, const uint8_t* data,
              uint32_t length, uint32_t checksum) {
    return descriptor != nullptr && (data != nullptr || length == 0) &&
           zozodiz::NamesOurKeyboard(descriptor) &&
           ZozRequestChecksum(descriptor, callback, tag, data, length) == checksum;
}

}  // namespace

extern "C" {

// The library has no debug output to switch; the call is accepted.
int Debug(int) {
    return 1;
}

int Init(int) {
    return Transport::Instance().Init();
}

int End(void) {
    return Transport::Instance().End();
}

int RequestGetDeviceCount(const uint8_t* descriptor, ZozCallback callback, uint32_t tag,
                          uint32_t checksum, uint32_t*) {
    if (!Accepted(descriptor, callback, tag, nullptr, 0, checksum)) {
        return 0;
    }
    return Transport::Instance().DeviceCount(CollectionOfDescriptor(descriptor));
}

int DeleteRequestFromUnitId(uint32_t requestId) {
    return Transport::Instance().Cancel(requestId);
}

// Requests are known by id only; there are no handles to delete them by.
int DeleteRequestFromHandle(void*) {
    return 0;
}

int RequestWrite(const uint8_t* descriptor, ZozCallback callback, uint32_t tag, const uint8_t* data,
                 uint32_t length, uint32_t checksum, uint32_t*) {
    if (!Accepted(descriptor, callback, tag, data, length, checksum)) {
        return 0;
    }
    return Transport::Instance().WriteReport(CollectionOfDescriptor(descriptor), data, length);
}

int RequestWriteOne(const uint8_t* descriptor, ZozCallback callback, uint32_t tag,
                    const uint8_t* data, uint32_t length, uint32_t checksum, uint32_t* requestId) {
    return RequestWrite(descriptor, callback, tag, data, length, checksum, requestId);
}

int RequestStatusWrite(const uint8_t* descriptor, ZozCallback callback, uint32_t tag,
                       const uint8_t* data, uint32_t length, uint32_t checksum,
                       uint32_t* requestId) {
    if (!Accepted(descriptor, callback, tag, data, length, checksum)) {
        return 0;
    }
    return Transport::Instance().WriteStatus(CollectionOfDescriptor(descriptor), data, length,
                                             requestId);
}

// The keyboard offers no way to read its indicator state back.
int RequestStatusGet(const uint8_t*, ZozCallback, uint32_t, uint8_t*, uint32_t, uint32_t,
                     uint32_t*) {
    return 0;
}

int RequestAsyncRead(const uint8_t* descriptor, ZozCallback callback, uint32_t tag,
                     uint32_t checksum, uint32_t* requestId) {
    if (!Accepted(descriptor, callback, tag, nullptr, 0, checksum)) {
        return 0;
    }
    return Transport::Instance().AsyncRead(CollectionOfDescriptor(descriptor), callback, tag,
                                           requestId);
}

int RequestStatusSetFeature(const uint8_t* descriptor, ZozCallback callback, uint32_t tag,
                            const uint8_t* data, uint32_t length, uint32_t checksum,
                            uint32_t* requestId) {
    return RequestStatusWrite(descriptor, callback, tag, data, length, checksum, requestId);
}

int ZozAccessProblem(char* node, uint32_t size) {
    return Transport::Instance().AccessProblem(node, size);
}

}  // extern "C"
