// lighting and rate on the virtual keyboard: each change reaches the active profile's lighting
// record or key colours in one transaction.

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CtlKeyboard.h"
#include "device/ConfigReport.h"
#include "storage/UserDataFolder.h"
#include "support/FileContents.h"

namespace keyloom::test {
namespace {

constexpr uint32_t kRecordSize = 42;
constexpr int kLedOfA = 31;

class LightingCommandsTest : public CtlKeyboardTest {
  protected:
    static void SetActiveProfile(uint8_t profile) {
        ASSERT_EQ(ZozSim_WriteMemory(ZOZSIM_AREA_CONFIG, 10, &profile, 1), 1);
    }
    static void SetRecordByte(int profile, uint32_t field, uint8_t value) {
        ASSERT_EQ(
            ZozSim_WriteMemory(ZOZSIM_AREA_LIGHTING, kRecordSize * profile + field, &value, 1), 1);
    }
    static std::vector<uint8_t> Record(int profile) {
        return Memory(ZOZSIM_AREA_LIGHTING, kRecordSize * profile, kRecordSize);
    }

    // The commands written after the last read of the lighting: the change itself.
    std::vector<int> ChangeCommands() const {
        std::vector<int> commands;
        std::istringstream in(FileText(trace_).value_or(""));
        for (std::string line; std::getline(in, line);) {
            if (line.rfind("W ", 0) == 0) {
                commands.push_back(std::stoi(line.substr(11, 2), nullptr, 16));
            }
        }
        const auto lastRead = std::find(commands.rbegin(), commands.rend(), CMD_READ_LIGHTING);
        return {commands.end() - (lastRead - commands.rbegin()) + 1, commands.end()};
    }
};

struct FieldCase {
    const char* arguments;
    std::vector<std::pair<size_t, uint8_t>> bytes;  // field, value
    size_t writes;
};

TEST_F(LightingCommandsTest, EachSettingWritesItsFieldsOfTheActiveProfileInOneTransaction) {
    const FieldCase cases[] = {
        {"lighting mode 4", {{0, 4}}, 1},
        {"lighting mode Static", {{0, 6}}, 1},
        {"lighting brightness 8", {{1, 8}}, 1},
        {"lighting speed 0", {{2, 0}}, 1},
        {"lighting direction converge", {{3, 0x00}}, 1},
        {"lighting direction up", {{3, 0xFF}}, 1},
        {"lighting color 123456", {{4, 0}, {5, 0x12}, {6, 0x34}, {7, 0x56}}, 1},
        {"lighting multicolor on", {{4, 1}}, 1},
        {"lighting mode breathing", {{0, 5}, {4, 1}}, 2},  // with the multicolour flag it has
        {"lighting fixed blue", {{17, 3}}, 1},
        {"rate 1000", {{15, 0}}, 1},
        {"rate 250", {{15, 2}}, 1},
    };
    SetActiveProfile(1);
    for (const FieldCase& test : cases) {
        const CtlRun run = Ctl(test.arguments);
        ASSERT_EQ(run.exitCode, 0) << test.arguments << "\n" << run.output;
        std::vector<int> expected = {CMD_BEGIN};
        expected.insert(expected.end(), test.writes, CMD_WRITE_LIGHTING);
        expected.push_back(CMD_END);
        EXPECT_EQ(ChangeCommands(), expected) << test.arguments;
        const auto record = Record(1);
        for (const auto& [field, value] : test.bytes) {
            EXPECT_EQ(record[field], value) << test.arguments << ", byte " << field;
        }
    }
    EXPECT_EQ(Record(0)[0], 1);  // profile 1 kept its own
}

TEST_F(LightingCommandsTest, TheLightingShowsTheActiveProfilesRecord) {
    SetActiveProfile(2);
    SetRecordByte(2, 15, 0);
    const CtlRun run = Ctl("lighting");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    for (const char* line : {"profile:        3", "mode:           20 (Custom (Per Key))",
                             "brightness:     14", "speed:          5", "colour:         FFFFFF",
                             "multicolour:    off", "report rate:    1000 Hz"}) {
        EXPECT_TRUE(run.Says(line)) << line << "\n" << run.output;
    }
}

TEST_F(LightingCommandsTest, PaintInTheCustomModeWritesTheKeysLedAndItsPresetEntry) {
    SetActiveProfile(1);
    SetRecordByte(1, 0, 20);
    const CtlRun run = Ctl("lighting paint A 00FF00");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(ChangeCommands(), (std::vector<int>{CMD_BEGIN, CMD_WRITE_KEY_COLORS, CMD_END}));
    EXPECT_EQ(Memory(ZOZSIM_AREA_KEY_COLORS, 512 + 3 * kLedOfA, 3),
              (std::vector<uint8_t>{0x00, 0xFF, 0x00}));
    const UserLightingFile file = UserDataFolder::OfThisUser().LightingFile(1);
    const KeyColorEntry entry = file.ReadKeyColor(file.ReadPresetIndex(), kLedOfA);
    EXPECT_EQ(entry.color, ColorOfRgb(0x00, 0xFF, 0x00));
    EXPECT_FALSE(entry.followsBase);
}

TEST_F(LightingCommandsTest, APresetIsChosenInItsFileAndUploaded) {
    SetRecordByte(0, 0, 20);
    const CtlRun run = Ctl("lighting preset 3");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    std::vector<int> expected = {CMD_BEGIN};
    expected.insert(expected.end(), 7, CMD_WRITE_KEY_COLORS);
    expected.push_back(CMD_END);
    EXPECT_EQ(ChangeCommands(), expected);
    EXPECT_EQ(UserDataFolder::OfThisUser().LightingFile(0).ReadPresetIndex(), 2);
}

// What only the keyboard's state shows to be wrong fails before anything is written.
TEST_F(LightingCommandsTest, ChangesTheKeyboardCannotTakeWriteNothing) {
    const uint8_t modes[32] = {1, 2, 3};
    ASSERT_EQ(ZozSim_WriteMemory(ZOZSIM_AREA_CONFIG, 12, modes, sizeof modes), 1);
    const struct {
        const char* arguments;
        int exitCode;
        const char* says;
    } refusals[] = {
        {"lighting mode 4", 2, "the keyboard has no lighting mode 4"},
        {"lighting paint A 00FF00", 1, "per-key colours need mode 20"},
        {"lighting preset 2", 1, "per-key colours need mode 20"},
    };
    for (const auto& refusal : refusals) {
        const CtlRun run = Ctl(refusal.arguments);
        EXPECT_EQ(run.exitCode, refusal.exitCode) << run.output;
        EXPECT_TRUE(run.Says(refusal.says)) << run.output;
    }
    EXPECT_EQ(WrittenByCtl().count(CMD_WRITE_LIGHTING), 0u);
    EXPECT_EQ(WrittenByCtl().count(CMD_WRITE_KEY_COLORS), 0u);
}

}  // namespace
}  // namespace keyloom::test
