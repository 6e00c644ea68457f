#pragma once

#include <string>

#include "device/DeviceLink.h"
#include "model/DefaultKeyMatrix.h"
#include "model/WorkingProfile.h"
#include "session/AppContext.h"

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
    // The keyboard's factory key table; replaced at each arrival of the keyboard.
    KeyBlockBytes defaultKeyMatrix = BuiltInDefaultKeyMatrix();
};

}  // namespace keyloom
