#include "session/KeyboardAccess.h"

#include <gtest/gtest.h>

#include "support/RecordingWindowPort.h"
#include "support/SimKeyboardFixture.h"
#include "support/TestEnvironment.h"

namespace keyloom::test {
namespace {

class KeyboardAccessTest : public SimKeyboardTest {
  protected:
    void SetUp() override {
        SimKeyboardTest::SetUp();
        context.window = &window;
    }

    AppContext context;
    RecordingWindowPort window;
    KeyboardSession session{context, Link(), {MakeTemporaryFolder() + "/", KEYLOOM_BIN_DIR, ""}};
};

TEST_F(KeyboardAccessTest, OnlyAKeyboardOutOfReachIsReportedWithItsNode) {
    struct Case {
        const char* name;
        int (*reach)();
        bool reported;
    };
    constexpr Case kCases[] = {
        {"refused", &ZozSim_DenyAccess, true},
        {"unplugged", &ZozSim_Unplug, false},
        {"reachable", &ZozSim_Plug, false},
    };
    for (const Case& tested : kCases) {
        SCOPED_TRACE(tested.name);
        window.ClearRecorded();
        ASSERT_EQ(tested.reach(), 1);
        EXPECT_EQ(ReportAccessProblem(session), tested.reported);
        const RecordingWindowPort::Log log = window.Recorded();
        if (!tested.reported) {
            EXPECT_TRUE(log.shownKeys.empty());
            continue;
        }
        ASSERT_EQ(log.shownKeys, std::vector<std::string>{"MAIN_NO_ACCESS_PROMPT"});
        const std::string& text = log.shownTexts.front();
        EXPECT_NE(text.find(" /dev/hidraw-sim, "), std::string::npos) << text;
    }
}

}  // namespace
}  // namespace keyloom::test
