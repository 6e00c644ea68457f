#include "app/CKeyloomApp.h"

#include <QApplication>
#include <cstdlib>

#include "controls/QtFileChooser.h"
#include "device/DeviceLink.h"
#include "platform/ExecutablePath.h"
#include "platform/InstanceChannel.h"
#include "platform/Log.h"
#include "platform/ProgramLauncher.h"
#include "platform/RegistryKey.h"
#include "platform/TerminationSignals.h"
#include "platform/UserFolders.h"
#include "startup/StartupSwitches.h"
#include "startup/SystemInstanceEnvironment.h"
#include "ui/CKeyloomDlg.h"
#include "ui/QtMessagePrompter.h"
#include "ui/SystemTrayArea.h"

namespace keyloom {

namespace {

// Names the framework settings file (section PROFILES).
constexpr char kApplicationTitle[] = "Keyloom";
constexpr char kBackendVariable[] = "ZOZODIZ_BACKEND";
constexpr char kVirtualKeyboard[] = "sim";

SessionPaths ApplicationPaths() {
    return {DataHome() + "/VQ52R_EN/", ExecutableFolder(), kApplicationTitle};
}

}  // namespace

CKeyloomApp::CKeyloomApp(int& argc, char** argv)
    : m_argc(argc), m_argv(argv), m_args(argv + (argc > 0 ? 1 : 0), argv + argc) {}

int CKeyloomApp::InitInstance() {
    // Before any thread exists, so that every thread inherits the blocked termination signals.
    TerminationSignals::Block();
    const StartupSwitches switches = ParseStartupSwitches(m_args);
    if (switches.simulate) {
        setenv(kBackendVariable, kVirtualKeyboard, 1);
    }
    const RegistryKey settings = RegistryKey::OpenOrCreate();
    AppContext context;
    SystemInstanceEnvironment instances;
    const InstanceDecision decision = SettleInstance(switches, instances);
    if (!decision.run) {
        return decision.exitCode;
    }
    context.noAutoShow = decision.noAutoShow ? 1 : 0;

    // A tool without its transport has nothing to do: it ends quietly, the reason logged, before
    // it needs a display.
    std::string whyNot;
    std::unique_ptr<DeviceLink> link = DeviceLink::Bind(ExecutableFolder(), whyNot);
    if (!link) {
        LogError(whyNot);
        return 0;
    }
    QApplication application(m_argc, m_argv);
    QApplication::setQuitOnLastWindowClosed(false);
    // The library's threads call into the link for as long as the process lives.
    KeyboardSession session(context, *link.release(), ApplicationPaths());
    QtMessagePrompter prompter;
    QtFileChooser files;
    CKeyloomDlg window(
        session, {prompter, files, std::make_unique<SystemTrayArea>(), UserDataFolder::OfThisUser(),
                  [](const std::string& pathOrUrl) { OpenDocument(pathOrUrl); }});
    if (window.SkinFailed()) {
        LogError("the main window's skin pictures cannot be loaded from " + ExecutableFolder() +
                 "Skins/");
        return 0;
    }
    QObject::connect(&window, &CKeyloomDlg::exited, &application, &QApplication::quit);
    QObject::connect(&window, &CKeyloomDlg::OpenKeySettings, &window,
                     [&window] { window.EditKey(window.KeySettingsRequests().back()); });
    QObject::connect(&window, &CKeyloomDlg::OpenProfileManager, &window,
                     [&window] { window.ManageProfiles(); });
    // Queued: the request may come from another process, which waits only for its delivery.
    QObject::connect(
        &window, &CKeyloomDlg::OpenFirmwareUpdate, &window, [&window] { window.UpdateFirmware(); },
        Qt::QueuedConnection);
    window.Initialise();
    const InstanceChannelServer channel(
        [&window](uint32_t message, uintptr_t wParam, intptr_t lParam) {
            return window.Port().SendMessage(message, wParam, lParam);
        },
        AcceptedFromOtherProcess);
    const TerminationSignals terminations([&window](int) {
        QMetaObject::invokeMethod(
            &window, [&window] { window.Exit(); }, Qt::QueuedConnection);
    });
    QApplication::exec();
    window.FinishExit();
    instances.ReleaseLock();
    return 0;
}

}  // namespace keyloom
