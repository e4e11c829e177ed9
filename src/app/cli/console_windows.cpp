// Windows: arguments from the wide-character command line, and standard output switched to
// binary mode for the bytes that must not gain a CR before each LF.
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>
#include <iostream>

#include "app/cli/console.h"
#include "data/windows_handle.h"

namespace jw::cli {

std::vector<std::string> ProgramArguments(int argc, char** argv) {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide) return std::vector<std::string>(argv, argv + argc);
    std::vector<std::string> arguments;
    for (int i = 0; i < count; ++i) arguments.push_back(windows::Utf8(wide[i]));
    LocalFree(wide);
    return arguments;
}

void PrintExact(std::string_view bytes) {
    std::cout.flush();
    std::fflush(stdout);
    const int previous = _setmode(_fileno(stdout), _O_BINARY);
    std::cout << bytes;
    std::cout.flush();
    std::fflush(stdout);
    if (previous != -1) _setmode(_fileno(stdout), previous);
}

}  // namespace jw::cli
