#include "model/KeyNames.h"

#include <gtest/gtest.h>

#include <map>

#include "model/KeyCatalog.h"

namespace keyloom {
namespace {

// Behaves like the language tables: a missing key gives "#Error", an empty value an empty text.
struct FakeTexts {
    std::map<std::string, std::string> values = {
        {"UNKNOWN_KEY", "Key %d"},        {"IDS_KEYBOARD_A", "A"},
        {"IDS_KEYBOARD_BS", "Backspace"}, {"IDS_KEYBOARD_SPACE", "空格键"},
        {"IDS_KEYBOARD_TAB", ""},
    };
    int lookups = 0;

    TextLookup Lookup() {
        return [this](const std::string& key) {
            ++lookups;
            const auto found = values.find(key);
            return found == values.end() ? std::string("#Error") : found->second;
        };
    }
};

TEST(KeyNamesTest, KeysWithoutANameShowTheUnknownKeyTextWithTheirScanCode) {
    FakeTexts texts;
    EXPECT_EQ(KeyNameOfScanCode(0x064, texts.Lookup()), "Key 100");  // F13 has no textKey
    EXPECT_EQ(KeyNameOfScanCode(0x059, texts.Lookup()), "Key 89");   // empty slot
    EXPECT_EQ(KeyNameOfScanCode(0x00F, texts.Lookup()), "Key 15");   // empty value in the file
    EXPECT_EQ(KeyNameOfScanCode(0x200, texts.Lookup()), "Key 512");  // assignment-only code
    EXPECT_EQ(KeyNameOfScanCode(0x01E, texts.Lookup()), "A");
    EXPECT_EQ(KeyNameOfScanCode(0x010, texts.Lookup()), "#Error");  // missing from the file
}

TEST(KeyNamesTest, NamesAreCutToTheCapacityAtCharacterBoundaries) {
    FakeTexts texts;
    EXPECT_EQ(KeyNameOfScanCode(0x00E, texts.Lookup(), 4), "Bac");
    EXPECT_EQ(KeyNameOfScanCode(0x039, texts.Lookup(), 3), "空格");
    EXPECT_EQ(KeyNameOfScanCode(0x00E, texts.Lookup(), 0), "");
    texts.values["UNKNOWN_KEY"] = std::string(300, 'x') + "%d";
    EXPECT_EQ(KeyNameOfScanCode(0x064, texts.Lookup(), 1000), std::string(259, 'x'));
}

TEST(KeyNamesTest, ListTextsFollowTheListCodesWithoutFallBack) {
    FakeTexts texts;
    EXPECT_EQ(KeyTextOfListCode(0x0000, texts.Lookup()), "A");
    EXPECT_EQ(KeyTextOfListCode(0x0027, texts.Lookup()), "");  // Tab: empty value
    EXPECT_EQ(texts.lookups, 2);
    EXPECT_EQ(KeyTextOfListCode(0x006A, texts.Lookup()), "");
    EXPECT_EQ(KeyTextOfListCode(0x802D, texts.Lookup()), "");  // F13: no textKey
    EXPECT_EQ(KeyTextOfListCode(kEmptyListCode, texts.Lookup()), "");
    EXPECT_EQ(texts.lookups, 2);
}

}  // namespace
}  // namespace keyloom
