// info as a script reads it.

#include <gtest/gtest.h>

#include <string>

#include "cli/CtlKeyboard.h"

namespace keyloom::test {
namespace {

using KeyboardCommandsTest = CtlKeyboardTest;

TEST_F(KeyboardCommandsTest, InfoAsJsonIsOneObjectOnOneLine) {
    const uint8_t profile = 1;
    const uint8_t modes[32] = {1, 0, 20, 3};
    ASSERT_EQ(ZozSim_WriteMemory(ZOZSIM_AREA_CONFIG, 10, &profile, 1), 1);
    ASSERT_EQ(ZozSim_WriteMemory(ZOZSIM_AREA_CONFIG, 12, modes, sizeof modes), 1);
    const CtlRun present = Ctl("info --json");
    EXPECT_EQ(present.exitCode, 0);
    EXPECT_EQ(present.output,
              "{\"present\":true,\"activeProfile\":2,\"macroMemory\":4096,"
              "\"lightingModes\":[1,20,3]}\n");
    EXPECT_TRUE(Ctl("info").Says("lighting modes: 1 20 3"));

    // The machine running the tests has none of the real keyboards.
    const CtlRun absent = RunCtl("ZOZODIZ_BACKEND=hid", "info --json");
    EXPECT_EQ(absent.exitCode, 0);
    EXPECT_EQ(absent.output, "{\"present\":false}\n");
}

TEST_F(KeyboardCommandsTest, AKeyboardThatMayNotBeOpenedIsNamedWithItsOwnExitCode) {
    for (const char* command : {"info", "info --json", "config", "keys"}) {
        const CtlRun run =
            RunCtl("ZOZODIZ_SIM_ACCESS=denied", std::string("--simulate ") + command);
        EXPECT_EQ(run.exitCode, 4) << command;
        EXPECT_TRUE(run.Says("/dev/hidraw-sim")) << command << ": " << run.output;
    }
}

}  // namespace
}  // namespace keyloom::test
