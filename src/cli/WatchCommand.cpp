// watch: a line for each thing the keyboard does, until keyloomctl is interrupted. The session's
// threads only queue the events; the command's own thread words them, and may ask the keyboard
// for what a line shows (the lighting after a change made on the keyboard).

#include <condition_variable>
#include <cstdio>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "cli/CtlCommands.h"
#include "cli/CtlLighting.h"
#include "cli/CtlSession.h"
#include "cli/LightingModeNames.h"
#include "session/ActiveProfile.h"
#include "session/SessionEvents.h"
#include "storage/JsonText.h"

namespace keyloom {

namespace {

// Events in the order they came, until the end is asked for; the end comes first.
class EventQueue {
  public:
    void Push(const SessionEvent& event) {
        std::lock_guard lock(lock_);
        events_.push_back(event);
        wake_.notify_one();
    }

    void End() {
        std::lock_guard lock(lock_);
        ended_ = true;
        wake_.notify_one();
    }

    // Nothing once the end was asked for.
    std::optional<SessionEvent> Next() {
        std::unique_lock lock(lock_);
        wake_.wait(lock, [this] { return ended_ || !events_.empty(); });
        if (ended_) {
            return std::nullopt;
        }
        const SessionEvent event = events_.front();
        events_.pop_front();
        return event;
    }

  private:
    std::mutex lock_;
    std::condition_variable wake_;
    std::deque<SessionEvent> events_;
    bool ended_ = false;
};

// One line in both forms: the event's word and what follows it in the text, and the members
// after "event" in the JSON object.
struct WatchLine {
    std::string event;
    std::string details;
    std::string members;
};

std::string Member(const std::string& name, const std::string& jsonValue) {
    return "," + JsonString(name) + ":" + jsonValue;
}

std::string HexCode(int code) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%04X", static_cast<unsigned>(code));
    return text;
}

WatchLine Plugged(CtlSession&, int) {
    return {"plugged", "", ""};
}

WatchLine Unplugged(CtlSession&, int) {
    return {"unplugged", "", ""};
}

WatchLine ProfileChanged(CtlSession&, int profile) {
    const std::string number = std::to_string(profile + 1);
    return {"profile", number, Member("profile", number)};
}

// The keyboard's lighting as it is now; without the values when it cannot be read.
WatchLine LightingChanged(CtlSession& ctl, int) {
    CtlLighting lighting(ctl.Session());
    if (!lighting.Read()) {
        return {"lighting", "", ""};
    }
    const LightingValues& values = lighting.State().values;
    const std::string profile = std::to_string(lighting.State().Profile() + 1);
    const std::string brightness = std::to_string(values.brightness);
    return {"lighting",
            "profile " + profile + ", mode " + ModeText(values.mode) + ", brightness " + brightness,
            Member("profile", profile) + Member("mode", std::to_string(values.mode)) +
                Member("name", JsonString(ModeName(values.mode))) +
                Member("brightness", brightness)};
}

WatchLine BankSwitched(CtlSession&, int bank) {
    const std::string letter = bank == 0 ? "A" : "B";
    return {"bank", letter, Member("bank", JsonString(letter))};
}

WatchLine ConsumerCode(CtlSession&, int code) {
    return {"consumer", HexCode(code), Member("code", JsonString(HexCode(code)))};
}

// By SessionEventKind.
constexpr WatchLine (*kDescribers[])(CtlSession&, int) = {
    Plugged, Unplugged, ProfileChanged, LightingChanged, BankSwitched, ConsumerCode,
};

WatchLine Started(CtlSession& ctl) {
    if (!ctl.KeyboardPresent()) {
        return {"watching", "(no keyboard)", Member("present", "false")};
    }
    const std::string profile = std::to_string(GetActiveProfile(ctl.Session()) + 1);
    return {"watching", "(keyboard present, profile " + profile + ")",
            Member("present", "true") + Member("profile", profile)};
}

// Flushed at once: a script reading the other end of a pipe acts on each line as it comes.
void Print(const WatchLine& line, bool json) {
    const std::string text = json ? "{\"event\":" + JsonString(line.event) + line.members + "}"
                                  : line.event + (line.details.empty() ? "" : " " + line.details);
    std::printf("%s\n", text.c_str());
    std::fflush(stdout);
}

int Watch(CtlSession& ctl, bool json) {
    EventQueue queue;
    ctl.Session().events.Listen([&queue](const SessionEvent& event) { queue.Push(event); });
    ctl.Interruption().OnInterrupt([&queue] { queue.End(); });
    Print(Started(ctl), json);
    while (const auto event = queue.Next()) {
        Print(kDescribers[static_cast<size_t>(event->kind)](ctl, event->value), json);
    }
    ctl.Interruption().OnInterrupt(nullptr);
    ctl.Session().events.Listen(nullptr);
    return 0;
}

}  // namespace

const std::vector<CtlCommand>& WatchCommands() {
    static const std::vector<CtlCommand> commands = {
        {"watch",
         "",
         "print a line for each thing the keyboard does, until interrupted (Ctrl+C)",
         "The first line tells whether a keyboard is present. Then, as they happen:\n"
         "  plugged / unplugged              the keyboard arrived (and was read) or went away\n"
         "  profile N                        the profile was changed on the keyboard\n"
         "  lighting profile N, mode M ...   the lighting was changed on the keyboard\n"
         "  bank A|B                         the bank key switched the G-key bank\n"
         "  consumer 0xCCCC                  every consumer code the keyboard sends\n"
         "With --json one object per line, such as {\"event\":\"profile\",\"profile\":2}.\n"
         "An interruption (SIGINT, SIGTERM) is the normal end: exit code 0.\n",
         {{"--json", "", "print one JSON object per line instead of the text"}},
         0,
         0,
         [](const CtlArguments& arguments) {
             const bool json = arguments.Has("--json");
             return CtlPlan::InSession([json](CtlSession& ctl) { return Watch(ctl, json); });
         }},
    };
    return commands;
}

}  // namespace keyloom
