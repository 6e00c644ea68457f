#include "platform/AtomicFile.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "support/FileContents.h"
#include "support/TestEnvironment.h"

namespace keyloom {
namespace {

using test::FileText;

std::vector<std::string> NamesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Lowers the file size limit of this process for the life of the object, so that writing a file
// fails even for root. The signal the kernel sends on the failed write is ignored.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit lowered{bytes, saved_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit saved_{};
    void (*oldHandler_)(int) = SIG_DFL;
};

class AtomicFileTest : public ::testing::Test {
  protected:
    const std::string folder_ = test::MakeTemporaryFolder();
    const std::string path_ = folder_ + "/$Profile0";
};

// Waiting for the disk or not, a write is whole and leaves no temporary file behind.
constexpr FileSync kSyncs[] = {FileSync::kToDisk, FileSync::kNoWait};

TEST_F(AtomicFileTest, RoundTripOfEveryByteValue) {
    std::vector<uint8_t> bytes(70000);
    for (size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<uint8_t>(i * 7);
    }
    for (const FileSync sync : kSyncs) {
        SCOPED_TRACE(static_cast<int>(sync));
        ASSERT_TRUE(WriteFileAtomically(path_, bytes, sync));
        EXPECT_EQ(ReadWholeFile(path_), bytes);
        ASSERT_TRUE(WriteFileAtomically(path_, {1, 2}, sync));
        EXPECT_EQ(ReadWholeFile(path_), (std::vector<uint8_t>{1, 2}));
        ASSERT_TRUE(WriteFileAtomically(path_, {}, sync));
        EXPECT_EQ(ReadWholeFile(path_), std::vector<uint8_t>{});
        EXPECT_EQ(NamesIn(folder_), std::vector<std::string>{"$Profile0"});
    }
}

TEST_F(AtomicFileTest, ReadFailsForMissingFilesAndFolders) {
    EXPECT_FALSE(ReadWholeFile(folder_ + "/absent"));
    EXPECT_FALSE(ReadWholeFile(folder_));
}

TEST_F(AtomicFileTest, WriteIntoAMissingFolderFails) {
    EXPECT_FALSE(WriteFileAtomically(folder_ + "/absent/file", {1}));
    EXPECT_TRUE(NamesIn(folder_).empty());
}

TEST_F(AtomicFileTest, FailedWriteLeavesTheOldFileAndNoTemporaryFile) {
    ASSERT_TRUE(test::PutFile(path_, "old"));
    for (const FileSync sync : kSyncs) {
        SCOPED_TRACE(static_cast<int>(sync));
        {
            const FileSizeLimit limit(16);
            EXPECT_FALSE(WriteFileAtomically(path_, std::vector<uint8_t>(4096, 'n'), sync));
        }
        EXPECT_EQ(FileText(path_), "old");
        EXPECT_EQ(NamesIn(folder_), std::vector<std::string>{"$Profile0"});
    }
}

TEST_F(AtomicFileTest, FailedRenameLeavesNoTemporaryFile) {
    const std::string target = folder_ + "/folder";
    ASSERT_EQ(mkdir(target.c_str(), 0755), 0);
    EXPECT_FALSE(WriteFileAtomically(target, {1, 2, 3}));
    EXPECT_EQ(NamesIn(folder_), std::vector<std::string>{"folder"});
}

TEST_F(AtomicFileTest, ReadOnlyFolderRefusesTheWrite) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root may write into read-only folders";
    }
    ASSERT_TRUE(test::PutFile(path_, "old"));
    ASSERT_EQ(chmod(folder_.c_str(), 0555), 0);
    EXPECT_FALSE(WriteFileAtomically(path_, {1}));
    chmod(folder_.c_str(), 0755);
    EXPECT_EQ(FileText(path_), "old");
}

TEST_F(AtomicFileTest, ReplacedFileKeepsItsPermissions) {
    const std::string& path = path_;
    ASSERT_TRUE(WriteFileAtomically(path, {1}));
    ASSERT_EQ(chmod(path.c_str(), 0600), 0);
    ASSERT_TRUE(WriteFileAtomically(path, {2, 3}));
    struct stat info {};
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_EQ(FileText(path), std::string("\x02\x03"));
}

}  // namespace
}  // namespace keyloom
