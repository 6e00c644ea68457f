#pragma once

// The background of a skinned dialog: the window frame, a title badge and insets behind its
// ordinary controls.

#include <QRect>
#include <QSize>
#include <vector>

#include "Icon.h"

class QPainter;

namespace keyloom::skingen {

struct DialogBackdrop {
    QSize size;
    int titleHeight;
    QRect badge;  // empty: the title band has none
    Icon badgeIcon;
    bool wordMark;  // the maker's word mark beside the badge, for dialogs without a title text
    std::vector<QRect> wells;

    void operator()(QPainter& painter) const;
};

}  // namespace keyloom::skingen
