#include "cli/KeyArguments.h"

#include <algorithm>
#include <array>
#include <vector>

#include "cli/TypedLanguages.h"
#include "model/AssignmentDescription.h"
#include "model/AssignmentTable.h"
#include "model/DeviceKeyCode.h"
#include "model/DeviceUsage.h"
#include "model/KeyButtonTable.h"
#include "model/KeyCatalog.h"
#include "model/KeyNameMatch.h"
#include "model/MediaFunctionTable.h"
#include "platform/IniDocument.h"

namespace keyloom {

namespace {

constexpr char kKeyNames[] =
    "a key of the keyboard by its name (CapsLock, LeftCtrl, A, F5 ...; keyloomctl names keys "
    "lists them)";
constexpr char kKeyCode[] = " or its code (KEY_03A)";
constexpr char kGKeys[] = ", or G1 to G9";
constexpr char kFunctions[] =
    "default, disabled, key:NAME, mouse:BUTTON, macro:NAME-or-ID[,repeat=R], stop-macro, "
    "media:NAME or function:N";
constexpr char kRepeatMark[] = ",repeat=";
constexpr int kLargestRepeat = 255;
constexpr char kGKeyLetter = 'g';
constexpr std::string_view kFnWord = "Fn";

// In the order of MouseCodeTable.
constexpr std::array<std::string_view, 5> kMouseWords = {"left", "right", "middle", "wheel-up",
                                                         "wheel-down"};
static_assert(kMouseWords.size() == MouseCodeTable.size());

const std::vector<ScanCode>& KeyButtonCodes() {
    static const std::vector<ScanCode> codes = [] {
        std::vector<ScanCode> keys;
        for (const KeyButton& button : KeyButtons()) {
            keys.push_back(button.code);
        }
        return keys;
    }();
    return codes;
}

const std::vector<ScanCode>& MediaCodes() {
    static const std::vector<ScanCode> codes = [] {
        std::vector<ScanCode> media;
        for (const MediaFunction& function : MediaFunctionTable) {
            media.push_back(function.scanCode);
        }
        return media;
    }();
    return codes;
}

// The key's English name without its spaces, as one word of a command line.
std::string KeyWord(ScanCode code) {
    const std::string name = KeyNameLanguages()[0](std::string(EntryOfScanCode(code).textKey));
    std::string word;
    std::copy_if(name.begin(), name.end(), std::back_inserter(word),
                 [](char c) { return c != ' '; });
    return word;
}

// 0 to 8 for G1 to G9.
std::optional<int> GKeyPosition(std::string_view word) {
    if (word.size() == 2 && (word[0] | 0x20) == kGKeyLetter && word[1] >= '1' &&
        word[1] < '1' + G_KEYS_PER_BANK) {
        return word[1] - '1';
    }
    return std::nullopt;
}

KeyFunction Function(uint16_t kind, uint32_t value = 0) {
    KeyFunction function;
    function.record.kind = kind;
    function.record.value = value;
    return function;
}

Checked<KeyFunction> MouseFunction(std::string_view word) {
    const Checked<size_t> button = ChoiceArgument("mouse function", word, kMouseWords);
    if (!button) {
        return {std::nullopt, button.error};
    }
    return Accepted(Function(ASSIGN_KEY, MouseCodeTable[*button].scanCode));
}

// Only what the keyboard's key page can send: media keys, Power and the like would reach the
// keyboard as a key of usage 0, that is as no function at all.
Checked<KeyFunction> KeyTarget(std::string_view word) {
    if (word.starts_with("mouse:")) {
        return MouseFunction(word.substr(word.find(':') + 1));
    }
    const auto key = ScanCodeOfKeyName(word, KeyNameLanguages());
    if (!key || DeviceUsageOf(*key).page != kKeyboardPage) {
        return Refused<KeyFunction>("key", word,
                                    std::string(kKeyNames) + kKeyCode +
                                        "; media functions are media:NAME, mouse "
                                        "functions mouse:BUTTON");
    }
    return Accepted(Function(ASSIGN_KEY, *key));
}

Checked<KeyFunction> MacroTarget(std::string_view word) {
    const size_t mark = word.rfind(kRepeatMark);
    const std::string_view macro = word.substr(0, mark);
    if (macro.empty()) {
        return Refused<KeyFunction>("macro", macro, "the name or number of a macro");
    }
    KeyFunction function = Function(ASSIGN_MACRO);
    function.macro = std::string(macro);
    if (mark != std::string_view::npos) {
        const Checked<int> repeat =
            NumberArgument("repeat count", word.substr(mark + std::string_view(kRepeatMark).size()),
                           1, kLargestRepeat);
        if (!repeat) {
            return {std::nullopt, repeat.error};
        }
        function.repeat = *repeat;
    }
    return Accepted(function);
}

Checked<KeyFunction> MediaTarget(std::string_view word) {
    const auto key = ScanCodeOfKeyName(word, MediaCodes(), KeyNameLanguages());
    if (!key) {
        return Refused<KeyFunction>("media function", word, ChoiceList(MediaWords()));
    }
    const auto row = std::find(MediaCodes().begin(), MediaCodes().end(), *key);
    return Accepted(Function(ASSIGN_MEDIA, static_cast<uint32_t>(row - MediaCodes().begin())));
}

Checked<KeyFunction> FunctionNumber(std::string_view word) {
    const Checked<int> number = NumberArgument("keyboard function", word, 1, FUNCTION_KEY_COUNT);
    if (!number) {
        return {std::nullopt, number.error};
    }
    return Accepted(Function(ASSIGN_FUNCTION, static_cast<uint32_t>(*number - 1)));
}

// Functions named by a word alone.
struct PlainFunction {
    std::string_view word;
    uint16_t kind;
};

constexpr PlainFunction kPlainFunctions[] = {
    {"default", ASSIGN_DEFAULT},
    {"disabled", ASSIGN_DISABLED},
    {"stop-macro", ASSIGN_STOP_MACRO},
};

// Functions named as "head:value".
struct ValuedFunction {
    std::string_view head;
    Checked<KeyFunction> (*read)(std::string_view value);
};

constexpr ValuedFunction kValuedFunctions[] = {
    {"key", &KeyTarget},     {"mouse", &MouseFunction},     {"macro", &MacroTarget},
    {"media", &MediaTarget}, {"function", &FunctionNumber},
};

}  // namespace

Checked<ScanCode> KeyButtonArgument(std::string_view word) {
    const auto key = ScanCodeOfKeyName(word, KeyButtonCodes(), KeyNameLanguages());
    if (!key) {
        return Refused<ScanCode>("key", word, std::string(kKeyNames) + kKeyCode);
    }
    return Accepted(*key);
}

Checked<int> KeySlotArgument(std::string_view word, int bank) {
    if (const auto position = GKeyPosition(word)) {
        return Accepted(GKeySlot(bank, *position));
    }
    const auto key = ScanCodeOfKeyName(word, KeyButtonCodes(), KeyNameLanguages());
    if (!key) {
        return Refused<int>("key", word, std::string(kKeyNames) + kKeyCode + kGKeys);
    }
    return Accepted(static_cast<int>(IndexOfScanCode(*key)));
}

Checked<KeyButton> LitButtonArgument(std::string_view word) {
    std::optional<KeyButton> button;
    if (const auto position = GKeyPosition(word)) {
        button = GKeyButtons()[static_cast<size_t>(*position)];
    } else if (EqualsIgnoringAsciiCase(word, kFnWord)) {
        button = LightingButtons().back();
    } else if (const auto key = ScanCodeOfKeyName(word, KeyButtonCodes(), KeyNameLanguages())) {
        button = KeyButtons()[static_cast<size_t>(KeyButtonIndexOfScanCode(*key))];
    }
    if (!button) {
        return Refused<KeyButton>("key", word,
                                  std::string(kKeyNames) + kKeyCode + kGKeys + ", or Fn");
    }
    if (!HasLed(*button)) {
        return Refused<KeyButton>("key", word, "it has no light of its own");
    }
    return Accepted(*button);
}

Checked<KeyFunction> KeyFunctionArgument(std::string_view word) {
    const size_t colon = word.find(':');
    if (colon == std::string_view::npos) {
        for (const PlainFunction& function : kPlainFunctions) {
            if (EqualsIgnoringAsciiCase(word, function.word)) {
                return Accepted(Function(function.kind));
            }
        }
    }
    for (const ValuedFunction& function : kValuedFunctions) {
        if (colon != std::string_view::npos &&
            EqualsIgnoringAsciiCase(word.substr(0, colon), function.head)) {
            return function.read(word.substr(colon + 1));
        }
    }
    return Refused<KeyFunction>("function", word, kFunctions);
}

std::string KeyFileName(ScanCode key) {
    const std::string word = KeyWord(key);
    return !word.empty() && KeyOfFileName(word) == key ? word : KeyCodeName(key);
}

std::optional<ScanCode> KeyOfFileName(std::string_view name) {
    return ScanCodeOfKeyName(name, KeyNameLanguages());
}

std::vector<std::string> KeyWords() {
    std::vector<std::string> words;
    for (const ScanCode code : KeyButtonCodes()) {
        words.push_back(KeyWord(code));
    }
    for (int position = 0; position < G_KEYS_PER_BANK; ++position) {
        words.push_back(GKeyTitle(position));
    }
    return words;
}

std::vector<std::string> FunctionWords() {
    std::vector<std::string> words = WordsOf(kPlainFunctions, &PlainFunction::word);
    for (const ValuedFunction& function : kValuedFunctions) {
        words.push_back(std::string(function.head) + ":");
    }
    return words;
}

std::vector<std::string> MouseWords() {
    return {kMouseWords.begin(), kMouseWords.end()};
}

std::vector<std::string> MediaWords() {
    std::vector<std::string> words;
    for (const ScanCode code : MediaCodes()) {
        words.push_back(KeyWord(code));
    }
    return words;
}

}  // namespace keyloom
