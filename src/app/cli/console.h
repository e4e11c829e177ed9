// The command line's own arguments and standard output, the same bytes on every platform.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace jw::cli {

// The program's arguments (the program's own name first) as UTF-8. Windows hands a program
// its arguments in the system's code page, where a project in a folder named in another
// script would lose its name; they are taken from the wide-character command line instead.
std::vector<std::string> ProgramArguments(int argc, char** argv);

// Prints `bytes` on standard output exactly: JSON and CSV lines end in LF on Windows as on
// Linux, so a script that reads them sees the same bytes. Other printing keeps the platform's
// text line ends.
void PrintExact(std::string_view bytes);

}  // namespace jw::cli
