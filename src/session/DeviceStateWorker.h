#pragma once

// The device-state worker: one thread per change of the device count. An arrival reads the
// keyboard's factory key table and configuration and has the window reload the working profile;
// a removal forgets the active profile and hides the window; then the tray icon follows, and the
// first worker alone may show the window. Workers take turns, each starting from the count the
// one before left.

namespace keyloom {

struct KeyboardSession;

// A count equal to the last one handled does nothing.
void StartDeviceStateWorker(KeyboardSession& session, unsigned deviceCount);

// The tray icon, changed only when it differs from the one shown.
void ChangeTrayIcon(KeyboardSession& session, int icon);

// The core of UM_PROFILE_RELOAD: the keyboard that arrived is read into the working profile, and
// the pending state is cleared. The window then marks its profile buttons, re-reads the lighting
// and redraws.
void ReloadAfterArrival(KeyboardSession& session);

}  // namespace keyloom
