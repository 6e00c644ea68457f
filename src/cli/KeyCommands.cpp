// assign and keys: what the keys and G keys do, stored in the working profile and written to the
// keyboard with the apply pipeline, as the key settings dialog and the Apply button do it.

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "cli/ArgumentValues.h"
#include "cli/CtlCommands.h"
#include "cli/CtlFailure.h"
#include "cli/CtlSession.h"
#include "cli/KeyArguments.h"
#include "cli/KeyLines.h"
#include "cli/MacroArguments.h"
#include "model/AssignmentTable.h"
#include "model/KeyButtonTable.h"
#include "session/ActiveProfile.h"
#include "session/KeyDescriptions.h"
#include "session/ProfileKeyEditing.h"

namespace keyloom {

namespace {

// The profile of --profile, or the keyboard's active one.
using ProfileChoice = std::optional<int>;

struct Assignment {
    std::string key;  // as the command line named it
    int slot;
    KeyFunction function;
};

struct AssignRequest {
    ProfileChoice profile;
    bool apply;
    std::vector<Assignment> assignments;
};

Checked<ProfileChoice> ProfileOption(const CtlArguments& arguments) {
    const auto word = arguments.Value("--profile");
    if (!word) {
        return Accepted(ProfileChoice());
    }
    const Checked<int> profile = ProfileArgument(*word);
    return profile ? Accepted(ProfileChoice(*profile)) : Checked<ProfileChoice>{{}, profile.error};
}

int ChosenProfile(CtlSession& ctl, ProfileChoice choice) {
    return choice ? *choice : GetActiveProfile(ctl.Session());
}

// A key's line as the window's key view words it.
std::string SlotLine(const KeyDescriptions& descriptions, int slot) {
    if (IsGKeySlot(slot)) {
        return KeyLine(descriptions.gKeys[static_cast<size_t>(PositionOfGKeySlot(slot))], slot);
    }
    const int button = KeyButtonIndexOfScanCode(ScanCodeOfIndex(static_cast<KeyIndex>(slot)));
    return KeyLine(descriptions.keys[static_cast<size_t>(button)], slot);
}

std::string DescribeSlot(CtlSession& ctl, int profile, int slot) {
    const int bank = IsGKeySlot(slot) ? BankOfGKeySlot(slot) : 0;
    return SlotLine(DescribeAssignments(ctl.Session(), profile, bank), slot);
}

// The record as the key settings dialog composes it: a G key keeps its tag unless a macro's
// repeat count takes its place, and a key made to act as itself is back at its factory function.
// A repeat count given for the macro becomes the macro's own, as in the dialog's macro page.
Checked<KeyAssignment> ComposeRecord(const Assignment& assignment, MacroList& macros) {
    KeyAssignment record = assignment.function.record;
    record.tag = GKeyTag(assignment.slot);
    if (record.kind == ASSIGN_MACRO) {
        const Checked<MacroRecord*> macro = MacroArgument(assignment.function.macro, macros);
        if (!macro) {
            return {std::nullopt, macro.error};
        }
        if (const auto repeat = assignment.function.repeat) {
            (*macro)->SetRepeatCount(static_cast<uint8_t>(*repeat));
        }
        record.value = (*macro)->Id();
        record.tag = (*macro)->RepeatCount();
    }
    if (record.kind == ASSIGN_KEY && IndexOfScanCode(static_cast<ScanCode>(record.value)) ==
                                         static_cast<KeyIndex>(assignment.slot)) {
        record = {ASSIGN_DEFAULT, GKeyTag(assignment.slot)};
    }
    return Accepted(record);
}

bool ChangesRepeatCount(const AssignRequest& request) {
    return std::any_of(
        request.assignments.begin(), request.assignments.end(),
        [](const Assignment& assignment) { return assignment.function.repeat.has_value(); });
}

int Assign(CtlSession& ctl, const AssignRequest& request) {
    KeyboardSession& session = ctl.Session();
    const int profile = ChosenProfile(ctl, request.profile);
    if (profile == NO_ACTIVE_PROFILE) {
        return CommandFailed("the keyboard's active profile could not be read");
    }
    MacroList macros = WorkingMacros(session);
    std::vector<KeyAssignment> records;
    for (const Assignment& assignment : request.assignments) {
        if (!KeyTableHasSlot(session, assignment.slot)) {
            return ArgumentRefused("the keyboard's key table has no place for " + assignment.key +
                                   ", so it cannot take a function");
        }
        const Checked<KeyAssignment> record = ComposeRecord(assignment, macros);
        if (!record) {
            return ArgumentRefused(record.error);
        }
        records.push_back(*record);
    }
    if (ChangesRepeatCount(request)) {
        StoreWorkingMacros(session, std::move(macros));
    }
    for (size_t i = 0; i < records.size(); ++i) {
        // The profile is one the keyboard holds, so the record is stored.
        (void)StoreKeyRecordInProfile(session, profile, request.assignments[i].slot, records[i]);
    }
    if (request.apply && !ctl.Apply(profile)) {
        return CTL_EXIT_FAILED;
    }
    for (const Assignment& assignment : request.assignments) {
        std::printf("%s\n", DescribeSlot(ctl, profile, assignment.slot).c_str());
    }
    if (!request.apply) {
        std::printf("Not applied: the keyboard and the working profile file are unchanged.\n");
    }
    return 0;
}

CtlPlan PlanAssign(const CtlArguments& arguments) {
    AssignRequest request;
    const Checked<ProfileChoice> profile = ProfileOption(arguments);
    if (!profile) {
        return CtlPlan::Refused(profile.error);
    }
    request.profile = *profile;
    const Checked<size_t> bank =
        ChoiceArgument("bank", arguments.Value("--bank").value_or("A"), GKEY_BANK_NAMES);
    if (!bank) {
        return CtlPlan::Refused(bank.error);
    }
    request.apply = !arguments.Has("--no-apply");
    const auto& words = arguments.Operands();
    if (words.size() % 2 != 0) {
        return CtlPlan::Refused("the key " + words.back() + " has no FUNCTION after it");
    }
    for (size_t i = 0; i < words.size(); i += 2) {
        const Checked<int> slot = KeySlotArgument(words[i], static_cast<int>(*bank));
        if (!slot) {
            return CtlPlan::Refused(slot.error);
        }
        const Checked<KeyFunction> function = KeyFunctionArgument(words[i + 1]);
        if (!function) {
            return CtlPlan::Refused(function.error);
        }
        request.assignments.push_back({words[i], *slot, *function});
    }
    return CtlPlan::WithKeyboard([request](CtlSession& ctl) { return Assign(ctl, request); });
}

int ListKeys(CtlSession& ctl, ProfileChoice choice) {
    const int profile = ChosenProfile(ctl, choice);
    if (profile == NO_ACTIVE_PROFILE) {
        return CommandFailed("the keyboard's active profile could not be read");
    }
    const KeyDescriptions bankA = DescribeAssignments(ctl.Session(), profile, 0);
    const KeyDescriptions bankB = DescribeAssignments(ctl.Session(), profile, 1);
    for (const AssignmentDescription& key : bankA.keys) {
        std::printf("%s\n", key.tooltip.c_str());
    }
    for (int bank = 0; bank < 2; ++bank) {
        for (int position = 0; position < G_KEYS_PER_BANK; ++position) {
            const int slot = GKeySlot(bank, position);
            std::printf("%s\n", SlotLine(bank == 0 ? bankA : bankB, slot).c_str());
        }
    }
    return 0;
}

CtlPlan PlanKeys(const CtlArguments& arguments) {
    const Checked<ProfileChoice> profile = ProfileOption(arguments);
    if (!profile) {
        return CtlPlan::Refused(profile.error);
    }
    return CtlPlan::WithKeyboard(
        [profile = *profile](CtlSession& ctl) { return ListKeys(ctl, profile); });
}

const CtlOption kProfileOption = {"--profile", "N",
                                  "profile 1 to 3 (default: the keyboard's active profile)"};

}  // namespace

const std::vector<CtlCommand>& KeyCommands() {
    static const std::vector<CtlCommand> commands = {
        {"assign",
         "KEY FUNCTION [KEY FUNCTION]...",
         "give keys and G keys a function and write it to the keyboard",
         "KEY is a key by its name, letter case and spaces aside (CapsLock, \"Left Ctrl\", A,\n"
         "F5; keyloomctl names keys lists them), by its code (KEY_03A), or G1 to G9 of the\n"
         "bank. FUNCTION is one of:\n"
         "  default                 the key's factory function\n"
         "  disabled                no function\n"
         "  key:NAME                acts as another key\n"
         "  mouse:BUTTON            left, right, middle, wheel-up or wheel-down (also\n"
         "                          key:mouse:BUTTON)\n"
         "  macro:NAME-or-ID[,repeat=R]\n"
         "                          plays a macro of the keyboard; repeat=R (1 to 255) sets\n"
         "                          how often it plays, as the window's repeat count does\n"
         "  stop-macro              stops the macro that plays\n"
         "  media:NAME              a media function, such as Mute or VolumeUp\n"
         "  function:N              keyboard function 1 to 11\n"
         "All pairs are stored in the working profile and applied together, as the window's\n"
         "Apply does: the macros and the key table are written to the keyboard and the working\n"
         "profile file is saved.\n",
         {kProfileOption,
          {"--bank", "A|B", "the G-key bank of G1 to G9 (default: A)"},
          {"--no-apply", "",
           "check and show the functions without writing them; every start reads the keyboard "
           "back, so a change not applied does not outlive the command"}},
         2,
         CTL_ANY_NUMBER,
         &PlanAssign},
        {"keys",
         "",
         "list every key and G key with its function, in the tool's language",
         "",
         {kProfileOption},
         0,
         0,
         &PlanKeys},
    };
    return commands;
}

}  // namespace keyloom
