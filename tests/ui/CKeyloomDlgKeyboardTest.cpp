#include "ui/CKeyloomDlg.h"

#include <fstream>
#include <regex>
#include <sstream>

#include "MainWindowFixture.h"
#include "ZozSim.h"
#include "model/KeyButtonTable.h"
#include "storage/SkinLayoutKeys.h"

namespace keyloom::test {
namespace {

constexpr ScanCode kKeyB = 0x30;
constexpr int kG3 = 2;  // position among the G keys

void RemoveSkinKey(const std::string& skinFile, const std::string& key) {
    std::ifstream in(skinFile);
    std::stringstream text;
    text << in.rdbuf();
    in.close();
    std::ofstream(skinFile) << std::regex_replace(text.str(),
                                                  std::regex("(^|\n)" + key + "=[^\n]*"), "");
}

TEST_F(MainWindowTest, AKeyboardAsItLeftTheFactoryShowsNoMarkedKey) {
    Start();
    ASSERT_TRUE(Eventually([this] { return window->isVisible(); }));
    for (const KeyButton& key : LightingButtons()) {
        EXPECT_FALSE(window->Control(key.control)->Marked()) << "control " << key.control;
    }
}

TEST_F(MainWindowTest, AKeyMissingFromTheSkinIsDisabledAndOnePixel) {
    const std::string folder = CopyOfInstallation();
    RemoveSkinKey(folder + "Skins/Main.ini", KeyButtonSkinKey(kKeyA));
    Construct(folder);
    CPngButton* key = window->Keyboard().Button(KeyControl(kKeyA));
    EXPECT_FALSE(key->isEnabled());
    EXPECT_EQ(key->size(), QSize(1, 1));
    EXPECT_TRUE(window->Keyboard().Button(KeyControl(kKeyB))->isEnabled());
}

TEST_F(MainWindowTest, InBankBG3EditsSlotEleven) {
    Start();
    ASSERT_EQ(ZozSim_PressBankKey(), 1);
    ASSERT_TRUE(Eventually([this] { return session->channels.MacroKeyBank() == 1; }));
    window->Keyboard().Button(GKeyButtons()[kG3].control)->click();
    ASSERT_FALSE(window->KeySettingsRequests().empty());
    EXPECT_EQ(window->KeySettingsRequests().back().keyCode, 0x10B);
    window->OnMacroButton();
    EXPECT_EQ(window->KeySettingsRequests().back().keyCode, 0x111);
    EXPECT_TRUE(window->KeySettingsRequests().back().macroOnly);
}

TEST_F(MainWindowTest, InTheLightingViewKeysPaintAndOnlyGKeysOpenTheKeySettings) {
    Start();
    window->LightingModel().view = true;
    window->Keyboard().Button(KeyControl(kKeyA))->click();
    window->Keyboard().Button(FN_CONTROL)->click();
    EXPECT_TRUE(window->KeySettingsRequests().empty());
    window->Keyboard().Button(GKeyButtons()[kG3].control)->click();
    ASSERT_EQ(window->KeySettingsRequests().size(), 1u);
    EXPECT_EQ(window->KeySettingsRequests().back().keyCode, 0x102);

    window->LightingModel().view = false;
    window->Keyboard().Button(FN_CONTROL)->click();
    EXPECT_EQ(window->KeySettingsRequests().size(), 1u);
    window->Keyboard().Button(KeyControl(kKeyA))->click();
    ASSERT_EQ(window->KeySettingsRequests().size(), 2u);
    EXPECT_EQ(window->KeySettingsRequests().back().keyCode, 0x1E);
}

}  // namespace
}  // namespace keyloom::test
