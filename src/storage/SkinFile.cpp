#include "storage/SkinFile.h"

#include <cctype>
#include <cstdlib>

#include "platform/PrivateProfile.h"

namespace keyloom {

namespace {

constexpr size_t kRectBufferChars = 260;
constexpr size_t kPictureBufferChars = 2047;
constexpr size_t kLinkBufferChars = 260;

// Reads an optionally signed decimal number at `at`, the way "%d" does after skipping blanks.
bool ReadNumber(const std::string& text, size_t& at, int& number) {
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) {
        ++at;
    }
    const char* start = text.c_str() + at;
    char* end = nullptr;
    const long value = std::strtol(start, &end, 10);
    if (end == start) {
        return false;
    }
    at += static_cast<size_t>(end - start);
    number = static_cast<int>(value);
    return true;
}

}  // namespace

SkinRect ParseSkinRect(const std::string& value) {
    SkinRect rect;
    int* fields[] = {&rect.x, &rect.y, &rect.w, &rect.h};
    size_t at = 0;
    for (size_t i = 0; i < 4; ++i) {
        if (i > 0 && (at >= value.size() || value[at++] != ',')) {
            break;
        }
        if (!ReadNumber(value, at, *fields[i])) {
            break;
        }
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
