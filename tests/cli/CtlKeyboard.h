#pragma once

// keyloomctl runs on the virtual keyboard of the test program, whose memory the test reads and
// writes directly between two runs.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "ZozSim.h"
#include "cli/CtlRun.h"
#include "model/DeviceKeyCode.h"
#include "support/SimKeyboardFixture.h"
#include "support/TestEnvironment.h"

namespace keyloom::test {

class CtlKeyboardTest : public SimKeyboardTest {
  protected:
    // A run on this keyboard, traced into the test's own file.
    CtlRun Ctl(const std::string& arguments) const {
        return RunCtl("ZOZODIZ_SIM_STATE=" + StatePath() + " ZOZODIZ_TRACE=" + trace_,
                      "--simulate " + arguments);
    }

    // The commands of the requests keyloomctl has written so far.
    std::multiset<int> WrittenByCtl() const { return WrittenCommands(trace_); }

    // The keyboard's memory as the runs so far left it.
    static std::vector<uint8_t> Memory(int area, uint32_t offset, uint32_t length) {
        RestartLibrary();
        std::vector<uint8_t> bytes(length);
        EXPECT_EQ(ZozSim_ReadMemory(area, offset, bytes.data(), length), 1);
        return bytes;
    }

    // The code at a position of a profile's key table.
    static DeviceKeyCode KeyCodeAt(int profile, int position) {
        const auto code = Memory(ZOZSIM_AREA_KEYS, 378 * profile + 3 * position, 3);
        return {code[0], code[1], code[2]};
    }

    // The position whose factory code is this one.
    static int PositionOf(DeviceKeyCode factory) {
        const auto table = Memory(ZOZSIM_AREA_DEFAULT_KEYS, 0, 378);
        for (int position = 0; position < 126; ++position) {
            if (CodeAt(table.data(), position) == factory) {
                return position;
            }
        }
        ADD_FAILURE() << "no position has the factory code " << int(factory.kind) << " "
                      << int(factory.b1) << " " << int(factory.b2);
        return 0;
    }

    const std::string folder_ = MakeTemporaryFolder();
    const std::string trace_ = folder_ + "/ctl-trace.txt";
};

}  // namespace keyloom::test
