#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "KeyboardDescriptors.h"
#include "KeyboardList.h"
#include "ReportDescriptor.h"
#include "ReportRouter.h"

namespace zozodiz {
namespace {

using namespace test;

const std::vector<Collection> kAllThree = {kConsumerCollection, kConfigCollection,
                                           kBankStatusCollection};

// --- report descriptor ---

TEST(ReportDescriptorTest, InputReportIdsBelongToTheirTopLevelCollections) {
    const ReportLayout layout = ParseReportDescriptor(kNumberedDescriptor);
    EXPECT_TRUE(layout.numbered);
    EXPECT_EQ(layout.OwnerOf(2), kSystemControl);
    EXPECT_EQ(layout.OwnerOf(3), kConsumerCollection);
    EXPECT_EQ(layout.OwnerOf(4), kConfigCollection);
}

TEST(ReportDescriptorTest, OutputOnlyReportIdsOwnNoInputReports) {
    const ReportLayout layout = ParseReportDescriptor(kNumberedDescriptor);
    EXPECT_EQ(layout.OwnerOf(5), std::nullopt);
    EXPECT_EQ(layout.OwnerOf(1), std::nullopt);
}

TEST(ReportDescriptorTest, DescriptorWithoutReportIdsIsNotNumbered) {
    EXPECT_FALSE(ParseReportDescriptor(kPlainConsumerDescriptor).numbered);
}

TEST(ReportDescriptorTest, FourByteUsageCarriesItsOwnPage) {
    const std::vector<uint8_t> descriptor = {0x05, 0x01, 0x0B, 0x92, 0x00, 0x1C, 0xFF, 0xA1, 0x01,
                                             0x85, 0x04, 0x75, 0x08, 0x95, 0x3F, 0x81, 0x02, 0xC0};
    EXPECT_EQ(ParseReportDescriptor(descriptor).OwnerOf(4), kConfigCollection);
}

TEST(ReportDescriptorTest, PopRestoresThePushedReportId) {
    const std::vector<uint8_t> descriptor = {
        0x05, 0x0C, 0x09, 0x01, 0xA1, 0x01, 0x85, 0x03, 0xA4, 0x85,
        0x07, 0xB4, 0x75, 0x10, 0x95, 0x01, 0x81, 0x00, 0xC0,
    };
    const ReportLayout layout = ParseReportDescriptor(descriptor);
    EXPECT_EQ(layout.OwnerOf(3), kConsumerCollection);
    EXPECT_EQ(layout.OwnerOf(7), std::nullopt);
}

TEST(ReportDescriptorTest, NestedCollectionsBelongToTheTopLevelOne) {
    const std::vector<uint8_t> descriptor = {
        0x06, 0x1C, 0xFF, 0x09, 0x92, 0xA1, 0x01, 0x09, 0x01, 0xA1, 0x02,
        0x85, 0x04, 0x75, 0x08, 0x95, 0x3F, 0x81, 0x02, 0xC0, 0xC0,
    };
    EXPECT_EQ(ParseReportDescriptor(descriptor).OwnerOf(4), kConfigCollection);
}

TEST(ReportDescriptorTest, LongItemsAreSkipped) {
    const std::vector<uint8_t> descriptor = {0xFE, 0x02, 0x10, 0xAA, 0xBB, 0x05, 0x0C, 0x09,
                                             0x01, 0xA1, 0x01, 0x85, 0x03, 0x81, 0x00, 0xC0};
    EXPECT_EQ(ParseReportDescriptor(descriptor).OwnerOf(3), kConsumerCollection);
}

TEST(ReportDescriptorTest, TruncatedDescriptorKeepsWhatCameBeforeTheCut) {
    const ReportLayout layout = ParseReportDescriptor(kTruncatedDescriptor);
    EXPECT_EQ(layout.OwnerOf(3), kConsumerCollection);
    EXPECT_EQ(layout.OwnerOf(4), std::nullopt);
}

TEST(ReportDescriptorTest, EmptyDescriptorSaysNothing) {
    const ReportLayout layout = ParseReportDescriptor({});
    EXPECT_FALSE(layout.numbered);
    EXPECT_TRUE(layout.owners.empty());
}

// --- routing ---

TEST(ReportRouterTest, ConfigurationReportGoesOnWholeWithItsReportId) {
    const ReportRouter router(kAllThree, ParseReportDescriptor(kNumberedDescriptor));
    const std::optional<RoutedReport> routed = router.Route(ConfigReport());
    ASSERT_TRUE(routed);
    EXPECT_EQ(routed->collection, kConfigCollection);
    EXPECT_EQ(routed->offset, 0u);
}

TEST(ReportRouterTest, ConsumerReportLosesItsReportIdSoTheCodeComesFirst) {
    const ReportRouter router(kAllThree, ParseReportDescriptor(kNumberedDescriptor));
    const std::vector<uint8_t> report = {0x03, 0xFF, 0x02};
    const std::optional<RoutedReport> routed = router.Route(report);
    ASSERT_TRUE(routed);
    EXPECT_EQ(routed->collection, kConsumerCollection);
    EXPECT_EQ(routed->offset, 1u);
}

TEST(ReportRouterTest, ReportsOfCollectionsWeDoNotServeAreDropped) {
    const ReportRouter router(kAllThree, ParseReportDescriptor(kNumberedDescriptor));
    const std::vector<uint8_t> systemControl = {0x02, 0x01};
    EXPECT_EQ(router.Route(systemControl), std::nullopt);
}

TEST(ReportRouterTest, UnknownReportIdOnASharedInterfaceIsDropped) {
    const ReportRouter router(kAllThree, ParseReportDescriptor(kNumberedDescriptor));
    const std::vector<uint8_t> report = {0x09, 0x01, 0x02};
    EXPECT_EQ(router.Route(report), std::nullopt);
}

TEST(ReportRouterTest, UnknownReportIdGoesToTheOnlyCollectionOfItsInterface) {
    const ReportRouter router({kConfigCollection}, ParseReportDescriptor(kNumberedDescriptor));
    std::vector<uint8_t> report = ConfigReport();
    report[0] = 0x09;
    const std::optional<RoutedReport> routed = router.Route(report);
    ASSERT_TRUE(routed);
    EXPECT_EQ(routed->collection, kConfigCollection);
    EXPECT_EQ(routed->offset, 0u);
}

TEST(ReportRouterTest, InterfaceWithoutReportIdsHandsTheCodeOnAsItCame) {
    const ReportRouter router({kConsumerCollection},
                              ParseReportDescriptor(kPlainConsumerDescriptor));
    const std::vector<uint8_t> report = {0x01, 0x04};
    const std::optional<RoutedReport> routed = router.Route(report);
    ASSERT_TRUE(routed);
    EXPECT_EQ(routed->collection, kConsumerCollection);
    EXPECT_EQ(routed->offset, 0u);
}

TEST(ReportRouterTest, UnreadableDescriptorStillServesASingleCollectionInterface) {
    const ReportRouter router({kConfigCollection}, ReportLayout{});
    const std::optional<RoutedReport> routed = router.Route(ConfigReport());
    ASSERT_TRUE(routed);
    EXPECT_EQ(routed->collection, kConfigCollection);
}

TEST(ReportRouterTest, EmptyReportsAndBareReportIdsAreDropped) {
    const ReportRouter router(kAllThree, ParseReportDescriptor(kNumberedDescriptor));
    EXPECT_EQ(router.Route({}), std::nullopt);
    const std::vector<uint8_t> bareId = {0x03};
    EXPECT_EQ(router.Route(bareId), std::nullopt);
}

// --- grouping ---

TEST(KeyboardListTest, InterfacesOfOneUsbDeviceMakeOneKeyboard) {
    const KeyboardList list({
        {"/dev/hidraw1", "/sys/usb1/1-2", kBootKeyboard},
        {"/dev/hidraw2", "/sys/usb1/1-2", kSystemControl},
        {"/dev/hidraw2", "/sys/usb1/1-2", kConsumerCollection},
        {"/dev/hidraw2", "/sys/usb1/1-2", kConfigCollection},
        {"/dev/hidraw2", "/sys/usb1/1-2", kBankStatusCollection},
    });
    ASSERT_EQ(list.Keyboards().size(), 1u);
    const Keyboard& keyboard = list.Keyboards().front();
    ASSERT_EQ(keyboard.interfaces.size(), 1u);
    EXPECT_EQ(keyboard.interfaces.front().path, "/dev/hidraw2");
    EXPECT_EQ(keyboard.interfaces.front().collections, kAllThree);
    EXPECT_EQ(list.CountOffering(kConfigCollection), 1u);
    EXPECT_EQ(list.CountOffering(kConsumerCollection), 1u);
    EXPECT_EQ(list.CountOffering(kBankStatusCollection), 1u);
}

TEST(KeyboardListTest, CollectionsOnSeparateInterfacesStayWithTheirPaths) {
    const KeyboardList list({
        {"/dev/hidraw4", "/sys/usb1/1-3", kConsumerCollection},
        {"/dev/hidraw5", "/sys/usb1/1-3", kConfigCollection},
    });
    ASSERT_EQ(list.Keyboards().size(), 1u);
    EXPECT_EQ(list.InterfaceInUse(kConsumerCollection)->path, "/dev/hidraw4");
    EXPECT_EQ(list.InterfaceInUse(kConfigCollection)->path, "/dev/hidraw5");
    EXPECT_EQ(list.InterfaceInUse(kBankStatusCollection), nullptr);
    EXPECT_EQ(list.CountOffering(kBankStatusCollection), 0u);
}

TEST(KeyboardListTest, TwoKeyboardsAreCountedAndTheFirstIsTheLowestKey) {
    const KeyboardList list({
        {"/dev/hidraw7", "/sys/usb2/2-1", kConfigCollection},
        {"/dev/hidraw3", "/sys/usb1/1-4", kConfigCollection},
        {"/dev/hidraw3", "/sys/usb1/1-4", kConsumerCollection},
    });
    EXPECT_EQ(list.CountOffering(kConfigCollection), 2u);
    EXPECT_EQ(list.CountOffering(kConsumerCollection), 1u);
    EXPECT_EQ(list.InterfaceInUse(kConfigCollection)->path, "/dev/hidraw3");
}

// Writes and reports stay with one keyboard: the configuration collection decides which, and
// another keyboard never stands in for a collection the one in use lacks.
TEST(KeyboardListTest, TheKeyboardInUseIsTheFirstOfferingTheConfigurationCollection) {
    const KeyboardList list({
        {"/dev/hidraw2", "/sys/usb1/1-2", kConsumerCollection},
        {"/dev/hidraw6", "/sys/usb1/1-3", kConfigCollection},
    });
    ASSERT_NE(list.InUse(), nullptr);
    EXPECT_EQ(list.InUse()->key, "/sys/usb1/1-3");
    EXPECT_EQ(list.InterfaceInUse(kConfigCollection)->path, "/dev/hidraw6");
    EXPECT_EQ(list.InterfaceInUse(kConsumerCollection), nullptr);
    EXPECT_EQ(list.CountOffering(kConsumerCollection), 1u);
}

TEST(KeyboardListTest, NoKeyboardIsInUseWithoutTheConfigurationCollection) {
    const KeyboardList list({{"/dev/hidraw2", "/sys/usb1/1-2", kConsumerCollection}});
    EXPECT_EQ(list.InUse(), nullptr);
    EXPECT_EQ(list.InterfaceInUse(kConsumerCollection), nullptr);
}

TEST(KeyboardListTest, RepeatedRecordsAddNothing) {
    const KeyboardList list({
        {"/dev/hidraw2", "/sys/usb1/1-2", kConfigCollection},
        {"/dev/hidraw2", "/sys/usb1/1-2", kConfigCollection},
    });
    EXPECT_EQ(list.Keyboards().front().interfaces.front().collections.size(), 1u);
}

TEST(KeyboardListTest, KeyboardWithoutOurCollectionsIsNotListed) {
    const KeyboardList list({{"/dev/hidraw1", "/sys/usb1/1-2", kBootKeyboard}});
    EXPECT_TRUE(list.Keyboards().empty());
    EXPECT_EQ(list.CountOffering(kConfigCollection), 0u);
}

TEST(KeyboardListTest, NoRecordsNoKeyboards) {
    const KeyboardList list;
    EXPECT_EQ(list.CountOffering(kConfigCollection), 0u);
    EXPECT_EQ(list.InterfaceInUse(kConsumerCollection), nullptr);
}

}  // namespace
}  // namespace zozodiz
