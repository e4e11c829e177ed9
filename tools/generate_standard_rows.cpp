// generate_standard_rows: writes the standard connection tables as C++ source.
//
//   generate_standard_rows               print the source
//   generate_standard_rows FILE          write it to FILE (replacing it whole)
//   generate_standard_rows --check FILE  exit 1 when FILE differs from what would be written
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "data/atomic_file.h"
#include "data/design_error.h"
#include "tools/standard_rows_generator.h"

int main(int argc, char** argv) {
    const std::string source = jw::tools::FormatStandardRowsSource();
    if (argc == 1) {
        std::cout << source;
        return 0;
    }
    const std::string first = argv[1];
    if (first == "--check" && argc == 3) {
        std::ifstream in(argv[2], std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        if (text.str() == source) return 0;
        std::cerr << argv[2] << " differs from the generated tables: regenerate it.\n";
        return 1;
    }
    if (argc != 2 || first.rfind("--", 0) == 0) {
        std::cerr << "Usage: generate_standard_rows [FILE | --check FILE]\n";
        return 2;
    }
    try {
        jw::WriteTextFileAtomically(first, source);
    } catch (const jw::DesignError& error) {
        std::cerr << error.what() << "\n";
        return 1;
    }
    return 0;
}
