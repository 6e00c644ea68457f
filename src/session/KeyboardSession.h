#pragma once

#include <atomic>
#include <functional>
#include <mutex>
#include <string>

#include "device/DeviceLink.h"
#include "model/DefaultKeyMatrix.h"
#include "model/WorkingProfile.h"
#include "session/AppContext.h"
#include "session/DeviceChannels.h"
#include "session/DeviceImage.h"
#include "session/SessionEvents.h"
#include "session/SessionThreads.h"
#include "session/WindowMessages.h"

namespace keyloom {

// Where the per-user files live and where the installation is.
struct SessionPaths {
    std::string userFolder;        // the per-user folder with a trailing '/'
    std::string executableFolder;  // language files and skins, with a trailing '/'
    std::string applicationTitle;  // names the framework settings file
};

// Everything the tool keeps for one keyboard, shared by the window thread and the workers.
struct KeyboardSession {
    KeyboardSession(AppContext& context, DeviceLink& link, SessionPaths paths)
        : context(context), link(link), paths(std::move(paths)) {}

    AppContext& context;
    DeviceLink& link;
    SessionPaths paths;

    WorkingProfile profile;  // under context.profileLock
    // The keyboard's factory key table; replaced at each arrival of the keyboard, under
    // context.deviceImageLock.
    KeyBlockBytes defaultKeyMatrix = BuiltInDefaultKeyMatrix();

    // The standing requests to the keyboard, the bank status write and the G-key bank.
    DeviceChannels channels{link};

    // The tray icon shown, and the one it goes back to when the special state ends.
    std::atomic<int> trayIcon{TRAY_ICON_NO_KEYBOARD};
    std::atomic<int> normalTrayIcon{TRAY_ICON_NO_KEYBOARD};
    // Set while a tray icon worker changes the icon; the next one waits for it.
    std::atomic<bool> trayIconBusy{false};

    DeviceImage deviceImage;  // under context.deviceImageLock

    // Threads started with StartSessionThread.
    SessionThreads threads;
    // Held by a device-state worker for its whole run, so that each worker compares with the
    // device count the one before it has written: without it, a keyboard unplugged and plugged
    // in again quickly could leave the tool believing it absent.
    std::mutex deviceStateLock;
    // Set when the tool ends: a worker still waiting for the window gives up.
    std::atomic<bool> ending{false};
    // Set while the question about pending changes before a profile switch is on screen.
    std::atomic<bool> pendingQuestionShown{false};
    SessionEvents events;
};

// Starts a thread that ends by itself (a device-state or tray icon worker, a busy indicator).
// It is detached but counted, so that whoever lets the session go can wait for it first.
inline void StartSessionThread(KeyboardSession& session, std::function<void()> work) {
    session.threads.Start(std::move(work));
}

// Waits until every thread started with StartSessionThread has ended. Not to be called on the
// window thread while a worker may still be sending it a message.
inline void WaitForSessionThreads(const KeyboardSession& session) {
    session.threads.WaitUntilAllEnded();
}

}  // namespace keyloom
