// Reading inputs on POSIX systems. Opening never blocks (a named pipe without a writer would
// otherwise wait for ever); a pipe is then read with poll and a time limit.
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

#include "data/input_file.h"
#include "data/posix_descriptor.h"

namespace jw {
namespace {

using posix::Descriptor;
using posix::Reason;

constexpr std::chrono::milliseconds kPipeWriterWait{2000};

std::string KindProblem(mode_t mode) {
    if (S_ISDIR(mode)) return "it is a folder, not a file";
    if (S_ISCHR(mode)) return "it is a device, not a file";
    if (S_ISBLK(mode)) return "it is a block device (a disk or a partition), not a file";
    if (S_ISSOCK(mode)) return "it is a socket, not a file";
    return "it is not a file";
}

// Waits for the pipe to have data or to be closed; false when the time is up.
bool PipeReady(int fd, std::chrono::steady_clock::time_point giveUp) {
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            giveUp - std::chrono::steady_clock::now());
        if (left.count() <= 0) return false;
        pollfd wait{fd, POLLIN, 0};
        const int ready = poll(&wait, 1, static_cast<int>(left.count()));
        if (ready > 0) return true;
        if (ready < 0 && errno != EINTR) return true;  // the read says what went wrong
    }
}

std::string ReadAll(int fd, bool pipe, std::size_t limit, std::string& bytes) {
    char buffer[16384];
    auto giveUp = std::chrono::steady_clock::now() + kPipeWriterWait;
    while (bytes.size() <= limit) {
        if (pipe && !PipeReady(fd, giveUp))
            return bytes.empty() ? "no data arrived through the pipe within 2 seconds"
                                 : "the pipe stopped sending for 2 seconds before its end";
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR || errno == EAGAIN) continue;
            return Reason(errno);
        }
        if (n == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(n));
        giveUp = std::chrono::steady_clock::now() + kPipeWriterWait;
    }
    return {};
}

std::string ReadDescriptor(int fd, std::size_t limit, InputBytes& input) {
    struct stat status {};
    if (fstat(fd, &status) != 0) return Reason(errno);
    const bool pipe = S_ISFIFO(status.st_mode);
    if (!pipe && !S_ISREG(status.st_mode)) return KindProblem(status.st_mode);
    input.identity = {static_cast<std::uint64_t>(status.st_dev),
                      static_cast<std::uint64_t>(status.st_ino)};
    // Standard input may be shared with other programs: its flags are put back afterwards.
    const int flags = fcntl(fd, F_GETFL);
    if (pipe && flags >= 0) fcntl(fd, F_SETFL, flags | O_NONBLOCK);
    std::string problem = ReadAll(fd, pipe, limit, input.bytes);
    if (pipe && flags >= 0) fcntl(fd, F_SETFL, flags);
    return problem;
}

}  // namespace

std::string ReadInputFile(const std::string& path, std::size_t limit, InputBytes& input) {
    Descriptor file(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file.Valid()) return Reason(errno);
    return ReadDescriptor(file.Get(), limit, input);
}

std::string ReadStandardInput(std::size_t limit, InputBytes& input) {
    return ReadDescriptor(STDIN_FILENO, limit, input);
}

}  // namespace jw
