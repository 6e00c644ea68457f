#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "device/ConfigReport.h"
#include "platform/PrivateProfile.h"
#include "session/LightingContext.h"
#include "support/SimKeyboardFixture.h"
#include "support/TestEnvironment.h"

namespace keyloom::test {

struct KeyFrame {
    int control;
    bool on;
    Color color;
    friend bool operator==(const KeyFrame&, const KeyFrame&) = default;
};

// Stands in for the main window: answers the mode box selection it is given, records the rest.
class RecordingDisplay : public LightingDisplay {
  public:
    void ClearModeBox() override { ++modeBoxClears; }
    int SelectedModeItem() const override { return selectedModeItem; }
    void SetKeyFrame(int control, bool on, Color color) override {
        frames.push_back({control, on, color});
    }
    void FillPresetBox(std::span<const std::string> names) override {
        presetBoxes.emplace_back(names.begin(), names.end());
    }

    int selectedModeItem = -1;
    int modeBoxClears = 0;
    std::vector<KeyFrame> frames;
    std::vector<std::vector<std::string>> presetBoxes;
};

// The lighting operations against the virtual keyboard, with a recording window and user files
// in a folder of the test's own.
class LightingSimTest : public SimKeyboardTest {
  protected:
    std::vector<int> Commands() const {
        std::vector<int> commands;
        for (const auto& request : WrittenRequests()) {
            commands.push_back(request.command);
        }
        return commands;
    }

    static std::vector<uint8_t> SimBytes(int area, uint32_t offset, uint32_t length) {
        std::vector<uint8_t> bytes(length);
        EXPECT_EQ(ZozSim_ReadMemory(area, offset, bytes.data(), length), 1);
        return bytes;
    }

    static bool SimBankHolds(int profile, const KeyColorTable& table) {
        return SimBytes(ZOZSIM_AREA_KEY_COLORS, 512 * profile, 378) ==
               std::vector<uint8_t>(table.begin(), table.end());
    }

    // The keyboard's mode list (configuration bytes 12 to 43), the rest of it zeros.
    static void AnnounceModes(std::vector<uint8_t> modes) {
        modes.resize(32);
        ASSERT_EQ(ZozSim_WriteMemory(ZOZSIM_AREA_CONFIG, 12, modes.data(), 32), 1);
    }

    // Lighting view on, the user mode announced as item 1 and selected in the mode box.
    void EnterUserMode(int profile) {
        const uint8_t modes[32] = {1, MODE_USER};
        state.modes.Rebuild(std::span<const uint8_t, 32>(modes));
        ASSERT_TRUE(state.SelectProfile(profile));
        state.view = true;
        display.selectedModeItem = 1;
    }

    std::string ProfileEntry(int profile, int preset, int led) const {
        return ReadProfileString("Mode" + std::to_string(preset), std::to_string(led), "none",
                                 files.LightingFilePath(profile));
    }

    std::string folder = MakeTemporaryFolder();
    UserDataFolder files{folder + "/VQ52R_EN",
                         std::string(KEYLOOM_SOURCE_DIR) + "resources/Skins/UserDengColor_3.userd"};
    LightingState state;
    RecordingDisplay display;
    LightingContext lighting{Exchange(), state, display, files};
};

}  // namespace keyloom::test
