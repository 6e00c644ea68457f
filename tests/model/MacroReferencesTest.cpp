#include "model/MacroReferences.h"

#include <gtest/gtest.h>

namespace keyloom {
namespace {

constexpr int kSlotOfA = 0x1E;

MacroRecord Stored(uint16_t id, bool isNew = false) {
    MacroRecord macro;
    macro.SetId(id);
    macro.SetIsNew(isNew);
    return macro;
}

class MacroReferencesTest : public ::testing::Test {
  protected:
    // Answers every question with `answer` and notes the language key.
    YesNoQuestion Answer(bool answer) {
        return [this, answer](const std::string& key) {
            asked_.push_back(key);
            return answer;
        };
    }

    std::vector<uint8_t> image_ = std::vector<uint8_t>(ASSIGNMENT_TABLE_SIZE);
    AssignmentTable table_{image_};
    std::vector<std::string> asked_;
};

TEST_F(MacroReferencesTest, DeletingAsksOnlyWhenAKeyOfAnyBlockPlaysTheMacro) {
    table_.SetEntry(0, kSlotOfA, {ASSIGN_KEY, 0, 3});
    EXPECT_TRUE(ConfirmMacroDelete(Stored(3), table_, Answer(false)));
    table_.SetEntry(3, G_KEY_FIRST_SLOT, {ASSIGN_MACRO, 5, 3});
    EXPECT_TRUE(ConfirmMacroDelete(Stored(4), table_, Answer(false)));
    EXPECT_TRUE(ConfirmMacroDelete(Stored(3, true), table_, Answer(false)));
    EXPECT_TRUE(asked_.empty());
    EXPECT_FALSE(ConfirmMacroDelete(Stored(3), table_, Answer(false)));
    EXPECT_TRUE(ConfirmMacroDelete(Stored(3), table_, Answer(true)));
    EXPECT_EQ(asked_, std::vector<std::string>(2, "MACRO_DELETE_CONFIRM_OF_KEYS"));
    EXPECT_EQ(table_.EntryOf(3, G_KEY_FIRST_SLOT).kind, ASSIGN_MACRO);
}

TEST_F(MacroReferencesTest, ReplacingRepairsDanglingReferencesInEveryBlock) {
    table_.SetEntry(2, kSlotOfA, {ASSIGN_MACRO, 7, 2, 0xC0FFEE, 0});  // deleted
    table_.SetEntry(0, 265, {ASSIGN_MACRO, 0x1301, 5});               // still new
    table_.SetEntry(1, kSlotOfA, {ASSIGN_MACRO, 0, 0});               // none chosen
    table_.SetEntry(0, kSlotOfA, {ASSIGN_MACRO, 3, 9});
    table_.SetEntry(3, 500, {ASSIGN_FUNCTION, 0, 2});
    MacroList list = {Stored(2), Stored(9)};

    const MacroListReplacement result =
        ReplaceMacroList(list, {Stored(9), Stored(4), Stored(5, true)}, table_);

    EXPECT_TRUE(result.assignmentsChanged);
    EXPECT_EQ(result.resetSlots, (std::vector<AssignmentSlot>{{0, 265}, {2, kSlotOfA}}));
    EXPECT_EQ(table_.EntryOf(2, kSlotOfA), (KeyAssignment{ASSIGN_DEFAULT, 7, 0, 0xC0FFEE, 0}));
    EXPECT_EQ(table_.EntryOf(0, 265).kind, ASSIGN_DEFAULT);
    EXPECT_EQ(table_.EntryOf(1, kSlotOfA), (KeyAssignment{ASSIGN_MACRO, 0, 9}));
    EXPECT_EQ(table_.EntryOf(0, kSlotOfA), (KeyAssignment{ASSIGN_MACRO, 3, 9}));
    EXPECT_EQ(table_.EntryOf(3, 500), (KeyAssignment{ASSIGN_FUNCTION, 0, 2}));
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(MacroIdAt(list, 2), 5);
    EXPECT_FALSE(list[2].IsNew());

    ReplaceMacroList(list, {}, table_);
    EXPECT_EQ(table_.EntryOf(1, kSlotOfA).kind, ASSIGN_DEFAULT);
    EXPECT_TRUE(list.empty());
}

}  // namespace
}  // namespace keyloom
