#pragma once

// The skin's colours as 0xAARRGGBB: a near-black body, dark-grey caps and one electric-blue
// accent for pointer-over, pressed and marked looks.

#include <QColor>

namespace keyloom::skingen {

namespace palette {

inline constexpr QRgb kWindowTop = 0xff1a1c20;
inline constexpr QRgb kWindowBottom = 0xff101114;
inline constexpr QRgb kWindowEdge = 0xff34373e;
inline constexpr QRgb kTitleBand = 0xff202328;
inline constexpr QRgb kDivider = 0xff2a2d33;

inline constexpr QRgb kPlate = 0xff0c0d0f;
inline constexpr QRgb kPlateEdge = 0xff2b2e34;
inline constexpr QRgb kPlatePrint = 0xff4a4e56;

inline constexpr QRgb kPanel = 0xff15171b;
inline constexpr QRgb kPanelEdge = 0xff272a30;
inline constexpr QRgb kWell = 0xff0e0f12;
inline constexpr QRgb kWellEdge = 0xff2e3138;

inline constexpr QRgb kCapEdge = 0xff070809;
inline constexpr QRgb kCapSkirt = 0xff1d1f23;
inline constexpr QRgb kCapTop = 0xff3b3e45;
inline constexpr QRgb kCapBottom = 0xff2c2f35;
inline constexpr QRgb kCapOverSkirt = 0xff2a2e35;
inline constexpr QRgb kCapOverTop = 0xff5a5f69;
inline constexpr QRgb kCapOverBottom = 0xff454953;
inline constexpr QRgb kCapDownSkirt = 0xff141518;
inline constexpr QRgb kCapDownTop = 0xff24262b;
inline constexpr QRgb kCapDownBottom = 0xff1e2024;
inline constexpr QRgb kCapMarkedEdge = 0xff02203f;
inline constexpr QRgb kCapMarkedSkirt = 0xff04478c;
inline constexpr QRgb kCapMarkedTop = 0xff2593ff;
inline constexpr QRgb kCapMarkedBottom = 0xff006ad6;

inline constexpr QRgb kLegend = 0xfff1f3f6;
inline constexpr QRgb kLegendSoft = 0xffa9afb8;
inline constexpr QRgb kLegendDim = 0xff60656d;
inline constexpr QRgb kLegendPressed = 0xffcfe5ff;

inline constexpr QRgb kAccent = 0xff0082ff;
inline constexpr QRgb kAccentLight = 0xff5aaeff;
inline constexpr QRgb kAccentDeep = 0xff0058b3;
inline constexpr QRgb kAccentGlow = 0x660082ff;

inline constexpr QRgb kButtonTop = 0xff30333a;
inline constexpr QRgb kButtonBottom = 0xff25282d;
inline constexpr QRgb kButtonEdge = 0xff3d4149;
inline constexpr QRgb kButtonOverTop = 0xff3d4149;
inline constexpr QRgb kButtonOverBottom = 0xff30333a;
inline constexpr QRgb kButtonOverEdge = 0xff555a63;
inline constexpr QRgb kButtonDown = 0xff1b1d21;
inline constexpr QRgb kButtonPrimaryTop = 0xff1a8cff;
inline constexpr QRgb kButtonPrimaryBottom = 0xff0070e0;

inline constexpr QRgb kIcon = 0xff9aa1ab;
inline constexpr QRgb kIconBright = 0xfff4f6f8;
inline constexpr QRgb kHoverWash = 0x1fffffff;
inline constexpr QRgb kDownWash = 0x33000000;
inline constexpr QRgb kDanger = 0xffe5484d;
inline constexpr QRgb kDangerDeep = 0xffb8343a;
inline constexpr QRgb kRecord = 0xffff4d4f;

inline constexpr QRgb kLedOff = 0xff2a2d33;
inline constexpr QRgb kLedOn = 0xff36a3ff;

}  // namespace palette

inline QColor Colour(QRgb argb) {
    return QColor::fromRgba(argb);
}

}  // namespace keyloom::skingen
