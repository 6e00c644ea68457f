#include "Collection.h"

#include "platform/LittleEndian.h"

namespace zozodiz {

Collection CollectionOfDescriptor(const uint8_t* descriptor) {
    return {keyloom::ReadU16(descriptor + 8), keyloom::ReadU16(descriptor + 10)};
}

bool NamesOurKeyboard(const uint8_t* descriptor) {
    return keyloom::ReadU16(descriptor + 4) == ZOZ_VENDOR_ID &&
           keyloom::ReadU16(descriptor + 6) == ZOZ_PRODUCT_ID;
}

}  // namespace zozodiz
