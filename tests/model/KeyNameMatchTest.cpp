#include "model/KeyNameMatch.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "model/KeyCatalog.h"

namespace keyloom {
namespace {

// Two languages; a key they have no text for reads as empty.
TextLookup Language(std::map<std::string, std::string> texts) {
    return [texts = std::move(texts)](const std::string& key) {
        const auto found = texts.find(key);
        return found != texts.end() ? found->second : std::string();
    };
}

const std::vector<TextLookup> kLanguages = {
    Language({{"IDS_KEYBOARD_CAPS", "Caps Lock"},
              {"IDS_KEYBOARD_LCTRL", "Left Ctrl"},
              {"IDS_KEYBOARD_AID1", "` ~"},
              {"IDS_KEYBOARD_UP", "Up Arrow"},
              {"IDS_KEYBOARD_TAB", ""}}),
    Language({{"IDS_KEYBOARD_CAPS", "大写锁定"}, {"IDS_KEYBOARD_SPACE", "空格键"}}),
};

struct NameCase {
    const char* name;
    std::optional<ScanCode> key;
};

const NameCase kNames[] = {
    {"Caps Lock", 0x03A},   // a language's name
    {"capslock", 0x03A},    // without spaces, in lower case
    {"CAPS  LOCK", 0x03A},  //
    {"大写锁定", 0x03A},    // the other language
    {"空格键", 0x039},      //
    {"KEY_03A", 0x03A},     // the ScanCode
    {"key_03a", 0x03A},     //
    {"LeftCtrl", 0x01D},    //
    {"Ctrl", 0x01D},        // the catalog's label
    {"Right Ctrl", 0x11D},  //
    {"`~", 0x029},          //
    {"`", 0x029},           //
    {"-", 0x00C},           //
    {"Num -", 0x04A},       //
    {"UpArrow", 0x148},     //
    {"↑", 0x148},           //
    {"F13", 0x064},         // a key without a language name
    {"KEY_171", 0x171},     // a mouse function
    {"Escape", std::nullopt},
    {"", std::nullopt},  // an empty text in the file names nothing
    {"KEY_3A", std::nullopt},
    {"KEY_03G", std::nullopt},
    {"KEY_059", std::nullopt},  // an empty catalog slot
    {"KEY_0003A", std::nullopt},
};

TEST(KeyNameMatchTest, NamesOfTheCatalogAndTheLanguagesFindTheirKey) {
    for (const NameCase& test : kNames) {
        EXPECT_EQ(ScanCodeOfKeyName(test.name, kLanguages), test.key) << test.name;
    }
}

TEST(KeyNameMatchTest, AChoiceOfKeysFindsOnlyThoseKeys) {
    const std::array<ScanCode, 2> media = {0x120, 0x130};
    EXPECT_EQ(ScanCodeOfKeyName("V+", media, kLanguages), 0x130);
    EXPECT_EQ(ScanCodeOfKeyName("mute", media, kLanguages), 0x120);
    EXPECT_EQ(ScanCodeOfKeyName("Calc", media, kLanguages), std::nullopt);
    EXPECT_EQ(ScanCodeOfKeyName("Caps Lock", media, kLanguages), std::nullopt);
}

TEST(KeyNameMatchTest, EveryLabelNamesAKeyOfThatLabelAndTheCodeNameReadsBack) {
    for (KeyIndex index = 0; index < kKeyCatalogSize; ++index) {
        const ScanCode code = ScanCodeOfIndex(index);
        const std::string_view label = KeyCatalog[index].label;
        if (!IsEmptySlot(KeyCatalog[index])) {
            const auto named = ScanCodeOfKeyName(label, {});
            ASSERT_TRUE(named.has_value()) << label;
            EXPECT_EQ(EntryOfScanCode(*named).label, label);
            EXPECT_EQ(ScanCodeOfKeyName(KeyCodeName(code), {}), code) << KeyCodeName(code);
        }
    }
    EXPECT_EQ(ScanCodeOfKeyName("Right Shift", {}), 0x036);  // not its E0 twin 0x136
}

}  // namespace
}  // namespace keyloom
