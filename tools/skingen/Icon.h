#pragma once

// Line icons drawn on buttons, badges and page watermarks.

#include <QColor>
#include <QRectF>

class QPainter;

namespace keyloom::skingen {

enum class Icon {
    kNone,
    kMenu,
    kHelp,
    kMinimise,
    kClose,
    kGlobe,
    kPeople,
    kChat,
    kShare,
    kFolder,
    kLayers,
    kMacro,
    kRestore,
    kSwap,
    kKeyboard,
    kMedia,
    kFunction,
    kEraser,
    kPlus,
    kTrash,
    kRecord,
    kChip,
    kUpload,
    kSave,
    kBrush,
    kDrop,
    kArrowLeft,
    kArrowRight,
    kArrowUp,
    kArrowDown,
    kSpread,
    kGather,
};

// Draws the icon centred in `box`, scaled to its smaller side, with lines of `colour`.
void PaintIcon(QPainter& painter, const QRectF& box, Icon icon, const QColor& colour);

}  // namespace keyloom::skingen
