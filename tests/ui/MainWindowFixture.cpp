#include "MainWindowFixture.h"

#include <filesystem>

#include "ZozOdiz.h"
#include "controls/WidgetTestSupport.h"
#include "model/KeyButtonTable.h"
#include "session/TransportCallback.h"
#include "support/TestEnvironment.h"

namespace keyloom::test {

namespace fs = std::filesystem;

void MainWindowTest::SetUp() {
    SimKeyboardTest::SetUp();
    StartQtApplication();
    context = std::make_unique<AppContext>();
}

void MainWindowTest::TearDown() {
    window.reset();
    session.reset();
    AttachKeyboardSession(nullptr);
}

CKeyloomDlg& MainWindowTest::Construct(const std::string& folder) {
    // The window's own channels replace those of the fixture and of earlier tests.
    EXPECT_EQ(End(), 1);
    EXPECT_EQ(Init(0), 1);
    const std::string userFolder = MakeTemporaryFolder() + "/VQ52R_EN";
    session = std::make_unique<KeyboardSession>(*context, Link(),
                                                SessionPaths{userFolder + "/", folder, kTitle});
    window = std::make_unique<CKeyloomDlg>(
        *session, MainWindowServices{
                      prompter, files,
                      std::make_unique<CountingTrayArea>(trayShown, trayDoubleClick, trayAvailable),
                      UserDataFolder(userFolder, folder + "Skins/UserDengColor_3.userd"),
                      [this](const std::string& pathOrUrl) { opened.push_back(pathOrUrl); }});
    return *window;
}

CKeyloomDlg& MainWindowTest::Start(const std::string& folder) {
    Construct(folder).Initialise();
    EXPECT_TRUE(Eventually([this] {
        return window->Port().InitComplete() && context->deviceCount > 0 &&
               window->Tray().IconId() == TRAY_ICON_KEYBOARD;
    }));
    return *window;
}

std::string MainWindowTest::CopyOfInstallation() {
    const fs::path copy = MakeTemporaryFolder() + "/install";
    fs::create_directories(copy);
    fs::copy(fs::path(KEYLOOM_BIN_DIR) / "Skins", copy / "Skins", fs::copy_options::recursive);
    for (const char* file : {"Lang0409.ini", "Lang0804.ini"}) {
        fs::copy_file(fs::path(KEYLOOM_BIN_DIR) / file, copy / file);
    }
    return copy.string() + "/";
}

int MainWindowTest::KeyControl(ScanCode code) {
    return KeyButtons()[static_cast<size_t>(KeyButtonIndexOfScanCode(code))].control;
}

}  // namespace keyloom::test
