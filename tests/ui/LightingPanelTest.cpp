#include "ui/LightingPanel.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>

#include "MainWindowFixture.h"
#include "ZozSim.h"
#include "device/ConfigReport.h"
#include "model/KeyButtonTable.h"
#include "session/WindowMessages.h"
#include "support/FileContents.h"
#include "ui/LightingPanelControls.h"
#include "ui/MainWindowControls.h"

namespace keyloom::test {
namespace {

// The virtual keyboard's profiles: 1 in mode 1 at speed 4, 2 in mode 5, 3 in the user mode.
constexpr int kProfileOne = 1;
constexpr int kProfileThree = 3;
constexpr int kUserControls[] = {CONTROL_PRESET_BOX, CONTROL_USER_COLOR, CONTROL_BASE_COLOR,
                                 CONTROL_TOOL_COLOR, CONTROL_TOOL_BASE_COLOR};

class LightingPanelTest : public MainWindowTest {
  protected:
    CKeyloomDlg& StartInProfile(int number) {
        Start();
        window->OnProfileButton(number);
        return *window;
    }

    // The lighting view switched on with the switch, as the user does.
    void SwitchViewOn() {
        if (!window->LightingModel().view) {
            Picture(CONTROL_LIGHT_SWITCH)->clicked();
        }
        ASSERT_TRUE(window->LightingModel().view);
    }

    void ChooseMode(int mode) {
        auto* box = Box();
        const int item = window->LightingModel().modes.ItemOfMode(mode);
        ASSERT_GE(item, 0);
        box->setCurrentIndex(item);
        emit box->activated(item);
    }

    QComboBox* Box() const { return static_cast<QComboBox*>(Control(CONTROL_MODE_BOX)); }
    QWidget* Control(int control) const { return window->Panel().Control(control); }
    CClickPicture* Picture(int control) const {
        return static_cast<CClickPicture*>(Control(control));
    }
    CColorButton* ColorButton(int control) const {
        return static_cast<CColorButton*>(Control(control));
    }
    bool Shown(int control) const { return !Control(control)->isHidden(); }

    // The writes to the lighting area since `from`, each with its bracket.
    std::vector<WrittenRequest> RequestsSince(size_t from) const {
        const auto all = WrittenRequests();
        return {all.begin() + static_cast<std::ptrdiff_t>(std::min(from, all.size())), all.end()};
    }

    static std::vector<uint8_t> Record(int profile) {
        std::vector<uint8_t> bytes(LIGHTING_RECORD_SIZE);
        EXPECT_EQ(ZozSim_ReadMemory(ZOZSIM_AREA_LIGHTING,
                                    static_cast<uint32_t>(LightingRecordOffset(profile)),
                                    bytes.data(), LIGHTING_RECORD_SIZE),
                  1);
        return bytes;
    }
};

TEST_F(LightingPanelTest, ASliderWritesOnlyAValueTheKeyboardDoesNotHaveYet) {
    struct Case {
        int slider;
        int samePosition;  // the position of the keyboard's value
        int newPosition;
        size_t field;
        uint8_t written;
    };
    // Profile 1: brightness 10, speed 4 (speed position 9 - 4).
    const Case cases[] = {
        {CONTROL_SPEED_SLIDER, 5, 7, LIGHT_SPEED, 2},
        {CONTROL_BRIGHTNESS_SLIDER, 10, 3, LIGHT_BRIGHTNESS, 3},
    };
    StartInProfile(kProfileOne);
    for (const Case& c : cases) {
        const size_t before = WrittenRequests().size();
        window->HandleMessage(UM_SLIDER_POS, static_cast<uintptr_t>(c.slider), c.samePosition);
        EXPECT_EQ(WrittenRequests().size(), before) << c.slider;
        window->HandleMessage(UM_SLIDER_POS, static_cast<uintptr_t>(c.slider), c.newPosition);
        EXPECT_EQ(Record(0)[c.field], c.written) << c.slider;
    }
    auto* speed = static_cast<CBitmapSlider*>(Control(CONTROL_SPEED_SLIDER));
    EXPECT_EQ(speed->PictureName(), "22.bmp");
}

TEST_F(LightingPanelTest, AColourOfTheStillModesSetsBothButtonsAndEndsMulticolourInOneWrite) {
    StartInProfile(kProfileOne);
    SwitchViewOn();
    ChooseMode(6);
    ASSERT_TRUE(Picture(CONTROL_STILL_MULTICOLOR)->Selected());
    const Color orange = ColorOfRgb(0xFF, 0x80, 0x10);
    const size_t before = WrittenRequests().size();
    ColorButton(CONTROL_STILL_COLOR)->Pick(orange);

    const auto written = RequestsSince(before);
    ASSERT_EQ(written.size(), 3u);
    EXPECT_EQ(written[0].command, CMD_BEGIN);
    EXPECT_EQ(written[1].command, CMD_WRITE_LIGHTING);
    EXPECT_EQ(written[1].offset, static_cast<int>(LIGHT_MULTICOLOR));
    EXPECT_EQ(written[1].data, (std::vector<uint8_t>{0, 0xFF, 0x80, 0x10}));
    EXPECT_EQ(written[2].command, CMD_END);
    EXPECT_EQ(ColorButton(CONTROL_EFFECT_COLOR)->GetColor(), orange);
    EXPECT_FALSE(Picture(CONTROL_STILL_MULTICOLOR)->Selected());
    EXPECT_FALSE(Picture(CONTROL_EFFECT_MULTICOLOR)->Selected());
}

TEST_F(LightingPanelTest, TheFirstDirectionOfTheHaloSpreadsAndShowsItsPictures) {
    StartInProfile(kProfileOne);
    SwitchViewOn();
    ChooseMode(18);
    Picture(CONTROL_DIRECTION_SECOND)->clicked();
    EXPECT_EQ(Record(0)[LIGHT_DIRECTION], LIGHT_DIRECTION_SECOND);
    Picture(CONTROL_DIRECTION_FIRST)->clicked();
    EXPECT_EQ(Record(0)[LIGHT_DIRECTION], LIGHT_DIRECTION_FIRST);
    EXPECT_EQ(Picture(CONTROL_DIRECTION_FIRST)->ShownName(), "kuosandown.bmp");
    EXPECT_EQ(Picture(CONTROL_DIRECTION_SECOND)->ShownName(), "julong.bmp");
    EXPECT_TRUE(Shown(CONTROL_DIRECTION_FIRST));
    EXPECT_FALSE(Shown(CONTROL_SPEED_SLIDER));
}

TEST_F(LightingPanelTest, WithoutTheUserModeNoUserControlShowsAndNoPresetFileChanges) {
    const uint8_t modes[32] = {1, 4, 6, 17};
    ASSERT_EQ(ZozSim_WriteMemory(ZOZSIM_AREA_CONFIG, 12, modes, 32), 1);
    Start();
    const auto files = [this] {
        std::vector<std::optional<std::string>> texts;
        for (int profile = 0; profile < LIGHTING_PROFILE_COUNT; ++profile) {
            texts.push_back(FileText(window->UserData().LightingFilePath(profile)));
        }
        return texts;
    };
    const auto before = files();
    for (int number = 1; number <= LIGHTING_PROFILE_COUNT; ++number) {
        window->OnProfileButton(number);
        SwitchViewOn();
        for (const int control : kUserControls) {
            EXPECT_FALSE(Shown(control)) << "profile " << number << ", control " << control;
        }
    }
    // Profile 3 is in the user mode, which this keyboard does not offer: the box stays usable.
    EXPECT_TRUE(Shown(CONTROL_MODE_BOX));
    EXPECT_EQ(Box()->count(), 4);
    EXPECT_EQ(files(), before);
}

TEST_F(LightingPanelTest, AnItemWithoutAModeWritesNothingAndHidesEveryControl) {
    StartInProfile(kProfileOne);
    SwitchViewOn();
    const size_t before = WrittenRequests().size();
    emit Box()->activated(Box()->count());
    EXPECT_EQ(WrittenRequests().size(), before);
    for (const int control : {CONTROL_MODE_BOX, CONTROL_BRIGHTNESS_SLIDER, CONTROL_SPEED_SLIDER,
                              CONTROL_DIRECTION_FIRST, CONTROL_EFFECT_COLOR}) {
        EXPECT_FALSE(Shown(control)) << control;
    }
    EXPECT_TRUE(Shown(CONTROL_LIGHT_SWITCH));
}

TEST_F(LightingPanelTest, TheSwitchIsStoredAndTheStoredViewComesBackWithTheNextRead) {
    StartInProfile(kProfileOne);
    ASSERT_FALSE(window->UserData().SettingsFile().ReadLightingViewFlag());
    SwitchViewOn();
    EXPECT_TRUE(window->UserData().SettingsFile().ReadLightingViewFlag());
    EXPECT_EQ(Picture(CONTROL_LIGHT_SWITCH)->ShownName(), "dengdown.bmp");
    EXPECT_TRUE(Shown(CONTROL_DIRECTION_FIRST));

    window->LightingModel().view = false;
    window->HandleMessage(MSG_TIMER, TIMER_LIGHTING_CHANGED, 0);
    EXPECT_TRUE(window->LightingModel().view);
    EXPECT_TRUE(Picture(CONTROL_LIGHT_SWITCH)->Selected());
    EXPECT_TRUE(Shown(CONTROL_SPEED_SLIDER));

    Picture(CONTROL_LIGHT_SWITCH)->clicked();
    EXPECT_FALSE(window->UserData().SettingsFile().ReadLightingViewFlag());
    EXPECT_FALSE(Shown(CONTROL_MODE_BOX));
    EXPECT_TRUE(Shown(CONTROL_LIGHT_SWITCH_LABEL));
}

TEST_F(LightingPanelTest, TheDefaultLightingIsWrittenShownAndItsPresetsCopied) {
    StartInProfile(kProfileThree);
    SwitchViewOn();
    const std::string userFile = window->UserData().LightingFilePath(2);
    PutFile(userFile, "[Mode0]\n0=1,2,3,0\n");
    ColorButton(CONTROL_USER_COLOR)->Pick(ColorOfRgb(1, 2, 3));
    window->Panel().RestoreDefaultLighting();

    const auto record = Record(2);
    EXPECT_EQ(record[LIGHT_MODE], 1);
    EXPECT_EQ(record[LIGHT_BRIGHTNESS], 8);
    EXPECT_EQ(record[LIGHT_SPEED], 4);
    EXPECT_EQ(ReadRgb(&record[LIGHT_COLOR]), ColorOfRgb(255, 255, 255));
    EXPECT_NE(record[LIGHT_MULTICOLOR], 0) << "changing colours";
    EXPECT_EQ(FileBytes(userFile), FileBytes(window->UserData().ShippedLightingPath()));
    EXPECT_EQ(Box()->currentIndex(), window->LightingModel().modes.ItemOfMode(1));
    EXPECT_EQ(static_cast<CBitmapSlider*>(Control(CONTROL_SPEED_SLIDER))->PictureName(), "20.bmp");
    EXPECT_TRUE(Picture(CONTROL_EFFECT_MULTICOLOR)->Selected());
    EXPECT_EQ(window->ReportRateIndex(), 0);
}

TEST_F(LightingPanelTest, ThePreviewOutlinesTheKeysAndClearsThemInModesWithoutAPicture) {
    StartInProfile(kProfileOne).show();
    SwitchViewOn();
    CPngButton* key = window->Keyboard().Button(KeyControl(kKeyA));
    const auto tick = [this] { window->HandleMessage(MSG_TIMER, TIMER_PREVIEW, 0); };
    ChooseMode(4);
    tick();
    ASSERT_TRUE(key->Outline().on);
    const Color first = key->Outline().color;
    tick();
    EXPECT_NE(key->Outline().color, first);

    ChooseMode(7);
    tick();
    EXPECT_FALSE(key->Outline().on);

    Picture(CONTROL_LIGHT_SWITCH)->clicked();
    ChooseMode(4);
    tick();
    EXPECT_FALSE(key->Outline().on) << "the preview plays only while the view is on";
}

// In the tray or with the view off the preview rests, so that the idle tool does not wake for it;
// showing the window or switching the view on starts it again.
TEST_F(LightingPanelTest, ThePreviewRestsWhileTheWindowIsHiddenOrTheViewOff) {
    StartInProfile(kProfileOne).show();
    SwitchViewOn();
    ChooseMode(4);
    const auto armed = [this] { return window->Port().TimerActive(TIMER_PREVIEW); };
    ASSERT_TRUE(Eventually(armed));
    QCoreApplication::processEvents();  // the start's own show of the window

    window->hide();
    QCoreApplication::processEvents();  // a tick from before the hide may set the timer again
    window->HandleMessage(MSG_TIMER, TIMER_PREVIEW, 0);
    QCoreApplication::processEvents();  // a timer set by the tick would be armed now
    EXPECT_FALSE(armed());

    window->show();
    EXPECT_TRUE(Eventually(armed));

    Picture(CONTROL_LIGHT_SWITCH)->clicked();
    QCoreApplication::processEvents();
    window->HandleMessage(MSG_TIMER, TIMER_PREVIEW, 0);
    QCoreApplication::processEvents();
    EXPECT_FALSE(armed()) << "the view is off";
    SwitchViewOn();
    EXPECT_TRUE(Eventually(armed)) << "the view is on again";
}

TEST_F(LightingPanelTest, InTheUserModeThePreviewKeepsThePresetAndAClickPaintsWithTheTool) {
    StartInProfile(kProfileThree).show();
    SwitchViewOn();
    ASSERT_EQ(window->Panel().SelectedModeItem(), window->LightingModel().modes.ItemOfMode(20));
    ASSERT_TRUE(Shown(CONTROL_PRESET_BOX));
    const Color green = ColorOfRgb(0, 200, 0);
    ColorButton(CONTROL_USER_COLOR)->Pick(green);
    Picture(CONTROL_TOOL_COLOR)->clicked();
    CPngButton* key = window->Keyboard().Button(KeyControl(kKeyA));
    key->click();
    window->HandleMessage(MSG_TIMER, TIMER_PREVIEW, 0);
    EXPECT_TRUE(key->Outline().on);
    EXPECT_EQ(key->Outline().color, green);
    const int led = LightingButtons()[static_cast<size_t>(KeyButtonIndexOfScanCode(kKeyA))].led;
    uint8_t rgb[3] = {};
    ASSERT_EQ(
        ZozSim_ReadMemory(ZOZSIM_AREA_KEY_COLORS, 512 * 2 + 3 * static_cast<uint32_t>(led), rgb, 3),
        1);
    EXPECT_EQ(ReadRgb(rgb), green);
}

TEST_F(LightingPanelTest, CaptionsAndModeNamesFollowTheLanguage) {
    StartInProfile(kProfileOne);
    const auto caption = [this] {
        return static_cast<QLabel*>(Control(CONTROL_SPEED_LABEL))->text();
    };
    window->HandleMessage(UM_LANGUAGE, TAG_LANG, 1);
    EXPECT_EQ(caption(), QString::fromUtf8("速度"));
    EXPECT_EQ(Box()->itemText(0), QString::fromUtf8("波浪"));
    window->HandleMessage(UM_LANGUAGE, TAG_LANG, 0);
    EXPECT_EQ(caption(), "Speed");
    EXPECT_EQ(Box()->itemText(0), "Wave");
}

}  // namespace
}  // namespace keyloom::test
