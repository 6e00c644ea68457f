#include "editors/KeyEventScanCode.h"

#include <gtest/gtest.h>
#include <linux/input-event-codes.h>

namespace keyloom {
namespace {

struct NativeCase {
    quint32 nativeScanCode;
    ScanCode expected;
};

// Qt's native scan code on X11 and Wayland is the evdev code + 8.
constexpr NativeCase kNativeCases[] = {
    {KEY_A + 8, 0x01E},
    {KEY_RIGHTMETA + 8, 0x15C},
    {KEY_SYSRQ + 8, 0x137},
    {KEY_MUTE + 8, 0x120},
    {KEY_A, 0x016},  // evdev 22 is U: the offset is not skipped
    {0, 0},
    {7, 0},
    {KEY_RESERVED + 8, 0},
    {KEY_UNKNOWN + 8, 0},
};

TEST(KeyEventScanCodeTest, NativeCodeIsTheEvdevCodeShiftedByEight) {
    for (const auto& [native, expected] : kNativeCases) {
        const QKeyEvent event(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, native, 0, 0);
        EXPECT_EQ(ScanCodeOfKeyEvent(event), expected) << native;
    }
}

}  // namespace
}  // namespace keyloom
