#include "data/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

#include "data/design_error.h"

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#define JW_HAVE_FSYNC 1
#endif

namespace jw {
namespace {

namespace fs = std::filesystem;

std::string SystemReason() {
    return std::generic_category().message(errno);
}

fs::path ReplaceTarget(const std::string& path) {
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
bool WriteAndClose(std::FILE* file, const std::string& text, bool durable) {
    bool ok = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    ok = ok && std::fflush(file) == 0;
#ifdef JW_HAVE_FSYNC
    if (durable) ok = ok && fsync(fileno(file)) == 0;
#else
    (void)durable;
#endif
    const int writeErrno = errno;
    const bool closed = std::fclose(file) == 0;
    if (!ok) errno = writeErrno;
    return ok && closed;
}

}  // namespace

std::string ReplaceFileContents(const std::string& path, const std::string& text, bool durable) {
    const fs::path target = ReplaceTarget(path);
    std::error_code ec;
    const fs::file_status old = fs::status(target, ec);
    fs::path temporary;
    std::FILE* file = CreateTemporary(target, temporary);
    if (!file) return "cannot create a file in its folder (" + SystemReason() + ")";
    if (!WriteAndClose(file, text, durable)) {
        const std::string reason = SystemReason();
        fs::remove(temporary, ec);
        return "writing failed (" + reason + "); any earlier file is unchanged";
    }
    if (fs::is_regular_file(old)) fs::permissions(temporary, old.permissions(), ec);
    fs::rename(temporary, target, ec);
    if (ec) {
        const std::string reason = ec.message();
        fs::remove(temporary, ec);
        return "it cannot be replaced (" + reason + "); any earlier file is unchanged";
    }
    return {};
}

void WriteTextFileAtomically(const std::string& path, const std::string& text) {
    const std::string reason = ReplaceFileContents(path, text);
    if (!reason.empty()) throw DesignError("Cannot write \"" + path + "\": " + reason + ".");
}

}  // namespace jw
