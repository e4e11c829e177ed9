// POSIX: the companion is started with posix_spawn, its standard input a pipe.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <iostream>

#include "app/cli/process.h"

extern char** environ;

namespace jw::cli {
namespace {

// Writes the input to the companion's standard input. A companion that stops early closes its
// end; that must end this write, not this program (the broken pipe signal is ignored
// meanwhile), and its exit status then says what went wrong.
void SendAndClose(int fd, const std::string& bytes) {
    struct sigaction ignore {
    }, previous{};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGPIPE, &ignore, &previous);
    for (std::size_t sent = 0; sent < bytes.size();) {
        const ssize_t n = write(fd, bytes.data() + sent, bytes.size() - sent);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        sent += static_cast<std::size_t>(n);
    }
    close(fd);
    sigaction(SIGPIPE, &previous, nullptr);
}

// Everything the companion prints, up to the end of its output.
void ReadAndClose(int fd, std::string& out) {
    char buffer[4096];
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        out.append(buffer, static_cast<std::size_t>(n));
    }
    close(fd);
}

}  // namespace

std::filesystem::path ProgramFolder() {
#ifdef __linux__
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) return self.parent_path();
#endif
    return {};
}

ChildOutcome RunWithInput(const std::filesystem::path& program,
                          const std::vector<std::string>& arguments, const std::string& input,
                          std::string* output) {
    std::vector<std::string> args = {program.string()};
    args.insert(args.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    std::cout.flush();
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0) return {-1, std::strerror(errno)};
    int printed[2] = {-1, -1};
    if (output && pipe2(printed, O_CLOEXEC) != 0) {
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        return {-1, std::strerror(errno)};
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[0], STDIN_FILENO);
    if (output) posix_spawn_file_actions_adddup2(&actions, printed[1], STDOUT_FILENO);
    pid_t pid = 0;
    // Without a folder of its own the companion is looked for on the PATH.
    const int error =
        program.has_parent_path()
            ? posix_spawn(&pid, args.front().c_str(), &actions, nullptr, argv.data(), environ)
            : posix_spawnp(&pid, args.front().c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[0]);
    if (output) close(printed[1]);
    if (error != 0) {
        close(pipeEnds[1]);
        if (output) close(printed[0]);
        return {-1, "cannot be started: " + std::string(std::strerror(error))};
    }
    SendAndClose(pipeEnds[1], input);
    if (output) ReadAndClose(printed[0], *output);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0)
        if (errno != EINTR) return {-1, std::strerror(errno)};
    if (WIFEXITED(status)) return {WEXITSTATUS(status), {}};
    return {-1, "stopped before it finished"};
}

}  // namespace jw::cli
