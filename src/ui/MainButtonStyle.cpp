#include "ui/MainButtonStyle.h"

namespace keyloom {

namespace {

constexpr int kCaptionPointSize = 10;
constexpr Color kCaptionNormal = 0xFFFFFF;
constexpr Color kCaptionHover = 0x0082FF;
constexpr Color kCaptionPressed = 0x049BFF;
constexpr Color kCaptionDisabled = 0x7F7F7F;
constexpr Color kCaptionMarked = 0xFF6400;

}  // namespace

ButtonTextStyle MainButtonTextStyle() {
    ButtonTextStyle style;
    style.on = true;
    style.pointSize = kCaptionPointSize;
    style.face = QStringLiteral("Arial Unicode MS");
    style.colors = {kCaptionNormal, kCaptionHover, kCaptionPressed, kCaptionDisabled,
                    kCaptionMarked};
    style.format = TEXT_FORMAT_CENTERED;
    return style;
}

}  // namespace keyloom
