// A program run to its end with its output thrown away, for the benchmarks of whole processes.
#pragma once

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <string>
#include <vector>

extern char** environ;

namespace jw::bench {

// Runs the program to its end, its output to /dev/null. True when it started and ended with an
// exit status of at most `worstStatus`.
inline bool RunQuietly(std::vector<std::string> args, int worstStatus = 255) {
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const bool started = posix_spawn(&pid, argv[0], &quiet, nullptr, argv.data(), environ) == 0;
    posix_spawn_file_actions_destroy(&quiet);
    int status = 0;
    if (started) waitpid(pid, &status, 0);
    return started && WIFEXITED(status) && WEXITSTATUS(status) <= worstStatus;
}

}  // namespace jw::bench
