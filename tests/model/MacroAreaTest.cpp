#include "model/MacroArea.h"

#include <gtest/gtest.h>

#include "platform/LittleEndian.h"

namespace keyloom {
namespace {

using Bytes = std::vector<uint8_t>;

constexpr ScanCode kA = 0x01E;

MacroRecord Macro(const std::string& name, std::vector<MacroEvent> events, uint8_t repeat = 1) {
    MacroRecord macro;
    macro.SetName(name);
    macro.SetRepeatCount(repeat);
    macro.SetEvents(events);
    return macro;
}

Bytes EncodeFull(const MacroList& list) {
    return EncodeMacroArea(list, MacroAreaSizes(list).full, true);
}

// The four bytes of an event encoded as the only event of a macro without a name.
Bytes EventBytes(MacroEvent event) {
    const Bytes image = EncodeFull({Macro("", {event})});
    return Bytes(image.begin() + 22, image.end());
}

TEST(MacroAreaTest, GoldenImages) {
    EXPECT_EQ(EncodeMacroArea({}, MacroAreaSizes({}).full, true),
              (Bytes{0xAA, 0x55, 0x10, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    const MacroList list = {Macro("ab", {{120, kA, MACRO_PRESS}})};
    EXPECT_EQ(MacroAreaSizes(list).minimal, 26u);
    EXPECT_EQ(EncodeFull(list),
              (Bytes{0xAA, 0x55, 0x1E, 0x00, 0x01, 0x00, 0x01, 0x00, 0,    0,
                     0,    0,    0,    0,    0,    0,    0x12, 0x00, 0x01, 0x00,
                     0x01, 0x02, 0x0C, 0xA0, 0x02, 0x04, 0x61, 0x00, 0x62, 0x00}));
}

TEST(MacroAreaTest, EventsCarryKindCodeDirectionAndASaturatedPause) {
    EXPECT_EQ(EventBytes({120, kA, MACRO_RELEASE}), (Bytes{0x0C, 0x20, 0x02, 0x04}));
    EXPECT_EQ(EventBytes({0, 0x138, MACRO_PRESS}), (Bytes{0x00, 0xA0, 0x01, 0x40}));  // Right Alt
    EXPECT_EQ(EventBytes({0, 0x161, 7}), (Bytes{0x00, 0x90, 0x05, 0x01}));            // wheel up
    EXPECT_EQ(EventBytes({0, 0x15E, MACRO_PRESS}), (Bytes{0x00, 0xC0, 0x81, 0x00}));  // Power
    EXPECT_EQ(EventBytes({59, 0x000, MACRO_PRESS}), (Bytes{0x05, 0x80, 0x00, 0x00}));
    EXPECT_EQ(EventBytes({50000, kA, MACRO_RELEASE}), (Bytes{0xFF, 0x2F, 0x02, 0x04}));
}

TEST(MacroAreaTest, WithoutNamesTheImageHasTheMinimalSizeAndNamesAreGenerated) {
    const MacroList list = {Macro("first", {{10, kA, 0}}), Macro("second", {})};
    const size_t minimal = MacroAreaSizes(list).minimal;
    EXPECT_EQ(MacroAreaSizes(list).full, minimal + 22);
    const Bytes image = EncodeMacroArea(list, minimal, false);
    ASSERT_EQ(image.size(), minimal);
    EXPECT_EQ(image[20 + 3], 0);  // name length of the first record
    const MacroList decoded = DecodeMacroArea(image, "Macro ");
    ASSERT_EQ(decoded.size(), 2u);
    EXPECT_EQ(decoded[1].Name(), "Macro 2");
    EXPECT_TRUE(EncodeMacroArea(list, minimal - 1, false).empty());
    EXPECT_TRUE(EncodeMacroArea(list, MACRO_AREA_MAX_SIZE + 1, false).empty());
}

TEST(MacroAreaTest, ANameThatStartsWithAZeroUnitIsNoName) {
    const Bytes image = EncodeFull({Macro("ab", {}), Macro("cd", {}), Macro("ef", {})});
    Bytes damaged = image;
    WriteU16(&damaged[ReadU16(&image[16]) + 4], 0);      // "\0b"
    damaged[ReadU16(&image[18]) + 3] = 0;                // length 0
    WriteU16(&damaged[ReadU16(&image[20]) + 4 + 2], 0);  // "e\0"
    const MacroList decoded = DecodeMacroArea(damaged, "Macro ");
    ASSERT_EQ(decoded.size(), 3u);
    EXPECT_EQ(decoded[0].Name(), "Macro 1");
    EXPECT_EQ(decoded[1].Name(), "Macro 2");
    EXPECT_EQ(decoded[2].Name(), "e");
}

TEST(MacroAreaTest, RoundTripKeepsEverythingButIdsAndNewFlags) {
    MacroList list = {
        Macro("Shift+A \xE5\xAE\x8F", {{10, 0x02A, 0}, {40950, kA, 0}, {0, 0x11C, 1}}, 3),
        Macro("mouse", {{100, 0x171, 0}, {20, 0x15F, 1}, {0, 0x162, 0}}, 255)};
    list[0].SetId(17);
    list[1].SetIsNew(true);
    const MacroList decoded = DecodeMacroArea(EncodeFull(list), "unused");
    ASSERT_EQ(decoded.size(), 2u);
    for (size_t i = 0; i < list.size(); ++i) {
        EXPECT_EQ(decoded[i].Name(), list[i].Name());
        EXPECT_EQ(decoded[i].RepeatCount(), list[i].RepeatCount());
        EXPECT_EQ(decoded[i].Events(), list[i].Events());
        EXPECT_EQ(decoded[i].Id(), i + 1);
        EXPECT_FALSE(decoded[i].IsNew());
    }
}

TEST(MacroAreaTest, DamagedImagesGiveOnlyWhatLiesWithinTheirBytes) {
    const Bytes valid = EncodeFull({Macro("one", {{10, kA, 0}}), Macro("two", {{20, kA, 1}})});
    Bytes damaged = valid;
    damaged[0] = 0x55;
    EXPECT_TRUE(DecodeMacroArea(damaged, "").empty());
    damaged = valid;
    WriteU16(&damaged[16], 0xFFF0);  // offset past the end
    ASSERT_EQ(DecodeMacroArea(damaged, "").size(), 1u);
    EXPECT_EQ(DecodeMacroArea(damaged, "")[0].Id(), 2);
    damaged = valid;
    WriteU16(&damaged[ReadU16(&valid[16])], 60000);  // events
    ASSERT_EQ(DecodeMacroArea(damaged, "").size(), 1u);
    EXPECT_EQ(DecodeMacroArea(damaged, "")[0].Name(), "two");
    damaged = valid;
    WriteU16(&damaged[MACRO_AREA_COUNT], 0xFFFF);
    EXPECT_LE(DecodeMacroArea(damaged, "").size(), 100u);
    EXPECT_EQ(DecodeMacroArea(EncodeFull(MacroList(150)), "").size(), 100u);
}

TEST(MacroAreaTest, EveryTruncationDecodesTheRecordsThatFit) {
    const MacroList list = {Macro("one", {{10, kA, 0}}), Macro("", {}), Macro("xyz", {{0, kA, 1}})};
    const Bytes image = EncodeFull(list);
    for (size_t length = 0; length <= image.size(); ++length) {
        const Bytes cut(image.begin(), image.begin() + static_cast<std::ptrdiff_t>(length));
        size_t fitting = 0;
        for (size_t i = 0; length >= 16 && i < list.size(); ++i) {
            const size_t end = i + 1 < list.size() ? ReadU16(&image[18 + 2 * i]) : image.size();
            fitting += 18 + 2 * i <= length && end <= length ? 1 : 0;
        }
        EXPECT_EQ(DecodeMacroArea(cut, "M").size(), fitting) << "length " << length;
    }
}

TEST(MacroAreaTest, OverlongCountsAreClippedWhileTheLayoutFollowsTheImage) {
    Bytes image = {
        0xAA, 0x55, 0,  0, 3, 0, 1, 0, 0,    0,    0, 0, 0, 0,
        0,    0,    22, 0, 0, 0, 0, 0, 0xC4, 0x09, 3, 2};  // 2500 events, repeat 3, a two-unit name
    for (int i = 0; i < 2500; ++i) {
        image.insert(image.end(), {0x01, 0xA0, 0x02, 0x04});
    }
    image.insert(image.end(), {'x', 0, 'y', 0});
    WriteU16(&image[18], static_cast<uint16_t>(image.size()));
    image.insert(image.end(), {0, 0, 0, 0xFF});  // a 255-unit name
    image.insert(image.end(), 510, 'n');
    WriteU16(&image[20], static_cast<uint16_t>(image.size()));
    image.insert(image.end(), {2, 0, 1, 0, 0x00, 0xE0, 0xA2, 0x05, 0x00, 0xB0, 0xE9, 0x00});

    const MacroList decoded = DecodeMacroArea(image, "");
    ASSERT_EQ(decoded.size(), 3u);
    EXPECT_EQ(decoded[0].EventCount(), 2000);
    EXPECT_EQ(decoded[0].Events()[1999], (MacroEvent{10, kA, MACRO_PRESS}));
    EXPECT_EQ(decoded[0].Name(), "xy");
    EXPECT_EQ(decoded[1].NameUnits(), 249u);
    // A G-key code names no key a macro can play; a consumer usage names its media key.
    EXPECT_EQ(decoded[2].Events(), (std::vector<MacroEvent>{{0, 0, 0}, {0, 0x130, 0}}));
}

}  // namespace
}  // namespace keyloom
