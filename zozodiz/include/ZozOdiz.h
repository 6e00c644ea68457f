/* ZozOdiz: the HID transport between the configuration tool and the keyboard.
 *
 * A C ABI shared by the library and the tool, which loads it by name and looks up every export.
 * Requests name a HID collection of the keyboard through a 16-byte descriptor and carry a
 * checksum over their arguments, computed alike by both sides with ZozRequestChecksum below.
 */
#ifndef ZOZODIZ_H
#define ZOZODIZ_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define ZOZ_EXPORT __attribute__((visibility("default")))

/* Request descriptor, 16 bytes little-endian: u32 0x0000000F, u16 vendor id, u16 product id,
 * u16 HID usage page, u16 HID usage, u32 0. */
#define ZOZ_DESCRIPTOR_SIZE 16
#define ZOZ_DESCRIPTOR_MARK 0x0000000Fu
#define ZOZ_VENDOR_ID 0x0C45u
#define ZOZ_PRODUCT_ID 0x7631u

/* The keyboard's collections (usage page, usage). */
#define ZOZ_CONFIG_PAGE 0xFF1Cu
#define ZOZ_CONFIG_USAGE 0x0092u
#define ZOZ_CONSUMER_PAGE 0x000Cu
#define ZOZ_CONSUMER_USAGE 0x0001u
#define ZOZ_BANK_STATUS_PAGE 0x0008u
#define ZOZ_BANK_STATUS_USAGE 0x0089u

/* Kinds of notification handed to a callback. */
#define ZOZ_NOTIFY_DEVICE_COUNT 0u
#define ZOZ_NOTIFY_INPUT_REPORT 1u

/* What a standing request hears: an input report of its collection (kind 1) or a change of the
 * number of keyboards (kind 0). The data pointer is valid during the callback only. */
typedef struct ZozNotification {
    uint32_t kind;
    uint32_t tag;         /* the tag the standing request was made with */
    uint32_t requestId;   /* the standing request's id */
    uint32_t deviceCount; /* kind 0: the new number of keyboards */
    uint32_t length;      /* kind 1: number of report bytes */
    const uint8_t* data;  /* kind 1: the report bytes */
} ZozNotification;

/* Called on a library thread; returns 1. */
typedef int (*ZozCallback)(const ZozNotification* notification);

/* The twelve exports. Results above 0 mean success unless a function says otherwise. */
ZOZ_EXPORT int Debug(int level);
ZOZ_EXPORT int Init(int flags);
ZOZ_EXPORT int End(void);
ZOZ_EXPORT int RequestGetDeviceCount(const uint8_t* descriptor, ZozCallback callback, uint32_t tag,
                                     uint32_t checksum, uint32_t* requestId);
ZOZ_EXPORT int DeleteRequestFromUnitId(uint32_t requestId);
ZOZ_EXPORT int DeleteRequestFromHandle(void* handle);
ZOZ_EXPORT int RequestWrite(const uint8_t* descriptor, ZozCallback callback, uint32_t tag,
                            const uint8_t* data, uint32_t length, uint32_t checksum,
                            uint32_t* requestId);
ZOZ_EXPORT int RequestWriteOne(const uint8_t* descriptor, ZozCallback callback, uint32_t tag,
                               const uint8_t* data, uint32_t length, uint32_t checksum,
                               uint32_t* requestId);
ZOZ_EXPORT int RequestStatusWrite(const uint8_t* descriptor, ZozCallback callback, uint32_t tag,
                                  const uint8_t* data, uint32_t length, uint32_t checksum,
                                  uint32_t* requestId);
ZOZ_EXPORT int RequestStatusGet(const uint8_t* descriptor, ZozCallback callback, uint32_t tag,
                                uint8_t* data, uint32_t length, uint32_t checksum,
                                uint32_t* requestId);
ZOZ_EXPORT int RequestAsyncRead(const uint8_t* descriptor, ZozCallback callback, uint32_t tag,
                                uint32_t checksum, uint32_t* requestId);
ZOZ_EXPORT int RequestStatusSetFeature(const uint8_t* descriptor, ZozCallback callback,
                                       uint32_t tag, const uint8_t* data, uint32_t length,
                                       uint32_t checksum, uint32_t* requestId);

/* An export beyond the twelve, which the tool looks up without requiring it: whether a keyboard
 * is plugged in whose node this user may not open (no udev rule grants access to it). Returns
 * ZOZ_ACCESS_DENIED and copies the node's path into `node` (cut to `size` bytes, terminated),
 * or ZOZ_ACCESS_OK when every keyboard found could be opened. */
#define ZOZ_ACCESS_OK 0
#define ZOZ_ACCESS_DENIED 1
ZOZ_EXPORT int ZozAccessProblem(char* node, uint32_t size);

/* Table T of the request checksum, known to both sides. */
static const uint8_t ZozChecksumTable[256] = {
    0x5B, 0xC2, 0x17, 0x8E, 0x3A, 0xF1, 0x64, 0x09, 0xD7, 0x2C, 0x9F, 0x41, 0xB8, 0x73, 0x06, 0xEA,
    0x1D, 0x88, 0x52, 0xCF, 0x35, 0x6E, 0xA4, 0x0B, 0xF9, 0x47, 0x90, 0x2E, 0xDB, 0x61, 0x14, 0xBD,
    0x7A, 0x03, 0xC6, 0x58, 0x9D, 0x27, 0xE2, 0x4F, 0x11, 0xB4, 0x6B, 0xF5, 0x38, 0x82, 0xAE, 0x1F,
    0xC9, 0x54, 0x0E, 0x97, 0x6A, 0xD3, 0x25, 0x8C, 0xFB, 0x40, 0xB1, 0x1A, 0x76, 0xE9, 0x33, 0x9A,
    0x05, 0x6D, 0xD0, 0x49, 0xAB, 0x12, 0x84, 0xFE, 0x3F, 0xC4, 0x59, 0x21, 0x98, 0x7D, 0xE6, 0x0C,
    0xB7, 0x2A, 0x93, 0x68, 0x1C, 0xF0, 0x45, 0xDE, 0x80, 0x37, 0xAC, 0x5E, 0x02, 0xC7, 0x7B, 0x16,
    0xE4, 0x8B, 0x30, 0xA9, 0x5C, 0x0F, 0xD5, 0x62, 0x99, 0x26, 0xBF, 0x48, 0xF3, 0x0A, 0x86, 0x51,
    0x2D, 0xCA, 0x74, 0x1B, 0xE0, 0x95, 0x3C, 0xA7, 0x60, 0xDA, 0x08, 0xB5, 0x4E, 0x87, 0x23, 0xFC,
    0x91, 0x36, 0xEF, 0x5A, 0x04, 0xBB, 0x69, 0xC0, 0x1E, 0x83, 0x4A, 0xD9, 0x2F, 0x75, 0xA2, 0x13,
    0xCD, 0x66, 0x00, 0x9B, 0x42, 0xF8, 0x29, 0xB0, 0x57, 0x0D, 0xE7, 0x7E, 0x34, 0xA1, 0xD4, 0x6F,
    0x19, 0xB3, 0x8D, 0x46, 0xFA, 0x22, 0x79, 0xCC, 0x50, 0xA6, 0x3B, 0xE1, 0x07, 0x92, 0x6C, 0xD8,
    0x43, 0x1A, 0xBE, 0x85, 0x31, 0xEC, 0x58, 0x97, 0xC3, 0x0E, 0x7F, 0x24, 0xA8, 0x5D, 0xF6, 0x39,
    0x8F, 0x53, 0xDC, 0x10, 0x65, 0xB9, 0x2B, 0xE5, 0x9E, 0x47, 0xC1, 0x72, 0x0B, 0xAD, 0x38, 0xF2,
    0x67, 0x15, 0xA0, 0xCE, 0x4B, 0x81, 0xF7, 0x28, 0xBA, 0x5F, 0x03, 0x96, 0x6E, 0xD1, 0x3D, 0x8A,
    0xE8, 0x44, 0x9C, 0x20, 0x77, 0xC8, 0x12, 0xAF, 0x5B, 0xFD, 0x32, 0x89, 0xD6, 0x0C, 0x63, 0xB2,
    0x1E, 0x7C, 0xC5, 0x4D, 0xAA, 0x18, 0xE3, 0x56, 0x94, 0x3E, 0xDF, 0x6B, 0x01, 0xB6, 0x78, 0xEB,
};

/* Sum of T[b] over the descriptor, the callback's pointer value (its low 32 bits, little-endian,
 * 0 when none), the tag (little-endian) and the data. */
static inline uint32_t ZozRequestChecksum(const uint8_t* descriptor, ZozCallback callback,
                                          uint32_t tag, const uint8_t* data, size_t length) {
    uint32_t sum = 0;
    size_t i;
    const uint32_t callbackValue = (uint32_t)(uintptr_t)callback;
    for (i = 0; i < ZOZ_DESCRIPTOR_SIZE; ++i) {
        sum += ZozChecksumTable[descriptor[i]];
    }
    for (i = 0; i < 4; ++i) {
        sum += ZozChecksumTable[(callbackValue >> (8 * i)) & 0xFFu];
        sum += ZozChecksumTable[(tag >> (8 * i)) & 0xFFu];
    }
    for (i = 0; data != NULL && i < length; ++i) {
        sum += ZozChecksumTable[data[i]];
    }
    return sum;
}

/* Fills a 16-byte request descriptor for one collection of the keyboard. */
static inline void ZozMakeDescriptor(uint8_t* descriptor, uint16_t usagePage, uint16_t usage) {
    const uint32_t fields[6] = {ZOZ_DESCRIPTOR_MARK, ZOZ_VENDOR_ID, ZOZ_PRODUCT_ID,
                                usagePage,           usage,         0};
    const size_t widths[6] = {4, 2, 2, 2, 2, 4};
    size_t field, byte, at = 0;
    for (field = 0; field < 6; ++field) {
        for (byte = 0; byte < widths[field]; ++byte) {
            descriptor[at++] = (uint8_t)(fields[field] >> (8 * byte));
        }
    }
}

#ifdef __cplusplus
}
#endif

#endif /* ZOZODIZ_H */
