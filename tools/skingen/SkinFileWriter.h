#pragma once

// Writes a window's skin: its skin file, background and outline, and its full-window state
// pictures, after checking that the skin places every control the window reads.

#include <QString>
#include <span>

#include "FaceState.h"
#include "SkinFolder.h"
#include "SkinWindow.h"
#include "storage/SkinLayoutKeys.h"

namespace keyloom::skingen {

struct SkinScreenNames {
    QString background;
    QString outline;
    QString link;  // empty: the skin file names none
};

// Writes the skin file with sections SCREEN, BUTTONINFO and BUTTONINFO2, the background (the
// window in its normal look) and the outline.
void WriteSkinFile(SkinFolder& folder, const SkinWindowKeys& keys, const SkinWindow& window,
                   const SkinScreenNames& screen);

// One full-window picture: its file name and the look of the controls in it.
struct StatePicture {
    const char* name;
    FaceState state;
};

void WriteStatePictures(SkinFolder& folder, const SkinWindow& window,
                        std::span<const StatePicture> pictures);

}  // namespace keyloom::skingen
