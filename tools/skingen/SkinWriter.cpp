#include "SkinWriter.h"

#include "CompositeSkin.h"
#include "MainWindowSkin.h"
#include "ProfileSkin.h"
#include "SkinFolder.h"
#include "UpdateSkin.h"
#include "storage/SkinLayoutKeys.h"

namespace keyloom::skingen {

namespace {

void CheckPictures(SkinFolder& folder) {
    for (const SkinWindowKeys* window : AllSkinWindows()) {
        for (const auto* list : {&window->surfaces, &window->pictures}) {
            for (const std::string& picture : *list) {
                if (!folder.Wrote(QString::fromStdString(picture))) {
                    folder.Fail(QString::fromStdString(window->skinFile + " needs " + picture));
                }
            }
        }
    }
}

}  // namespace

bool WriteSkins(const QString& path) {
    SkinFolder folder(path);
    if (!folder.Create()) {
        folder.Fail("cannot create " + path);
        return false;
    }
    WriteMainWindowSkin(folder);
    WriteCompositeSkin(folder);
    WriteProfileSkin(folder);
    WriteUpdateSkin(folder);
    CheckPictures(folder);
    return !folder.Failed();
}

}  // namespace keyloom::skingen
