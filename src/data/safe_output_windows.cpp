// The safe output writer on Windows. Paths arrive as UTF-8 and go to the wide-character calls,
// so a folder or file named in any script works whatever the system's code page. A file is
// replaced by a temporary file written beside it and moved over it with MoveFileExW; the export
// is appended under LockFileEx. Links (symbolic links and junctions) are opened through to the
// file they name, and the temporary file goes to that file's own folder, so the link stays.
//
// Where Windows differs: a replaced file takes the security settings its folder gives new files
// (its read-only, hidden and system attributes are kept); a file another program holds open
// without sharing cannot be replaced until it is closed; the console (CON) and NUL are the
// devices written in place, named pipes (\\.\pipe\NAME) the pipes.
#include <algorithm>
#include <optional>
#include <random>
#include <string>

#include "data/safe_output.h"
#include "data/windows_handle.h"

namespace jw {
namespace {

using windows::Handle;
using windows::kShareAll;
using windows::Reason;

// How long a named pipe may stay busy before the write is given up.
constexpr DWORD kPipeReaderWaitMs = 2000;
// Room left in a file name for the temporary file's suffix.
constexpr std::size_t kLongestTemporaryStem = 200;
// The attributes a replaced file keeps.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                  FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

enum class Kind { Missing, Regular, Device, Pipe };

// What an output path finally names: a file by its full path (links resolved), or a device.
struct Target {
    std::wstring path;
    std::wstring folder;
    std::wstring name;
    Kind kind = Kind::Missing;
    FileIdentity identity;
    DWORD attributes = 0;
};

bool IsSeparator(wchar_t ch) {
    return ch == L'\\' || ch == L'/';
}

bool StartsWithNoCase(const std::wstring& text, const std::wstring& prefix) {
    return text.size() >= prefix.size() &&
           CompareStringOrdinal(text.data(), static_cast<int>(prefix.size()), prefix.data(),
                                static_cast<int>(prefix.size()), TRUE) == CSTR_EQUAL;
}

void SplitFolder(Target& target) {
    std::size_t slash = target.path.size();
    while (slash > 0 && !IsSeparator(target.path[slash - 1])) --slash;
    target.folder = target.path.substr(0, slash > 0 ? slash - 1 : 0);
    target.name = target.path.substr(slash);
}

std::optional<std::wstring> FullPath(const std::wstring& path) {
    const DWORD length = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (length == 0) return std::nullopt;
    std::wstring full(length, L'\0');
    const DWORD written = GetFullPathNameW(path.c_str(), length, full.data(), nullptr);
    if (written == 0 || written >= length) return std::nullopt;
    full.resize(written);
    return full;
}

// The path of an open file with every link resolved ("\\?\C:\folder\file").
std::optional<std::wstring> FinalPath(HANDLE file) {
    const DWORD length = GetFinalPathNameByHandleW(file, nullptr, 0, FILE_NAME_NORMALIZED);
    if (length == 0) return std::nullopt;
    std::wstring path(length, L'\0');
    const DWORD written =
        GetFinalPathNameByHandleW(file, path.data(), length, FILE_NAME_NORMALIZED);
    if (written == 0 || written >= length) return std::nullopt;
    path.resize(written);
    return path;
}

// "NUL", "CON", "COM1" and "\\.\NAME" live in the device namespace, never on a disk.
bool InDeviceNamespace(const std::wstring& full) {
    return StartsWithNoCase(full, L"\\\\.\\") || StartsWithNoCase(full, L"\\\\?\\pipe\\");
}

bool IsNamedPipe(const std::wstring& full) {
    return StartsWithNoCase(full, L"\\\\.\\pipe\\") || StartsWithNoCase(full, L"\\\\?\\pipe\\");
}

std::string MissingProblem(DWORD error, const std::wstring& path) {
    if (error == ERROR_PATH_NOT_FOUND) return "its folder does not exist";
    if (error == ERROR_CANT_RESOLVE_FILENAME) return "it is a loop of links";
    if (error != ERROR_FILE_NOT_FOUND) return Reason(error);
    // The entry itself may be there: a link whose file is gone.
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT))
        return "it is a link to a file that does not exist";
    return {};
}

std::string ResolveOnDisk(const std::wstring& full, Target& target) {
    Handle file(CreateFileW(full.c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr, OPEN_EXISTING,
                            FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file.Valid()) {
        if (std::string problem = MissingProblem(GetLastError(), full); !problem.empty())
            return problem;
        target.path = full;
        target.kind = Kind::Missing;
        SplitFolder(target);
        return {};
    }
    if (GetFileType(file.Get()) != FILE_TYPE_DISK) return "it is not a file that can be written";
    if (!windows::IdentityOf(file.Get(), target.identity, target.attributes))
        return Reason(GetLastError());
    if (target.attributes & FILE_ATTRIBUTE_DIRECTORY) return "it is a folder";
    target.path = FinalPath(file.Get()).value_or(full);
    target.kind = Kind::Regular;
    SplitFolder(target);
    return {};
}

// Finds what the path names; nothing is opened for writing here.
std::string Resolve(const std::string& path, Target& target) {
    if (path.empty()) return "no file name was given";
    const std::optional<std::wstring> wide = windows::WidePath(path);
    if (!wide) return "its name is not valid UTF-8 text";
    if (IsSeparator(wide->back())) return "it is a folder";
    const std::optional<std::wstring> full = FullPath(*wide);
    if (!full) return Reason(GetLastError());
    if (InDeviceNamespace(*full)) {
        // A device is opened by the name it was given: "CON" reaches the console, its full
        // form does not on every Windows.
        target.kind = IsNamedPipe(*full) ? Kind::Pipe : Kind::Device;
        target.path = target.kind == Kind::Pipe ? *full : *wide;
        return {};
    }
    std::size_t slash = full->size();
    while (slash > 0 && !IsSeparator((*full)[slash - 1])) --slash;
    const std::wstring name = full->substr(slash);
    if (name.empty() || name == L"." || name == L"..") return "it is a folder";
    return ResolveOnDisk(*full, target);
}

// A named pipe that is busy serving another program is waited for a short while.
Handle OpenInPlace(const Target& target) {
    for (int attempt = 0;; ++attempt) {
        Handle file(CreateFileW(target.path.c_str(), GENERIC_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                                nullptr));
        if (file.Valid() || target.kind != Kind::Pipe || attempt > 0 ||
            GetLastError() != ERROR_PIPE_BUSY ||
            !WaitNamedPipeW(target.path.c_str(), kPipeReaderWaitMs))
            return file;
    }
}

std::string DeviceProblem(const Target& target, HANDLE file) {
    const DWORD type = GetFileType(file);
    if (type == FILE_TYPE_CHAR || (type == FILE_TYPE_PIPE && target.kind == Kind::Pipe)) return {};
    if (type == FILE_TYPE_DISK) return "it is a block device (a disk or a partition)";
    return "it is not a file that can be written";
}

std::string OpenProblem(const Target& target, DWORD error) {
    if (target.kind == Kind::Pipe && (error == ERROR_FILE_NOT_FOUND || error == ERROR_PIPE_BUSY))
        return "no program reads from the pipe";
    return "it cannot be opened (" + Reason(error) + ")";
}

// Why the resolved target may not be written, or the empty text.
std::string Refusal(const Target& target, const std::vector<InputFile>& inputs) {
    if (target.kind == Kind::Missing) return {};
    if (target.kind == Kind::Regular) {
        for (const InputFile& input : inputs)
            if (input.identity != FileIdentity{} && input.identity == target.identity)
                return "it is the same file as \"" + input.path + "\", which this run reads";
        if (target.attributes & FILE_ATTRIBUTE_READONLY) return "the file is read-only";
        Handle file(CreateFileW(target.path.c_str(), GENERIC_WRITE, kShareAll, nullptr,
                                OPEN_EXISTING, 0, nullptr));
        return file.Valid() ? std::string() : Reason(GetLastError());
    }
    // A pipe is not opened to be checked: each open would take one of its server's instances.
    if (target.kind == Kind::Pipe) return {};
    Handle device(OpenInPlace(target));
    if (!device.Valid()) return OpenProblem(target, GetLastError());
    return DeviceProblem(target, device.Get());
}

// 0 or the error number; `written` counts what went out before a failure.
DWORD WriteAll(HANDLE file, std::string_view bytes, std::size_t* written = nullptr) {
    constexpr std::size_t kLargestWrite = 1 << 30;
    std::size_t done = 0;
    DWORD error = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min(bytes.size() - done, kLargestWrite));
        DWORD n = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &n, nullptr)) {
            error = GetLastError();
            break;
        }
        if (n == 0) {
            error = ERROR_WRITE_FAULT;
            break;
        }
        done += n;
    }
    if (written) *written = done;
    return error;
}

std::string WritingFailed(DWORD error) {
    return "writing failed (" + Reason(error) + ")";
}

// Devices and pipes take the bytes where they stand.
std::string WriteInPlace(const Target& target, std::string_view bytes) {
    Handle file(OpenInPlace(target));
    if (!file.Valid()) return OpenProblem(target, GetLastError());
    if (std::string problem = DeviceProblem(target, file.Get()); !problem.empty()) return problem;
    DWORD error = WriteAll(file.Get(), bytes);
    if (const DWORD closeError = file.Close(); !error) error = closeError;
    return error ? WritingFailed(error) : std::string();
}

Handle CreateTemporary(const Target& target, std::wstring& path, DWORD flags) {
    std::random_device seed;
    std::mt19937 random(seed());
    const std::wstring stem = target.name.substr(0, kLongestTemporaryStem);
    for (int attempt = 0; attempt < 100; ++attempt) {
        path = target.folder + L"\\" + stem + L".save-" + std::to_wstring(random() % 1000000) +
               L".tmp";
        Handle file(CreateFileW(path.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL | flags, nullptr));
        if (file.Valid() || GetLastError() != ERROR_FILE_EXISTS) return file;
    }
    SetLastError(ERROR_FILE_EXISTS);
    return Handle();
}

// The entry may have been replaced by another writer's file meanwhile (the last one wins, as
// always); anything else in its place now (a link, a folder) must not be moved over.
bool StillAFileOrNothing(const Target& target) {
    const DWORD attributes = GetFileAttributesW(target.path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return GetLastError() == ERROR_FILE_NOT_FOUND;
    return (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0;
}

void KeepAttributes(HANDLE file, const Target& target) {
    const DWORD kept = target.attributes & kKeptAttributes;
    if (target.kind != Kind::Regular || kept == 0) return;
    FILE_BASIC_INFO information{};
    information.FileAttributes = kept;
    SetFileInformationByHandle(file, FileBasicInfo, &information, sizeof information);
}

std::string Replace(const Target& target, std::string_view bytes, bool durable) {
    std::wstring temporary;
    Handle file = CreateTemporary(target, temporary, 0);
    if (!file.Valid()) return "cannot create a file in its folder (" + Reason(GetLastError()) + ")";
    const auto discard = [&] { DeleteFileW(temporary.c_str()); };
    DWORD error = WriteAll(file.Get(), bytes);
    if (!error && durable && !FlushFileBuffers(file.Get())) error = GetLastError();
    if (!error) KeepAttributes(file.Get(), target);
    if (const DWORD closeError = file.Close(); !error) error = closeError;
    if (error) {
        discard();
        return WritingFailed(error) + "; any earlier file is unchanged";
    }
    if (!StillAFileOrNothing(target)) {
        discard();
        return "another program put something else in its place while it was written";
    }
    if (!MoveFileExW(temporary.c_str(), target.path.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        error = GetLastError();
        discard();
        return "it cannot be replaced (" + Reason(error) + "); any earlier file is unchanged";
    }
    return {};
}

std::string ResolveWritable(const std::string& path, const std::vector<InputFile>& inputs,
                            Target& target) {
    if (std::string problem = Resolve(path, target); !problem.empty()) return problem;
    return Refusal(target, inputs);
}

// Appends under the lock; on a failure only this record's bytes are cut off again, and only
// when they are still the file's last bytes.
std::string AppendLocked(HANDLE file, std::string_view record) {
    OVERLAPPED whole{};
    if (!LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD, MAXDWORD, &whole))
        return "the file cannot be locked (" + Reason(GetLastError()) + ")";
    LARGE_INTEGER before{}, end{}, now{};
    DWORD error = 0;
    std::size_t written = 0;
    if (!GetFileSizeEx(file, &before) || !SetFilePointerEx(file, end, nullptr, FILE_END))
        error = GetLastError();
    if (!error) error = WriteAll(file, record, &written);
    if (!error && !FlushFileBuffers(file)) error = GetLastError();
    if (error && written > 0 && GetFileSizeEx(file, &now) &&
        now.QuadPart == before.QuadPart + static_cast<LONGLONG>(written) &&
        SetFilePointerEx(file, before, nullptr, FILE_BEGIN) && SetEndOfFile(file))
        FlushFileBuffers(file);
    UnlockFileEx(file, 0, MAXDWORD, MAXDWORD, &whole);
    return error ? Reason(error) : std::string();
}

}  // namespace

std::string OutputTargetProblem(const std::string& path, const std::vector<InputFile>& inputs) {
    Target target;
    if (std::string problem = ResolveWritable(path, inputs, target); !problem.empty())
        return problem;
    if (target.kind == Kind::Missing) {
        // A trial file that the system removes as it is closed: the folder takes new files.
        std::wstring trial;
        if (!CreateTemporary(target, trial, FILE_FLAG_DELETE_ON_CLOSE).Valid())
            return "cannot create a file in its folder (" + Reason(GetLastError()) + ")";
    }
    return {};
}

std::string WriteOutputFile(const std::string& path, std::string_view bytes,
                            const OutputOptions& options) {
    Target target;
    if (std::string problem = ResolveWritable(path, options.inputs, target); !problem.empty())
        return problem;
    if (target.kind == Kind::Missing || target.kind == Kind::Regular)
        return Replace(target, bytes, options.durable);
    return WriteInPlace(target, bytes);
}

std::string AppendRecord(const std::string& path, std::string_view record) {
    Target target;
    if (std::string problem = ResolveWritable(path, {}, target); !problem.empty()) return problem;
    if (target.kind != Kind::Missing && target.kind != Kind::Regular)
        return WriteInPlace(target, record);
    // The link itself is opened, never followed: one put here since the path was resolved is
    // refused below.
    Handle file(CreateFileW(target.path.c_str(), GENERIC_READ | GENERIC_WRITE,
                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!file.Valid()) return "it cannot be opened for appending (" + Reason(GetLastError()) + ")";
    FileIdentity identity;
    DWORD attributes = 0;
    if (!windows::IdentityOf(file.Get(), identity, attributes)) return Reason(GetLastError());
    if (GetFileType(file.Get()) != FILE_TYPE_DISK ||
        (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)))
        return "another program put something else in its place";
    std::string problem = AppendLocked(file.Get(), record);
    if (const DWORD error = file.Close(); problem.empty() && error) problem = Reason(error);
    return problem;
}

}  // namespace jw
