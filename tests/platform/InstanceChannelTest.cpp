#include "platform/InstanceChannel.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <future>

namespace keyloom {
namespace {

using namespace std::chrono_literals;

TEST(InstanceChannelTest, RequestReachesTheHandlerAndItsResultComesBack) {
    InstanceRequest seen;
    InstanceChannelServer server([&](uint32_t message, uintptr_t wParam, intptr_t lParam) {
        seen = {message, wParam, lParam};
        return lParam * 3;
    });
    ASSERT_TRUE(server.Listening());
    const uintptr_t wide = static_cast<uintptr_t>(0x89ABCDEF4F50454Eull);
    EXPECT_EQ(SendToInstance(getpid(), 0x5350, wide, -5, 1s), -15);
    EXPECT_EQ(seen.message, 0x5350u);
    EXPECT_EQ(seen.wParam, wide);
    EXPECT_EQ(seen.lParam, -5);
    EXPECT_EQ(SendToInstance(getpid(), 0x4D4B, 1, 7, 1s), 21);
    EXPECT_EQ(seen.message, 0x4D4Bu);
}

TEST(InstanceChannelTest, SocketIsPrivateAndRemovedAtTheEnd) {
    const std::string path = InstanceSocketPath(getpid());
    {
        InstanceChannelServer server([](uint32_t, uintptr_t, intptr_t) { return intptr_t{0}; });
        ASSERT_TRUE(server.Listening());
        struct stat info {};
        ASSERT_EQ(stat(path.c_str(), &info), 0);
        EXPECT_TRUE(S_ISSOCK(info.st_mode));
        EXPECT_EQ(info.st_mode & 0777, 0600u);
        ASSERT_EQ(stat(std::filesystem::path(path).parent_path().c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0700u);
    }
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(InstanceChannelTest, DeadProcessGetsNothingAndItsSocketIsRemoved) {
    const pid_t gone = fork();
    ASSERT_GE(gone, 0);
    if (gone == 0) {
        _exit(0);
    }
    ASSERT_EQ(waitpid(gone, nullptr, 0), gone);
    // The socket file a crashed instance leaves behind.
    const std::string path = InstanceSocketPath(gone);
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    close(fd);

    EXPECT_EQ(SendToInstance(gone, 0x5350, 0, 0, 1s), std::nullopt);
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(InstanceChannelTest, SenderGivesUpWhenTheHandlerTakesTooLong) {
    // The handler answers only once the sender has returned: a sender that waited for the answer
    // would never return.
    std::promise<void> senderReturned;
    std::shared_future<void> returned = senderReturned.get_future().share();
    InstanceChannelServer server([returned](uint32_t, uintptr_t, intptr_t) {
        returned.wait();
        return intptr_t{1};
    });
    ASSERT_TRUE(server.Listening());
    EXPECT_EQ(SendToInstance(getpid(), 0x5350, 0, 0, 100ms), std::nullopt);
    senderReturned.set_value();
}

}  // namespace
}  // namespace keyloom
