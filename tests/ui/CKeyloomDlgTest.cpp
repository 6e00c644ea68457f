#include "ui/CKeyloomDlg.h"

#include <filesystem>

#include "MainWindowFixture.h"

namespace keyloom::test {
namespace {

// An apply asked for from outside while the window is hidden must not warn behind other windows.
TEST_F(MainWindowTest, BoxesRaisedWhileTheWindowIsHiddenStayOnTop) {
    Start();
    ASSERT_TRUE(Eventually([this] { return window->isVisible(); }));
    window->Port().ShowMessage("EXTRA_PROFILE_SPACE_TIGHT", "", MessageButtons::kOk);
    window->hide();
    window->Port().ShowMessage("EXTRA_MACRO_TOO_LONG", "", MessageButtons::kOk);
    EXPECT_EQ(prompter.shownOnTop, (std::vector<bool>{false, true}));
}

TEST_F(MainWindowTest, AMissingHoverPictureDoesNotStopTheStart) {
    const std::string folder = CopyOfInstallation();
    std::filesystem::remove(folder + "Skins/main_over.jpg");
    Start(folder);
    EXPECT_TRUE(window->Port().InitComplete());
    EXPECT_TRUE(window->Keyboard().Button(KeyControl(kKeyA))->isEnabled());
}

// An exit before the deferred initialisation has run (UM_KILL at once, say) must not wait for
// the device-state worker, which waits for that initialisation.
TEST_F(MainWindowTest, NamedEventsLiveFromInitialisationToAnExitBeforeInitRan) {
    Construct();
    EXPECT_EQ(window->MainEvents().OpenCount(), 0u);
    window->Initialise();
    EXPECT_EQ(window->MainEvents().OpenCount(), static_cast<size_t>(MAIN_EVENT_COUNT));
    window->Exit();
    EXPECT_EQ(window->MainEvents().OpenCount(), 0u);
}

}  // namespace
}  // namespace keyloom::test
