#include "model/MacroEditing.h"

#include <gtest/gtest.h>

namespace keyloom {
namespace {

std::vector<uint32_t> Pauses(const std::vector<MacroEvent>& events) {
    std::vector<uint32_t> pauses;
    for (const MacroEvent& event : events) {
        pauses.push_back(event.delay);
    }
    return pauses;
}

// What the recorder does: each captured key takes the time since the previous one (or since the
// start) and goes after the row inserted last.
std::vector<MacroEvent> Record(const std::vector<uint32_t>& ticks, bool recordDelays) {
    std::vector<MacroEvent> events;
    uint32_t previous = 1000;
    int selected = -1;
    for (const uint32_t tick : ticks) {
        const MacroEvent event{tick - previous, 0x01E, MACRO_PRESS};
        selected = InsertEvent(events, event, {true, recordDelays, selected, false});
        previous = tick;
    }
    return events;
}

TEST(MacroEditingTest, APauseBelongsToTheEventBeforeIt) {
    EXPECT_EQ(Pauses(Record({1100, 1400, 1800}, true)), (std::vector<uint32_t>{300, 400, 0}));
    EXPECT_EQ(Pauses(Record({1100, 1400, 1800}, false)), (std::vector<uint32_t>{50, 50, 0}));
}

TEST(MacroEditingTest, InsertingAfterARowTakesOverThatRowsPause) {
    std::vector<MacroEvent> events = {{100, 0x01E, 0}, {200, 0x030, 0}};
    EXPECT_EQ(InsertEvent(events, {30, 0x02E, 9}, {.afterRow = 0}), 1);
    EXPECT_EQ(events[1], (MacroEvent{100, 0x02E, MACRO_PRESS}));
    EXPECT_EQ(Pauses(events), (std::vector<uint32_t>{30, 100, 200}));
    EXPECT_EQ(InsertEvent(events, {70, 0x01E, 1}, {.afterRow = 3}), 3);  // stale row: at the end
    EXPECT_EQ(Pauses(events), (std::vector<uint32_t>{30, 100, 70, 200}));
    EXPECT_EQ(InsertEvent(events, {5, 0x01E, 1}, {.asStored = true}), 4);
    EXPECT_EQ(Pauses(events), (std::vector<uint32_t>{30, 100, 70, 200, 5}));
}

TEST(MacroEditingTest, AFullListIgnoresFurtherEvents) {
    std::vector<MacroEvent> events(MACRO_MAX_EVENTS, {10, 0x01E, 0});
    EXPECT_EQ(InsertEvent(events, {20, 0x030, 0}, {}), -1);
    EXPECT_EQ(events, std::vector<MacroEvent>(MACRO_MAX_EVENTS, {10, 0x01E, 0}));
}

TEST(MacroEditingTest, TypedPausesAreClippedAndRoundedDown) {
    EXPECT_EQ(ValidateDelay("40005"), (DelayValidation{40000, true}));
    EXPECT_EQ(ValidateDelay("1234"), (DelayValidation{1230, false}));
    EXPECT_EQ(ValidateDelay("40000"), (DelayValidation{40000, false}));
    EXPECT_EQ(ValidateDelay("99999999999999999999999"), (DelayValidation{40000, true}));
    EXPECT_EQ(ValidateDelay(""), (DelayValidation{0, false}));
}

}  // namespace
}  // namespace keyloom
