#pragma once

#include <string>

namespace keyloom {

// A control's place in its dialog, from a skin file value "x,y,w,h": left and top edge in the
// dialog's client coordinates, width and height in pixels.
struct SkinRect {
    int x = 1;
    int y = 1;
    int w = 1;
    int h = 1;
    friend bool operator==(const SkinRect&, const SkinRect&) = default;
};

inline constexpr const char* SKIN_SECTION_SCREEN = "SCREEN";
inline constexpr const char* SKIN_SECTION_BUTTONS = "BUTTONINFO";
inline constexpr const char* SKIN_SECTION_ARROWS = "BUTTONINFO2";

// What a value that is not in the file reads as: a 1 x 1 control at (1, 1).
inline constexpr const char* SKIN_DEFAULT_RECT = "1,1,1,1,x";

// The first four decimal numbers of the value; text after the fourth is ignored. Numbers that
// are missing keep the default's 1 and numbers beyond the range of int are cut to it, so a
// damaged value never yields a control of size 0.
SkinRect ParseSkinRect(const std::string& value);

// The rectangle of one key of the skin file, read anew each time.
SkinRect ReadSkinRect(const std::string& skinFile, const std::string& section,
                      const std::string& key);

// Section SCREEN of a skin file: the background and outline pictures (relative to the skin
// file's folder) and, in the main skin file, the address of the top link.
struct SkinScreen {
    std::string main;
    std::string mask;  // the background picture when the file names none
    std::string link;
};

// The address the top link opens when the skin names none.
inline constexpr const char* SKIN_DEFAULT_LINK = "https://keyloom.example/";

SkinScreen ReadSkinScreen(const std::string& skinFile);

}  // namespace keyloom
