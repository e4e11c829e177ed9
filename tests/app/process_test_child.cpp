// A stand-in for the PDF companion in process_test: writes the arguments it was given (as UTF-8,
// one a line) and, after a line "--", its standard input to the file its first argument names,
// prints how many bytes it read, and exits with the status its second argument gives.
#include <string>

#include "app/cli/console.h"
#include "data/input_file.h"
#include "data/safe_output.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args = jw::cli::ProgramArguments(argc, argv);
    if (args.size() < 3) return 100;
    jw::InputBytes input;
    if (!jw::ReadStandardInput(1 << 22, input).empty()) return 101;
    std::string record;
    for (std::size_t i = 3; i < args.size(); ++i) record += args[i] + "\n";
    record += "--\n" + input.bytes;
    if (!jw::WriteOutputFile(args[1], record).empty()) return 102;
    jw::cli::PrintExact("read " + std::to_string(input.bytes.size()) + " bytes\n");
    return std::stoi(args[2]);
}
