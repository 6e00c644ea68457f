#pragma once

// What the tool says when a keyboard is plugged in but this user may not open it, instead of
// reporting no keyboard at all.

#include "session/KeyboardSession.h"

namespace keyloom {

// When no keyboard can be reached but one is plugged in whose node the user may not open, a
// message box names the node and says how to get access (install the package, whose udev rule
// grants it, then plug the keyboard in again), and the result is true. Otherwise nothing is shown
// and the result is false; so also with a transport library too old to tell.
bool ReportAccessProblem(KeyboardSession& session);

}  // namespace keyloom
