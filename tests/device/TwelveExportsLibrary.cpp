// A transport library as they were before the optional export: the twelve exports alone, a
// library that starts and finds no keyboard.

#include "ZozOdiz.h"

extern "C" {

int Debug(int) {
    return 1;
}

int Init(int) {
    return 1;
}

int End(void) {
    return 1;
}

int RequestGetDeviceCount(const uint8_t*, ZozCallback, uint32_t, uint32_t, uint32_t*) {
    return 0;
}

int DeleteRequestFromUnitId(uint32_t) {
    return 0;
}

int DeleteRequestFromHandle(void*) {
    return 0;
}

int RequestWrite(const uint8_t*, ZozCallback, uint32_t, const uint8_t*, uint32_t, uint32_t,
                 uint32_t*) {
    return 0;
}

int RequestWriteOne(const uint8_t*, ZozCallback, uint32_t, const uint8_t*, uint32_t, uint32_t,
                    uint32_t*) {
    return 0;
}

int RequestStatusWrite(const uint8_t*, ZozCallback, uint32_t, const uint8_t*, uint32_t, uint32_t,
                       uint32_t*) {
    return 0;
}

int RequestStatusGet(const uint8_t*, ZozCallback, uint32_t, uint8_t*, uint32_t, uint32_t,
                     uint32_t*) {
    return 0;
}

int RequestAsyncRead(const uint8_t*, ZozCallback, uint32_t, uint32_t, uint32_t*) {
    return 0;
}

int RequestStatusSetFeature(const uint8_t*, ZozCallback, uint32_t, const uint8_t*, uint32_t,
                            uint32_t, uint32_t*) {
    return 0;
}

}  // extern "C"
