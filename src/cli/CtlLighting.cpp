#include "cli/CtlLighting.h"

#include "cli/CtlFailure.h"
#include "session/ActiveProfile.h"
#include "session/LightingOperations.h"

namespace keyloom {

bool CtlLighting::Read() {
    if (!state_.SelectProfile(GetActiveProfile(session_))) {
        CommandFailed("the keyboard's active profile could not be read");
        return false;
    }
    LightingContext lighting = Context();
    if (ReadLightingState(lighting) != LIGHTING_READ_OK) {
        CommandFailed("the keyboard's lighting could not be read");
        return false;
    }
    return true;
}

}  // namespace keyloom
