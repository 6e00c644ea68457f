#include "model/LightingRecord.h"

#include <gtest/gtest.h>

namespace keyloom::test {
namespace {

TEST(LightingRecordTest, ModeListFindsTheFirstOfTwinEntries) {
    std::array<uint8_t, 32> bytes{};
    for (size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<uint8_t>(i % 16 + 1);
    }
    ModeList modes;
    modes.Rebuild(bytes);
    EXPECT_EQ(modes.Count(), 32);
    EXPECT_EQ(modes.ItemOfMode(3), 2);
    EXPECT_EQ(modes.ModeOfItem(31), 16);
    EXPECT_EQ(modes.ModeOfItem(32), MODE_NONE);
    EXPECT_EQ(modes.ItemOfMode(MODE_NONE), -1);
}

TEST(LightingRecordTest, ChoosingAModeWritesTheFieldsOfItsTable) {
    for (int mode : {1, 2, 3, 5, 7, 8, 9, 13, 14, 15}) {
        EXPECT_EQ(ModeWriteOf(mode), ModeWrite::MODE_AND_MULTICOLOR) << mode;
    }
    for (int mode : {4, 6, 10, 11, 12, 16, 17, 18, 20, 21, 255}) {
        EXPECT_EQ(ModeWriteOf(mode), ModeWrite::MODE) << mode;
    }
    for (int mode : {19, 0, 256}) {
        EXPECT_EQ(ModeWriteOf(mode), ModeWrite::NOTHING) << mode;
    }
}

TEST(LightingRecordTest, OutOfRangeBytesAreCutOrKeepThePreviousValue) {
    LightingRecord record{};
    record[LIGHT_MODE] = 7;
    record[LIGHT_MODE7_FLAG] = 1;
    record[LIGHT_TRIGGER] = 1;
    record[LIGHT_MULTICOLOR] = 0xFF;
    LightingValues values;
    DecodeLightingValues(record, values);
    EXPECT_EQ(values.flag18, 1);
    EXPECT_EQ(values.triggerKind, 1);
    EXPECT_TRUE(values.multicolor);

    record[LIGHT_REPORT_RATE] = 7;
    record[LIGHT_FIXED_COLOR] = 4;
    record[LIGHT_MODE7_FLAG] = 2;
    record[LIGHT_TRIGGER] = 9;
    DecodeLightingValues(record, values);
    EXPECT_EQ(values.reportRate, 3);
    EXPECT_EQ(values.fixedColor, 0);
    EXPECT_EQ(values.flag18, 1);
    EXPECT_EQ(values.triggerKind, 1);

    record[LIGHT_MODE] = 6;
    record[LIGHT_MODE7_FLAG] = 0;
    DecodeLightingValues(record, values);
    EXPECT_EQ(values.flag18, 1);
}

}  // namespace
}  // namespace keyloom::test
