#pragma once

// One control of a skinned window: its skin key, its rectangle and what the state pictures show
// under it.

#include <QRect>
#include <QString>
#include <string>
#include <variant>
#include <vector>

#include "Icon.h"
#include "KeyboardLayout.h"

namespace keyloom::skingen {

// Nothing: the control draws itself (labels, lists, edit boxes, bitmaps) or shows another picture.
struct NoFace {};

struct KeyCapFace {
    KeyLegend legend;
};

enum class ButtonRole { kPrimary, kSecondary };

// A button whose caption the tool draws at run time; an icon, if any, sits at its left end.
struct ButtonFace {
    ButtonRole role = ButtonRole::kSecondary;
    Icon icon = Icon::kNone;
};

// A borderless icon button; a danger button (close) turns red under the pointer.
struct IconButtonFace {
    Icon icon;
    bool danger = false;
    bool boxed = false;  // drawn on a button face instead of the bare background
};

// One of a row of choices, with a printed label.
struct SegmentFace {
    QString label;
};

enum class IndicatorKind {
    kLamp,  // a lamp above its label
    kBank,  // the G-key bank: A lit normally, B in every other look
    kFlip,  // a lamp beside its label
};

struct IndicatorFace {
    QString label;
    IndicatorKind kind;
};

// The maker's mark: the top link.
struct LogoFace {};

// A tab of a tabbed dialog; a locked tab is shown dimmed.
struct TabFace {
    Icon icon;
    bool locked = false;
};

// A dialog's title badge.
struct BadgeFace {
    Icon icon;
};

// The page area of a dialog: a panel with insets behind its controls and a faint watermark.
struct PageFace {
    Icon watermark;
    std::vector<QRect> wells;
};

using Face = std::variant<NoFace, KeyCapFace, ButtonFace, IconButtonFace, SegmentFace,
                          IndicatorFace, LogoFace, TabFace, BadgeFace, PageFace>;

struct SkinControl {
    std::string key;
    QRect rect;
    Face face = NoFace{};
};

}  // namespace keyloom::skingen
