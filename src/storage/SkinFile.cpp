#include "storage/SkinFile.h"

#include <array>

#include "platform/PrivateProfile.h"
#include "storage/DecimalList.h"

namespace keyloom {

namespace {

constexpr size_t kRectBufferChars = 260;
constexpr size_t kPictureBufferChars = 2047;
constexpr size_t kLinkBufferChars = 260;

}  // namespace

SkinRect ParseSkinRect(const std::string& value) {
    std::array<int, 4> numbers{};
    const size_t read = ReadDecimalList(value, numbers);
    SkinRect rect;
    int* fields[] = {&rect.x, &rect.y, &rect.w, &rect.h};
    for (size_t i = 0; i < read; ++i) {
        *fields[i] = numbers[i];
    }
    return rect;
}

SkinRect ReadSkinRect(const std::string& skinFile, const std::string& section,
                      const std::string& key) {
    return ParseSkinRect(
        ReadProfileString(section, key, SKIN_DEFAULT_RECT, skinFile, kRectBufferChars));
}

SkinScreen ReadSkinScreen(const std::string& skinFile) {
    SkinScreen screen;
    screen.main = ReadProfileString(SKIN_SECTION_SCREEN, "Main", "", skinFile, kPictureBufferChars);
    screen.mask =
        ReadProfileString(SKIN_SECTION_SCREEN, "Mask", screen.main, skinFile, kPictureBufferChars);
    screen.link = ReadProfileString(SKIN_SECTION_SCREEN, "Link", SKIN_DEFAULT_LINK, skinFile,
                                    kLinkBufferChars);
    return screen;
}

}  // namespace keyloom
