#include "app/cli/load_project.h"

#include <iostream>

namespace jw::cli {
namespace {

void SayCannotWrite(const std::string& path, const std::string& reason) {
    std::cerr << "Cannot write \"" << path << "\": " << reason << ".\n";
}

}  // namespace

std::optional<LoadedProject> LoadProjectForCommand(const std::string& path, CodePage page) {
    try {
        LoadedProject loaded;
        loaded.source = ReadProjectSource(path);
        loaded.project = ParseProject(loaded.source.bytes, page);
        return loaded;
    } catch (const ProjectFileError& error) {
        std::cerr << path << ": " << error.what() << "\n";
        return std::nullopt;
    }
}

CodePage CodePageOption(const ParsedArguments& parsed) {
    const auto key = parsed.Option("--codepage");
    if (!key) return kDefaultCodePage;
    if (const auto page = CodePageFromKey(*key)) return *page;
    throw UsageError("--codepage takes cp1252 or cp874, not " + *key);
}

bool OutputsCanBeWritten(const std::vector<std::string>& paths,
                         const std::vector<InputFile>& inputs) {
    for (const std::string& path : paths)
        if (const std::string reason = OutputTargetProblem(path, inputs); !reason.empty()) {
            SayCannotWrite(path, reason);
            return false;
        }
    return true;
}

bool WriteOutput(const std::string& path, const std::string& bytes,
                 const std::vector<InputFile>& inputs) {
    OutputOptions options;
    options.inputs = inputs;
    const std::string reason = WriteOutputFile(path, bytes, options);
    if (reason.empty()) return true;
    SayCannotWrite(path, reason);
    return false;
}

}  // namespace jw::cli
