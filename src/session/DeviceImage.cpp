#include "session/DeviceImage.h"

#include <algorithm>

#include "model/KeyBlockCodec.h"
#include "model/MacroList.h"

namespace keyloom {

void DeviceImage::Take(const WorkingProfile& profile) {
    snapshot_ = profile;
}

bool DeviceImage::MacroPositionsChangedIn(const MacroList& macros) const {
    const MacroList& held = snapshot_.macros;
    for (size_t position = 0; position < held.size(); ++position) {
        const uint16_t id = held[position].Id();
        const auto now = std::find_if(macros.begin(), macros.end(),
                                      [id](const MacroRecord& macro) { return macro.Id() == id; });
        if (now == macros.end() || static_cast<size_t>(now - macros.begin()) != position) {
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
