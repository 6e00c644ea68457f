#pragma once

// Language texts are used as printf formats with one value that the caller owns. These fill
// them without handing the text to printf, so a damaged or hostile text can neither read nor
// write memory: only the first placeholder of the right kind is filled, "%%" gives '%', and every
// other directive (a second placeholder, one of the other kind, %n, %p, %*d, a '%' at the end...)
// is copied as it stands.
//
// A placeholder is '%', flags from "-+ #0", an optional width, an optional '.' and precision, an
// optional length modifier ("h", "hh", "l", "ll", ignored) and the conversion. A width or
// precision of 260 or more is absurd for a 260-character text, so such a directive is copied as
// it stands as well.

#include <string>

namespace keyloom {

// Fills the first %d, %i, %u, %x or %X. %u, %x and %X show the value as a 64-bit unsigned number.
std::string FormatWithInt(const std::string& format, long long value);

// Fills the first %s, %S or %ls (all the same here: the value is UTF-8). Width and precision
// count characters, not bytes, and the precision never cuts a character in half.
std::string FormatWithString(const std::string& format, const std::string& value);

}  // namespace keyloom
