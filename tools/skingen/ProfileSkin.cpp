#include "ProfileSkin.h"

#include <array>

#include "DialogBackdrop.h"
#include "SkinFileWriter.h"
#include "storage/SkinLayoutKeys.h"

namespace keyloom::skingen {

namespace {

constexpr QSize kSize{560, 420};
constexpr int kTitleHeight = 56;
constexpr QRect kBadge{16, 8, 40, 40};
constexpr QRect kList{20, 72, 520, 240};
constexpr QRect kTitle{220, 12, 320, 32};  // right of the word mark

struct ButtonPlace {
    const char* key;
    QRect rect;
    Icon icon;
};

constexpr auto kButtons = std::to_array<ButtonPlace>({
    {"FUNC_LOAD", {20, 324, 108, 32}, Icon::kFolder},
    {"FUNC_ADD", {134, 324, 108, 32}, Icon::kPlus},
    {"FUNC_DELETE", {248, 324, 108, 32}, Icon::kTrash},
    {"CONTROL2_APPLY", {236, 372, 96, 32}, Icon::kNone},
    {"CONTROL_OK", {340, 372, 96, 32}, Icon::kNone},
    {"CONTROL_CANCEL", {444, 372, 96, 32}, Icon::kNone},
});

constexpr auto kPictures = std::to_array<StatePicture>({
    {"Profile_normal.jpg", FaceState::kNormal},
    {"Profile_over.jpg", FaceState::kOver},
    {"Profile_down.jpg", FaceState::kDown},
});

SkinWindow ProfileWindow() {
    SkinWindow window{
        kSize, DialogBackdrop{kSize, kTitleHeight, kBadge, Icon::kLayers, true, {kList}}, {}, {}};
    for (const ButtonPlace& button : kButtons) {
        window.controls.push_back(
            {button.key, button.rect, ButtonFace{ButtonRole::kSecondary, button.icon}});
    }
    window.controls.push_back({"PROGRAM_LIST", kList});
    window.controls.push_back({"PROFILE_TITLE", kTitle});
    return window;
}

}  // namespace

void WriteProfileSkin(SkinFolder& folder) {
    const SkinWindow window = ProfileWindow();
    WriteSkinFile(folder, ProfileSkinKeys(), window, {"profile_bg.jpg", "profile_mask.bmp", {}});
    WriteStatePictures(folder, window, kPictures);
}

}  // namespace keyloom::skingen
