#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "data/atomic_file.h"
#include "project/project_file.h"

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

}  // namespace

void SaveProjectFile(const std::string& path, const Project& project) {
    std::string text;
    try {
        text = FormatProject(project);
    } catch (const ProjectFileError& e) {
        throw ProjectFileError(e.line(), "Cannot save " + Quoted(path) + ". " + e.what());
    }
    // A project file made read-only was made so on purpose (an issued design): keep it.
    std::error_code ec;
    const fs::file_status old = fs::status(path, ec);  // a link's target
    if (!ec && fs::is_regular_file(old) &&
        (old.permissions() & fs::perms::owner_write) == fs::perms::none)
        SaveFailed(path, "the file is read-only");

    // The data must be on the disk before the rename makes it the project file.
    const std::string reason = ReplaceFileContents(path, text, true);
    if (!reason.empty()) SaveFailed(path, reason);
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
