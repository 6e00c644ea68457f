#include "platform/ProgramLauncher.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <thread>

extern char** environ;

namespace keyloom {

namespace {

struct SpawnFailure {
    int error;
    int result;
};

constexpr SpawnFailure kSpawnFailures[] = {
    {ENOENT, OPEN_FILE_NOT_FOUND}, {ENOTDIR, OPEN_PATH_NOT_FOUND}, {ELOOP, OPEN_PATH_NOT_FOUND},
    {EACCES, OPEN_ACCESS_DENIED},  {EPERM, OPEN_ACCESS_DENIED},    {ENOMEM, OPEN_OUT_OF_MEMORY},
    {E2BIG, OPEN_OUT_OF_MEMORY},   {ENOEXEC, OPEN_BAD_FORMAT},
};

int ResultOfSpawnError(int error) {
    for (const auto& failure : kSpawnFailures) {
        if (failure.error == error) {
            return failure.result;
        }
    }
    return OPEN_FAILED;
}

// The started program begins a session of its own, so signals meant for this process's
// terminal do not reach it, with no signal blocked and every signal at its default.
int Detach(posix_spawnattr_t& attributes) {
    sigset_t none;
    sigset_t all;
    sigemptyset(&none);
    sigfillset(&all);
    const short flags = POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF;
    if (const int error = posix_spawnattr_setflags(&attributes, flags)) {
        return error;
    }
    if (const int error = posix_spawnattr_setsigmask(&attributes, &none)) {
        return error;
    }
    return posix_spawnattr_setsigdefault(&attributes, &all);
}

// Standard input, output and error of the started program go to /dev/null: it is not part of
// this process's terminal or pipes, and a program that stays (the companion) holds none of them
// open.
int WithoutTerminal(posix_spawn_file_actions_t& files) {
    for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        const int mode = fd == STDIN_FILENO ? O_RDONLY : O_WRONLY;
        if (const int error = posix_spawn_file_actions_addopen(&files, fd, "/dev/null", mode, 0)) {
            return error;
        }
    }
    return 0;
}

// `searchPath`: find the program in $PATH like a shell does.
int Spawn(const std::string& program, const std::vector<std::string>& args, bool searchPath) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const auto& arg : args) {
        argv.push_back(const_cast<char*>(arg.c_str()));
    }
    argv.push_back(nullptr);
    posix_spawnattr_t attributes;
    if (posix_spawnattr_init(&attributes) != 0) {
        return OPEN_FAILED;
    }
    posix_spawn_file_actions_t files;
    if (posix_spawn_file_actions_init(&files) != 0) {
        posix_spawnattr_destroy(&attributes);
        return OPEN_FAILED;
    }
    pid_t child = 0;
    const auto spawn = searchPath ? posix_spawnp : posix_spawn;
    int error = Detach(attributes);
    if (error == 0) {
        error = WithoutTerminal(files);
    }
    if (error == 0) {
        error = spawn(&child, program.c_str(), &files, &attributes, argv.data(), environ);
    }
    posix_spawn_file_actions_destroy(&files);
    posix_spawnattr_destroy(&attributes);
    if (error != 0) {
        return ResultOfSpawnError(error);
    }
    std::thread([child] { waitpid(child, nullptr, 0); }).detach();
    return OPEN_STARTED;
}

}  // namespace

int OpenProgram(const std::string& path, const std::vector<std::string>& args) {
    return Spawn(path, args, false);
}

int OpenDocument(const std::string& pathOrUrl) {
    return Spawn("xdg-open", {pathOrUrl}, true);
}

}  // namespace keyloom
