#include "app/cli/pdf_output.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <vector>

#include "app/cli/commands.h"

extern char** environ;

namespace jw::cli {
namespace {

#ifdef JW_PDF_WRITER
// The companion program lives in the same folder as this one.
std::filesystem::path WriterPath() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return (error ? std::filesystem::path() : self.parent_path()) / JW_PDF_WRITER;
}
#endif

}  // namespace

bool PdfOutputAvailable() {
#ifdef JW_PDF_WRITER
    return true;
#else
    return false;
#endif
}

int WriteSheetPdf(const std::string& projectPath, const std::string& pdfPath) {
#ifdef JW_PDF_WRITER
    const std::string writer = WriterPath().string();
    std::vector<std::string> args = {writer, projectPath, pdfPath};
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    std::cout.flush();
    pid_t pid = 0;
    if (const int error = posix_spawn(&pid, writer.c_str(), nullptr, nullptr, argv.data(), environ);
        error != 0) {
        std::cerr << "jointwright-cli: the PDF writer " << writer
                  << " cannot be started: " << std::strerror(error) << "\n";
        return kExitStopped;
    }
    int status = 0;
    while (waitpid(pid, &status, 0) < 0)
        if (errno != EINTR) return kExitStopped;
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    std::cerr << "jointwright-cli: the PDF writer stopped before it finished; no PDF was "
                 "written.\n";
    return kExitStopped;
#else
    (void)projectPath;
    (void)pdfPath;
    std::cerr << "jointwright-cli: this build has no PDF output (it was built without Qt).\n";
    return kExitStopped;
#endif
}

}  // namespace jw::cli
