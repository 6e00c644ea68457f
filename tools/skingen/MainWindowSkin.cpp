#include "MainWindowSkin.h"

#include <QPainter>
#include <array>

#include "BrandPainter.h"
#include "FlipArrows.h"
#include "KeyboardLayout.h"
#include "LightingBitmaps.h"
#include "LightingPanelLayout.h"
#include "SkinFileWriter.h"
#include "SkinPalette.h"
#include "WindowFrame.h"
#include "model/KeyButtonTable.h"
#include "storage/SkinLayoutKeys.h"

namespace keyloom::skingen {

namespace {

constexpr int kMargin = 20;
constexpr int kTitleHeight = 52;
constexpr int kToolbarY = 64;
constexpr int kToolbarHeight = 32;

// The keyboard plate and its key clusters.
constexpr int kUnit = 40;
constexpr int kKeyGap = 2;
constexpr int kPlateX = kMargin;
constexpr int kPlateY = 108;
constexpr int kPlatePadding = 16;
constexpr int kBezelHeight = 28;
constexpr int kGKeyWidth = 60;
constexpr int kClusterGap = kUnit / 2;
constexpr int kKeysTop = kPlateY + kPlatePadding + kBezelHeight;
constexpr int kGColumnX = kPlateX + kPlatePadding;
constexpr int kMainX = kGColumnX + kGKeyWidth + kPlatePadding;
constexpr int kNavigationX = kMainX + 15 * kUnit + kClusterGap;
constexpr int kNumpadX = kNavigationX + 3 * kUnit + kClusterGap;
constexpr int kPlateWidth = kNumpadX + 4 * kUnit - kKeyGap + kPlatePadding - kPlateX;

constexpr KeyboardGeometry kKeyboard{
    kUnit, kKeyGap, kUnit / 2, {kMainX, kKeysTop}, {kNavigationX, kKeysTop}, {kNumpadX, kKeysTop}};

// Nine G keys in three groups of three beside the main cluster.
constexpr int kGKeyHeight = 24;
constexpr int kGKeyPitch = 27;
constexpr int kGGroupPitch = 90;
// The middle of a G key stays free for the bank caption the tool draws (A1 to A5, B1 to B5).
constexpr std::array<const char*, 9> kGKeyLegends = {"G1", "G2", "G3", "G4", "G5",
                                                     "G6", "G7", "G8", "G9"};

constexpr int kPanelX = kPlateX + kPlateWidth + 16;
constexpr int kWindowWidth = kPanelX + lighting::kPanelWidth + kMargin;

constexpr int kFooterY = 440;
constexpr int kFooterButtonHeight = 34;
constexpr int kWindowHeight = kFooterY + kFooterButtonHeight + 16;

constexpr const char* kLink = "https://keyloom.example/";

struct Place {
    const char* key;
    QRect rect;
};

struct IconPlace {
    const char* key;
    QRect rect;
    Icon icon;
};

// Window chrome at the right of the title band, counted from the right.
constexpr int kChromeY = 12;
constexpr QSize kChromeSize{36, 28};
constexpr int kChromeGap = 4;

struct ChromePlace {
    const char* key;
    int fromRight;
    Icon icon;
    bool danger;
};

constexpr auto kChrome = std::to_array<ChromePlace>({
    {"CONTROL_MENU", 4, Icon::kMenu, false},
    {"CONTROL_LINK", 3, Icon::kGlobe, false},
    {"CONTROL_HELP", 2, Icon::kHelp, false},
    {"CONTROL_MINIMIZE", 1, Icon::kMinimise, false},
    {"CONTROL_CLOSE", 0, Icon::kClose, true},
});

constexpr QRect ChromeRect(int fromRight) {
    const int step = kChromeSize.width() + kChromeGap;
    return QRect(QPoint(kWindowWidth - kMargin - kChromeSize.width() - fromRight * step, kChromeY),
                 kChromeSize);
}

// Footer buttons at the right, counted from the right.
constexpr QSize kFooterButtonSize{100, kFooterButtonHeight};
constexpr int kFooterButtonGap = 8;
constexpr int FooterButtonX(int fromRight) {
    return kWindowWidth - kMargin - kFooterButtonSize.width() -
           fromRight * (kFooterButtonSize.width() + kFooterButtonGap);
}

// Buttons captioned by the tool.
constexpr auto kCaptionButtons = std::to_array<Place>({
    {"FUNC_PROFILE1", {kMargin, kToolbarY, 84, kToolbarHeight}},
    {"FUNC_PROFILE2", {kMargin + 88, kToolbarY, 84, kToolbarHeight}},
    {"FUNC_PROFILE3", {kMargin + 176, kToolbarY, 84, kToolbarHeight}},
    {"FUNC_MACRO", {kMargin + 454, kToolbarY, 90, kToolbarHeight}},
    {"FUNC_DEFAULT", {kMargin + 556, kToolbarY, 90, kToolbarHeight}},
    {"CONTROL2_APPLY", {QPoint(FooterButtonX(2), kFooterY), kFooterButtonSize}},
    {"CONTROL_OK", {QPoint(FooterButtonX(1), kFooterY), kFooterButtonSize}},
    {"CONTROL_CANCEL", {QPoint(FooterButtonX(0), kFooterY), kFooterButtonSize}},
});

constexpr QRect kProfileManager{kMargin + 272, kToolbarY, 170, kToolbarHeight};
constexpr QRect kSwitch{kMargin + 658, kToolbarY, 34, kToolbarHeight};

// Report rates, fastest first.
constexpr int kReportX = kPlateX + kPlateWidth - 4 * 48 - 3 * 4;
constexpr QSize kReportSize{48, kToolbarHeight};
constexpr std::array<const char*, 4> kReportRates = {"1000", "500", "250", "125"};
constexpr QRect kReportLabel{kReportX - 94, kToolbarY + 7, 88, 18};
static_assert(kReportLabel.left() > kSwitch.right() + 24);

// The bezel above the function row: flip buttons with their arrows and lamp.
constexpr int kBezelY = kPlateY + 12;
constexpr int kMainRight = kMainX + 15 * kUnit - kKeyGap;
constexpr QSize kFlipButtonSize{34, 20};
constexpr int kFlipArrowGap = 6;
constexpr auto kFlipButtons = std::to_array<Place>({
    {"FLIP_1", {QPoint(kMainX, kBezelY), kFlipButtonSize}},
    {"FLIP_2", {QPoint(kMainRight - kFlipButtonSize.width(), kBezelY), kFlipButtonSize}},
});
constexpr auto kFlipArrows = std::to_array<Place>({
    {SKIN_LEFT_ARROW,
     {QPoint(kMainX + kFlipButtonSize.width() + kFlipArrowGap, kBezelY), kFlipArrowSize}},
    {SKIN_RIGHT_ARROW,
     {QPoint(kMainRight - kFlipButtonSize.width() - kFlipArrowGap - kFlipArrowSize.width(),
             kBezelY),
      kFlipArrowSize}},
});
constexpr QRect kFlipLamp{kMainX + 64, kBezelY, 60, 20};

// Lock lamps and the G-key bank sit above the numeric keypad.
struct LampPlace {
    const char* key;
    const char* label;
    int column;
};
constexpr auto kLamps = std::to_array<LampPlace>({
    {"LOCK_NUM", "Num", 0},
    {"LOCK_CAPS", "Caps", 1},
    {"LOCK_SCROLL", "Scroll", 2},
});
constexpr int kBankColumn = 3;

// Footer: links to the maker's pages, the version text and the busy bar.
constexpr QSize kFooterIcon{26, 26};
constexpr int kFooterIconY = kFooterY + (kFooterButtonHeight - kFooterIcon.height()) / 2;
constexpr auto kFooterLinks = std::to_array<IconPlace>({
    {"CONTROL_Network", {QPoint(kMargin, kFooterIconY), kFooterIcon}, Icon::kPeople},
    {"CONTROL_Facebook", {QPoint(kMargin + 32, kFooterIconY), kFooterIcon}, Icon::kChat},
    {"CONTROL_twitter", {QPoint(kMargin + 64, kFooterIconY), kFooterIcon}, Icon::kShare},
});
constexpr QRect kVersion{kMargin + 104, kFooterY + 8, 180, 18};
constexpr QRect kBusy{QPoint(FooterButtonX(2) - 16 - lighting::kBusySize.width(),
                             kFooterY + (kFooterButtonHeight - lighting::kBusySize.height()) / 2),
                      lighting::kBusySize};

constexpr int kPlateBottom = kKeyboard.Bottom() + kPlatePadding;
constexpr QRect kPanel{kPanelX, kToolbarY, lighting::kPanelWidth, kPlateBottom - kToolbarY};
static_assert(kPanel.height() >= lighting::kContentHeight);
static_assert(kFooterY > kPlateBottom);

QRect LampRect(int column) {
    return QRect(kNumpadX + column * kUnit, kKeysTop, kUnit - kKeyGap, kUnit - kKeyGap);
}

QRect GKeyRect(int index) {
    const int group = index / 3;
    const int inGroup = index % 3;
    return QRect(kGColumnX, kKeysTop + group * kGGroupPitch + inGroup * kGKeyPitch, kGKeyWidth,
                 kGKeyHeight);
}

QRect PlateRect() {
    return QRect(kPlateX, kPlateY, kPlateWidth, kPlateBottom - kPlateY);
}

void PaintBackdrop(QPainter& painter) {
    PaintWindowFrame(painter, QSize(kWindowWidth, kWindowHeight), kTitleHeight);
    PaintPanel(painter, QRectF(PlateRect()), palette::kPlate);
    PaintBrandPrint(painter, QRectF(kMainX, kBezelY, 15 * kUnit - kKeyGap, 20),
                    Colour(palette::kPlatePrint));
    PaintPanel(painter, QRectF(kPanel), palette::kPanel);
    painter.fillRect(
        QRect(kPanel.left() + 1, kPanel.top() + lighting::kHeaderHeight, kPanel.width() - 2, 1),
        Colour(palette::kDivider));
}

void AddTitleBand(std::vector<SkinControl>& controls) {
    controls.push_back({"TALVEN_LINK", QRect(kMargin, 10, 190, 32), LogoFace{}});
    for (const ChromePlace& chrome : kChrome) {
        controls.push_back(
            {chrome.key, ChromeRect(chrome.fromRight), IconButtonFace{chrome.icon, chrome.danger}});
    }
}

void AddToolbar(std::vector<SkinControl>& controls) {
    for (const Place& button : kCaptionButtons) {
        controls.push_back({button.key, button.rect, ButtonFace{}});
    }
    controls.push_back(
        {"FUNC_PROFILES", kProfileManager, ButtonFace{ButtonRole::kSecondary, Icon::kLayers}});
    // The skin format has a place for this key but no control of the window uses it, so it is
    // left blank rather than drawn as a button that does nothing.
    controls.push_back({"FUNC_SWITCH", kSwitch});
    controls.push_back({"CONTROL_UsbStatic", kReportLabel});
    for (size_t i = 0; i < kReportRates.size(); ++i) {
        const int x = kReportX + static_cast<int>(i) * (kReportSize.width() + 4);
        controls.push_back({"FUNC_REPORT" + std::to_string(i + 1),
                            QRect(QPoint(x, kToolbarY), kReportSize),
                            SegmentFace{kReportRates[i]}});
    }
}

void AddIndicators(std::vector<SkinControl>& controls) {
    for (const LampPlace& lamp : kLamps) {
        controls.push_back(
            {lamp.key, LampRect(lamp.column), IndicatorFace{lamp.label, IndicatorKind::kLamp}});
    }
    controls.push_back({"LOCK_AB", LampRect(kBankColumn), IndicatorFace{"", IndicatorKind::kBank}});
    controls.push_back({"FLIP_0", kFlipLamp, IndicatorFace{"FLIP", IndicatorKind::kFlip}});
    for (const Place& flip : kFlipButtons) {
        controls.push_back({flip.key, flip.rect, IconButtonFace{Icon::kSwap, false, true}});
    }
    for (const Place& arrow : kFlipArrows) {
        controls.push_back({arrow.key, arrow.rect});
    }
}

void AddKeys(std::vector<SkinControl>& controls) {
    for (size_t i = 0; i < kGKeyLegends.size(); ++i) {
        const int index = static_cast<int>(i);
        controls.push_back({GKeySkinKey(index + 1), GKeyRect(index),
                            KeyCapFace{{LegendStyle::kTag, kGKeyLegends[i]}}});
    }
    for (const KeyButton& button : KeyButtons()) {
        if (const KeyPlace* place = FindKeyPlace(button.code)) {
            controls.push_back({KeyButtonSkinKey(button.code), kKeyboard.RectOf(*place),
                                KeyCapFace{place->legend}});
        }
    }
    controls.push_back({"KEY_FN", kKeyboard.RectOf(FnKeyPlace()), KeyCapFace{FnKeyPlace().legend}});
}

void AddFooter(std::vector<SkinControl>& controls) {
    for (const IconPlace& link : kFooterLinks) {
        controls.push_back({link.key, link.rect, IconButtonFace{link.icon}});
    }
    controls.push_back({"TALVEN_VER", kVersion});
    controls.push_back({"CONTROL_JDTStatic", kBusy});
}

SkinWindow MainWindow() {
    SkinWindow window{QSize(kWindowWidth, kWindowHeight), PaintBackdrop, {}, FlipArrowFaces()};
    AddTitleBand(window.controls);
    AddToolbar(window.controls);
    AddIndicators(window.controls);
    AddKeys(window.controls);
    AddFooter(window.controls);
    for (SkinControl& control : LightingPanelControls(kPanel.topLeft())) {
        window.controls.push_back(std::move(control));
    }
    return window;
}

constexpr auto kStatePictures = std::to_array<StatePicture>({
    {"main_normal.jpg", FaceState::kNormal},
    {"main_over.jpg", FaceState::kOver},
    {"main_down.jpg", FaceState::kDown},
    {"main_disable.jpg", FaceState::kMarked},
    {"main_color0.jpg", FaceState::kUnlit},
    {"main_color1.jpg", FaceState::kLit},
});

}  // namespace

void WriteMainWindowSkin(SkinFolder& folder) {
    const SkinWindow window = MainWindow();
    WriteSkinFile(folder, MainSkinKeys(), window, {"main_bg.jpg", "main_mask.bmp", kLink});
    WriteStatePictures(folder, window, kStatePictures);
    WriteFlipArrows(folder);
    WriteLightingBitmaps(folder);
}

}  // namespace keyloom::skingen
