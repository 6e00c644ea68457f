#include "session/StartupSwitches.h"

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

TEST(StartupSwitchesTest, SentMessagesByNameOrNumber) {
    EXPECT_EQ(Sent("apply"), (std::vector<intptr_t>{MSG_APPLY, 0, 0}));
    EXPECT_EQ(Sent("Update"), (std::vector<intptr_t>{MSG_COMMAND, CMD_ID_FIRMWARE_UPDATE, 0}));
    EXPECT_EQ(Sent("0x001E"), (std::vector<intptr_t>{0x1E, 0, 0}));
    EXPECT_EQ(Sent("30"), (std::vector<intptr_t>{30, 0, 0}));
    EXPECT_EQ(Sent("0X5350,0x4F50454E,-2"), (std::vector<intptr_t>{0x5350, 0x4F50454E, -2}));
    for (const char* bad : {"", "0x", "aply", "1,", ",1", "1,2,3,4", "-1", "4294967296", "1 "}) {
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
