#include "app/cli/pdf_output.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
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

// Writes the project to the companion's standard input. A companion that stops early closes
// its end; that must end this write, not this program (the broken pipe signal is ignored
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
#endif

}  // namespace

bool PdfOutputAvailable() {
#ifdef JW_PDF_WRITER
    return true;
#else
    return false;
#endif
}

int WriteSheetPdf(const std::string& projectBytes, const std::string& pdfPath, CodePage page) {
#ifdef JW_PDF_WRITER
    const std::string writer = WriterPath().string();
    std::vector<std::string> args = {writer, "--codepage", std::string(CodePageKey(page)), pdfPath};
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    std::cout.flush();
    int project[2];
    if (pipe2(project, O_CLOEXEC) != 0) {
        std::cerr << "jointwright-cli: " << std::strerror(errno) << "\n";
        return kExitStopped;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, project[0], STDIN_FILENO);
    pid_t pid = 0;
    const int error = posix_spawn(&pid, writer.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(project[0]);
    if (error != 0) {
        close(project[1]);
        std::cerr << "jointwright-cli: the PDF writer " << writer
                  << " cannot be started: " << std::strerror(error) << "\n";
        return kExitStopped;
    }
    SendAndClose(project[1], projectBytes);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0)
        if (errno != EINTR) return kExitStopped;
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    std::cerr << "jointwright-cli: the PDF writer stopped before it finished; no PDF was "
                 "written.\n";
    return kExitStopped;
#else
    (void)projectBytes;
    (void)pdfPath;
    (void)page;
    std::cerr << "jointwright-cli: this build has no PDF output (it was built without Qt).\n";
    return kExitStopped;
#endif
}

}  // namespace jw::cli
