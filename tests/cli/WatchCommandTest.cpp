// keyloomctl watch as a script reads it: a separate process on the virtual keyboard, which the
// test moves from outside through the keyboard's control input, as a person at it would.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <csignal>
#include <string>

#include "cli/CtlKeyboard.h"
#include "platform/ScopedVariable.h"
#include "support/ChildProcess.h"
#include "support/Eventually.h"
#include "support/FileContents.h"

namespace keyloom {
namespace {

// A control line and the lines watch prints for it, as text and as JSON. Lines the keyboard
// does not take print nothing; the consumer code after them shows they were read.
struct WatchStep {
    const char* control;
    const char* text;
    const char* json;
};

constexpr WatchStep kSteps[] = {
    {"bank", "consumer 0x02FF\nbank B\n",
     "{\"event\":\"consumer\",\"code\":\"0x02FF\"}\n{\"event\":\"bank\",\"bank\":\"B\"}\n"},
    {"profile 2", "consumer 0x0403\nprofile 2\n",
     "{\"event\":\"consumer\",\"code\":\"0x0403\"}\n{\"event\":\"profile\",\"profile\":2}\n"},
    {"mode 4", "consumer 0x0401\nlighting profile 2, mode 4 (Color Cycle), brightness 12\n",
     "{\"event\":\"consumer\",\"code\":\"0x0401\"}\n{\"event\":\"lighting\",\"profile\":2,"
     "\"mode\":4,\"name\":\"Color Cycle\",\"brightness\":12}\n"},
    {"profile 9", "", ""},
    {"consumer", "", ""},
    {"unplug now", "", ""},
    {"consumer 1811", "consumer 0x1811\n", "{\"event\":\"consumer\",\"code\":\"0x1811\"}\n"},
    {"unplug", "unplugged\n", "{\"event\":\"unplugged\"}\n"},
    {"plug", "plugged\n", "{\"event\":\"plugged\"}\n"},
};

struct WatchForm {
    bool json;
    int signal;  // what ends it
};

class WatchCommandTest : public test::CtlKeyboardTest,
                         public ::testing::WithParamInterface<WatchForm> {
  protected:
    // Whether the output came to be exactly this.
    bool OutputBecomes(const std::string& expected) const {
        return test::Eventually([&] { return test::FileText(output_).value_or("") == expected; },
                                std::chrono::seconds(10));
    }

    const std::string control_ = folder_ + "/control";
    const std::string output_ = folder_ + "/watch.txt";
};

TEST_P(WatchCommandTest, PrintsALinePerEventUntilInterrupted) {
    const WatchForm form = GetParam();
    std::unique_ptr<test::ChildProcess> watch;
    {
        // Only the child reads the control input; this process's keyboard must not.
        const test::ScopedVariable control("ZOZODIZ_SIM_CONTROL", control_);
        const test::ScopedVariable state("ZOZODIZ_SIM_STATE", StatePath());
        std::vector<std::string> args = {"--simulate", "watch"};
        if (form.json) {
            args.push_back("--json");
        }
        watch = std::make_unique<test::ChildProcess>(KEYLOOM_BIN_DIR "keyloomctl", args, output_);
    }
    std::string expected = form.json ? "{\"event\":\"watching\",\"present\":true,\"profile\":1}\n"
                                     : "watching (keyboard present, profile 1)\n";
    ASSERT_TRUE(OutputBecomes(expected)) << test::FileText(output_).value_or("");

    const int fifo = open(control_.c_str(), O_WRONLY | O_CLOEXEC);
    ASSERT_GE(fifo, 0);
    for (const WatchStep& step : kSteps) {
        const std::string line = std::string(step.control) + "\n";
        ASSERT_EQ(write(fifo, line.data(), line.size()), static_cast<ssize_t>(line.size()));
        expected += form.json ? step.json : step.text;
        if (*step.text != '\0') {
            ASSERT_TRUE(OutputBecomes(expected)) << "after " << step.control << ":\n"
                                                 << test::FileText(output_).value_or("");
        }
    }
    close(fifo);

    watch->Signal(form.signal);
    EXPECT_EQ(watch->ExitCodeWithin(std::chrono::seconds(10)), 0);
    // The keyboard's own keys changed its memory, and the refused lines nothing.
    EXPECT_EQ(Memory(ZOZSIM_AREA_CONFIG, 10, 1)[0], 1);
    EXPECT_EQ(Memory(ZOZSIM_AREA_LIGHTING, 42, 1)[0], 4);
}

INSTANTIATE_TEST_SUITE_P(Forms, WatchCommandTest,
                         ::testing::Values(WatchForm{false, SIGINT}, WatchForm{true, SIGTERM}),
                         [](const auto& info) {
                             return std::string(info.param.json ? "Json" : "Text") +
                                    (info.param.signal == SIGINT ? "EndedBySigint"
                                                                 : "EndedBySigterm");
                         });

}  // namespace
}  // namespace keyloom
