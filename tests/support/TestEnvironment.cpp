#include "support/TestEnvironment.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <vector>

namespace keyloom::test {

namespace {

std::vector<std::string>& CreatedFolders() {
    static std::vector<std::string> folders;
    return folders;
}

// Points HOME and every XDG variable at a private folder before any test runs.
class PrivateHome : public ::testing::Environment {
  public:
    void SetUp() override {
        const std::string& home = TestHome();
        setenv("HOME", home.c_str(), 1);
        for (const char* name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_STATE_HOME",
                                 "XDG_RUNTIME_DIR", "XDG_CACHE_HOME"}) {
            const std::string folder = home + "/" + name;
            std::filesystem::create_directories(folder);
            // Only the owner may enter, as the session's own folders are.
            std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
            setenv(name, folder.c_str(), 1);
        }
        unsetenv("ZOZODIZ_TRACE");
        unsetenv("ZOZODIZ_SIM_STATE");
    }

    void TearDown() override {
        std::error_code error;
        for (const auto& folder : CreatedFolders()) {
            std::filesystem::remove_all(folder, error);
        }
    }
};

const auto* const kPrivateHome = ::testing::AddGlobalTestEnvironment(new PrivateHome);

}  // namespace

std::string MakeTemporaryFolder() {
    std::string pattern = std::filesystem::temp_directory_path().string() + "/keyloom-test-XXXXXX";
    const char* made = mkdtemp(pattern.data());
    if (made == nullptr) {
        ADD_FAILURE() << "cannot create a temporary folder";
        return "/tmp";
    }
    CreatedFolders().push_back(made);
    return made;
}

const std::string& TestHome() {
    static const std::string home = MakeTemporaryFolder();
    return home;
}

}  // namespace keyloom::test
