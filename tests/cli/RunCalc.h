#pragma once

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace kelvarin::testing {

struct Outcome {
    int status = -1; // exit status, or -1 when the program did not exit normally
    std::string out;
    std::string err;
};

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs kelvarin-calc with the arguments, standard output and error captured in files.
inline Outcome RunCalc(const std::vector<std::string>& args) {
    char dirTemplate[] = "/tmp/kelvarin-cli-XXXXXX";
    const char* dir = ::mkdtemp(dirTemplate);
    if (dir == nullptr)
        throw std::runtime_error("mkdtemp failed");
    const std::filesystem::path outPath = std::filesystem::path(dir) / "out";
    const std::filesystem::path errPath = std::filesystem::path(dir) / "err";

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::vector<char*> argv{const_cast<char*>(KELVARIN_CALC_PATH)};
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);

    pid_t pid = 0;
    const int spawned = ::posix_spawn(&pid, KELVARIN_CALC_PATH, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        throw std::runtime_error("cannot start " KELVARIN_CALC_PATH);
    int wstatus = 0;
    ::waitpid(pid, &wstatus, 0);

    Outcome outcome;
    outcome.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
    outcome.out = ReadFile(outPath);
    outcome.err = ReadFile(errPath);
    std::filesystem::remove_all(dir);
    return outcome;
}

}  // namespace kelvarin::testing
