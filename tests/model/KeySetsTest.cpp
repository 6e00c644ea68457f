#include "model/KeySets.h"

#include <gtest/gtest.h>

#include <set>

#include "model/DeviceUsage.h"

namespace keyloom {
namespace {

TEST(KeySetsTest, MediaKeysAreTheKeysWithAConsumerUsage) {
    std::set<ScanCode> withConsumerUsage;
    for (uint16_t usage : ConsumerUsageTable) {
        withConsumerUsage.insert(ScanCodeOfDeviceUsage({kConsumerPage, usage}));
    }
    EXPECT_EQ(std::set<ScanCode>(MediaKeySet.begin(), MediaKeySet.end()), withConsumerUsage);
    EXPECT_EQ(withConsumerUsage.size(), MediaKeySet.size());
    for (ScanCode code : MediaKeySet) {
        EXPECT_TRUE(IsMediaKey(code) && !IsSingleEventKey(code)) << code;
    }
    EXPECT_TRUE(IsSingleEventKey(0x137) && !IsMediaKey(0x137));
    EXPECT_FALSE(IsSingleEventKey(0x037) || IsMediaKey(0x037) || IsMediaKey(0));
}

}  // namespace
}  // namespace keyloom
