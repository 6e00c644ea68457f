#include "startup/StartupSwitches.h"

#include <gtest/gtest.h>

#include "session/WindowMessages.h"

namespace keyloom {
namespace {

std::vector<intptr_t> Sent(const char* text) {
    const auto sent = ParseSentMessage(text);
    return sent ? std::vector<intptr_t>{sent->message, static_cast<intptr_t>(sent->wParam),
                                        sent->lParam}
                : std::vector<intptr_t>{};
}

TEST(StartupSwitchesTest, OnlyApplyAndUpdateCanBeSent) {
    EXPECT_EQ(Sent("apply"), (std::vector<intptr_t>{MSG_APPLY, 0, 0}));
    EXPECT_EQ(Sent("Update"), (std::vector<intptr_t>{MSG_COMMAND, CMD_ID_FIRMWARE_UPDATE, 0}));
    for (const char* bad : {"", "aply", "0x001E", "30", "0x5452", "0X5350,0x4F50454E", "1,2"}) {
        EXPECT_TRUE(Sent(bad).empty()) << bad;
    }
}

TEST(StartupSwitchesTest, FirstSendCountsAndOtherArgumentsAreIgnored) {
    const StartupSwitches switches =
        ParseStartupSwitches({"--send", "apply", "--SIMULATE", "/Stop", "--send", "update"});
    ASSERT_TRUE(switches.send);
    EXPECT_EQ(switches.send->message, MSG_APPLY);
    EXPECT_FALSE(switches.simulate || switches.startHidden || switches.kill || switches.invalid);
    EXPECT_TRUE(ParseStartupSwitches({"--send", "apply", "--send", "bad"}).invalid);
    EXPECT_TRUE(ParseStartupSwitches({"--send"}).invalid);
}

}  // namespace
}  // namespace keyloom
