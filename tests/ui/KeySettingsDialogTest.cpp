#include "editors/Keyloom_DlgComposite.h"

#include <linux/input-event-codes.h>
#include <QApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTimer>

#include "MainWindowFixture.h"
#include "ZozSim.h"
#include "editors/CompositeControls.h"
#include "model/AssignmentTable.h"
#include "session/ActiveProfile.h"
#include "session/WindowMessages.h"

namespace keyloom::test {
namespace {

constexpr int kEvdevOffset = 8;  // X11 and Wayland give evdev codes plus 8

class KeySettingsDialogTest : public MainWindowTest {
  protected:
    Keyloom_DlgComposite& OpenFor(int slot, bool macroOnly = false) {
        Start();
        Keyloom_DlgComposite& dialog = window->KeyEditor();
        dialog.Open({slot, QRect(100, 100, 40, 40), macroOnly});
        return dialog;
    }

    KeyAssignment Stored(int slot) {
        std::lock_guard lock(context->profileLock);
        return session->profile.Assignments().EntryOf(GetActiveProfile(*session), slot);
    }

    void Store(int slot, const KeyAssignment& record) {
        std::lock_guard lock(context->profileLock);
        session->profile.Assignments().SetEntry(GetActiveProfile(*session), slot, record);
    }

    static void SendKey(QWidget& to, QEvent::Type type, int qtKey, unsigned evdev,
                        bool autoRepeat = false) {
        QKeyEvent event(type, qtKey, Qt::NoModifier, evdev + kEvdevOffset, 0, 0, QString(),
                        autoRepeat);
        QApplication::sendEvent(&to, &event);
    }
    static void Press(QWidget& to, int qtKey, unsigned evdev) {
        SendKey(to, QEvent::KeyPress, qtKey, evdev);
        SendKey(to, QEvent::KeyRelease, qtKey, evdev);
    }
};

constexpr int kSlotCapsLock = 0x03A;
constexpr ScanCode kRightButton = 0x172;
constexpr int kSlotG1 = G_KEY_FIRST_SLOT;

TEST_F(KeySettingsDialogTest, AKeyActingAsTheRightButtonOpensOnTheMouseChoice) {
    Start();
    Store(kSlotCapsLock, {ASSIGN_KEY, 0, kRightButton, 0, 0});
    Keyloom_DlgComposite& dialog = window->KeyEditor();
    dialog.Open({kSlotCapsLock, QRect(100, 100, 40, 40), false});
    EXPECT_EQ(dialog.PageKind(), Keyloom_DlgComposite::kKeyPage);
    EXPECT_TRUE(dialog.MouseBox().isChecked());
    EXPECT_FALSE(dialog.KeyboardBox().isChecked());
    EXPECT_EQ(dialog.MouseList().currentIndex(), 1);
    EXPECT_FALSE(dialog.KeyEdit().isEnabled());
    EXPECT_FALSE(dialog.ApplyEnabled());
}

TEST_F(KeySettingsDialogTest, ACapturedKeyIsStoredAndTheKeyItselfMeansItsOwnFunction) {
    Keyloom_DlgComposite& dialog = OpenFor(kSlotCapsLock);
    Press(dialog, Qt::Key_Control, KEY_LEFTCTRL);
    EXPECT_EQ(dialog.CapturedKey(), 0x01D);
    EXPECT_TRUE(dialog.ApplyEnabled());
    dialog.OnApply();
    EXPECT_EQ(Stored(kSlotCapsLock), (KeyAssignment{ASSIGN_KEY, 0, 0x01D, 0, 0}));
    EXPECT_TRUE(window->Port().ApplyEnabled());

    Press(dialog, Qt::Key_CapsLock, KEY_CAPSLOCK);
    dialog.OnOk();
    EXPECT_EQ(Stored(kSlotCapsLock).kind, ASSIGN_DEFAULT);
    EXPECT_EQ(Keyloom_DlgComposite::OpenCount(), 0);
}

TEST_F(KeySettingsDialogTest, SuperIsCapturedWhileTheMouseChoiceIsSet) {
    Keyloom_DlgComposite& dialog = OpenFor(kSlotCapsLock);
    dialog.MouseBox().click();
    Press(dialog, Qt::Key_A, KEY_A);
    EXPECT_EQ(dialog.CapturedKey(), 0);
    Press(dialog, Qt::Key_Super_L, KEY_LEFTMETA);
    EXPECT_EQ(dialog.CapturedKey(), 0x15B);
    EXPECT_TRUE(dialog.KeyboardBox().isChecked());
}

TEST_F(KeySettingsDialogTest, TheMacroPageStoresTheMacroWithItsRepeatCountOrTheDefault) {
    Keyloom_DlgComposite& dialog = OpenFor(kSlotG1);
    dialog.ShowTab(Keyloom_DlgComposite::kMacroPage);
    dialog.OnApply();
    EXPECT_EQ(Stored(kSlotG1).kind, ASSIGN_DEFAULT) << "no macro to play";

    dialog.findChild<CPngButton*>("FUNC_MACRO_ADD")->click();
    dialog.findChild<QLineEdit*>("FUNC_MACRO_CYCLES")->setText("7");
    dialog.OnApply();
    const KeyAssignment stored = Stored(kSlotG1);
    EXPECT_EQ(stored.kind, ASSIGN_MACRO);
    EXPECT_EQ(stored.tag, 7);
    EXPECT_EQ(stored.value, dialog.Macros().SelectedMacroId());
    std::lock_guard lock(context->profileLock);
    EXPECT_EQ(session->profile.macros.size(), 1u);
}

TEST_F(KeySettingsDialogTest, OnlyTheMacroPageIsOfferedForTheMacroButtonCentredOnTheScreen) {
    Keyloom_DlgComposite& dialog = OpenFor(GKeySlot(0, 8), true);
    EXPECT_EQ(dialog.PageKind(), Keyloom_DlgComposite::kMacroPage);
    for (const int control :
         {COMPOSITE_TAB_KEY, COMPOSITE_TAB_MEDIA, COMPOSITE_TAB_FUNCTION, COMPOSITE_CLEAR}) {
        EXPECT_FALSE(dialog.Control(control)->isEnabled()) << control;
    }
    EXPECT_TRUE(dialog.Control(COMPOSITE_TAB_MACRO)->isEnabled());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE((dialog.geometry().center() - screen.center()).manhattanLength(), 2);
}

TEST_F(KeySettingsDialogTest, ARecordOfAKindWithoutAPageIsKeptWhenLeftAlone) {
    Start();
    const KeyAssignment program{ASSIGN_PROGRAM, 0, 0, 0, 0};
    Store(kSlotCapsLock, program);
    const int entry = GetActiveProfile(*session) * ASSIGNMENT_SLOTS + kSlotCapsLock;
    {
        std::lock_guard lock(context->profileLock);
        session->profile.texts.Set(entry, u"/usr/bin/true");
    }
    Keyloom_DlgComposite& dialog = window->KeyEditor();
    dialog.Open({kSlotCapsLock, QRect(100, 100, 40, 40), false});
    dialog.OnOk();
    EXPECT_EQ(Stored(kSlotCapsLock), program);
    std::lock_guard lock(context->profileLock);
    EXPECT_EQ(session->profile.texts.Text(entry), u"/usr/bin/true");
}

TEST_F(KeySettingsDialogTest, TheDialogClosesWhenTheKeyboardGoesAway) {
    Keyloom_DlgComposite& dialog = OpenFor(kSlotCapsLock);
    ASSERT_TRUE(dialog.isVisible());
    ASSERT_TRUE(window->KeyEditorOpen());
    ASSERT_EQ(ZozSim_Unplug(), 1);
    EXPECT_TRUE(Eventually([&] { return !dialog.isVisible(); }));
    EXPECT_FALSE(window->KeyEditorOpen());
    ASSERT_EQ(ZozSim_Plug(), 1);
}

TEST_F(KeySettingsDialogTest, KillWhileTheDialogRunsEndsTheToolAndTheDialog) {
    Start();
    bool killed = false;
    QTimer::singleShot(0, window.get(), [&] {
        killed = true;
        window->HandleMessage(UM_KILL, TAG_KILL, 0);
    });
    window->EditKey({kSlotCapsLock, KeyControl(0x03A), false});
    EXPECT_TRUE(killed);
    EXPECT_EQ(Keyloom_DlgComposite::OpenCount(), 0);
    window->FinishExit();
    EXPECT_TRUE(window->Exited());
}

TEST_F(KeySettingsDialogTest, MediaAndFunctionPagesStoreTheirRow) {
    Keyloom_DlgComposite& dialog = OpenFor(kSlotCapsLock);
    dialog.ShowTab(Keyloom_DlgComposite::kMediaPage);
    dialog.MediaList().setCurrentRow(3);
    dialog.OnApply();
    EXPECT_EQ(Stored(kSlotCapsLock), (KeyAssignment{ASSIGN_MEDIA, 0, 3, 0, 0}));
    dialog.ShowTab(Keyloom_DlgComposite::kFunctionPage);
    dialog.FunctionList().setCurrentRow(10);
    dialog.OnApply();
    EXPECT_EQ(Stored(kSlotCapsLock), (KeyAssignment{ASSIGN_FUNCTION, 0, 10, 0, 0}));
}

}  // namespace
}  // namespace keyloom::test
