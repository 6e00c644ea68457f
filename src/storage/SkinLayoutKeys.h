#pragma once

// What each skinned window reads from the "Skins" folder: its skin file, the keys of the controls
// it places from that file (grouped by the way it places them) and the pictures it loads by name.
// The windows and the shipped skin share these lists, so a control the windows read is never
// missing from the skin.

#include <string>
#include <vector>

#include "model/ScanCode.h"

namespace keyloom {

struct SkinWindowKeys {
    std::string skinFile;  // file name inside the "Skins" folder
    // Section BUTTONINFO.
    std::vector<std::string> skinned;  // image buttons (PlaceSkinnedControl)
    std::vector<std::string> placed;   // ordinary controls (PlaceControl)
    std::vector<std::string> moved;    // controls moved keeping their size (MoveControlKeepSize)
    // Arrow indicators (PlaceArrowControl): places in BUTTONINFO, faces in BUTTONINFO2.
    std::vector<std::string> arrowPlaces;
    std::vector<std::string> arrowFaces;
    // Pictures the window loads by name besides those of section SCREEN, relative to the folder:
    // full-window state pictures, the size of the background, from which image buttons show the
    // piece under their face origin, and other pictures (arrow faces, the lighting panel's
    // bitmaps, each the size of the control that shows it).
    std::vector<std::string> surfaces;
    std::vector<std::string> pictures;
};

inline constexpr const char* SKIN_FOLDER = "Skins";

// The skin key of a key button: "KEY_%03X" from the KeyIndex of its key.
std::string KeyButtonSkinKey(ScanCode code);

// The skin key of G key `number` (1 to 9): "FUNC_G%d".
std::string GKeySkinKey(int number);

// The arrow indicators' places and the faces of the flip state they show.
inline constexpr const char* SKIN_LEFT_ARROW = "LEFT_ARROW";
inline constexpr const char* SKIN_RIGHT_ARROW = "RIGHT_ARROW";
// "%s%d" from the prefix and 1: the face shown with the flip setting set (up) or clear (down).
std::string ArrowFaceSkinKey(bool left, bool flipSet);

// The main window with its lighting panel, the key settings dialog, the profile manager and the
// firmware update dialog.
const SkinWindowKeys& MainSkinKeys();
const SkinWindowKeys& CompositeSkinKeys();
const SkinWindowKeys& ProfileSkinKeys();
const SkinWindowKeys& UpdateSkinKeys();

// The four windows above, in that order.
const std::vector<const SkinWindowKeys*>& AllSkinWindows();

}  // namespace keyloom
