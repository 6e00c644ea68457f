#include "CompositeSkin.h"

#include <array>
#include <span>

#include "DialogBackdrop.h"
#include "SkinFileWriter.h"
#include "storage/SkinLayoutKeys.h"

namespace keyloom::skingen {

namespace {

constexpr QSize kSize{700, 520};
constexpr int kTitleHeight = 60;
constexpr QRect kPageRect{20, 104, 660, 346};

enum class Page { kAll, kKey, kMacro, kMedia, kFunction };

enum class Part {
    kPlain,   // a label or check box that draws itself
    kField,   // an edit box or list, on an inset
    kButton,  // captioned by the tool
    kTool,    // an icon on a button face
    kChrome,  // a bare icon in the title band
    kTab,
    kBadge,
};

struct CompositePlace {
    const char* key;
    QRect rect;
    Part part;
    Page page;
    Icon icon = Icon::kNone;
    bool lockedForMacroOnly = false;  // disabled while the dialog edits only macros
};

constexpr int kTabY = 68;
constexpr QSize kTabSize{162, 36};
constexpr int TabX(int index) {
    return kPageRect.left() + index * (kTabSize.width() + 4);
}

constexpr auto kPlaces = std::to_array<CompositePlace>({
    {"CONTROL_TITLE", {16, 10, 40, 40}, Part::kBadge, Page::kAll},
    {"KEY_SETTING", {68, 20, 420, 22}, Part::kPlain, Page::kAll},
    {"CONTROL_OSK", {602, 16, 36, 28}, Part::kChrome, Page::kAll, Icon::kKeyboard},
    {"CONTROL_CLEAR", {644, 16, 36, 28}, Part::kChrome, Page::kAll, Icon::kEraser, true},
    {"CONTROL_KEY",
     {QPoint(TabX(0), kTabY), kTabSize},
     Part::kTab,
     Page::kAll,
     Icon::kKeyboard,
     true},
    {"CONTROL_MACRO", {QPoint(TabX(1), kTabY), kTabSize}, Part::kTab, Page::kAll, Icon::kMacro},
    {"CONTROL_MEDIA",
     {QPoint(TabX(2), kTabY), kTabSize},
     Part::kTab,
     Page::kAll,
     Icon::kMedia,
     true},
    {"CONTROL_FUNCTION",
     {QPoint(TabX(3), kTabY), kTabSize},
     Part::kTab,
     Page::kAll,
     Icon::kFunction,
     true},
    {"CONTROL_OK", {452, 466, 110, 34}, Part::kButton, Page::kAll},
    {"CONTROL_CANCEL", {570, 466, 110, 34}, Part::kButton, Page::kAll},

    {"TISHI_SINGLE_STATIC", {40, 120, 620, 36}, Part::kPlain, Page::kKey},
    {"FUNC_KEY_RADIO_KB", {40, 172, 20, 20}, Part::kPlain, Page::kKey},
    {"FUNC_KEY_RADIO_KB_STATIC", {66, 172, 280, 20}, Part::kPlain, Page::kKey},
    {"FUNC_KEY_INPUT", {40, 204, 300, 48}, Part::kField, Page::kKey},
    {"FUNC_KEY_RADIO_MOU", {40, 276, 20, 20}, Part::kPlain, Page::kKey},
    {"FUNC_KEY_RADIO_MOU_STATIC", {66, 276, 280, 20}, Part::kPlain, Page::kKey},

    {"MARCO_NAME_SETTING", {40, 118, 256, 20}, Part::kPlain, Page::kMacro},
    {"FUNC_MACRO_LIST", {40, 144, 256, 28}, Part::kField, Page::kMacro},
    {"FUNC_MACRO_ADD", {304, 143, 30, 30}, Part::kTool, Page::kMacro, Icon::kPlus},
    {"FUNC_MACRO_DELETE", {338, 143, 30, 30}, Part::kTool, Page::kMacro, Icon::kTrash},
    {"FUNC_MACRO_LIST2", {40, 186, 328, 246}, Part::kField, Page::kMacro},
    {"FUNC_MACRO_RECORD", {392, 142, 268, 34}, Part::kButton, Page::kMacro, Icon::kRecord},
    {"FUNC_MACRO_UP_TOP", {392, 188, 131, 30}, Part::kButton, Page::kMacro},
    {"FUNC_MACRO_UP", {529, 188, 131, 30}, Part::kButton, Page::kMacro},
    {"FUNC_MACRO_DOWN", {392, 224, 131, 30}, Part::kButton, Page::kMacro},
    {"FUNC_MACRO_DOWN_BOTTOM", {529, 224, 131, 30}, Part::kButton, Page::kMacro},
    {"FUNC_MACRO_DELETE2", {392, 260, 131, 30}, Part::kButton, Page::kMacro},
    {"FUNC_MACRO_CLEAR", {529, 260, 131, 30}, Part::kButton, Page::kMacro},
    {"FUNC_MACRO_RECORD_DELAY", {392, 312, 20, 20}, Part::kPlain, Page::kMacro},
    {"FUNC_MACRO_RECORD_DELAY2", {418, 312, 242, 20}, Part::kPlain, Page::kMacro},
    {"FUNC_MACRO_CYCLES_PROMPT", {392, 350, 160, 20}, Part::kPlain, Page::kMacro},
    {"FUNC_MACRO_CYCLES", {572, 346, 88, 28}, Part::kField, Page::kMacro},

    {"MEDIA_SETTING_TISHI", {40, 120, 620, 36}, Part::kPlain, Page::kMedia},
    {"FUNC_MEDIA_SELECT", {40, 166, 620, 262}, Part::kField, Page::kMedia},

    {"FUNCTION_KEY_SETTING_TISHI", {40, 120, 620, 36}, Part::kPlain, Page::kFunction},
    {"FUNC_FUNCTION_SELECT", {40, 166, 620, 262}, Part::kField, Page::kFunction},
});

// One picture set: the page it shows and its full-window pictures.
struct PictureSet {
    Page page;
    bool macroOnly;
    std::span<const StatePicture> pictures;
};

constexpr auto kKeyPictures = std::to_array<StatePicture>({
    {"key_normal.jpg", FaceState::kNormal},
    {"key_over.jpg", FaceState::kOver},
    {"key_down.jpg", FaceState::kDown},
});
constexpr auto kMacroPictures = std::to_array<StatePicture>({
    {"macro_normal.jpg", FaceState::kNormal},
    {"macro_over.jpg", FaceState::kOver},
    {"macro_down.jpg", FaceState::kDown},
    {"macro_disable.jpg", FaceState::kDisabled},
});
constexpr auto kMacroOnlyPictures = std::to_array<StatePicture>({
    {"macro2_normal.jpg", FaceState::kNormal},
    {"macro2_over.jpg", FaceState::kOver},
    {"macro2_down.jpg", FaceState::kDown},
    {"macro2_disable.jpg", FaceState::kDisabled},
});
constexpr auto kMediaPictures = std::to_array<StatePicture>({
    {"media_normal.jpg", FaceState::kNormal},
    {"media_over.jpg", FaceState::kOver},
    {"media_down.jpg", FaceState::kDown},
});
constexpr auto kFunctionPictures = std::to_array<StatePicture>({
    {"function_normal.jpg", FaceState::kNormal},
    {"function_over.jpg", FaceState::kOver},
    {"function_down.jpg", FaceState::kDown},
});

const std::array<PictureSet, 5> kPictureSets = {{
    {Page::kKey, false, kKeyPictures},
    {Page::kMacro, false, kMacroPictures},
    {Page::kMacro, true, kMacroOnlyPictures},
    {Page::kMedia, false, kMediaPictures},
    {Page::kFunction, false, kFunctionPictures},
}};

// Only the single-key page has room for a watermark; the other pages are filled by their lists.
Icon WatermarkOf(Page page) {
    return page == Page::kKey ? Icon::kKeyboard : Icon::kNone;
}

PageFace PageOf(Page page) {
    PageFace face{WatermarkOf(page), {}};
    for (const CompositePlace& place : kPlaces) {
        if (place.page == page && place.part == Part::kField) {
            face.wells.push_back(place.rect);
        }
    }
    return face;
}

Face FaceOf(const CompositePlace& place, const PictureSet& set) {
    if (place.page != Page::kAll && place.page != set.page) {
        return NoFace{};
    }
    switch (place.part) {
        case Part::kButton:
            return ButtonFace{ButtonRole::kSecondary, place.icon};
        case Part::kTool:
            return IconButtonFace{place.icon, false, true};
        case Part::kChrome:
            return IconButtonFace{place.icon};
        case Part::kTab:
            return TabFace{place.icon, set.macroOnly && place.lockedForMacroOnly};
        case Part::kBadge:
            return BadgeFace{set.macroOnly ? Icon::kMacro : Icon::kKeyboard};
        case Part::kPlain:
        case Part::kField:
            break;
    }
    return NoFace{};
}

SkinWindow CompositeWindow(const PictureSet& set) {
    SkinWindow window{
        kSize, DialogBackdrop{kSize, kTitleHeight, QRect(), Icon::kNone, false, {}}, {}, {}};
    window.controls.push_back({"CONTROL_MASK", kPageRect, PageOf(set.page)});
    for (const CompositePlace& place : kPlaces) {
        window.controls.push_back({place.key, place.rect, FaceOf(place, set)});
    }
    return window;
}

}  // namespace

void WriteCompositeSkin(SkinFolder& folder) {
    WriteSkinFile(folder, CompositeSkinKeys(), CompositeWindow(kPictureSets.front()),
                  {"composite_bg.jpg", "composite_mask.bmp", {}});
    for (const PictureSet& set : kPictureSets) {
        WriteStatePictures(folder, CompositeWindow(set), set.pictures);
    }
}

}  // namespace keyloom::skingen
