#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

#include "project/project_file.h"

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#define JW_HAVE_FSYNC 1
#endif

namespace jw {
namespace {

namespace fs = std::filesystem;

// A project file is a few hundred bytes; anything far larger is some other file opened by
// mistake, and is refused before it is read into memory.
constexpr std::size_t kLargestFile = 1 << 20;

std::string Quoted(const std::string& path) {
    return "\"" + path + "\"";
}

std::string SystemReason() {
    return std::generic_category().message(errno);
}

[[noreturn]] void SaveFailed(const std::string& path, const std::string& reason) {
    throw ProjectFileError(0, "Cannot save " + Quoted(path) + ": " + reason + ".");
}

// The file the save replaces: the target of a link rather than the link itself, so that a
// linked project file is updated where it lives.
fs::path SaveTarget(const std::string& path) {
    std::error_code ec;
    if (fs::is_symlink(path, ec)) {
        const fs::path resolved = fs::weakly_canonical(path, ec);
        if (!ec) return resolved;
    }
    return fs::path(path);
}

// Creates a new file beside the target, never reusing a name that exists.
std::FILE* CreateTemporary(const fs::path& target, fs::path& temporary) {
    std::random_device seed;
    std::mt19937 random(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        fs::path candidate = target;
        candidate += ".save-" + std::to_string(random() % 1000000) + ".tmp";
        errno = 0;
        if (std::FILE* file = std::fopen(candidate.string().c_str(), "wbx")) {
            temporary = candidate;
            return file;
        }
        if (errno != EEXIST) return nullptr;
    }
    return nullptr;
}

// Writes, flushes and closes; false (errno set) when any step fails.
bool WriteAndClose(std::FILE* file, const std::string& text) {
    bool ok = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    ok = ok && std::fflush(file) == 0;
#ifdef JW_HAVE_FSYNC
    // The data must be on the disk before the rename makes it the project file.
    ok = ok && fsync(fileno(file)) == 0;
#endif
    const int writeErrno = errno;
    const bool closed = std::fclose(file) == 0;
    if (!ok) errno = writeErrno;
    return ok && closed;
}

}  // namespace

void SaveProjectFile(const std::string& path, const Project& project) {
    std::string text;
    try {
        text = FormatProject(project);
    } catch (const ProjectFileError& e) {
        throw ProjectFileError(e.line(), "Cannot save " + Quoted(path) + ". " + e.what());
    }
    const fs::path target = SaveTarget(path);
    // A project file made read-only was made so on purpose (an issued design): keep it.
    std::error_code ec;
    const fs::file_status old = fs::status(target, ec);
    if (!ec && fs::is_regular_file(old) &&
        (old.permissions() & fs::perms::owner_write) == fs::perms::none)
        SaveFailed(path, "the file is read-only");

    fs::path temporary;
    std::FILE* file = CreateTemporary(target, temporary);
    if (!file) SaveFailed(path, "cannot create a file in its folder (" + SystemReason() + ")");

    if (!WriteAndClose(file, text)) {
        const std::string reason = SystemReason();
        fs::remove(temporary, ec);
        SaveFailed(path, "writing failed (" + reason + "); any earlier file is unchanged");
    }
    // The replaced file keeps its permissions.
    if (fs::is_regular_file(old)) fs::permissions(temporary, old.permissions(), ec);

    fs::rename(temporary, target, ec);
    if (ec) {
        const std::string reason = ec.message();
        fs::remove(temporary, ec);
        SaveFailed(path, "it cannot be replaced (" + reason + "); any earlier file is unchanged");
    }
}

Project LoadProjectFile(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        throw ProjectFileError(0, "Cannot open " + Quoted(path) + ": " + SystemReason() + ".");
    std::string text;
    char buffer[4096];
    std::size_t got = 0;
    while (text.size() <= kLargestFile && (got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        text.append(buffer, got);
    const bool failed = std::ferror(file) != 0;
    const std::string reason = failed ? SystemReason() : std::string();
    std::fclose(file);
    if (failed) throw ProjectFileError(0, "Cannot read " + Quoted(path) + ": " + reason + ".");
    if (text.size() > kLargestFile)
        throw ProjectFileError(0, "Cannot open " + Quoted(path) +
                                      ": the file is larger than 1 MB, too large to be a "
                                      "JointWright project file.");
    return ParseProject(text);
}

}  // namespace jw
