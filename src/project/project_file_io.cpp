#include "data/input_file.h"
#include "data/safe_output.h"
#include "project/project_file.h"

namespace jw {
namespace {

// A project file is a few hundred bytes; anything far larger is some other file opened by
// mistake, and is refused before it is read into memory.
constexpr std::size_t kLargestFile = 1 << 20;

std::string Quoted(const std::string& path) {
    return "\"" + path + "\"";
}

}  // namespace

void SaveProjectFile(const std::string& path, const Project& project, CodePage page) {
    std::string bytes;
    try {
        bytes = FormatProject(project, page);
    } catch (const ProjectFileError& e) {
        throw ProjectFileError(e.line(), "Cannot save " + Quoted(path) + ". " + e.what());
    }
    // The data must be on the disk before the rename makes it the project file.
    OutputOptions options;
    options.durable = true;
    const std::string reason = WriteOutputFile(path, bytes, options);
    if (!reason.empty())
        throw ProjectFileError(0, "Cannot save " + Quoted(path) + ": " + reason + ".");
}

ProjectSource ReadProjectSource(const std::string& path) {
    InputBytes input;
    const std::string reason = path == kStandardInputName
                                   ? ReadStandardInput(kLargestFile, input)
                                   : ReadInputFile(path, kLargestFile, input);
    if (!reason.empty())
        throw ProjectFileError(0, "Cannot open " + Quoted(path) + ": " + reason + ".");
    if (input.bytes.size() > kLargestFile)
        throw ProjectFileError(0, "Cannot open " + Quoted(path) +
                                      ": the file is larger than 1 MB, too large to be a "
                                      "JointWright project file.");
    return {{path, input.identity}, std::move(input.bytes)};
}

Project LoadProjectFile(const std::string& path, CodePage page) {
    return ParseProject(ReadProjectSource(path).bytes, page);
}

}  // namespace jw
