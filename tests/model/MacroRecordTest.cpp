#include "model/MacroRecord.h"

#include <gtest/gtest.h>

#include "platform/LittleEndian.h"

namespace keyloom {
namespace {

TEST(MacroRecordTest, FieldsSitAtTheirOffsets) {
    MacroRecord record;
    record.SetName("ab");
    record.SetRepeatCount(7);
    record.SetIsNew(true);
    record.SetId(42);
    const MacroEvent events[] = {{120, 0x01E, MACRO_PRESS}, {70000, 0x138, MACRO_RELEASE}};
    record.SetEvents(events);
    const auto bytes = record.Bytes();
    EXPECT_EQ(ReadU32(&bytes[0]), 0x00620061u);
    EXPECT_EQ(ReadU32(&bytes[500]), 0x00010007u);
    EXPECT_EQ(ReadU32(&bytes[506]), 0x0002002Au);
    EXPECT_EQ(ReadU32(&bytes[520]), 70000u);
    EXPECT_EQ(ReadU32(&bytes[524]), 0x00010138u);

    const MacroRecord copy(bytes);
    EXPECT_EQ(copy.Name(), "ab");
    EXPECT_TRUE(copy.IsNew());
    EXPECT_EQ(copy.Events(), std::vector<MacroEvent>(std::begin(events), std::end(events)));
}

TEST(MacroRecordTest, LongNamesAreCutAfterTheLastWholeCharacterThatFits) {
    MacroRecord record;
    record.SetRepeatCount(9);
    record.SetName(std::string(300, 'x'));
    EXPECT_EQ(record.Name(), std::string(249, 'x'));
    EXPECT_EQ(ReadU16(&record.Bytes()[498]), 0);
    EXPECT_EQ(record.RepeatCount(), 9);
    record.SetName(std::string(248, 'y') + "\xF0\x9F\x98\x80");  // two units
    EXPECT_EQ(record.Name(), std::string(248, 'y'));
    record.SetName("Makro \xC3\xBC \xF0\x9F\x98\x80");
    EXPECT_EQ(record.Name(), "Makro \xC3\xBC \xF0\x9F\x98\x80");
    EXPECT_EQ(record.NameUnits(), 10u);
}

TEST(MacroRecordTest, DamagedRecordsAreReadWithinTheirBytes) {
    std::array<uint8_t, MACRO_RECORD_SIZE> bytes;
    bytes.fill(0x41);  // no name terminator
    WriteU16(&bytes[MACRO_EVENT_COUNT], 60000);
    const MacroRecord record(bytes);
    EXPECT_EQ(record.NameUnits(), 249u);
    EXPECT_EQ(record.Events().size(), 2000u);
}

TEST(MacroRecordTest, SetEventsKeepsAtMost2000AndClearsTheRest) {
    MacroRecord record;
    record.SetEvents(std::vector<MacroEvent>(2001, {10, 0x01E, MACRO_PRESS}));
    EXPECT_EQ(record.EventCount(), 2000);
    const MacroEvent one[] = {{30, 0x030, MACRO_RELEASE}};
    record.SetEvents(one);
    EXPECT_EQ(record.EventCount(), 1);
    EXPECT_EQ(ReadU16(&record.Bytes()[MACRO_EVENTS + MACRO_EVENT_SIZE + MACRO_EVENT_KEY]), 0);
}

}  // namespace
}  // namespace keyloom
