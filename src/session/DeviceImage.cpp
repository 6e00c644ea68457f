#include "session/DeviceImage.h"

#include "model/KeyBlockCodec.h"
#include "model/MacroList.h"

namespace keyloom {

void DeviceImage::Take(const WorkingProfile& profile) {
    snapshot_ = profile;
}

bool DeviceImage::MacroPositionsChangedIn(const MacroList& macros) const {
    const MacroList& held = snapshot_.macros;
    for (size_t position = 0; position < held.size(); ++position) {
        const MacroRecord* now = FindMacroById(macros, held[position].Id());
        if (now == nullptr || static_cast<size_t>(now - macros.data()) != position) {
            return true;
        }
    }
    return false;
}

MacroAreaSize DeviceImage::MacroSizes() const {
    return MacroAreaSizes(snapshot_.macros);
}

std::vector<uint8_t> DeviceImage::MacroImage(size_t size, bool withNames) const {
    return EncodeMacroArea(snapshot_.macros, size, withNames);
}

KeyBlockBytes DeviceImage::KeyBlockImage(int profile, const KeyBlockBytes& factory) {
    const MacroList& macros = snapshot_.macros;
    return EncodeKeyBlock(snapshot_.Assignments(), profile, factory,
                          [&macros](uint32_t id) { return MacroPositionOfId(macros, id); });
}

}  // namespace keyloom
