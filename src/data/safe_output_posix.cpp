// The safe output writer on POSIX systems. Links are walked here one by one with fstatat and
// readlinkat, and every file is reached through a descriptor of the folder that holds it, so
// nothing resolved once can be swapped for something else by name before the write.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#ifdef __linux__
#include <sys/vfs.h>
#endif

#include <cerrno>
#include <chrono>
#include <optional>
#include <random>
#include <thread>

#include "data/posix_descriptor.h"
#include "data/safe_output.h"

namespace jw {
namespace {

using posix::Descriptor;
using posix::Reason;

// The kernel follows at most 40 links in a path; a longer chain is taken as a loop.
constexpr int kMostLinks = 40;
// How long a pipe may stay without a reader before the write is given up.
constexpr std::chrono::milliseconds kPipeReaderWait{2000};
constexpr std::chrono::milliseconds kPipeRetry{20};
// Room left in a file name for the temporary file's suffix.
constexpr std::size_t kLongestTemporaryStem = 200;

#ifdef O_PATH
constexpr int kFolderFlags = O_PATH | O_DIRECTORY | O_CLOEXEC;
#else
constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;
#endif

enum class Kind { Missing, Regular, CharacterDevice, Pipe, OwnStream };

// What an output path finally names: an entry in an open folder, or this program's own stream.
struct Target {
    Descriptor folder;
    std::string name;
    Kind kind = Kind::Missing;
    struct stat status {};
    int stream = -1;
};

struct PathParts {
    std::string folder;
    std::string name;
};

PathParts SplitPath(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return {".", path};
    return {slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1)};
}

bool NamesAFolder(const std::string& name) {
    return name.empty() || name == "." || name == "..";
}

std::string FolderProblem(int error) {
    if (error == ELOOP) return "it is a loop of links";
    if (error == ENOENT) return "its folder does not exist";
    if (error == ENOTDIR) return "a part of its folder path is not a folder";
    return "its folder cannot be opened (" + Reason(error) + ")";
}

std::string KindProblem(mode_t mode) {
    if (S_ISDIR(mode)) return "it is a folder";
    if (S_ISSOCK(mode)) return "it is a socket";
    if (S_ISBLK(mode)) return "it is a block device (a disk or a partition)";
    return "it is not a file that can be written";
}

// /dev/stdout, /dev/fd/1 and /proc/self/fd/1 all end in a link in this process's descriptor
// folder. Its text ("pipe:[1234]", or the name of a file the shell truncated) names no file
// that could be replaced: the stream itself is the output.
std::optional<int> OwnDescriptor(int folder, const std::string& name) {
#ifdef __linux__
    constexpr long kProcFileSystem = 0x9fa0;
    struct statfs system {};
    if (fstatfs(folder, &system) != 0 || system.f_type != kProcFileSystem) return std::nullopt;
    if (name.empty() || name.find_first_not_of("0123456789") != std::string::npos ||
        name.size() > 9)
        return std::nullopt;
    struct stat here {
    }, own{};
    if (fstat(folder, &here) != 0 || stat("/proc/self/fd", &own) != 0) return std::nullopt;
    if (here.st_dev != own.st_dev || here.st_ino != own.st_ino) return std::nullopt;
    return std::stoi(name);
#else
    (void)folder;
    (void)name;
    return std::nullopt;
#endif
}

// The kernel's own rule for links in shared sticky folders such as /tmp: a link is followed
// only when the follower or the folder's owner owns it, so another user cannot plant a link
// that makes this program overwrite the follower's files.
bool IsGuardedLink(int folder, const struct stat& link) {
    struct stat status {};
    if (fstat(folder, &status) != 0) return false;
    const bool shared = (status.st_mode & S_ISVTX) && (status.st_mode & S_IWOTH);
    return shared && link.st_uid != geteuid() && link.st_uid != status.st_uid;
}

std::string LinkText(int folder, const std::string& name, std::string& text) {
    std::string buffer(4096, '\0');
    const ssize_t length = readlinkat(folder, name.c_str(), buffer.data(), buffer.size());
    if (length < 0) return Reason(errno);
    if (static_cast<std::size_t>(length) >= buffer.size()) return "its link is too long";
    text = buffer.substr(0, static_cast<std::size_t>(length));
    return {};
}

std::string Classify(Target& target, const struct stat& status) {
    target.status = status;
    if (S_ISREG(status.st_mode))
        target.kind = Kind::Regular;
    else if (S_ISCHR(status.st_mode))
        target.kind = Kind::CharacterDevice;
    else if (S_ISFIFO(status.st_mode))
        target.kind = Kind::Pipe;
    else
        return KindProblem(status.st_mode);
    return {};
}

// Walks the path's links to the entry an output goes to.
std::string Resolve(const std::string& path, Target& target) {
    if (path.empty()) return "no file name was given";
    PathParts parts = SplitPath(path);
    Descriptor folder(openat(AT_FDCWD, parts.folder.c_str(), kFolderFlags));
    if (!folder.Valid()) return FolderProblem(errno);
    std::string linkText;
    for (int links = 0;; ++links) {
        if (NamesAFolder(parts.name)) return "it is a folder";
        struct stat status {};
        if (fstatat(folder.Get(), parts.name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno != ENOENT) return Reason(errno);
            if (links > 0) return "it is a link to \"" + linkText + "\", which does not exist";
            target.folder = std::move(folder);
            target.name = parts.name;
            target.kind = Kind::Missing;
            return {};
        }
        if (!S_ISLNK(status.st_mode)) {
            target.folder = std::move(folder);
            target.name = parts.name;
            return Classify(target, status);
        }
        if (const auto stream = OwnDescriptor(folder.Get(), parts.name)) {
            if (fstat(*stream, &target.status) != 0) return Reason(errno);
            target.kind = Kind::OwnStream;
            target.stream = *stream;
            return {};
        }
        if (links == kMostLinks) return "it is a loop of links";
        if (IsGuardedLink(folder.Get(), status))
            return "it is a link in a shared folder that belongs to another user, which is not "
                   "followed";
        if (std::string problem = LinkText(folder.Get(), parts.name, linkText); !problem.empty())
            return problem;
        parts = SplitPath(linkText);
        const int base = linkText.front() == '/' ? AT_FDCWD : folder.Get();
        Descriptor next(openat(base, parts.folder.c_str(), kFolderFlags));
        if (!next.Valid()) {
            if (errno == ENOENT)
                return "it is a link to \"" + linkText + "\", which does not exist";
            return FolderProblem(errno);
        }
        folder = std::move(next);
    }
}

FileIdentity IdentityOf(const struct stat& status) {
    return {static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino)};
}

// Why the resolved target may not be written, or the empty text.
std::string Refusal(const Target& target, const std::vector<InputFile>& inputs) {
    if (target.kind == Kind::Missing) return {};
    const FileIdentity identity = IdentityOf(target.status);
    for (const InputFile& input : inputs)
        if (input.identity == identity)
            return "it is the same file as \"" + input.path + "\", which this run reads";
    if (target.kind == Kind::OwnStream) {
        const int flags = fcntl(target.stream, F_GETFL);
        if (flags < 0 || (flags & O_ACCMODE) == O_RDONLY) return "it is not open for writing";
        return {};
    }
    if ((target.status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return "the file is read-only";
    if (faccessat(target.folder.Get(), target.name.c_str(), W_OK, AT_EACCESS) != 0)
        return Reason(errno);
    return {};
}

// 0 or the error number; `written` counts what went out before a failure.
int WriteAll(int fd, std::string_view bytes, std::size_t* written = nullptr) {
    std::size_t done = 0;
    int error = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            error = errno;
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    if (written) *written = done;
    return error;
}

std::string WritingFailed(int error) {
    return "writing failed (" + Reason(error) + ")";
}

// A pipe takes data once a program reads it; without a reader the open fails at once, so it is
// tried again for a short while rather than waiting for ever.
Descriptor OpenPipe(const Target& target) {
    const auto giveUp = std::chrono::steady_clock::now() + kPipeReaderWait;
    for (;;) {
        Descriptor pipe(openat(target.folder.Get(), target.name.c_str(),
                               O_WRONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC));
        if (pipe.Valid()) {
            fcntl(pipe.Get(), F_SETFL, fcntl(pipe.Get(), F_GETFL) & ~O_NONBLOCK);
            return pipe;
        }
        if (errno != ENXIO || std::chrono::steady_clock::now() >= giveUp) return pipe;
        std::this_thread::sleep_for(kPipeRetry);
    }
}

// Devices, pipes and this program's own streams take the bytes where they stand.
std::string WriteInPlace(const Target& target, std::string_view bytes) {
    if (target.kind == Kind::OwnStream) {
        const int error = WriteAll(target.stream, bytes);
        return error ? WritingFailed(error) : std::string();
    }
    Descriptor file = target.kind == Kind::Pipe
                          ? OpenPipe(target)
                          : Descriptor(openat(target.folder.Get(), target.name.c_str(),
                                              O_WRONLY | O_NOCTTY | O_NOFOLLOW | O_CLOEXEC));
    if (!file.Valid()) {
        if (target.kind == Kind::Pipe && errno == ENXIO) return "no program reads from the pipe";
        return "it cannot be opened (" + Reason(errno) + ")";
    }
    int error = WriteAll(file.Get(), bytes);
    if (!error) error = file.Close();
    return error ? WritingFailed(error) : std::string();
}

Descriptor CreateTemporary(const Target& target, std::string& name) {
    std::random_device seed;
    std::mt19937 random(seed());
    const std::string stem = target.name.substr(0, kLongestTemporaryStem);
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = stem + ".save-" + std::to_string(random() % 1000000) + ".tmp";
        Descriptor file(openat(target.folder.Get(), name.c_str(),
                               O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
        if (file.Valid() || errno != EEXIST) return file;
    }
    errno = EEXIST;
    return Descriptor();
}

// A replaced file keeps its owner (when this user may give it) and its permissions.
void KeepOwnerAndPermissions(int fd, const struct stat& old) {
    if ((old.st_uid != geteuid() || old.st_gid != getegid()) &&
        fchown(fd, old.st_uid, old.st_gid) != 0) {
        // Only the owner's own files or root may give a file away; it stays this user's.
    }
    fchmod(fd, old.st_mode & 07777);
}

// The entry may have been replaced by another writer's file meanwhile (the last one wins, as
// always); anything else in its place now (a link, a device) must not be renamed over.
bool StillAFileOrNothing(const Target& target) {
    struct stat now {};
    if (fstatat(target.folder.Get(), target.name.c_str(), &now, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT;
    return S_ISREG(now.st_mode);
}

void SyncFolder(const Target& target) {
    Descriptor folder(openat(target.folder.Get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.Valid()) fsync(folder.Get());
}

std::string Replace(const Target& target, std::string_view bytes, bool durable) {
    std::string temporary;
    Descriptor file = CreateTemporary(target, temporary);
    if (!file.Valid()) return "cannot create a file in its folder (" + Reason(errno) + ")";
    const auto discard = [&] { unlinkat(target.folder.Get(), temporary.c_str(), 0); };
    int error = WriteAll(file.Get(), bytes);
    if (!error && durable && fsync(file.Get()) != 0) error = errno;
    if (!error && target.kind == Kind::Regular) KeepOwnerAndPermissions(file.Get(), target.status);
    if (const int closeError = file.Close(); !error) error = closeError;
    if (error) {
        discard();
        return WritingFailed(error) + "; any earlier file is unchanged";
    }
    if (!StillAFileOrNothing(target)) {
        discard();
        return "another program put something else in its place while it was written";
    }
    if (renameat(target.folder.Get(), temporary.c_str(), target.folder.Get(),
                 target.name.c_str()) != 0) {
        error = errno;
        discard();
        return "it cannot be replaced (" + Reason(error) + "); any earlier file is unchanged";
    }
    if (durable) SyncFolder(target);
    return {};
}

std::string ResolveWritable(const std::string& path, const std::vector<InputFile>& inputs,
                            Target& target) {
    if (std::string problem = Resolve(path, target); !problem.empty()) return problem;
    return Refusal(target, inputs);
}

// Appends under the lock; on a failure only this record's bytes are cut off again, and only
// when they are still the file's last bytes.
std::string AppendLocked(int fd, std::string_view record) {
    while (flock(fd, LOCK_EX) != 0)
        if (errno != EINTR) return "the file cannot be locked (" + Reason(errno) + ")";
    struct stat before {};
    if (fstat(fd, &before) != 0) return Reason(errno);
    std::size_t written = 0;
    int error = WriteAll(fd, record, &written);
    if (!error && fsync(fd) != 0) error = errno;
    if (!error) return {};
    struct stat now {};
    if (written > 0 && fstat(fd, &now) == 0 &&
        now.st_size == before.st_size + static_cast<off_t>(written) &&
        ftruncate(fd, before.st_size) == 0)
        fsync(fd);
    return Reason(error);
}

}  // namespace

std::string OutputTargetProblem(const std::string& path, const std::vector<InputFile>& inputs) {
    Target target;
    if (std::string problem = ResolveWritable(path, inputs, target); !problem.empty())
        return problem;
    if (target.kind == Kind::Missing &&
        faccessat(target.folder.Get(), ".", W_OK | X_OK, AT_EACCESS) != 0)
        return "cannot create a file in its folder (" + Reason(errno) + ")";
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
    const int create = target.kind == Kind::Missing ? O_CREAT : 0;
    Descriptor file(openat(target.folder.Get(), target.name.c_str(),
                           O_WRONLY | O_APPEND | O_NOFOLLOW | O_CLOEXEC | create, 0666));
    if (!file.Valid()) {
        if (errno == ELOOP) return "another program put a link in its place";
        return "it cannot be opened for appending (" + Reason(errno) + ")";
    }
    struct stat status {};
    if (fstat(file.Get(), &status) != 0) return Reason(errno);
    if (!S_ISREG(status.st_mode)) return "another program put something else in its place";
    std::string problem = AppendLocked(file.Get(), record);
    if (const int error = file.Close(); problem.empty() && error) problem = Reason(error);
    return problem;
}

}  // namespace jw
