#pragma once

// Where each key of the full-size keyboard sits and what its cap says. Positions are in key units
// (the width of a letter key) from the top-left corner of the key's cluster.

#include <QRect>
#include <span>

#include "model/ScanCode.h"

namespace keyloom::skingen {

enum class Cluster { kMain, kNavigation, kNumpad };

// How a cap's legend is laid out.
enum class LegendStyle {
    kLetter,  // one large centred character
    kWord,    // a small centred word; '\n' stacks two lines
    kDual,    // shifted character above, plain character below
    kKeypad,  // digit above, navigation legend below in small type
    kGlyph,   // a centred symbol such as an arrow
    kTag,     // a small legend at the left end, the middle left free for a caption
};

// Legends are UTF-8.
struct KeyLegend {
    LegendStyle style;
    const char* primary;
    const char* secondary = "";  // kDual: the shifted character; kKeypad: the navigation legend
};

struct KeyPlace {
    ScanCode code;  // 0 for Fn, which has no key of its own
    Cluster cluster;
    double column;
    int row;  // 0 the function row, 1 to 5 the rows below it
    double width;
    double height;
    KeyLegend legend;
};

// The 105 key buttons and Fn.
std::span<const KeyPlace> KeyPlaces();

// The place of a key; nullptr when the layout has none for it.
const KeyPlace* FindKeyPlace(ScanCode code);

// The Fn key, which has no ScanCode.
const KeyPlace& FnKeyPlace();

// Pixel geometry of the keyboard inside the window.
struct KeyboardGeometry {
    int unit;         // pitch of one key unit in pixels
    int gap;          // pixels between neighbouring key rectangles
    int functionGap;  // extra pixels between the function row and the number row
    QPoint main;      // top-left corner of each cluster's function row
    QPoint navigation;
    QPoint numpad;

    static constexpr int kRows = 6;

    QRect RectOf(const KeyPlace& place) const;
    // The bottom edge of the lowest key row.
    constexpr int Bottom() const { return main.y() + kRows * unit + functionGap - gap; }
};

}  // namespace keyloom::skingen
