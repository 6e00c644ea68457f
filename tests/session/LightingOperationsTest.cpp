#include "session/LightingOperations.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "device/DeviceResult.h"
#include "session/LightingFixture.h"

namespace keyloom::test {
namespace {

using LightingOperationsTest = LightingSimTest;

void SetSimRecordByte(int profile, size_t field, uint8_t value) {
    ASSERT_EQ(ZozSim_WriteMemory(ZOZSIM_AREA_LIGHTING, 42 * profile + field, &value, 1), 1);
}

TEST_F(LightingOperationsTest, ModeListSkipsEmptyEntries) {
    AnnounceModes({1, 0, 20, 0});
    ASSERT_EQ(ReadLightingState(lighting), 0);
    EXPECT_EQ(display.modeBoxClears, 1);
    EXPECT_EQ(state.modes.Count(), 2);
    EXPECT_EQ(state.modes.ModeOfItem(1), 20);
    EXPECT_EQ(state.modes.ItemOfMode(5), -1);
}

TEST_F(LightingOperationsTest, ReadsTheThreeRecordsAndShowsTheProfileInView) {
    SetSimRecordByte(1, LIGHT_REPORT_RATE, 7);
    SetSimRecordByte(1, LIGHT_SECOND_COLOR, 0x11);
    ASSERT_TRUE(state.SelectProfile(1));
    ASSERT_EQ(ReadLightingState(lighting), 0);
    const auto requests = WrittenRequests();
    ASSERT_EQ(Commands(), (std::vector<int>{CMD_READ_CONFIG, CMD_BEGIN, CMD_READ_LIGHTING,
                                            CMD_READ_LIGHTING, CMD_READ_LIGHTING, CMD_END}));
    for (size_t profile = 0; profile < 3; ++profile) {
        EXPECT_EQ(requests[2 + profile].offset, static_cast<int>(42 * profile));
        EXPECT_EQ(requests[2 + profile].length, 56);
        const auto record = SimBytes(ZOZSIM_AREA_LIGHTING, 42 * profile, 42);
        EXPECT_TRUE(std::equal(record.begin(), record.end(), state.records[profile].begin()));
    }
    EXPECT_EQ(state.values.mode, 5);
    EXPECT_EQ(state.values.color, ColorOfRgb(0xFF, 0x64, 0x00));
    EXPECT_EQ(state.values.reportRate, 3);
    EXPECT_EQ(state.values.secondColor, 0x11u);
}

TEST_F(LightingOperationsTest, UnreadableConfigurationEmptiesOnlyTheModeList) {
    ASSERT_EQ(ReadLightingState(lighting), 0);
    const LightingRecord before = state.records[0];
    ASSERT_EQ(ZozSim_Unplug(), 1);
    EXPECT_EQ(ReadLightingState(lighting), -1);
    EXPECT_EQ(display.modeBoxClears, 2);
    EXPECT_EQ(state.modes.Count(), 0);
    EXPECT_EQ(state.records[0], before);
    EXPECT_EQ(state.values.mode, 1);
}

TEST_F(LightingOperationsTest, ARecordWhoseReadFailsKeepsItsBytes) {
    ASSERT_EQ(ReadLightingState(lighting), 0);
    const LightingRecord before = state.records[1];
    SetSimRecordByte(1, LIGHT_MODE, 9);
    // Requests: configuration, begin, record 0, then record 1 with its three attempts.
    for (uint32_t nth = 4; nth <= 6; ++nth) {
        ASSERT_EQ(ZozSim_InjectFault(nth, ZOZSIM_FAULT_STATUS_FE), 1);
    }
    ASSERT_EQ(ReadLightingState(lighting), 0);
    EXPECT_EQ(state.records[1], before);
}

TEST_F(LightingOperationsTest, StoredViewFlagSwitchesOnAndOnlyAfterAProfileChangeOff) {
    ASSERT_EQ(files.SettingsFile().WriteLightingViewFlag(true), 1);
    ASSERT_EQ(ReadLightingState(lighting), 0);
    EXPECT_TRUE(state.view);
    ASSERT_EQ(files.SettingsFile().WriteLightingViewFlag(false), 1);
    ASSERT_EQ(ReadLightingState(lighting), 0);
    EXPECT_TRUE(state.view);
    ASSERT_EQ(ReadLightingStateAfterProfileChange(lighting), 0);
    EXPECT_FALSE(state.view);
}

TEST_F(LightingOperationsTest, AfterAProfileChangeThePresetIsUploadedInsideTheRead) {
    ASSERT_EQ(files.PrepareFirstRun(), 1);
    ASSERT_TRUE(state.SelectProfile(2));
    ASSERT_EQ(ReadLightingStateAfterProfileChange(lighting), 0);
    std::vector<int> expected = {CMD_READ_CONFIG, CMD_BEGIN, CMD_BEGIN};
    expected.insert(expected.end(), 7, CMD_WRITE_KEY_COLORS);
    expected.insert(expected.end(),
                    {CMD_END, CMD_READ_LIGHTING, CMD_READ_LIGHTING, CMD_READ_LIGHTING, CMD_END});
    EXPECT_EQ(Commands(), expected);
    EXPECT_EQ(WrittenRequests()[3].offset, 1024);
    ASSERT_EQ(display.presetBoxes.size(), 1u);
    EXPECT_EQ(display.presetBoxes[0][9], files.LightingFile(2).ReadPresetName(9));
}

// The keyboard switched to profile 2 by itself: its lighting is what the panel shows now, and
// the base-colour flags follow the colours of every profile.
TEST_F(LightingOperationsTest, AProfileChangeOnTheKeyboardShowsTheNewProfilesLighting) {
    AnnounceModes({1, 2, 3});
    SetSimRecordByte(2, LIGHT_MODE, 4);
    SetSimRecordByte(2, LIGHT_REPORT_RATE, 2);
    ASSERT_TRUE(state.SelectProfile(0));
    state.followsBase[2].fill(true);
    state.keyColors[2].fill(0x42);  // no key of profile 2 has its base colour any more

    ASSERT_EQ(FollowKeyboardProfile(lighting, 2), 0);

    EXPECT_EQ(state.Profile(), 2);
    EXPECT_EQ(state.values.mode, 4);
    EXPECT_EQ(state.values.reportRate, 2);
    EXPECT_EQ(std::ranges::count(state.followsBase[2], true), 0);
    EXPECT_EQ(FollowKeyboardProfile(lighting, 3), -1);
    EXPECT_EQ(state.Profile(), 2);
}

TEST_F(LightingOperationsTest, WithoutTheUserModeAProfileChangeLeavesTheUserFilesAlone) {
    AnnounceModes({1, 2, 3});
    ASSERT_EQ(ReadLightingStateAfterProfileChange(lighting), 0);
    EXPECT_EQ(Commands().size(), 6u);
    EXPECT_TRUE(display.presetBoxes.empty());
}

TEST_F(LightingOperationsTest, ChosenModesWriteTheirFieldsOfTheProfileInView) {
    ASSERT_TRUE(state.SelectProfile(2));
    state.values.multicolor = true;
    EXPECT_EQ(WriteMode(lighting, 10), RESULT_OK);
    EXPECT_EQ(WriteMode(lighting, 19), RESULT_OK);
    EXPECT_EQ(state.values.mode, 19);
    EXPECT_EQ(WriteMode(lighting, 9), RESULT_OK);
    const auto requests = WrittenRequests();
    ASSERT_EQ(Commands(), (std::vector<int>{CMD_BEGIN, CMD_WRITE_LIGHTING, CMD_END, CMD_BEGIN,
                                            CMD_WRITE_LIGHTING, CMD_WRITE_LIGHTING, CMD_END}));
    EXPECT_EQ(requests[1].offset, 84);
    EXPECT_EQ(requests[1].data, std::vector<uint8_t>{10});
    EXPECT_EQ(requests[4].data, std::vector<uint8_t>{9});
    EXPECT_EQ(requests[5].offset, 88);
    EXPECT_EQ(requests[5].data, std::vector<uint8_t>{1});
    EXPECT_EQ(state.values.mode, 9);
}

TEST_F(LightingOperationsTest, BytesPastTheRecordAreRefusedWithoutSending) {
    const uint8_t bytes[2] = {7, 7};
    EXPECT_EQ(WriteLightingBytes(lighting, 41, bytes, 2), RESULT_BAD_ARGUMENT);
    EXPECT_EQ(WriteLightingBytes(lighting, 0, bytes, 0), RESULT_BAD_ARGUMENT);
    EXPECT_EQ(Requests(), 0u);
    ASSERT_TRUE(state.SelectProfile(1));
    EXPECT_EQ(WriteLightingBytes(lighting, 41, bytes, 1), RESULT_OK);
    EXPECT_EQ(SimBytes(ZOZSIM_AREA_LIGHTING, 83, 1), std::vector<uint8_t>{7});
}

TEST_F(LightingOperationsTest, DefaultLightingRewritesTheFirst35BytesAndResetsTheReportRate) {
    ASSERT_TRUE(state.SelectProfile(1));
    SetSimRecordByte(1, 20, 0x77);
    SetSimRecordByte(1, 35, 0x5A);
    ASSERT_EQ(WriteDefaultLighting(lighting), RESULT_OK);
    EXPECT_EQ(WrittenRequests()[1].offset, 42);
    std::vector<uint8_t> expected = {1, 8, 4, 0, 0xFF, 0xFF, 0xFF, 0xFF};
    expected.resize(35);
    expected.push_back(0x5A);
    EXPECT_EQ(SimBytes(ZOZSIM_AREA_LIGHTING, 42, 36), expected);
    EXPECT_EQ(state.values.reportRate, 0);
    EXPECT_TRUE(state.values.multicolor);
}

}  // namespace
}  // namespace keyloom::test
