#include "session/DeviceStateWorker.h"

#include <chrono>
#include <thread>

#include "device/ConfigCommands.h"
#include "device/DeviceResult.h"
#include "session/ActiveProfile.h"
#include "session/KeyboardSession.h"
#include "session/LanguageMessage.h"
#include "session/ProfileReload.h"

namespace keyloom {

namespace {

constexpr char kMatrixReadFailedText[] = "MAIN_DEFAULT_MATRIX_PROMPT";
constexpr std::chrono::milliseconds kInitCompletePoll{50};

WindowPort& Window(KeyboardSession& session) {
    return *session.context.window;
}

// A failed read keeps the table the tool had.
void ReadDefaultKeyMatrix(KeyboardSession& session) {
    KeyBlockBytes matrix{};
    if (CmdReadDefaultKeys(session.link.Exchange(), matrix.data()) != RESULT_OK) {
        ShowLanguageMessage(session, kMatrixReadFailedText, MessageButtons::kOk);
        return;
    }
    std::lock_guard lock(session.context.deviceImageLock);
    session.defaultKeyMatrix = matrix;
}

void OnArrival(KeyboardSession& session) {
    ReadDefaultKeyMatrix(session);
    if (const auto config = ReadConfigBlock(session)) {
        session.context.macroCapacity =
            static_cast<unsigned>((*config)[CONFIG_MACRO_UNITS] * MACRO_MEMORY_UNIT);
    }
    Window(session).SendMessage(UM_PROFILE_RELOAD, TAG_PROF, 0);
}

void OnRemoval(KeyboardSession& session) {
    session.context.activeProfileCache = NO_ACTIVE_PROFILE;
    Window(session).SendMessage(UM_DEVICE_GONE, 0, 0);
    Window(session).HideWindow();
}

void RunDeviceStateWorker(KeyboardSession& session, unsigned deviceCount) {
    std::lock_guard order(session.deviceStateLock);
    AppContext& context = session.context;
    if (deviceCount == context.deviceCount) {
        return;
    }
    if (deviceCount > 0) {
        OnArrival(session);
    } else {
        OnRemoval(session);
    }
    while (!Window(session).InitComplete()) {
        if (session.ending) {
            return;  // the tool ended before its deferred initialisation ran
        }
        std::this_thread::sleep_for(kInitCompletePoll);
    }
    const int icon = deviceCount > 0 ? TRAY_ICON_KEYBOARD : TRAY_ICON_NO_KEYBOARD;
    session.normalTrayIcon = icon;
    ChangeTrayIcon(session, icon);
    context.deviceCount = deviceCount;
    session.events.Raise(
        {deviceCount > 0 ? SessionEventKind::kPlugged : SessionEventKind::kUnplugged});
    // Only the worker started with the tool may show the window, and only for a keyboard.
    if (context.noAutoShow.exchange(1) == 0 && deviceCount > 0) {
        Window(session).PostMessage(UM_OPEN, TAG_OPEN, 0);
    }
}

}  // namespace

void StartDeviceStateWorker(KeyboardSession& session, unsigned deviceCount) {
    StartSessionThread(session,
                       [&session, deviceCount] { RunDeviceStateWorker(session, deviceCount); });
}

void ChangeTrayIcon(KeyboardSession& session, int icon) {
    if (session.trayIcon.exchange(icon) != icon) {
        Window(session).SetTrayIcon(icon);
    }
}

void ReloadAfterArrival(KeyboardSession& session) {
    // A keyboard that cannot be read leaves a blank working profile, which the marks show.
    (void)ReloadFromKeyboard(session, 0);
}

}  // namespace keyloom
