#include "UpdateSkin.h"

#include <QPainter>
#include <array>

#include "DialogBackdrop.h"
#include "SkinFileWriter.h"
#include "SkinPalette.h"
#include "storage/SkinLayoutKeys.h"

namespace keyloom::skingen {

namespace {

constexpr QSize kSize{480, 300};
constexpr int kTitleHeight = 56;
constexpr QRect kBadge{16, 8, 40, 40};
constexpr QRect kPath{24, 84, 324, 28};
constexpr QRect kHiddenList{24, 126, 432, 26};
constexpr QRect kTitle{200, 12, 256, 32};  // right of the word mark
constexpr QRectF kIllustration{190, 124, 100, 100};
constexpr int kIllustrationAlpha = 28;

struct ButtonPlace {
    const char* key;
    QRect rect;
    Icon icon;
    ButtonRole role;
};

constexpr auto kButtons = std::to_array<ButtonPlace>({
    {"CONTROL_OPENButton", {356, 83, 100, 30}, Icon::kFolder, ButtonRole::kSecondary},
    {"CONTROL_BACKUPButton", {24, 244, 128, 34}, Icon::kSave, ButtonRole::kSecondary},
    {"CONTROL_UPButton", {176, 244, 128, 34}, Icon::kUpload, ButtonRole::kPrimary},
    {"CONTROL_CUPButton", {328, 244, 128, 34}, Icon::kClose, ButtonRole::kSecondary},
});

constexpr auto kPictures = std::to_array<StatePicture>({
    {"update_normal.jpg", FaceState::kNormal},
    {"update_over.jpg", FaceState::kOver},
});

void PaintBackdrop(QPainter& painter) {
    DialogBackdrop{kSize, kTitleHeight, kBadge, Icon::kChip, true, {kPath}}(painter);
    QColor chip = Colour(palette::kIconBright);
    chip.setAlpha(kIllustrationAlpha);
    PaintIcon(painter, kIllustration, Icon::kChip, chip);
}

SkinWindow UpdateWindow() {
    SkinWindow window{kSize, PaintBackdrop, {}, {}};
    for (const ButtonPlace& button : kButtons) {
        window.controls.push_back({button.key, button.rect, ButtonFace{button.role, button.icon}});
    }
    window.controls.push_back({"CONTROL_UPStatic", kPath});
    window.controls.push_back({"CONTROL_UPCombox", kHiddenList});
    window.controls.push_back({"UPDATE_TITLE", kTitle});
    return window;
}

}  // namespace

void WriteUpdateSkin(SkinFolder& folder) {
    const SkinWindow window = UpdateWindow();
    WriteSkinFile(folder, UpdateSkinKeys(), window, {"update_bg.jpg", "update_mask.bmp", {}});
    WriteStatePictures(folder, window, kPictures);
}

}  // namespace keyloom::skingen
