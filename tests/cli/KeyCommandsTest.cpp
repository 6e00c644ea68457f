// assign and keys on the virtual keyboard: what reaches its key tables, its macro memory and the
// working profile file, and what keys shows of it.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/CtlKeyboard.h"
#include "device/ConfigReport.h"
#include "model/AssignmentTable.h"
#include "model/MacroArea.h"
#include "model/WorkingProfile.h"
#include "storage/ProfileFile.h"

namespace keyloom::test {
namespace {

constexpr DeviceKeyCode kCapsLock = {2, 2, 0x39};
constexpr DeviceKeyCode kKeyA = {2, 2, 0x04};
constexpr DeviceKeyCode kKeyB = {2, 2, 0x05};
constexpr DeviceKeyCode kEsc = {2, 2, 0x29};
constexpr DeviceKeyCode kLeftCtrl = {2, 1, 0x01};
constexpr DeviceKeyCode kG3 = {6, 0xA2, 3};

using KeyCommandsTest = CtlKeyboardTest;

std::string WorkingProfilePath() {
    return TestHome() + "/XDG_DATA_HOME/VQ52R_EN/$Profile0";
}

KeyAssignment WorkingProfileEntry(int profile, int slot) {
    WorkingProfile read;
    EXPECT_EQ(ReadProfileFile(WorkingProfilePath(), read), 1);
    return read.Assignments().EntryOf(profile, slot);
}

// The keyboard's macros, written as if an earlier apply had put them there.
void PutMacros(const std::vector<std::string>& names) {
    MacroList macros;
    for (const std::string& name : names) {
        MacroRecord macro = NewMacroRecord(macros, name);
        macro.SetEvents(std::vector<MacroEvent>{{10, 0x1E, MACRO_PRESS}, {0, 0x1E, MACRO_RELEASE}});
        macros.push_back(macro);
    }
    const auto image = EncodeMacroArea(macros, MacroAreaSizes(macros).full, true);
    ASSERT_EQ(ZozSim_WriteMemory(ZOZSIM_AREA_MACROS, 0, image.data(),
                                 static_cast<uint32_t>(image.size())),
              1);
}

TEST_F(KeyCommandsTest, AnotherProfilesKeyReachesItsKeyTable) {
    const CtlRun run = Ctl("assign --profile 2 CapsLock key:LeftCtrl");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_TRUE(run.Says("Caps Lock: reassigned (key: Left Ctrl)")) << run.output;

    const int position = PositionOf(kCapsLock);
    EXPECT_EQ(KeyCodeAt(1, position), kLeftCtrl);
    EXPECT_EQ(KeyCodeAt(0, position), kCapsLock);  // the active profile keeps it
    EXPECT_TRUE(Ctl("keys --profile 2").Says("Caps Lock: reassigned (key: Left Ctrl)"));
    EXPECT_TRUE(Ctl("keys").Says("\nCaps Lock\n"));
}

// As a new user tries it: remap Caps Lock to Escape and back, and look at it between.
TEST_F(KeyCommandsTest, ARemapAndBackShowsInTheKeyList) {
    const int position = PositionOf(kCapsLock);
    ASSERT_EQ(Ctl("assign CapsLock key:Esc").exitCode, 0);
    EXPECT_EQ(KeyCodeAt(0, position), kEsc);
    EXPECT_TRUE(Ctl("keys").Says("Caps Lock: reassigned (key: Esc)"));

    ASSERT_EQ(Ctl("assign capslock default").exitCode, 0);
    EXPECT_EQ(KeyCodeAt(0, position), kCapsLock);
    const CtlRun keys = Ctl("keys");
    EXPECT_TRUE(keys.Says("\nCaps Lock\n")) << keys.output;
    EXPECT_FALSE(keys.Says("reassigned")) << keys.output;
}

struct FunctionCase {
    const char* key;
    const char* function;
    DeviceKeyCode factory;  // finds the key's position
    DeviceKeyCode written;
};

// One command, one apply for all of them.
TEST_F(KeyCommandsTest, EachFunctionWordGivesItsCode) {
    const FunctionCase cases[] = {
        {"A", "disabled", kKeyA, {0, 0, 0}},
        {"B", "key:LeftShift", kKeyB, {2, 1, 0x02}},
        {"C", "key:\"Right Alt\"", {2, 2, 0x06}, {2, 1, 0x40}},
        {"D", "key:KEY_030", {2, 2, 0x07}, {2, 2, 0x05}},
        {"E", "mouse:left", {2, 2, 0x08}, {1, 1, 1}},
        {"F", "key:mouse:wheel-down", {2, 2, 0x09}, {1, 5, 0xFF}},
        {"G", "stop-macro", {2, 2, 0x0A}, {5, 2, 0}},
        {"H", "media:mute", {2, 2, 0x0B}, {3, 0xE2, 0}},
        {"I", "media:VolumeUp", {2, 2, 0x0C}, {3, 0xE9, 0}},
        {"J", "media:V-", {2, 2, 0x0D}, {3, 0xEA, 0}},
        {"K", "function:5", {2, 2, 0x0E}, {5, 5, 4}},
        {"L", "key:L", {2, 2, 0x0F}, {2, 2, 0x0F}},  // itself: back to the factory function
    };
    std::string arguments = "assign";
    for (const FunctionCase& test : cases) {
        arguments += std::string(" ") + test.key + " " + test.function;
    }
    // Key B first gets a function that the later pair replaces.
    const CtlRun run = Ctl("assign B disabled");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const CtlRun all = Ctl(arguments);
    ASSERT_EQ(all.exitCode, 0) << all.output;
    for (const FunctionCase& test : cases) {
        EXPECT_EQ(KeyCodeAt(0, PositionOf(test.factory)), test.written) << test.function;
    }
    EXPECT_EQ(WorkingProfileEntry(0, 0x26).kind, ASSIGN_DEFAULT);  // L
}

TEST_F(KeyCommandsTest, AMacroByNameWithARepeatCountOnAGKey) {
    PutMacros({"Dash", "Hello"});
    const CtlRun run = Ctl("assign G3 macro:Hello,repeat=7");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_TRUE(run.Says("G3 (bank A): reassigned (macro: Hello)")) << run.output;

    EXPECT_EQ(KeyCodeAt(0, PositionOf(kG3)), (DeviceKeyCode{5, 1, 1}));  // the second macro
    const KeyAssignment stored = WorkingProfileEntry(0, GKeySlot(0, 2));
    EXPECT_EQ(stored.kind, ASSIGN_MACRO);
    EXPECT_EQ(stored.value, 2u);
    EXPECT_EQ(stored.tag, 7);
    const auto memory = Memory(ZOZSIM_AREA_MACROS, 0, 64);
    const uint16_t second = memory[MACRO_AREA_HEADER_SIZE + 2] | memory[MACRO_AREA_HEADER_SIZE + 3]
                                                                     << 8;
    EXPECT_EQ(memory[second + 2], 7);  // the macro's own repeat count
}

TEST_F(KeyCommandsTest, AMacroByIdOnBankBAndWithoutRepeatKeepsItsCount) {
    PutMacros({"Dash", "Hello"});
    ASSERT_EQ(Ctl("assign --bank B G3 macro:1").exitCode, 0);
    const KeyAssignment stored = WorkingProfileEntry(0, GKeySlot(1, 2));
    EXPECT_EQ(stored.value, 1u);
    EXPECT_EQ(stored.tag, 1);  // the repeat count the macro has
    EXPECT_EQ(KeyCodeAt(0, PositionOf({6, 0xA2, 12})), (DeviceKeyCode{5, 1, 0}));
    EXPECT_TRUE(Ctl("keys").Says("G3 (bank B): reassigned (macro: Dash)"));
}

TEST_F(KeyCommandsTest, WithoutApplyNothingIsWritten) {
    const int position = PositionOf(kCapsLock);
    const CtlRun run = Ctl("assign --no-apply CapsLock disabled");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_TRUE(run.Says("Caps Lock: reassigned")) << run.output;
    EXPECT_TRUE(run.Says("Not applied")) << run.output;
    EXPECT_EQ(WrittenByCtl().count(CMD_WRITE_KEYS), 0u);
    EXPECT_EQ(WrittenByCtl().count(CMD_BEGIN), 0u);
    EXPECT_EQ(KeyCodeAt(0, position), kCapsLock);
    EXPECT_EQ(WorkingProfileEntry(0, 0x3A).kind, ASSIGN_DEFAULT);
}

// What only the keyboard's content shows to be wrong is refused before anything is written.
TEST_F(KeyCommandsTest, AKeyTheKeyTableLacksAndAMacroTheKeyboardLacksAreRefused) {
    PutMacros({"Dash"});
    const uint8_t none[3] = {0, 0, 0};
    ASSERT_EQ(ZozSim_WriteMemory(ZOZSIM_AREA_DEFAULT_KEYS, 3 * PositionOf(kCapsLock), none, 3), 1);
    const struct {
        const char* arguments;
        const char* says;
    } refusals[] = {
        {"assign A disabled CapsLock disabled", "key table has no place for CapsLock"},
        {"assign A macro:Hello", "bad macro \"Hello\": the keyboard's macros are \"Dash\" (1)"},
    };
    for (const auto& refusal : refusals) {
        const CtlRun run = Ctl(refusal.arguments);
        EXPECT_EQ(run.exitCode, 2) << run.output;
        EXPECT_TRUE(run.Says(refusal.says)) << run.output;
    }
    EXPECT_EQ(WrittenByCtl().count(CMD_BEGIN), 0u);
    EXPECT_EQ(KeyCodeAt(0, PositionOf(kKeyA)), kKeyA);
}

}  // namespace
}  // namespace keyloom::test
