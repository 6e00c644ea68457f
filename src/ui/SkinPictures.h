#pragma once

// The main window's pictures (the lighting panel's bitmaps among them), loaded once from the skin
// folder when the window is made.

#include <QString>
#include <map>
#include <string>

#include "controls/NamedPicture.h"

namespace keyloom {

class SkinPictures {
  public:
    // `folder` with its trailing '/'. A missing or unreadable file gives an empty picture, which
    // the controls draw as nothing.
    explicit SkinPictures(const std::string& folder);

    const NamedPicture& Picture(const QString& name) const;
    // The slider picture of an image number 0 to 25; numbers beyond are taken as the nearest.
    const NamedPicture& SliderPicture(int number) const;

  private:
    std::map<QString, NamedPicture> m_pictures;
    NamedPicture m_missing;
};

}  // namespace keyloom
