#include "ui/SkinPictures.h"

#include <algorithm>
#include <array>

namespace keyloom {

namespace {

constexpr int kSliderPictures = 26;  // "0.bmp" to "25.bmp"

constexpr std::array kPictureNames = {
    "dengup.bmp",    "dengdown.bmp",   "leftup.bmp",    "leftdown.bmp",   "rightup.bmp",
    "rightdown.bmp", "upup.bmp",       "updown.bmp",    "downup.bmp",     "downdown.bmp",
    "kuosan.bmp",    "kuosandown.bmp", "julong.bmp",    "julongdown.bmp", "hong.bmp",
    "hongok.bmp",    "huang.bmp",      "huangok.bmp",   "lv.bmp",         "lvok.bmp",
    "lan.bmp",       "lanok.bmp",      "sjsup.bmp",     "sjsdown.bmp",    "user1up.bmp",
    "user1down.bmp", "user2up.bmp",    "user2down.bmp",
};

QString SliderName(int number) {
    return QString::number(number) + ".bmp";
}

}  // namespace

SkinPictures::SkinPictures(const std::string& folder) {
    const QString base = QString::fromStdString(folder);
    const auto load = [&](const QString& name) { m_pictures[name] = {name, QPixmap(base + name)}; };
    for (const char* name : kPictureNames) {
        load(QString::fromLatin1(name));
    }
    for (int number = 0; number < kSliderPictures; ++number) {
        load(SliderName(number));
    }
}

const NamedPicture& SkinPictures::Picture(const char* name) const {
    const auto found = m_pictures.find(QString::fromLatin1(name));
    return found != m_pictures.end() ? found->second : m_missing;
}

const NamedPicture& SkinPictures::SliderPicture(int number) const {
    return m_pictures.at(SliderName(std::clamp(number, 0, kSliderPictures - 1)));
}

}  // namespace keyloom
