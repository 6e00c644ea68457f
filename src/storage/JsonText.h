#pragma once

// JSON text (RFC 8259) read into values, and strings written for it: the form of the files that
// people edit and scripts read. Reading is strict and bounded, so that a damaged or hostile file
// gives a message with its line instead of a wrong value or a crash.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace keyloom {

struct JsonValue {
    enum class Kind { kNull, kBoolean, kNumber, kString, kArray, kObject };

    Kind kind = Kind::kNull;
    bool boolean = false;
    double number = 0;
    std::string text;                                        // a string, in UTF-8
    std::vector<JsonValue> items;                            // an array
    std::vector<std::pair<std::string, JsonValue>> members;  // an object, in the text's order

    // The value of the member; nullptr when there is none of that name or this is no object.
    const JsonValue* Member(std::string_view name) const;
};

// Arrays and objects nest at most this deep.
inline constexpr size_t JSON_MAX_DEPTH = 64;

struct JsonRead {
    std::optional<JsonValue> value;
    std::string error;  // "line 3: ...", when there is no value
};

// One value and nothing but white space around it. Strings must be UTF-8 and their escapes
// whole (surrogates in pairs); an object may not name a member twice.
JsonRead ReadJson(std::string_view text);

// The text as a JSON string, quotes included; control characters escaped.
std::string JsonString(std::string_view text);

}  // namespace keyloom
