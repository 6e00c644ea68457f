#include "session/ProfileKeyEditing.h"

#include <gtest/gtest.h>

#include <mutex>

#include "ZozSim.h"
#include "model/AssignmentTable.h"
#include "support/RecordingWindowPort.h"
#include "support/SimKeyboardFixture.h"
#include "support/TestEnvironment.h"

namespace keyloom::test {
namespace {

constexpr int kCapsLock = 0x03A;

class ProfileKeyEditingTest : public SimKeyboardTest {
  protected:
    ProfileKeyEditingTest() { context.window = &window; }

    KeyAssignment Entry(int profile, int slot) {
        std::lock_guard lock(context.profileLock);
        return session.profile.Assignments().EntryOf(profile, slot);
    }

    AppContext context;
    RecordingWindowPort window;
    KeyboardSession session{context, Link(), {MakeTemporaryFolder() + "/", KEYLOOM_BIN_DIR, ""}};
};

TEST_F(ProfileKeyEditingTest, TheRecordGoesIntoTheChosenProfileKeepingItsOtherFields) {
    const KeyAssignment before{ASSIGN_TEXT, 0, 0, 0xC0105, 0x77};
    session.profile.Assignments().SetEntry(2, kCapsLock, before);
    session.profile.texts.Set(2 * ASSIGNMENT_SLOTS + kCapsLock, u"typed text");

    ASSERT_TRUE(StoreKeyRecordInProfile(session, 2, kCapsLock, {ASSIGN_MACRO, 7, 3, 1, 1}));

    EXPECT_EQ(Entry(2, kCapsLock), (KeyAssignment{ASSIGN_MACRO, 7, 3, 0xC0105, 0x77}));
    EXPECT_EQ(session.profile.texts.Total(), 0u);
    EXPECT_EQ(Entry(0, kCapsLock), KeyAssignment{});
    EXPECT_EQ(Entry(1, kCapsLock), KeyAssignment{});
    EXPECT_TRUE(window.ApplyEnabled());
}

TEST_F(ProfileKeyEditingTest, AProfileTheKeyboardCannotHoldStoresNothing) {
    for (const int profile : {-1, 3}) {
        EXPECT_FALSE(StoreKeyRecordInProfile(session, profile, kCapsLock, {ASSIGN_DISABLED}));
        EXPECT_EQ(Entry(profile, kCapsLock), KeyAssignment{});
    }
    EXPECT_FALSE(window.ApplyEnabled());
}

TEST_F(ProfileKeyEditingTest, MacrosAreReadAsACopyAndStoredWithTheirKeysRepaired) {
    MacroRecord hello;
    hello.SetName("Hello");
    hello.SetId(1);
    MacroRecord dash = hello;
    dash.SetName("Dash");
    dash.SetId(2);
    session.profile.macros = {hello, dash};
    session.profile.Assignments().SetEntry(2, kCapsLock, {ASSIGN_MACRO, 3, 2});
    session.profile.Assignments().SetEntry(0, 0x01E, {ASSIGN_MACRO, 4, 1});

    MacroList edited = WorkingMacros(session);
    ASSERT_EQ(edited.size(), 2u);
    edited[0].SetRepeatCount(9);
    EXPECT_EQ(session.profile.macros[0].RepeatCount(), 0);
    edited.pop_back();
    StoreWorkingMacros(session, edited);

    ASSERT_EQ(session.profile.macros.size(), 1u);
    EXPECT_EQ(session.profile.macros[0].RepeatCount(), 9);
    EXPECT_EQ(Entry(2, kCapsLock).kind, ASSIGN_DEFAULT);  // played the macro that is gone
    EXPECT_EQ(Entry(0, 0x01E), (KeyAssignment{ASSIGN_MACRO, 4, 1}));
    EXPECT_TRUE(window.ApplyEnabled());
}

TEST_F(ProfileKeyEditingTest, AMacroThatAKeyPlaysIsDeletedOnlyAfterAYes) {
    MacroRecord hello;
    hello.SetName("Hello");
    hello.SetId(2);
    EXPECT_TRUE(ConfirmWorkingMacroDelete(session, hello));
    EXPECT_TRUE(window.Recorded().shownKeys.empty());

    session.profile.Assignments().SetEntry(2, kCapsLock, {ASSIGN_MACRO, 1, 2});
    for (const MessageAnswer answer : {MessageAnswer::kNo, MessageAnswer::kYes}) {
        window.answer = answer;
        EXPECT_EQ(ConfirmWorkingMacroDelete(session, hello), answer == MessageAnswer::kYes);
    }
    EXPECT_EQ(
        window.Recorded().shownKeys,
        (std::vector<std::string>{"MACRO_DELETE_CONFIRM_OF_KEYS", "MACRO_DELETE_CONFIRM_OF_KEYS"}));
}

struct SlotCase {
    int slot;
    bool builtIn;   // in the table the tool starts with
    bool keyboard;  // in the virtual keyboard's own table
};

TEST_F(ProfileKeyEditingTest, OnlyKeysOfTheFactoryTableHaveAPlace) {
    KeyBlockBytes keyboardTable{};
    ASSERT_EQ(ZozSim_ReadMemory(ZOZSIM_AREA_DEFAULT_KEYS, 0, keyboardTable.data(), 378), 1);
    const SlotCase cases[] = {
        {kCapsLock, true, true},        // Caps Lock
        {0x01E, true, true},            // A
        {0x064, false, false},          // F13
        {GKeySlot(0, 0), false, true},  // G1 of bank A
        {GKeySlot(1, 8), false, true},  // G9 of bank B
        {300, false, false},            // no key
    };
    for (const SlotCase& test : cases) {
        EXPECT_EQ(KeyTableHasSlot(session, test.slot), test.builtIn) << test.slot;
    }
    session.defaultKeyMatrix = keyboardTable;
    for (const SlotCase& test : cases) {
        EXPECT_EQ(KeyTableHasSlot(session, test.slot), test.keyboard) << test.slot;
    }
}

}  // namespace
}  // namespace keyloom::test
