// The hid backend on a stand-in for hidapi, udev and sysfs: how it finds the keyboard among the
// hidraw nodes, routes what they send by the report descriptor in sysfs, writes to them and
// follows plugging.

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <mutex>
#include <ostream>
#include <string>
#include <vector>

#include "Backend.h"
#include "FakeHidSystem.h"
#include "HidBackend.h"
#include "KeyboardDescriptors.h"
#include "support/TestEnvironment.h"

namespace zozodiz::test {
namespace {

using Bytes = std::vector<uint8_t>;
using Node = FakeHidSystem::Node;

constexpr char kUsbDevice[] = "/sys/devices/pci0000:00/0000:00:14.0/usb1/1-2";
constexpr char kBootNode[] = "/dev/hidraw0";
constexpr char kSharedNode[] = "/dev/hidraw1";
const Bytes kBankStatus = {0x05, 0x02};
const Bytes kBankKey = {0x03, 0xFF, 0x02};

const std::vector<Collection> kSharedCollections = {kSystemControl, kConsumerCollection,
                                                    kConfigCollection, kBankStatusCollection};

// The keyboard as Linux shows it: a boot keyboard node, and a node carrying system control,
// consumer, configuration and bank status under report ids 2 to 5.
std::vector<Node> SharedNodeKeyboard(const std::string& usbDevice, const std::string& bootNode,
                                     const std::string& sharedNode) {
    return {{bootNode, usbDevice, {kBootKeyboard}, std::nullopt},
            {sharedNode, usbDevice, kSharedCollections, kNumberedDescriptor}};
}

// The keyboard's collections each on a node of its own.
std::vector<Node> NodePerCollectionKeyboard() {
    return {{"/dev/hidraw4", kUsbDevice, {kConsumerCollection}, kPlainConsumerDescriptor},
            {"/dev/hidraw5", kUsbDevice, {kConfigCollection}, kConfigItems},
            {"/dev/hidraw6", kUsbDevice, {kBankStatusCollection}, kBankStatusItems}};
}

struct Heard {
    Collection collection;
    Bytes bytes;

    friend bool operator==(const Heard&, const Heard&) = default;
};

void PrintTo(const Heard& heard, std::ostream* out) {
    *out << std::hex << heard.collection.usagePage << "/" << heard.collection.usage << ": "
         << ::testing::PrintToString(heard.bytes);
}

// What the backend reported, from any of its threads.
class RecordedEvents final : public BackendEvents {
  public:
    void OnInputReport(Collection collection, const uint8_t* data, size_t length) override {
        std::lock_guard lock(mutex_);
        reports_.push_back({collection, Bytes(data, data + length)});
    }
    void OnDeviceCount(unsigned count) override {
        std::lock_guard lock(mutex_);
        counts_.push_back(count);
    }

    std::vector<Heard> Reports() const {
        std::lock_guard lock(mutex_);
        return reports_;
    }
    std::vector<unsigned> Counts() const {
        std::lock_guard lock(mutex_);
        return counts_;
    }

  private:
    mutable std::mutex mutex_;
    std::vector<Heard> reports_;
    std::vector<unsigned> counts_;
};

// A case of a table names itself when a test fails.
template <typename Case>
requires requires(const Case& tested) {
    tested.name;
}
void PrintTo(const Case& tested, std::ostream* out) {
    *out << tested.name;
}

class HidBackendTest : public ::testing::Test {
  protected:
    HidBackendTest() {
        auto owned = std::make_unique<FakeHidSystem>(keyloom::test::MakeTemporaryFolder());
        system = owned.get();
        backend = MakeHidBackend(std::move(owned));
    }
    ~HidBackendTest() override { backend->Stop(); }

    void Plug(const std::vector<Node>& nodes) {
        for (const Node& node : nodes) {
            system->Plug(node);
        }
    }
    void Unplug(const std::vector<Node>& nodes) {
        for (const Node& node : nodes) {
            system->Unplug(node.path);
        }
    }
    void Start() { ASSERT_TRUE(backend->Start(events)); }
    unsigned Count(Collection collection) { return backend->DeviceCount(collection); }
    // Sends the reports to the node and waits until its reader handled them.
    void Send(const std::string& path, const std::vector<Bytes>& reports) {
        for (const Bytes& report : reports) {
            system->Input(path, report);
        }
        ASSERT_TRUE(system->Handled(path)) << path;
    }

    RecordedEvents events;  // outlives the backend, which reports to it
    FakeHidSystem* system = nullptr;
    std::unique_ptr<Backend> backend;
};

// --- finding the keyboard ---

struct LayoutCase {
    const char* name;
    std::vector<Node> nodes;
    std::vector<std::string> opened;
    std::vector<std::string> leftAlone;
};

class KeyboardLayoutTest : public HidBackendTest,
                           public ::testing::WithParamInterface<LayoutCase> {};

TEST_P(KeyboardLayoutTest, SeveralNodesAndCollectionsMakeOneKeyboard) {
    Plug(GetParam().nodes);
    Start();
    for (const Collection collection :
         {kConfigCollection, kConsumerCollection, kBankStatusCollection}) {
        EXPECT_EQ(Count(collection), 1u) << collection.usagePage;
    }
    EXPECT_EQ(Count(kSystemControl), 0u);
    for (const std::string& path : GetParam().opened) {
        EXPECT_GT(system->OpenFiles(path), 0) << path;
    }
    for (const std::string& path : GetParam().leftAlone) {
        EXPECT_EQ(system->OpenFiles(path), 0) << path;
    }
    EXPECT_EQ(events.Counts(), std::vector<unsigned>()) << "the start itself is no change";
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, KeyboardLayoutTest,
    ::testing::Values(LayoutCase{"SharedNode",
                                 SharedNodeKeyboard(kUsbDevice, kBootNode, kSharedNode),
                                 {kSharedNode},
                                 {kBootNode}},
                      LayoutCase{"NodePerCollection",
                                 NodePerCollectionKeyboard(),
                                 {"/dev/hidraw4", "/dev/hidraw5", "/dev/hidraw6"},
                                 {}},
                      LayoutCase{"WithoutUsbParent",
                                 SharedNodeKeyboard("", kBootNode, kSharedNode),
                                 {kSharedNode},
                                 {kBootNode}}),
    [](const auto& info) { return std::string(info.param.name); });

// --- routing by the report descriptor in sysfs ---

// The input goes to the first of the nodes.
struct RoutingCase {
    const char* name;
    std::vector<Node> nodes;
    std::vector<Bytes> input;
    std::vector<Heard> heard;
};

class ReportRoutingTest : public HidBackendTest,
                          public ::testing::WithParamInterface<RoutingCase> {};

TEST_P(ReportRoutingTest, InputReportsReachTheCollectionTheDescriptorGivesThem) {
    Plug(GetParam().nodes);
    Start();
    Send(GetParam().nodes.front().path, GetParam().input);
    EXPECT_EQ(events.Reports(), GetParam().heard);
}

const Bytes kSystemControlReport = {0x02, 0x01};
const Bytes kUnknownIdReport = {0x09, 0x01, 0x02};
// Report id 4 declared outside any collection, and collections closed that were never opened.
const Bytes kGarbledDescriptor = {0x85, 0x04, 0x81, 0x02, 0xC0, 0xC0, 0x13, 0xFE, 0x40};

INSTANTIATE_TEST_SUITE_P(
    Descriptors, ReportRoutingTest,
    ::testing::Values(
        RoutingCase{"NumberedSharedNode",
                    {{kSharedNode, kUsbDevice, kSharedCollections, kNumberedDescriptor}},
                    {kSystemControlReport, kBankKey, ConfigReport(), kUnknownIdReport},
                    {{kConsumerCollection, {0xFF, 0x02}}, {kConfigCollection, ConfigReport()}}},
        RoutingCase{"TruncatedDescriptor",
                    {{kSharedNode, kUsbDevice, kSharedCollections, kTruncatedDescriptor}},
                    {kBankKey, ConfigReport()},
                    {{kConsumerCollection, {0xFF, 0x02}}}},
        RoutingCase{"GarbledDescriptor",
                    {{kSharedNode, kUsbDevice, kSharedCollections, kGarbledDescriptor}},
                    {kBankKey, ConfigReport()},
                    {}},
        RoutingCase{"NoDescriptorFile",
                    {{"/dev/hidraw5", kUsbDevice, {kConfigCollection}, std::nullopt}},
                    {ConfigReport()},
                    {{kConfigCollection, ConfigReport()}}},
        RoutingCase{"PlainConsumerNode",
                    NodePerCollectionKeyboard(),
                    {{0x01, 0x04}},
                    {{kConsumerCollection, {0x01, 0x04}}}}),
    [](const auto& info) { return std::string(info.param.name); });

// --- writing ---

struct WriteCase {
    const char* name;
    std::vector<Node> nodes;
    std::map<std::string, std::vector<Bytes>> written;
};

class ReportWritingTest : public HidBackendTest, public ::testing::WithParamInterface<WriteCase> {};

TEST_P(ReportWritingTest, RequestsAndBankStatusGoOutWholeToTheirNodes) {
    Plug(GetParam().nodes);
    Start();
    EXPECT_EQ(backend->WriteReport(kConfigCollection, ConfigReport().data(), 64), 1);
    EXPECT_EQ(backend->WriteStatus(kBankStatusCollection, kBankStatus.data(), 2), 1);
    EXPECT_EQ(backend->WriteReport(kSystemControl, ConfigReport().data(), 64), 0);
    for (const Node& node : GetParam().nodes) {
        const auto expected = GetParam().written.find(node.path);
        EXPECT_EQ(system->Written(node.path),
                  expected != GetParam().written.end() ? expected->second : std::vector<Bytes>())
            << node.path;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, ReportWritingTest,
    ::testing::Values(WriteCase{"SharedNode",
                                SharedNodeKeyboard(kUsbDevice, kBootNode, kSharedNode),
                                {{kSharedNode, {ConfigReport(), kBankStatus}}}},
                      WriteCase{
                          "NodePerCollection",
                          NodePerCollectionKeyboard(),
                          {{"/dev/hidraw5", {ConfigReport()}}, {"/dev/hidraw6", {kBankStatus}}}}),
    [](const auto& info) { return std::string(info.param.name); });

// --- access ---

struct AccessCase {
    const char* name;
    NodeAccess access;
    std::string problem;
};

class NodeAccessTest : public HidBackendTest, public ::testing::WithParamInterface<AccessCase> {};

// The tests run as root, whom file modes do not stop: the stand-in refuses the open instead.
TEST_P(NodeAccessTest, AKeyboardThatCannotBeOpenedIsNoKeyboardAndARefusalNamesItsNode) {
    const std::vector<Node> keyboard = SharedNodeKeyboard(kUsbDevice, kBootNode, kSharedNode);
    Plug(keyboard);
    system->SetAccess(kSharedNode, GetParam().access);
    Start();
    EXPECT_EQ(Count(kConfigCollection), 0u);
    EXPECT_EQ(backend->WriteReport(kConfigCollection, ConfigReport().data(), 64), 0);
    EXPECT_EQ(backend->AccessProblem(), GetParam().problem);

    // The udev rule installed, the keyboard plugged in again.
    system->SetAccess(kSharedNode, NodeAccess::kOpened);
    Unplug(keyboard);
    Plug(keyboard);
    system->RaisePlugEvent();
    EXPECT_EQ(events.Counts(), std::vector<unsigned>{1});
    EXPECT_EQ(backend->AccessProblem(), "");
}

INSTANTIATE_TEST_SUITE_P(Opens, NodeAccessTest,
                         ::testing::Values(AccessCase{"Refused", NodeAccess::kDenied, kSharedNode},
                                           AccessCase{"Failed", NodeAccess::kFailed, ""}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- plugging ---

TEST_F(HidBackendTest, KeyboardUnpluggedMidExchangeLeavesNoAnswerAndNoKeyboard) {
    const std::vector<Node> keyboard = SharedNodeKeyboard(kUsbDevice, kBootNode, kSharedNode);
    Plug(keyboard);
    Start();
    ASSERT_EQ(backend->WriteReport(kConfigCollection, ConfigReport().data(), 64), 1);
    Unplug(keyboard);
    // Before udev tells, a write fails rather than pass for sent.
    EXPECT_EQ(backend->WriteReport(kConfigCollection, ConfigReport().data(), 64), -1);
    system->RaisePlugEvent();
    EXPECT_EQ(events.Counts(), std::vector<unsigned>{0});
    EXPECT_EQ(Count(kConfigCollection), 0u);
    EXPECT_EQ(backend->WriteReport(kConfigCollection, ConfigReport().data(), 64), 0);
    EXPECT_EQ(backend->WriteStatus(kBankStatusCollection, kBankStatus.data(), 2), 0);
    EXPECT_EQ(events.Reports(), std::vector<Heard>());
    EXPECT_EQ(system->Written(kSharedNode), std::vector<Bytes>{ConfigReport()});
    EXPECT_EQ(system->OpenFiles(kSharedNode), 0);
}

TEST_F(HidBackendTest, PlugEventsBecomeDeviceCountNotificationsWhenTheCountChanges) {
    const std::vector<Node> first = SharedNodeKeyboard(kUsbDevice, kBootNode, kSharedNode);
    const std::vector<Node> second = SharedNodeKeyboard(
        "/sys/devices/pci0000:00/0000:00:14.0/usb1/1-3", "/dev/hidraw2", "/dev/hidraw3");
    Start();
    system->RaisePlugEvent();  // another device came
    Plug(first);
    system->RaisePlugEvent();
    system->RaisePlugEvent();  // nothing changed
    Plug(second);
    system->RaisePlugEvent();
    Unplug(first);
    system->RaisePlugEvent();
    Unplug(second);
    system->RaisePlugEvent();
    EXPECT_EQ(events.Counts(), (std::vector<unsigned>{1, 2, 1, 0}));
}

// Same node path, another HID device: the files open on the old one are of no use any more,
// even while its reader has not yet found out.
TEST_F(HidBackendTest, KeyboardPluggedOutAndInBetweenTwoEventsIsOpenedAgain) {
    Plug(SharedNodeKeyboard(kUsbDevice, kBootNode, kSharedNode));
    Start();
    system->Replug(kSharedNode);
    system->RaisePlugEvent();
    EXPECT_EQ(events.Counts(), std::vector<unsigned>());
    Send(kSharedNode, {kBankKey});
    EXPECT_EQ(events.Reports(), (std::vector<Heard>{{kConsumerCollection, {0xFF, 0x02}}}));
    EXPECT_EQ(backend->WriteReport(kConfigCollection, ConfigReport().data(), 64), 1);
}

TEST_F(HidBackendTest, OfTwoKeyboardsOfTheModelTheFirstIsUsedThroughout) {
    // Listed first, but second by its USB device.
    const std::vector<Node> later = SharedNodeKeyboard(
        "/sys/devices/pci0000:00/0000:00:14.0/usb1/1-4", "/dev/hidraw0", "/dev/hidraw1");
    const std::vector<Node> first = SharedNodeKeyboard(
        "/sys/devices/pci0000:00/0000:00:14.0/usb1/1-1", "/dev/hidraw2", "/dev/hidraw3");
    Plug(later);
    Plug(first);
    Start();
    EXPECT_EQ(Count(kConfigCollection), 2u);
    const Bytes otherKey = {0x03, 0xE9, 0x00};
    for (int look = 1; look <= 2; ++look) {
        SCOPED_TRACE(look);
        EXPECT_EQ(backend->WriteReport(kConfigCollection, ConfigReport().data(), 64), 1);
        EXPECT_EQ(backend->WriteStatus(kBankStatusCollection, kBankStatus.data(), 2), 1);
        Send("/dev/hidraw1", {kBankKey});
        Send("/dev/hidraw3", {otherKey});
        system->RaisePlugEvent();
    }
    EXPECT_EQ(system->Written("/dev/hidraw1"), std::vector<Bytes>());
    EXPECT_EQ(system->Written("/dev/hidraw3"),
              (std::vector<Bytes>{ConfigReport(), kBankStatus, ConfigReport(), kBankStatus}));
    EXPECT_EQ(events.Reports(), (std::vector<Heard>{{kConsumerCollection, {0xE9, 0x00}},
                                                    {kConsumerCollection, {0xE9, 0x00}}}));

    // The keyboard in use goes; the other one takes over.
    Unplug(first);
    system->RaisePlugEvent();
    EXPECT_EQ(events.Counts(), std::vector<unsigned>{1});
    EXPECT_EQ(backend->WriteReport(kConfigCollection, ConfigReport().data(), 64), 1);
    EXPECT_EQ(system->Written("/dev/hidraw1"), std::vector<Bytes>{ConfigReport()});
    Send("/dev/hidraw1", {kBankKey});
    EXPECT_EQ(events.Reports().back(), (Heard{kConsumerCollection, {0xFF, 0x02}}));
}

}  // namespace
}  // namespace zozodiz::test
