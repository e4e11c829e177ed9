// Windows: the companion is started with CreateProcessW, its standard input an anonymous pipe.
// Arguments go into the wide-character command line quoted by the rules programs use to split
// it again, so a path with spaces, quotes or characters of any script arrives as it was given.
#include <algorithm>
#include <cstdio>
#include <iostream>
#include <optional>

#include "app/cli/process.h"
#include "data/windows_handle.h"

namespace jw::cli {
namespace {

using windows::Handle;

// A backslash escapes only a quote or the closing quote, so only backslashes before one are
// doubled.
std::wstring QuotedArgument(const std::wstring& argument) {
    if (!argument.empty() && argument.find_first_of(L" \t\n\v\"") == std::wstring::npos)
        return argument;
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t ch : argument) {
        if (ch == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(ch == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        quoted.push_back(ch);
        backslashes = 0;
    }
    quoted.append(backslashes * 2, L'\\');
    return quoted + L"\"";
}

std::optional<std::wstring> CommandLine(const std::filesystem::path& program,
                                        const std::vector<std::string>& arguments) {
    // A program's own name is split by quotes alone, and no Windows file name holds a quote.
    std::wstring line = L"\"" + program.wstring() + L"\"";
    for (const std::string& argument : arguments) {
        const std::optional<std::wstring> wide = windows::WidePath(argument);
        if (!wide) return std::nullopt;
        line += L" " + QuotedArgument(*wide);
    }
    return line;
}

// This program's standard output or error, as a handle the companion inherits.
Handle Inheritable(DWORD which) {
    const HANDLE own = GetStdHandle(which);
    HANDLE copy = nullptr;
    if (own == INVALID_HANDLE_VALUE || own == nullptr ||
        !DuplicateHandle(GetCurrentProcess(), own, GetCurrentProcess(), &copy, 0, TRUE,
                         DUPLICATE_SAME_ACCESS))
        return Handle();
    return Handle(copy);
}

// A companion that stops early closes its end of the pipe; the write then fails and ends here,
// and its exit status says what went wrong.
void SendAndClose(Handle pipe, const std::string& bytes) {
    for (std::size_t sent = 0; sent < bytes.size();) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - sent, 1 << 20));
        DWORD n = 0;
        if (!WriteFile(pipe.Get(), bytes.data() + sent, chunk, &n, nullptr) || n == 0) break;
        sent += n;
    }
}

// Everything the companion prints, up to the end of its output.
void ReadAll(const Handle& pipe, std::string& out) {
    char buffer[4096];
    DWORD n = 0;
    while (ReadFile(pipe.Get(), buffer, sizeof buffer, &n, nullptr) && n > 0) out.append(buffer, n);
}

}  // namespace

std::filesystem::path ProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            return std::filesystem::path(path).parent_path();
        }
        path.resize(path.size() * 2);
    }
}

ChildOutcome RunWithInput(const std::filesystem::path& program,
                          const std::vector<std::string>& arguments, const std::string& input,
                          std::string* output) {
    std::optional<std::wstring> line = CommandLine(program, arguments);
    if (!line) return {-1, "an argument is not valid UTF-8 text"};
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherited, 0))
        return {-1, windows::Reason(GetLastError())};
    Handle childInput(readEnd), feed(writeEnd);
    SetHandleInformation(feed.Get(), HANDLE_FLAG_INHERIT, 0);
    Handle printed;  // this program's end of the companion's standard output, when kept
    Handle childOutput;
    if (output) {
        HANDLE ourEnd = nullptr, theirEnd = nullptr;
        if (!CreatePipe(&ourEnd, &theirEnd, &inherited, 0))
            return {-1, windows::Reason(GetLastError())};
        printed = Handle(ourEnd);
        childOutput = Handle(theirEnd);
        SetHandleInformation(printed.Get(), HANDLE_FLAG_INHERIT, 0);
    } else {
        childOutput = Inheritable(STD_OUTPUT_HANDLE);
    }
    Handle errors = Inheritable(STD_ERROR_HANDLE);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = childInput.Get();
    startup.hStdOutput = childOutput.Valid() ? childOutput.Get() : nullptr;
    startup.hStdError = errors.Valid() ? errors.Get() : nullptr;
    PROCESS_INFORMATION started{};
    std::cout.flush();
    std::fflush(stdout);
    if (!CreateProcessW(program.wstring().c_str(), line->data(), nullptr, nullptr, TRUE, 0, nullptr,
                        nullptr, &startup, &started))
        return {-1, "cannot be started: " + windows::Reason(GetLastError())};
    Handle process(started.hProcess), thread(started.hThread);
    childInput.Close();
    childOutput.Close();
    errors.Close();

    SendAndClose(std::move(feed), input);
    if (output) ReadAll(printed, *output);
    DWORD status = 0;
    if (WaitForSingleObject(process.Get(), INFINITE) != WAIT_OBJECT_0 ||
        !GetExitCodeProcess(process.Get(), &status))
        return {-1, windows::Reason(GetLastError())};
    // A program that crashes ends with an exception code (0xC0000005 and the like), never with
    // one of the small statuses the companion uses.
    if (status > 255) return {-1, "stopped before it finished"};
    return {static_cast<int>(status), {}};
}

}  // namespace jw::cli
