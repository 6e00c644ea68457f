// diff on the virtual keyboard: nothing after a restore, and a change made on the keyboard named.

#include <gtest/gtest.h>

#include <string>

#include "cli/CtlKeyboard.h"
#include "model/AssignmentTable.h"
#include "model/WorkingProfile.h"
#include "storage/ProfileFile.h"
#include "support/FileContents.h"

namespace keyloom::test {
namespace {

constexpr DeviceKeyCode kCapsLock = {2, 2, 0x39};

class DiffCommandTest : public CtlKeyboardTest {
  protected:
    // A backup with Caps Lock disabled in profile 2 and one macro, restored to the keyboard.
    void Restore() {
        WorkingProfile profile;
        AssignmentTable table = profile.Assignments();
        for (int block = 0; block < 3; ++block) {
            InitAssignmentBlock(table, block);
        }
        table.SetEntry(1, 0x03A, {ASSIGN_DISABLED});
        MacroRecord macro;
        macro.SetName("Hello");
        macro.SetId(4);
        macro.SetRepeatCount(2);
        macro.SetEvents(
            std::vector<MacroEvent>{{10, 0x023, MACRO_PRESS}, {0, 0x023, MACRO_RELEASE}});
        profile.macros.push_back(macro);
        const std::string backup = folder_ + "/backup.qvp";
        ASSERT_EQ(WriteProfileFile(backup, profile), 1);
        const CtlRun run = Ctl("restore " + backup);
        ASSERT_EQ(run.exitCode, 0) << run.output;
    }

    const std::string working_ = TestHome() + "/XDG_DATA_HOME/VQ52R_EN/$Profile0";
};

TEST_F(DiffCommandTest, AfterARestoreTheKeyboardHoldsTheWorkingProfile) {
    Restore();
    const CtlRun run = Ctl("diff");
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_TRUE(run.Says("The keyboard holds what the working profile file says.")) << run.output;
}

TEST_F(DiffCommandTest, AChangeMadeOnTheKeyboardIsNamedAndTheSavedFileKept) {
    Restore();
    const auto saved = FileBytes(working_);
    const uint8_t escape[3] = {2, 2, 0x29};
    ASSERT_EQ(ZozSim_WriteMemory(ZOZSIM_AREA_KEYS, 378 + 3 * PositionOf(kCapsLock), escape, 3), 1);
    const uint8_t noMacros[2] = {0, 0};
    ASSERT_EQ(ZozSim_WriteMemory(ZOZSIM_AREA_MACROS, 4, noMacros, 2), 1);

    const CtlRun run = Ctl("diff");
    EXPECT_EQ(run.exitCode, 1) << run.output;
    EXPECT_TRUE(
        run.Says("profile 2\n"
                 "  saved:    Caps Lock: reassigned\n"
                 "  keyboard: Caps Lock: reassigned (key: Esc)\n"))
        << run.output;
    EXPECT_TRUE(
        run.Says("macro 1\n"
                 "  saved:    Hello (repeat 2, 2 events)\n"
                 "  keyboard: none\n"))
        << run.output;
    EXPECT_EQ(FileBytes(working_), saved);
}

TEST_F(DiffCommandTest, WithoutAWorkingProfileFileThereIsNothingToCompare) {
    const CtlRun run =
        RunCtl("ZOZODIZ_SIM_STATE=" + StatePath() + " XDG_DATA_HOME=" + folder_, "--simulate diff");
    EXPECT_EQ(run.exitCode, 1) << run.output;
    EXPECT_TRUE(run.Says("there is no working profile file to compare with")) << run.output;
}

}  // namespace
}  // namespace keyloom::test
