#include "ui/SkinPictures.h"

#include <algorithm>

#include "storage/SkinLayoutKeys.h"

namespace keyloom {

namespace {

constexpr int kSliderPictures = 26;  // "0.bmp" to "25.bmp"

QString SliderName(int number) {
    return QString::number(number) + ".bmp";
}

}  // namespace

SkinPictures::SkinPictures(const std::string& folder) {
    const QString base = QString::fromStdString(folder);
    for (const std::string& file : MainSkinKeys().pictures) {
        const QString name = QString::fromStdString(file);
        m_pictures[name] = {name, QPixmap(base + name)};
    }
}

const NamedPicture& SkinPictures::Picture(const QString& name) const {
    const auto found = m_pictures.find(name);
    return found != m_pictures.end() ? found->second : m_missing;
}

const NamedPicture& SkinPictures::SliderPicture(int number) const {
    return Picture(SliderName(std::clamp(number, 0, kSliderPictures - 1)));
}

}  // namespace keyloom
