#include "model/EvdevScanCodes.h"

#include <linux/input-event-codes.h>

#include <gtest/gtest.h>

#include <set>

#include "model/KeyCatalog.h"

namespace keyloom {
namespace {

// Sys Req arrives as Print Screen, the E0 36 Right Shift as Right Shift; the wheel is an axis,
// and the pseudo functions are sent by no key at all.
bool HasNoEvdevKey(ScanCode code) {
    return code == 0x054 || code == 0x136 || code == 0x161 || code == 0x162 ||
           (code >= 0x16E && code <= 0x170) || (code >= 0x174 && code <= 0x17E);
}

TEST(EvdevScanCodesTest, FollowsTheKernelsSetOneTranslation) {
    // The kernel numbers the main block by set-1 make code; Num Lock alone is extended here.
    for (unsigned evdevCode = KEY_ESC; evdevCode <= KEY_F12; ++evdevCode) {
        const ScanCode code = ScanCodeOfEvdevKey(evdevCode);
        EXPECT_TRUE(code == 0 || code == evdevCode || evdevCode == KEY_NUMLOCK) << evdevCode;
    }
    EXPECT_EQ(ScanCodeOfEvdevKey(KEY_NUMLOCK), 0x145);
    EXPECT_EQ(ScanCodeOfEvdevKey(KEY_PAUSE), 0x045);
    EXPECT_EQ(ScanCodeOfEvdevKey(KEY_SYSRQ), 0x137);
    EXPECT_EQ(ScanCodeOfEvdevKey(KEY_KPSLASH), 0x135);
    EXPECT_EQ(ScanCodeOfEvdevKey(KEY_COMPOSE), 0x15D);
    EXPECT_EQ(ScanCodeOfEvdevKey(KEY_VOLUMEDOWN), 0x12E);
    EXPECT_EQ(ScanCodeOfEvdevKey(BTN_MIDDLE), 0x173);
    // USB and PS/2 keyboards give some application keys different codes.
    EXPECT_EQ(ScanCodeOfEvdevKey(KEY_COMPUTER), ScanCodeOfEvdevKey(KEY_FILE));
    EXPECT_EQ(ScanCodeOfEvdevKey(KEY_MEDIA), ScanCodeOfEvdevKey(KEY_CONFIG));
    const unsigned withoutKey[] = {KEY_RESERVED, 84, KEY_ZENKAKUHANKAKU, BTN_SIDE, 0xFFFFFFFFu};
    for (unsigned evdevCode : withoutKey) {
        EXPECT_EQ(ScanCodeOfEvdevKey(evdevCode), 0) << evdevCode;
    }
}

TEST(EvdevScanCodesTest, ReachesEveryCatalogKeyThatAKeyCanSend) {
    std::set<ScanCode> reached;
    for (unsigned evdevCode = 0; evdevCode <= KEY_MAX; ++evdevCode) {
        if (const ScanCode code = ScanCodeOfEvdevKey(evdevCode); code != 0) {
            reached.insert(code);
            EXPECT_FALSE(IsEmptySlot(EntryOfScanCode(code)) || HasNoEvdevKey(code)) << code;
        }
    }
    for (KeyIndex index = 0; index < kKeyCatalogSize; ++index) {
        const ScanCode code = ScanCodeOfIndex(index);
        if (!IsEmptySlot(KeyCatalog[index]) && !HasNoEvdevKey(code)) {
            EXPECT_EQ(reached.count(code), 1u) << code;
        }
    }
}

}  // namespace
}  // namespace keyloom
