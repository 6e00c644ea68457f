// Binding a transport library older than the optional export.

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "device/DeviceLink.h"

namespace keyloom {
namespace {

TEST(TransportBindingTest, ALibraryWithTheTwelveExportsAloneBindsAndTellsNoAccessProblem) {
    std::string whyNot;
    const std::unique_ptr<DeviceLink> link = DeviceLink::Bind(TWELVE_EXPORTS_DIR, whyNot);
    ASSERT_NE(link, nullptr) << whyNot;
    EXPECT_EQ(link->Transport().DeviceCount(CONFIG_COLLECTION), 0u);
    EXPECT_EQ(link->Transport().RefusedNode(), std::nullopt);
}

}  // namespace
}  // namespace keyloom
