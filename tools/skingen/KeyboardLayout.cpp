#include "KeyboardLayout.h"

#include <QtMath>
#include <algorithm>
#include <array>

namespace keyloom::skingen {

namespace {

using enum Cluster;
using enum LegendStyle;

// Rows: ANSI widths with the ISO extra key (K45) beside a short left Shift, and the Fn key
// between the right Windows key and the application key.
constexpr std::array<KeyPlace, 106> kKeys = {{
    {0x001, kMain, 0, 0, 1, 1, {kWord, "Esc"}},
    {0x03B, kMain, 2, 0, 1, 1, {kWord, "F1"}},
    {0x03C, kMain, 3, 0, 1, 1, {kWord, "F2"}},
    {0x03D, kMain, 4, 0, 1, 1, {kWord, "F3"}},
    {0x03E, kMain, 5, 0, 1, 1, {kWord, "F4"}},
    {0x03F, kMain, 6.5, 0, 1, 1, {kWord, "F5"}},
    {0x040, kMain, 7.5, 0, 1, 1, {kWord, "F6"}},
    {0x041, kMain, 8.5, 0, 1, 1, {kWord, "F7"}},
    {0x042, kMain, 9.5, 0, 1, 1, {kWord, "F8"}},
    {0x043, kMain, 11, 0, 1, 1, {kWord, "F9"}},
    {0x044, kMain, 12, 0, 1, 1, {kWord, "F10"}},
    {0x057, kMain, 13, 0, 1, 1, {kWord, "F11"}},
    {0x058, kMain, 14, 0, 1, 1, {kWord, "F12"}},

    {0x029, kMain, 0, 1, 1, 1, {kDual, "`", "~"}},
    {0x002, kMain, 1, 1, 1, 1, {kDual, "1", "!"}},
    {0x003, kMain, 2, 1, 1, 1, {kDual, "2", "@"}},
    {0x004, kMain, 3, 1, 1, 1, {kDual, "3", "#"}},
    {0x005, kMain, 4, 1, 1, 1, {kDual, "4", "$"}},
    {0x006, kMain, 5, 1, 1, 1, {kDual, "5", "%"}},
    {0x007, kMain, 6, 1, 1, 1, {kDual, "6", "^"}},
    {0x008, kMain, 7, 1, 1, 1, {kDual, "7", "&"}},
    {0x009, kMain, 8, 1, 1, 1, {kDual, "8", "*"}},
    {0x00A, kMain, 9, 1, 1, 1, {kDual, "9", "("}},
    {0x00B, kMain, 10, 1, 1, 1, {kDual, "0", ")"}},
    {0x00C, kMain, 11, 1, 1, 1, {kDual, "-", "_"}},
    {0x00D, kMain, 12, 1, 1, 1, {kDual, "=", "+"}},
    {0x00E, kMain, 13, 1, 2, 1, {kWord, "Backspace"}},

    {0x00F, kMain, 0, 2, 1.5, 1, {kWord, "Tab"}},
    {0x010, kMain, 1.5, 2, 1, 1, {kLetter, "Q"}},
    {0x011, kMain, 2.5, 2, 1, 1, {kLetter, "W"}},
    {0x012, kMain, 3.5, 2, 1, 1, {kLetter, "E"}},
    {0x013, kMain, 4.5, 2, 1, 1, {kLetter, "R"}},
    {0x014, kMain, 5.5, 2, 1, 1, {kLetter, "T"}},
    {0x015, kMain, 6.5, 2, 1, 1, {kLetter, "Y"}},
    {0x016, kMain, 7.5, 2, 1, 1, {kLetter, "U"}},
    {0x017, kMain, 8.5, 2, 1, 1, {kLetter, "I"}},
    {0x018, kMain, 9.5, 2, 1, 1, {kLetter, "O"}},
    {0x019, kMain, 10.5, 2, 1, 1, {kLetter, "P"}},
    {0x01A, kMain, 11.5, 2, 1, 1, {kDual, "[", "{"}},
    {0x01B, kMain, 12.5, 2, 1, 1, {kDual, "]", "}"}},
    {0x02B, kMain, 13.5, 2, 1.5, 1, {kDual, "\\", "|"}},

    {0x03A, kMain, 0, 3, 1.75, 1, {kWord, "Caps Lock"}},
    {0x01E, kMain, 1.75, 3, 1, 1, {kLetter, "A"}},
    {0x01F, kMain, 2.75, 3, 1, 1, {kLetter, "S"}},
    {0x020, kMain, 3.75, 3, 1, 1, {kLetter, "D"}},
    {0x021, kMain, 4.75, 3, 1, 1, {kLetter, "F"}},
    {0x022, kMain, 5.75, 3, 1, 1, {kLetter, "G"}},
    {0x023, kMain, 6.75, 3, 1, 1, {kLetter, "H"}},
    {0x024, kMain, 7.75, 3, 1, 1, {kLetter, "J"}},
    {0x025, kMain, 8.75, 3, 1, 1, {kLetter, "K"}},
    {0x026, kMain, 9.75, 3, 1, 1, {kLetter, "L"}},
    {0x027, kMain, 10.75, 3, 1, 1, {kDual, ";", ":"}},
    {0x028, kMain, 11.75, 3, 1, 1, {kDual, "'", "\""}},
    {0x01C, kMain, 12.75, 3, 2.25, 1, {kWord, "Enter"}},

    {0x02A, kMain, 0, 4, 1.25, 1, {kWord, "Shift"}},
    {0x056, kMain, 1.25, 4, 1, 1, {kDual, "<", ">"}},
    {0x02C, kMain, 2.25, 4, 1, 1, {kLetter, "Z"}},
    {0x02D, kMain, 3.25, 4, 1, 1, {kLetter, "X"}},
    {0x02E, kMain, 4.25, 4, 1, 1, {kLetter, "C"}},
    {0x02F, kMain, 5.25, 4, 1, 1, {kLetter, "V"}},
    {0x030, kMain, 6.25, 4, 1, 1, {kLetter, "B"}},
    {0x031, kMain, 7.25, 4, 1, 1, {kLetter, "N"}},
    {0x032, kMain, 8.25, 4, 1, 1, {kLetter, "M"}},
    {0x033, kMain, 9.25, 4, 1, 1, {kDual, ",", "<"}},
    {0x034, kMain, 10.25, 4, 1, 1, {kDual, ".", ">"}},
    {0x035, kMain, 11.25, 4, 1, 1, {kDual, "/", "?"}},
    {0x036, kMain, 12.25, 4, 2.75, 1, {kWord, "Shift"}},

    {0x01D, kMain, 0, 5, 1.25, 1, {kWord, "Ctrl"}},
    {0x15B, kMain, 1.25, 5, 1.25, 1, {kWord, "Win"}},
    {0x038, kMain, 2.5, 5, 1.25, 1, {kWord, "Alt"}},
    {0x039, kMain, 3.75, 5, 6.25, 1, {kWord, ""}},
    {0x138, kMain, 10, 5, 1, 1, {kWord, "Alt"}},
    {0x15C, kMain, 11, 5, 1, 1, {kWord, "Win"}},
    {0x000, kMain, 12, 5, 1, 1, {kWord, "Fn"}},
    {0x15D, kMain, 13, 5, 1, 1, {kWord, "Menu"}},
    {0x11D, kMain, 14, 5, 1, 1, {kWord, "Ctrl"}},

    {0x137, kNavigation, 0, 0, 1, 1, {kWord, "Print\nScreen"}},
    {0x046, kNavigation, 1, 0, 1, 1, {kWord, "Scroll\nLock"}},
    {0x045, kNavigation, 2, 0, 1, 1, {kWord, "Pause"}},
    {0x152, kNavigation, 0, 1, 1, 1, {kWord, "Insert"}},
    {0x147, kNavigation, 1, 1, 1, 1, {kWord, "Home"}},
    {0x149, kNavigation, 2, 1, 1, 1, {kWord, "Page\nUp"}},
    {0x153, kNavigation, 0, 2, 1, 1, {kWord, "Delete"}},
    {0x14F, kNavigation, 1, 2, 1, 1, {kWord, "End"}},
    {0x151, kNavigation, 2, 2, 1, 1, {kWord, "Page\nDown"}},
    {0x148, kNavigation, 1, 4, 1, 1, {kGlyph, "▲"}},
    {0x14B, kNavigation, 0, 5, 1, 1, {kGlyph, "◀"}},
    {0x150, kNavigation, 1, 5, 1, 1, {kGlyph, "▼"}},
    {0x14D, kNavigation, 2, 5, 1, 1, {kGlyph, "▶"}},

    {0x145, kNumpad, 0, 1, 1, 1, {kWord, "Num\nLock"}},
    {0x135, kNumpad, 1, 1, 1, 1, {kGlyph, "/"}},
    {0x037, kNumpad, 2, 1, 1, 1, {kGlyph, "*"}},
    {0x04A, kNumpad, 3, 1, 1, 1, {kGlyph, "−"}},
    {0x047, kNumpad, 0, 2, 1, 1, {kKeypad, "7", "Home"}},
    {0x048, kNumpad, 1, 2, 1, 1, {kKeypad, "8", "▲"}},
    {0x049, kNumpad, 2, 2, 1, 1, {kKeypad, "9", "PgUp"}},
    {0x04E, kNumpad, 3, 2, 1, 2, {kGlyph, "+"}},
    {0x04B, kNumpad, 0, 3, 1, 1, {kKeypad, "4", "◀"}},
    {0x04C, kNumpad, 1, 3, 1, 1, {kKeypad, "5"}},
    {0x04D, kNumpad, 2, 3, 1, 1, {kKeypad, "6", "▶"}},
    {0x04F, kNumpad, 0, 4, 1, 1, {kKeypad, "1", "End"}},
    {0x050, kNumpad, 1, 4, 1, 1, {kKeypad, "2", "▼"}},
    {0x051, kNumpad, 2, 4, 1, 1, {kKeypad, "3", "PgDn"}},
    {0x11C, kNumpad, 3, 4, 1, 2, {kWord, "Enter"}},
    {0x052, kNumpad, 0, 5, 2, 1, {kKeypad, "0", "Ins"}},
    {0x053, kNumpad, 2, 5, 1, 1, {kKeypad, ".", "Del"}},
}};

constexpr ScanCode kFnCode = 0;

}  // namespace

std::span<const KeyPlace> KeyPlaces() {
    return kKeys;
}

const KeyPlace* FindKeyPlace(ScanCode code) {
    const auto found = std::find_if(kKeys.begin(), kKeys.end(),
                                    [code](const KeyPlace& place) { return place.code == code; });
    return found == kKeys.end() ? nullptr : &*found;
}

const KeyPlace& FnKeyPlace() {
    return *FindKeyPlace(kFnCode);
}

QRect KeyboardGeometry::RectOf(const KeyPlace& place) const {
    const QPoint origin = place.cluster == Cluster::kMain         ? main
                          : place.cluster == Cluster::kNavigation ? navigation
                                                                  : numpad;
    const int top = origin.y() + place.row * unit + (place.row > 0 ? functionGap : 0);
    const int left = origin.x() + qRound(place.column * unit);
    const int right = origin.x() + qRound((place.column + place.width) * unit);
    return QRect(left, top, right - left - gap, qRound(place.height * unit) - gap);
}

}  // namespace keyloom::skingen
