#include <iostream>

#include "app/cli/console.h"

namespace jw::cli {

std::vector<std::string> ProgramArguments(int argc, char** argv) {
    return std::vector<std::string>(argv, argv + argc);
}

void PrintExact(std::string_view bytes) {
    std::cout << bytes;
}

}  // namespace jw::cli
