// The skin file reader on any file: the screen pictures and link and every rectangle the file
// seems to name read without harm, and a rectangle read keeps its numbers when written back in
// the skin format and read again.

#include <cstddef>
#include <cstdint>
#include <string>

#include "storage/SkinFile.h"
#include "support/FuzzCheck.h"
#include "support/IniNames.h"
#include "support/ScratchFile.h"

using namespace keyloom;

namespace {

constexpr size_t kNameLimit = 24;

std::string SkinValue(const SkinRect& rect) {
    return std::to_string(rect.x) + "," + std::to_string(rect.y) + "," + std::to_string(rect.w) +
           "," + std::to_string(rect.h);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz::WriteScratchFile("skin.ini", {data, size});
    ReadSkinScreen(path);
    for (const fuzz::IniName& name : fuzz::IniNamesOf(fuzz::IniTextOf(path), kNameLimit)) {
        const SkinRect rect =
            ReadSkinRect(path, name.section.value_or(SKIN_SECTION_BUTTONS), name.key);
        FUZZ_CHECK(ParseSkinRect(SkinValue(rect)) == rect);
    }
    // No entry name holds '=', so this one is never in the file and reads as the default.
    FUZZ_CHECK(ReadSkinRect(path, SKIN_SECTION_ARROWS, "no=such") == SkinRect{});
    return 0;
}
