#include "support/SimMacros.h"

#include <gtest/gtest.h>

#include <string>

#include "ZozSim.h"
#include "model/MacroArea.h"

namespace keyloom::test {

std::vector<uint8_t> WriteMacrosToSim(size_t count) {
    MacroList macros;
    for (size_t m = 0; m < count; ++m) {
        MacroRecord macro = NewMacroRecord(macros, "macro " + std::to_string(m + 1));
        const auto key = static_cast<ScanCode>(0x10 + m);
        const auto pause = static_cast<uint32_t>(10 * (m + 1));
        macro.SetEvents(std::vector<MacroEvent>{{pause, key, MACRO_PRESS},
                                                {pause, key, MACRO_RELEASE},
                                                {0, 0x1E, MACRO_PRESS},
                                                {0, 0x1E, MACRO_RELEASE}});
        macros.push_back(macro);
    }
    const auto image = EncodeMacroArea(macros, MacroAreaSizes(macros).full, true);
    EXPECT_EQ(ZozSim_WriteMemory(ZOZSIM_AREA_MACROS, 0, image.data(),
                                 static_cast<uint32_t>(image.size())),
              1);
    return image;
}

}  // namespace keyloom::test
