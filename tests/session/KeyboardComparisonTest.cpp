#include "session/KeyboardComparison.h"

#include <gtest/gtest.h>

#include "ZozSim.h"
#include "model/AssignmentTable.h"
#include "session/ApplyPipeline.h"
#include "support/RecordingWindowPort.h"
#include "support/SimKeyboardFixture.h"
#include "support/TestEnvironment.h"

namespace keyloom::test {
namespace {

constexpr int kKeyA = 0x1E;
constexpr int kKeyB = 0x30;

MacroRecord Macro(const std::string& name, uint16_t id) {
    MacroRecord macro;
    macro.SetName(name);
    macro.SetId(id);
    macro.SetRepeatCount(2);
    macro.SetEvents(std::vector<MacroEvent>{{10, kKeyB, MACRO_PRESS}, {0, kKeyB, MACRO_RELEASE}});
    return macro;
}

// The keyboard holds what an apply of `saved` wrote: programs, texts, tags and macro ids as the
// window keeps them, which the keyboard cannot.
class KeyboardComparisonTest : public SimKeyboardTest {
  protected:
    void SetUp() override {
        SimKeyboardTest::SetUp();
        context.window = &window;
        context.macroCapacity = 4096;
        context.activeProfileCache = 0;
        EXPECT_EQ(
            ZozSim_ReadMemory(ZOZSIM_AREA_DEFAULT_KEYS, 0, session.defaultKeyMatrix.data(), 378),
            1);
        AssignmentTable table = saved.Assignments();
        for (int block = 0; block < 3; ++block) {
            InitAssignmentBlock(table, block);
        }
        saved.macros = {Macro("Dash", 7), Macro("Hello", 3)};
        table.SetEntry(0, kKeyA, {ASSIGN_PROGRAM, 0, 0});
        table.SetEntry(1, kKeyA, {ASSIGN_MACRO, 9, 3});  // Hello, played 9 times as stored
        table.SetEntry(2, GKeySlot(1, 4), {ASSIGN_MEDIA, GKeyTag(GKeySlot(1, 4)), 7});
        session.profile = saved;
        ASSERT_EQ(SnapshotAndWrite(session, true), ImageWrite::kWritten);
    }

    int PositionOfKeyA() const {
        for (int position = 0; position < 126; ++position) {
            if (CodeAt(session.defaultKeyMatrix.data(), position) == DeviceKeyCode{2, 2, 4}) {
                return position;
            }
        }
        return -1;
    }

    AppContext context;
    RecordingWindowPort window;
    KeyboardSession session{context, Link(), {MakeTemporaryFolder() + "/", KEYLOOM_BIN_DIR, ""}};
    WorkingProfile saved;
};

TEST_F(KeyboardComparisonTest, WhatAnApplyWroteIsNoDifference) {
    const auto comparison = CompareWithKeyboard(session, saved);
    ASSERT_TRUE(comparison.has_value());
    EXPECT_TRUE(comparison->keys.empty());
    EXPECT_TRUE(comparison->macros.empty());
    EXPECT_EQ(comparison->held.macros.size(), 2u);
}

TEST_F(KeyboardComparisonTest, AKeyChangedOnTheKeyboardIsOneDifference) {
    const uint8_t disabled[3] = {0, 0, 0};
    ASSERT_EQ(ZozSim_WriteMemory(ZOZSIM_AREA_KEYS, 378 * 2 + 3 * PositionOfKeyA(), disabled, 3), 1);
    const auto comparison = CompareWithKeyboard(session, saved);
    ASSERT_TRUE(comparison.has_value());
    ASSERT_EQ(comparison->keys.size(), 1u);
    const KeyDifference& key = comparison->keys[0];
    EXPECT_EQ(key.profile, 2);
    EXPECT_EQ(key.slot, kKeyA);
    EXPECT_EQ(key.saved.kind, ASSIGN_DEFAULT);
    EXPECT_EQ(key.held.kind, ASSIGN_DISABLED);
}

TEST_F(KeyboardComparisonTest, MacrosDifferByPosition) {
    saved.macros[1].SetRepeatCount(5);
    saved.macros.push_back(Macro("Jump", 1));
    const auto comparison = CompareWithKeyboard(session, saved);
    ASSERT_TRUE(comparison.has_value());
    ASSERT_EQ(comparison->macros.size(), 2u);
    EXPECT_EQ(comparison->macros[0].position, 1u);
    EXPECT_EQ(comparison->macros[0].held->RepeatCount(), 2);
    EXPECT_EQ(comparison->macros[1].position, 2u);
    EXPECT_EQ(comparison->macros[1].saved->Name(), "Jump");
    EXPECT_FALSE(comparison->macros[1].held.has_value());
    EXPECT_TRUE(comparison->keys.empty());
}

TEST_F(KeyboardComparisonTest, AKeyboardThatCannotBeReadComparesNothing) {
    ASSERT_EQ(ZozSim_Unplug(), 1);
    context.activeProfileCache = -1;
    EXPECT_FALSE(CompareWithKeyboard(session, saved).has_value());
}

}  // namespace
}  // namespace keyloom::test
