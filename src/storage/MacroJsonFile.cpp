#include "storage/MacroJsonFile.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <initializer_list>

#include "model/MacroEditing.h"
#include "storage/JsonText.h"

namespace keyloom {

namespace {

constexpr std::string_view kFormat = "keyloom-macros";
constexpr int kVersion = 1;
constexpr int kSmallestRepeat = 1;
constexpr int kLargestRepeat = 255;
constexpr double kLargestExactInteger = 9007199254740992.0;  // 2^53

// The words of "action", by MacroAction.
constexpr std::string_view kActions[] = {"down", "up"};

using Kind = JsonValue::Kind;

// Where a fault or a note is: the macro, by its name once that is known, and the event within it.
struct Place {
    int macro = -1;
    std::string name;
    int event = -1;

    std::string Text() const {
        std::string text = macro < 0      ? "the file"
                           : name.empty() ? "macro number " + std::to_string(macro + 1)
                                          : "macro " + JsonString(name);
        return event < 0 ? text : text + ", event " + std::to_string(event + 1);
    }
};

class MacroReader {
  public:
    explicit MacroReader(const KeyOfName& keyOfName) : keyOfName_(keyOfName) {}

    MacroJsonRead Read(std::string_view text) {
        const JsonRead json = ReadJson(text);
        if (!json.value) {
            return {{}, {}, json.error};
        }
        if (!ReadFile(*json.value)) {
            return {{}, {}, error_};
        }
        return {std::move(macros_), std::move(notes_), {}};
    }

  private:
    bool Fail(const Place& place, const std::string& what) {
        error_ = place.Text() + ": " + what;
        return false;
    }

    bool OnlyKnownMembers(const Place& place, const JsonValue& object,
                          std::initializer_list<std::string_view> known) {
        for (const auto& [name, value] : object.members) {
            if (std::find(known.begin(), known.end(), name) == known.end()) {
                std::string list;
                for (const std::string_view member : known) {
                    list += (list.empty() ? "" : ", ") + std::string(member);
                }
                return Fail(place, "unknown member " + JsonString(name) + " (known: " + list + ")");
            }
        }
        return true;
    }

    // The member as a whole number; `fallback` when it is absent.
    std::optional<int64_t> Integer(const Place& place, const JsonValue& object,
                                   std::string_view name, int64_t fallback) {
        const JsonValue* value = object.Member(name);
        if (value == nullptr) {
            return fallback;
        }
        if (value->kind != Kind::kNumber || std::trunc(value->number) != value->number ||
            std::fabs(value->number) > kLargestExactInteger) {
            Fail(place, std::string(name) + " is not a whole number");
            return std::nullopt;
        }
        return static_cast<int64_t>(value->number);
    }

    const JsonValue* Required(const Place& place, const JsonValue& object, std::string_view name,
                              Kind kind, const char* what) {
        const JsonValue* value = object.Member(name);
        if (value == nullptr || value->kind != kind) {
            Fail(place, std::string(name) + " must be " + what);
            return nullptr;
        }
        return value;
    }

    bool ReadFile(const JsonValue& root) {
        const Place file;
        if (root.kind != Kind::kObject) {
            return Fail(file, "not an object with \"macros\"");
        }
        if (!OnlyKnownMembers(file, root, {"format", "version", "macros"})) {
            return false;
        }
        const JsonValue* format = root.Member("format");
        if (format != nullptr && (format->kind != Kind::kString || format->text != kFormat)) {
            return Fail(file, "format must be \"" + std::string(kFormat) + "\"");
        }
        const auto version = Integer(file, root, "version", kVersion);
        if (!version) {
            return false;
        }
        if (*version != kVersion) {
            return Fail(file,
                        "version " + std::to_string(*version) + " is not one this tool reads");
        }
        const JsonValue* macros = Required(file, root, "macros", Kind::kArray, "a list");
        if (macros == nullptr) {
            return false;
        }
        if (macros->items.size() > MACRO_LIST_CAPACITY) {
            return Fail(file, std::to_string(macros->items.size()) + " macros; at most " +
                                  std::to_string(MACRO_LIST_CAPACITY) + " fit");
        }
        return std::all_of(macros->items.begin(), macros->items.end(),
                           [this](const JsonValue& macro) { return ReadMacro(macro); });
    }

    bool ReadMacro(const JsonValue& object) {
        Place place{static_cast<int>(macros_.size()), {}, -1};
        if (object.kind != Kind::kObject) {
            return Fail(place, "not an object");
        }
        const JsonValue* name = Required(place, object, "name", Kind::kString, "a text");
        if (name == nullptr) {
            return false;
        }
        place.name = name->text;
        if (name->text.empty()) {
            return Fail(place, "the name is empty");
        }
        if (!OnlyKnownMembers(place, object, {"name", "repeat", "events"})) {
            return false;
        }
        MacroRecord macro;
        macro.SetName(name->text);
        if (macro.Name() != name->text) {
            Note(place, "the name is cut to " + JsonString(macro.Name()));
        }
        const auto repeat = Integer(place, object, "repeat", kSmallestRepeat);
        if (!repeat) {
            return false;
        }
        const int64_t count = std::clamp<int64_t>(*repeat, kSmallestRepeat, kLargestRepeat);
        if (count != *repeat) {
            Note(place,
                 "repeat " + std::to_string(*repeat) + " is taken as " + std::to_string(count));
        }
        macro.SetRepeatCount(static_cast<uint8_t>(count));
        const JsonValue* events = Required(place, object, "events", Kind::kArray, "a list");
        if (events == nullptr || !ReadEvents(place, *events, macro)) {
            return false;
        }
        macros_.push_back(macro);
        return true;
    }

    bool ReadEvents(Place place, const JsonValue& list, MacroRecord& macro) {
        std::vector<MacroEvent> events;
        for (const JsonValue& item : list.items) {
            place.event = static_cast<int>(events.size());
            MacroEvent event;
            if (!ReadEvent(place, item, event)) {
                return false;
            }
            events.push_back(event);
        }
        if (events.size() > MACRO_MAX_EVENTS) {
            place.event = -1;
            Note(place,
                 "the events after the " + std::to_string(MACRO_MAX_EVENTS) + "th are left out");
        }
        macro.SetEvents(events);
        return true;
    }

    bool ReadEvent(const Place& place, const JsonValue& object, MacroEvent& event) {
        if (object.kind != Kind::kObject) {
            return Fail(place, "not an object");
        }
        if (!OnlyKnownMembers(place, object, {"key", "action", "pause"})) {
            return false;
        }
        const JsonValue* key = Required(place, object, "key", Kind::kString, "a key name");
        const JsonValue* action =
            key != nullptr ? Required(place, object, "action", Kind::kString, "\"down\" or \"up\"")
                           : nullptr;
        if (action == nullptr) {
            return false;
        }
        const auto code = keyOfName_(key->text);
        if (!code) {
            return Fail(place, "no key is named " + JsonString(key->text));
        }
        const auto word = std::find(std::begin(kActions), std::end(kActions), action->text);
        if (word == std::end(kActions)) {
            return Fail(place, "action must be \"down\" or \"up\"");
        }
        const auto pause = Integer(place, object, "pause", 0);
        if (!pause) {
            return false;
        }
        if (*pause < 0) {
            return Fail(place, "pause is below 0");
        }
        const DelayValidation delay = ValidateDelay(std::to_string(*pause));
        if (delay.clipped) {
            Note(place, "pause " + std::to_string(*pause) + " ms is taken as " +
                            std::to_string(delay.delay));
        }
        event = {delay.delay, *code, static_cast<uint16_t>(word - std::begin(kActions))};
        return true;
    }

    void Note(const Place& place, const std::string& what) {
        notes_.push_back(place.Text() + ": " + what);
    }

    const KeyOfName& keyOfName_;
    MacroList macros_;
    std::vector<std::string> notes_;
    std::string error_;
};

}  // namespace

std::string_view MacroActionWord(uint16_t action) {
    return kActions[action == MACRO_RELEASE ? 1 : 0];
}

std::string MacroListJson(const MacroList& macros, const KeyNamer& keyName) {
    std::string text = "{\n  \"format\": \"" + std::string(kFormat) +
                       "\",\n  \"version\": " + std::to_string(kVersion) + ",\n  \"macros\": [";
    for (const MacroRecord& macro : macros) {
        text += std::string(&macro == &macros.front() ? "" : ",") +
                "\n    {\n      \"name\": " + JsonString(macro.Name()) +
                ",\n      \"repeat\": " + std::to_string(macro.RepeatCount()) +
                ",\n      \"events\": [";
        const std::vector<MacroEvent> events = macro.Events();
        for (size_t i = 0; i < events.size(); ++i) {
            const MacroEvent& event = events[i];
            text += std::string(i == 0 ? "" : ",") +
                    "\n        {\"key\": " + JsonString(keyName(event.key)) + ", \"action\": \"" +
                    std::string(MacroActionWord(event.action)) +
                    "\", \"pause\": " + std::to_string(event.delay) + "}";
        }
        text += std::string(events.empty() ? "" : "\n      ") + "]\n    }";
    }
    return text + (macros.empty() ? "" : "\n  ") + "]\n}\n";
}

MacroJsonRead ReadMacroListJson(std::string_view text, const KeyOfName& keyOfName) {
    return MacroReader(keyOfName).Read(text);
}

}  // namespace keyloom
