// Checks of the shipped "Skins" folder: every window finds its skin file, its pictures and a place
// for every control it reads.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "model/KeyButtonTable.h"
#include "storage/SkinFile.h"
#include "storage/SkinLayoutKeys.h"
#include "support/FileContents.h"

namespace keyloom {
namespace {

const std::string kSkins = std::string(KEYLOOM_BIN_DIR) + SKIN_FOLDER + "/";

uint32_t LittleEndian32(const std::vector<uint8_t>& bytes, size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
           static_cast<uint32_t>(bytes[at + 3]) << 24;
}

struct PictureSize {
    int width;
    int height;
};

// The size in a JPEG picture's start-of-frame segment.
std::optional<PictureSize> JpegSize(const std::vector<uint8_t>& bytes) {
    size_t at = 2;
    while (at + 9 < bytes.size() && bytes[at] == 0xFF) {
        const uint8_t marker = bytes[at + 1];
        const bool startOfFrame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (startOfFrame) {
            return PictureSize{bytes[at + 7] << 8 | bytes[at + 8],
                               bytes[at + 5] << 8 | bytes[at + 6]};
        }
        at += 2 + (bytes[at + 2] << 8 | bytes[at + 3]);
    }
    return std::nullopt;
}

// A Windows bitmap with 24 bits per pixel, as the skin's bitmaps are written.
struct Bitmap {
    std::vector<uint8_t> bytes;

    static constexpr size_t kHeaderSize = 54;

    bool Valid() const {
        return bytes.size() > kHeaderSize && bytes[0] == 'B' && bytes[1] == 'M' && bytes[28] == 24;
    }
    int Width() const { return static_cast<int>(LittleEndian32(bytes, 18)); }
    int Height() const { return std::abs(static_cast<int32_t>(LittleEndian32(bytes, 22))); }
    bool BottomUp() const { return static_cast<int32_t>(LittleEndian32(bytes, 22)) > 0; }

    // The pixel as red | green << 8 | blue << 16.
    uint32_t Rgb(int x, int y) const {
        const size_t rowSize = (static_cast<size_t>(Width()) * 3 + 3) / 4 * 4;
        const size_t row = static_cast<size_t>(BottomUp() ? Height() - 1 - y : y);
        const size_t at = LittleEndian32(bytes, 10) + row * rowSize + static_cast<size_t>(x) * 3;
        return bytes[at + 2] | bytes[at + 1] << 8 | bytes[at] << 16;
    }
};

std::optional<PictureSize> SizeOfPicture(const std::string& name) {
    const std::vector<uint8_t> bytes =
        test::FileBytes(kSkins + name).value_or(std::vector<uint8_t>{});
    if (name.ends_with(".bmp")) {
        const Bitmap bitmap{bytes};
        return bitmap.Valid() ? std::optional(PictureSize{bitmap.Width(), bitmap.Height()})
                              : std::nullopt;
    }
    return bytes.size() > 2 && bytes[0] == 0xFF && bytes[1] == 0xD8 ? JpegSize(bytes)
                                                                    : std::nullopt;
}

std::string SkinFileOf(const SkinWindowKeys& window) {
    return kSkins + window.skinFile;
}

PictureSize BackgroundSize(const SkinWindowKeys& window) {
    return SizeOfPicture(ReadSkinScreen(SkinFileOf(window)).main).value_or(PictureSize{0, 0});
}

// Every control of section BUTTONINFO, however the window places it.
std::vector<std::string> ButtonKeys(const SkinWindowKeys& window) {
    std::vector<std::string> keys;
    for (const auto* list : {&window.skinned, &window.placed, &window.moved, &window.arrowPlaces}) {
        keys.insert(keys.end(), list->begin(), list->end());
    }
    return keys;
}

bool Overlap(const SkinRect& a, const SkinRect& b) {
    return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

class SkinWindowTest : public testing::TestWithParam<const SkinWindowKeys*> {};

TEST_P(SkinWindowTest, BackgroundAndOutlineLoadAndShareTheirSize) {
    const SkinScreen screen = ReadSkinScreen(SkinFileOf(*GetParam()));
    ASSERT_FALSE(screen.main.empty());
    ASSERT_NE(screen.mask, screen.main);
    const std::optional<PictureSize> background = SizeOfPicture(screen.main);
    ASSERT_TRUE(background);
    const Bitmap outline{test::FileBytes(kSkins + screen.mask).value_or(std::vector<uint8_t>{})};
    ASSERT_TRUE(outline.Valid()) << screen.mask;
    EXPECT_EQ(outline.Width(), background->width);
    EXPECT_EQ(outline.Height(), background->height);
    // The corners are cut off the rounded window, its middle belongs to it.
    constexpr uint32_t kWhite = 0xFFFFFF;
    EXPECT_EQ(outline.Rgb(0, 0), kWhite);
    EXPECT_EQ(outline.Rgb(outline.Width() - 1, outline.Height() - 1), kWhite);
    EXPECT_NE(outline.Rgb(outline.Width() / 2, outline.Height() / 2), kWhite);
}

TEST_P(SkinWindowTest, EveryNamedPictureExistsAndStatePicturesCoverTheWindow) {
    const SkinWindowKeys& window = *GetParam();
    const PictureSize background = BackgroundSize(window);
    for (const std::string& surface : window.surfaces) {
        const std::optional<PictureSize> size = SizeOfPicture(surface);
        ASSERT_TRUE(size) << surface;
        EXPECT_EQ(size->width, background.width) << surface;
        EXPECT_EQ(size->height, background.height) << surface;
    }
    for (const std::string& picture : window.pictures) {
        EXPECT_TRUE(SizeOfPicture(picture)) << picture;
    }
}

TEST_P(SkinWindowTest, EveryControlIsPlacedInsideTheWindow) {
    const SkinWindowKeys& window = *GetParam();
    const PictureSize background = BackgroundSize(window);
    for (const std::string& key : ButtonKeys(window)) {
        const SkinRect rect = ReadSkinRect(SkinFileOf(window), SKIN_SECTION_BUTTONS, key);
        EXPECT_FALSE(rect.x == 1 && rect.y == 1) << key << " is left at the default place";
        EXPECT_GT(rect.w, 1) << key;
        EXPECT_GT(rect.h, 1) << key;
        EXPECT_TRUE(rect.x >= 0 && rect.y >= 0 && rect.x + rect.w <= background.width &&
                    rect.y + rect.h <= background.height)
            << key;
    }
}

INSTANTIATE_TEST_SUITE_P(Skins, SkinWindowTest, testing::ValuesIn(AllSkinWindows()),
                         [](const auto& info) {
                             const std::string& file = info.param->skinFile;
                             return file.substr(0, file.find('.'));
                         });

std::vector<std::string> KeyboardKeys() {
    std::vector<std::string> keys;
    for (const KeyButton& button : KeyButtons()) {
        keys.push_back(KeyButtonSkinKey(button.code));
    }
    for (size_t number = 1; number <= G_KEY_BUTTON_COUNT; ++number) {
        keys.push_back(GKeySkinKey(static_cast<int>(number)));
    }
    keys.push_back("KEY_FN");
    return keys;
}

TEST(SkinFilesTest, KeysOfTheKeyboardDoNotOverlap) {
    const std::string skin = SkinFileOf(MainSkinKeys());
    const std::vector<std::string> keys = KeyboardKeys();
    ASSERT_EQ(keys.size(), KEY_BUTTON_COUNT + G_KEY_BUTTON_COUNT + 1);
    std::vector<SkinRect> rects;
    for (const std::string& key : keys) {
        rects.push_back(ReadSkinRect(skin, SKIN_SECTION_BUTTONS, key));
    }
    for (size_t i = 0; i < rects.size(); ++i) {
        for (size_t j = i + 1; j < rects.size(); ++j) {
            EXPECT_FALSE(Overlap(rects[i], rects[j])) << keys[i] << " and " << keys[j];
        }
    }
}

TEST(SkinFilesTest, ArrowFacesLieInTheArrowPicture) {
    const std::string skin = SkinFileOf(MainSkinKeys());
    const std::optional<PictureSize> sheet = SizeOfPicture("Arrow.jpg");
    ASSERT_TRUE(sheet);
    for (const bool left : {true, false}) {
        const SkinRect place =
            ReadSkinRect(skin, SKIN_SECTION_BUTTONS, left ? SKIN_LEFT_ARROW : SKIN_RIGHT_ARROW);
        for (const bool flipSet : {true, false}) {
            const std::string key = ArrowFaceSkinKey(left, flipSet);
            const SkinRect face = ReadSkinRect(skin, SKIN_SECTION_ARROWS, key);
            EXPECT_FALSE(face == SkinRect{}) << key;
            EXPECT_TRUE(face.x >= 1 && face.y >= 1 && face.x + place.w <= sheet->width &&
                        face.y + place.h <= sheet->height)
                << key;
        }
    }
}

TEST(SkinFilesTest, MainSkinNamesTheTopLink) {
    EXPECT_TRUE(ReadSkinScreen(SkinFileOf(MainSkinKeys())).link.starts_with("https://"));
}

// The lighting panel shows its bitmaps at the size of the control that holds them.
struct ShownBitmaps {
    const char* control;
    std::vector<std::string> bitmaps;
};

std::vector<std::string> Numbered(const std::string& prefix, int first, int last) {
    std::vector<std::string> names;
    for (int number = first; number <= last; ++number) {
        names.push_back(prefix + std::to_string(number) + ".bmp");
    }
    return names;
}

TEST(SkinFilesTest, LightingBitmapsFitTheirControls) {
    const std::vector<ShownBitmaps> shown = {
        {"CONTROL_DengStaPic", {"dengup.bmp", "dengdown.bmp"}},
        {"CONTROL_BLFXLStaPic",
         {"leftup.bmp", "leftdown.bmp", "upup.bmp", "updown.bmp", "kuosan.bmp", "kuosandown.bmp"}},
        {"CONTROL_BLFXRStaPic",
         {"rightup.bmp", "rightdown.bmp", "downup.bmp", "downdown.bmp", "julong.bmp",
          "julongdown.bmp"}},
        {"CONTROL_HONGPIC", {"hong.bmp", "hongok.bmp"}},
        {"CONTROL_HUANGPIC", {"huang.bmp", "huangok.bmp"}},
        {"CONTROL_LVPIC", {"lv.bmp", "lvok.bmp"}},
        {"CONTROL_LANPIC", {"lan.bmp", "lanok.bmp"}},
        {"CONTROL_HXsjsStaPic", {"sjsup.bmp", "sjsdown.bmp"}},
        {"CONTROL_FYSJSStaPic", {"sjsup.bmp", "sjsdown.bmp"}},
        {"CONTROL_USERgjStaPic1", {"user1up.bmp", "user1down.bmp"}},
        {"CONTROL_USERgjStaPic2", {"user2up.bmp", "user2down.bmp"}},
        {"CONTROL_LightSlider", Numbered("", 0, 14)},
        {"CONTROL_SpeedSlider", Numbered("", 15, 24)},
        {"CONTROL_JDTStatic", Numbered("jdt", 1, 10)},
        {"CONTROL_Color1", {"Color1.bmp"}},
        {"CONTROL_Color8", {"Color8.bmp"}},
    };
    const std::string skin = SkinFileOf(MainSkinKeys());
    for (const ShownBitmaps& control : shown) {
        const SkinRect rect = ReadSkinRect(skin, SKIN_SECTION_BUTTONS, control.control);
        for (const std::string& bitmap : control.bitmaps) {
            const std::optional<PictureSize> size = SizeOfPicture(bitmap);
            ASSERT_TRUE(size) << bitmap;
            EXPECT_EQ(size->width, rect.w) << control.control << " " << bitmap;
            EXPECT_EQ(size->height, rect.h) << control.control << " " << bitmap;
        }
    }
}

TEST(SkinFilesTest, EveryWindowHasItsSkinFile) {
    for (const SkinWindowKeys* window : AllSkinWindows()) {
        EXPECT_TRUE(std::filesystem::is_regular_file(SkinFileOf(*window))) << window->skinFile;
    }
}

}  // namespace
}  // namespace keyloom
