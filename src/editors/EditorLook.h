#pragma once

// The look the editors share: the picture sets of their image buttons, the captions on them and
// the title in their header.

#include <QLabel>
#include <string>

#include "controls/CBaseDialog.h"
#include "controls/CPngButton.h"

namespace keyloom {

// The set "<name>_normal.jpg", "_over.jpg", "_down.jpg" (also shown marked) and, when the set
// has one, "_disable.jpg" (otherwise the normal picture) in the skin folder (with its '/').
ButtonSurfaces CompositeImageSet(const std::string& skinFolder, const std::string& name,
                                 bool ownDisabled);

// Light captions; a marked button's (the record button while it records) turns red.
ButtonTextStyle CompositeCaptionStyle();

// An image button of the dialog with such a caption, placed by its skin key.
CPngButton* AddCaptionedButton(CBaseDialog& dialog, const std::string& skinKey);

// The dialog's title, placed by its skin key, in the panel's caption colour and a little larger.
void PlaceEditorTitle(CBaseDialog& dialog, QLabel& title, const std::string& skinKey);

}  // namespace keyloom
