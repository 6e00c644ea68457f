#pragma once

// One command of keyloomctl: its words, its help, and how its arguments turn into what it does.

#include <cstddef>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "cli/CtlArguments.h"

namespace keyloom {

class CtlSession;

// What a command's arguments came to, decided before the keyboard is touched: why they are
// refused, or the work to do, in the keyboard session or without one. The work returns the exit
// code; when it fails, it has printed why.
struct CtlPlan {
    std::string refusal;
    std::function<int(CtlSession&)> inSession;
    bool needsKeyboard = false;  // the session's work fails at once without a keyboard
    // The keyboard's arrival reads it back into the working profile file, as the window does;
    // false keeps that file as the window last saved it.
    bool readsKeyboardBack = true;
    std::function<int()> alone;

    static CtlPlan Refused(std::string why) { return {std::move(why), {}, false, true, {}}; }
    // Work that needs a keyboard present.
    static CtlPlan WithKeyboard(std::function<int(CtlSession&)> work) {
        return {{}, std::move(work), true, true, {}};
    }
    // Work that needs a keyboard present and the working profile file as it was saved.
    static CtlPlan WithKeyboardAndSavedProfile(std::function<int(CtlSession&)> work) {
        return {{}, std::move(work), true, false, {}};
    }
    // Work that also has something to say when no keyboard is there.
    static CtlPlan InSession(std::function<int(CtlSession&)> work) {
        return {{}, std::move(work), false, true, {}};
    }
    // Work that needs no keyboard at all.
    static CtlPlan Alone(std::function<int()> work) {
        return {{}, {}, false, true, std::move(work)};
    }
};

// Work on one word of the command line (a file, a name) that needs a keyboard present.
inline CtlPlan WithKeyboardOn(int (*work)(CtlSession& ctl, const std::string& word),
                              std::string word) {
    return CtlPlan::WithKeyboard(
        [work, word = std::move(word)](CtlSession& ctl) { return work(ctl, word); });
}

inline constexpr size_t CTL_ANY_NUMBER = std::numeric_limits<size_t>::max();

struct CtlCommand {
    const char* name;
    const char* operands;  // as the usage shows them ("KEY FUNCTION"); empty for none
    const char* summary;   // one line
    const char* details;   // the rest of its help; empty for none
    std::vector<CtlOption> options;
    size_t minOperands;
    size_t maxOperands;  // CTL_ANY_NUMBER for no limit
    CtlPlan (*plan)(const CtlArguments& arguments);
};

// The command's words checked: options, the number of operands, then the command's own checks.
CtlPlan PlanCommand(const CtlCommand& command, const std::vector<std::string>& words);

}  // namespace keyloom
