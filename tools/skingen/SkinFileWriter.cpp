#include "SkinFileWriter.h"

#include <QRect>
#include <algorithm>
#include <vector>

#include "WindowFrame.h"
#include "storage/SkinFile.h"

namespace keyloom::skingen {

namespace {

constexpr const char* kHeader = "; Keyloom skin. Rectangles are x,y,width,height in pixels.\n";

bool HasKey(const std::vector<SkinControl>& controls, const std::string& key) {
    return std::any_of(controls.begin(), controls.end(),
                       [&key](const SkinControl& control) { return control.key == key; });
}

void CheckKeys(SkinFolder& folder, const SkinWindowKeys& keys,
               const std::vector<SkinControl>& controls, const std::vector<std::string>& wanted) {
    for (const std::string& key : wanted) {
        if (!HasKey(controls, key)) {
            folder.Fail(QString::fromStdString(keys.skinFile + " does not place " + key));
        }
    }
}

void CheckAllKeys(SkinFolder& folder, const SkinWindowKeys& keys, const SkinWindow& window) {
    for (const auto* list : {&keys.skinned, &keys.placed, &keys.moved, &keys.arrowPlaces}) {
        CheckKeys(folder, keys, window.controls, *list);
    }
    CheckKeys(folder, keys, window.arrowFaces, keys.arrowFaces);
}

void AppendSection(QByteArray& text, const char* section,
                   const std::vector<SkinControl>& controls) {
    if (controls.empty()) {
        return;
    }
    text += QByteArray("\n[") + section + "]\n";
    for (const SkinControl& control : controls) {
        const QRect& r = control.rect;
        text += QString("%1=%2,%3,%4,%5\n")
                    .arg(QString::fromStdString(control.key))
                    .arg(r.x())
                    .arg(r.y())
                    .arg(r.width())
                    .arg(r.height())
                    .toUtf8();
    }
}

QByteArray SkinFileText(const SkinWindow& window, const SkinScreenNames& screen) {
    QByteArray text = kHeader;
    text += QByteArray("\n[") + SKIN_SECTION_SCREEN + "]\n";
    text += "Main=" + screen.background.toUtf8() + "\n";
    text += "Mask=" + screen.outline.toUtf8() + "\n";
    if (!screen.link.isEmpty()) {
        text += "Link=" + screen.link.toUtf8() + "\n";
    }
    AppendSection(text, SKIN_SECTION_BUTTONS, window.controls);
    AppendSection(text, SKIN_SECTION_ARROWS, window.arrowFaces);
    return text;
}

}  // namespace

void WriteSkinFile(SkinFolder& folder, const SkinWindowKeys& keys, const SkinWindow& window,
                   const SkinScreenNames& screen) {
    CheckAllKeys(folder, keys, window);
    folder.SaveText(QString::fromStdString(keys.skinFile), SkinFileText(window, screen));
    folder.SaveJpeg(screen.background, RenderSkinWindow(window, FaceState::kNormal));
    folder.SaveBitmap(screen.outline, OutlinePicture(window.size));
}

void WriteStatePictures(SkinFolder& folder, const SkinWindow& window,
                        std::span<const StatePicture> pictures) {
    for (const StatePicture& picture : pictures) {
        folder.SaveJpeg(picture.name, RenderSkinWindow(window, picture.state));
    }
}

}  // namespace keyloom::skingen
