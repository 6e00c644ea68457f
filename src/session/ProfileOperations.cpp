#include "session/ProfileOperations.h"

#include <sys/stat.h>

#include <mutex>
#include <optional>

#include "platform/Log.h"
#include "platform/SafeFormat.h"
#include "session/ApplyPipeline.h"
#include "session/LanguageMessage.h"
#include "storage/ProfileFile.h"

namespace keyloom {

namespace {

constexpr char kWorkingProfileName[] = "$Profile0";
constexpr char kFormatErrorText[] = "PROFILE_FORMAT_ERROR";
constexpr char kImportFailedText[] = "MAIN_PROMPT_INPORT";

bool FileExists(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0;
}

// The file becomes the working profile, the working profile file and the keyboard's content.
// Nothing when it cannot be read; otherwise how the keyboard write went.
std::optional<ImageWrite> TakeImportedFile(KeyboardSession& session, const std::string& path) {
    std::lock_guard lock(session.context.profileLock);
    if (LoadProfileFile(session, path) != PROFILE_FILE_OK) {
        return std::nullopt;
    }
    if (SaveWorkingProfileLocked(session) != PROFILE_FILE_OK) {
        LogWarning("the working profile file was not saved after the restore");
    }
    const ImageWrite written = SnapshotAndWrite(session, true);
    session.context.window->RedrawKeyMarks();
    return written;
}

}  // namespace

std::string WorkingProfilePath(const KeyboardSession& session, int) {
    return session.paths.userFolder + kWorkingProfileName;
}

ProfileFileResult NewProfileImage(KeyboardSession& session, const std::string& path, uint8_t flag) {
    if (!path.empty()) {
        return WriteBlankProfileFile(path, flag);
    }
    session.profile.image = BlankProfileImage(flag);
    return PROFILE_FILE_OK;
}

ProfileFileResult LoadProfileFile(KeyboardSession& session, const std::string& path) {
    return ReadProfileFile(path, session.profile);
}

ProfileFileResult SaveProfileFile(KeyboardSession& session, const std::string& path) {
    std::lock_guard lock(session.context.profileLock);
    return WriteProfileFile(path, session.profile);
}

ProfileFileResult SaveWorkingProfileLocked(KeyboardSession& session) {
    const std::string path = WorkingProfilePath(session, 0);
    return FileExists(path) ? WriteProfileFile(path, session.profile) : PROFILE_FILE_REFUSED;
}

ProfileFileResult ImportProfileFile(KeyboardSession& session, const std::string& path) {
    WindowPort& window = *session.context.window;
    const ProfileFileCheck check = CheckProfileFile(path);
    if (check.fault != ProfileHeaderFault::kNone) {
        window.ShowMessage(kFormatErrorText,
                           FormatWithString(SessionText(session, kFormatErrorText), path),
                           MessageButtons::kOk);
    }
    const auto written =
        check.result == PROFILE_FILE_OK ? TakeImportedFile(session, path) : std::nullopt;
    if (!written) {
        ShowLanguageMessage(session, kImportFailedText, MessageButtons::kOk);
        return PROFILE_FILE_REFUSED;
    }
    // The working profile holds the backup now; until the keyboard holds it too, the change is
    // pending.
    window.SetApplyEnabled(*written != ImageWrite::kWritten);
    if (*written == ImageWrite::kFailed) {
        ReportFailedWrite(session);
    }
    return *written == ImageWrite::kWritten ? PROFILE_FILE_OK : PROFILE_FILE_REFUSED;
}

ProfileFileResult ExportProfileFile(KeyboardSession& session, const std::string& path) {
    return SaveProfileFile(session, path);
}

void ReleaseProfileData(KeyboardSession& session) {
    {
        std::lock_guard lock(session.context.profileLock);
        session.profile = WorkingProfile{};
    }
    std::lock_guard lock(session.context.deviceImageLock);
    session.deviceImage = DeviceImage{};
}

}  // namespace keyloom
