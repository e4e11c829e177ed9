// Reading inputs on Windows. Paths arrive as UTF-8 and are opened by their wide-character
// names. Files are read through the system's handles, never the C library's text mode, so a
// project's CR LF line ends arrive as they are on the disk. A pipe (standard input fed by
// another program, or \\.\pipe\NAME) is watched with PeekNamedPipe so that a writer that never
// sends cannot hang the program.
#include <algorithm>
#include <chrono>
#include <optional>
#include <thread>

#include "data/input_file.h"
#include "data/windows_handle.h"

namespace jw {
namespace {

using windows::Handle;
using windows::Reason;

constexpr std::chrono::milliseconds kPipeWriterWait{2000};
constexpr std::chrono::milliseconds kPipePoll{10};

// Bytes waiting in the pipe; nothing when it is closed at the writer's end (or broken).
std::optional<DWORD> PipeWaiting(HANDLE pipe, DWORD& error) {
    DWORD waiting = 0;
    if (PeekNamedPipe(pipe, nullptr, 0, nullptr, &waiting, nullptr)) return waiting;
    error = GetLastError();
    if (error == ERROR_BROKEN_PIPE) error = 0;
    return std::nullopt;
}

// A pipe that is not the system's own (Wine hands a program a Unix pipe as its standard input)
// cannot be peeked at; it is then read as it comes, without the time limit.
bool CannotBeWatched(DWORD error) {
    return error == ERROR_NOT_SUPPORTED || error == ERROR_INVALID_FUNCTION ||
           error == ERROR_INVALID_PARAMETER;
}

std::string ReadAll(HANDLE file, bool pipe, std::size_t limit, std::string& bytes) {
    char buffer[16384];
    auto giveUp = std::chrono::steady_clock::now() + kPipeWriterWait;
    while (bytes.size() <= limit) {
        DWORD wanted = sizeof buffer;
        if (pipe) {
            DWORD error = 0;
            const std::optional<DWORD> waiting = PipeWaiting(file, error);
            if (!waiting && CannotBeWatched(error)) {
                pipe = false;  // read to its end as it comes
                continue;
            }
            if (!waiting) return error ? Reason(error) : std::string();
            if (*waiting == 0) {
                if (std::chrono::steady_clock::now() >= giveUp)
                    return bytes.empty() ? "no data arrived through the pipe within 2 seconds"
                                         : "the pipe stopped sending for 2 seconds before its end";
                std::this_thread::sleep_for(kPipePoll);
                continue;
            }
            wanted = std::min<DWORD>(wanted, *waiting);
        }
        DWORD n = 0;
        if (!ReadFile(file, buffer, wanted, &n, nullptr)) {
            const DWORD error = GetLastError();
            return error == ERROR_BROKEN_PIPE ? std::string() : Reason(error);
        }
        if (n == 0 && !pipe) break;
        bytes.append(buffer, n);
        giveUp = std::chrono::steady_clock::now() + kPipeWriterWait;
    }
    return {};
}

std::string ReadHandle(HANDLE file, std::size_t limit, InputBytes& input) {
    const DWORD type = GetFileType(file);
    if (type == FILE_TYPE_CHAR) return "it is a device, not a file";
    if (type == FILE_TYPE_PIPE) return ReadAll(file, true, limit, input.bytes);
    if (type != FILE_TYPE_DISK) return "it is not a file";
    DWORD attributes = 0;
    if (!windows::IdentityOf(file, input.identity, attributes)) return Reason(GetLastError());
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return "it is a folder, not a file";
    return ReadAll(file, false, limit, input.bytes);
}

}  // namespace

std::string ReadInputFile(const std::string& path, std::size_t limit, InputBytes& input) {
    const std::optional<std::wstring> wide = windows::WidePath(path);
    if (!wide) return "its name is not valid UTF-8 text";
    // Backup semantics let a folder be opened too, so that it can be named as one.
    Handle file(CreateFileW(wide->c_str(), GENERIC_READ, windows::kShareAll, nullptr, OPEN_EXISTING,
                            FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file.Valid()) return Reason(GetLastError());
    return ReadHandle(file.Get(), limit, input);
}

std::string ReadStandardInput(std::size_t limit, InputBytes& input) {
    const HANDLE standardInput = GetStdHandle(STD_INPUT_HANDLE);
    if (standardInput == INVALID_HANDLE_VALUE || standardInput == nullptr)
        return "there is no standard input";
    return ReadHandle(standardInput, limit, input);
}

}  // namespace jw
