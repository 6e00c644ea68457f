#pragma once

// The KEY and FUNCTION words of `assign` and `paint`, read before the keyboard is touched.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/ArgumentValues.h"
#include "model/KeyAssignment.h"
#include "model/KeyButtonTable.h"
#include "model/ScanCode.h"

namespace keyloom {

// A key of the window's keyboard picture by any of its names (KeyNameMatch.h).
Checked<ScanCode> KeyButtonArgument(std::string_view word);

// A key of the keyboard picture, or G1 to G9 of the bank (0 for A, 1 for B): its assignment slot.
Checked<int> KeySlotArgument(std::string_view word, int bank);

// A key of the keyboard picture, G1 to G9 or Fn that has a light of its own: its button.
Checked<KeyButton> LitButtonArgument(std::string_view word);

// What a key is to do. The macro of a play-macro function is one of the keyboard's, so it is
// looked up once the keyboard has been read.
struct KeyFunction {
    KeyAssignment record;
    std::string macro;          // the name or id of the macro to play; empty for other functions
    std::optional<int> repeat;  // how often the macro is to play, when it is to change
};

// default, disabled, key:NAME, mouse:left|right|middle|wheel-up|wheel-down,
// macro:NAME-or-ID[,repeat=R], stop-macro, media:NAME or function:N.
Checked<KeyFunction> KeyFunctionArgument(std::string_view word);

// How a file names a key: its English name without spaces, or its code (KEY_03A) when that
// name is empty or means another key; and the key a file's name means.
std::string KeyFileName(ScanCode key);
std::optional<ScanCode> KeyOfFileName(std::string_view name);

// The words these arguments accept, as `names` lists them: the keys of the keyboard picture by
// their English names and G1 to G9, the forms of FUNCTION, the mouse and the media functions.
std::vector<std::string> KeyWords();
std::vector<std::string> FunctionWords();
std::vector<std::string> MouseWords();
std::vector<std::string> MediaWords();

}  // namespace keyloom
