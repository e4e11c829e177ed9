#include <fstream>
#include <iostream>
#include <sstream>

#include "app/cli/arguments.h"
#include "app/cli/commands.h"
#include "app/cli/load_project.h"
#include "app/cli/text_output.h"
#include "data/design_error.h"
#include "data/sections.h"
#include "project/project_file.h"

namespace jw::cli {
namespace {

constexpr const char* kBatchHelp =
    "Usage: jointwright-cli batch FILE.Bol... [--csv OUT] [--codepage CP]\n"
    "\n"
    "Designs each project file and prints one CSV line per file: file, type, beam, accepted,\n"
    "stress range, and the governing mode of failure or the reason the run stopped. No report\n"
    "file is written.\n"
    "\n"
    "  --csv OUT       write the lines to OUT instead of the standard output (never one of\n"
    "                  the project files)\n"
    "  --codepage CP   the code page of the project files: cp1252 (the default) or cp874 (Thai)\n"
    "\n"
    "Exit status: 0 all accepted, 1 some must be redesigned, 2 some could not be designed.\n";

struct BatchLine {
    std::string text;
    int status;
};

BatchLine DesignOne(const std::string& path, CodePage page, std::vector<InputFile>& inputs) {
    std::string type, beam, accepted = "no", range, mode;
    int status = kExitStopped;
    try {
        const ProjectSource source = ReadProjectSource(path);
        inputs.push_back(source.file);
        const Project project = ParseProject(source.bytes, page);
        type = TypeName(project.type);
        beam = SectionName(BeamRowAt(project.choices.beamSection));
        const DesignResult result =
            RunDesign({project.type, project.choices, ProjectGrid(project)}, RunOptions{""});
        if (result.status == RunStatus::Stopped) {
            mode = result.message;
        } else {
            accepted = result.status == RunStatus::Accepted ? "yes" : "no";
            range = result.summary.At(3, 1);
            mode = result.status == RunStatus::Accepted ? "" : result.summary.At(4, 1);
            status = result.status == RunStatus::Accepted ? kExitAccepted : kExitRejected;
        }
    } catch (const ProjectFileError& error) {
        mode = error.what();
    }
    std::string line;
    for (const std::string* field :
         std::initializer_list<const std::string*>{&path, &type, &beam, &accepted, &range, &mode})
        line += (line.empty() ? "" : ",") + CsvField(*field);
    return {line + "\n", status};
}

}  // namespace

int BatchCommand(const Arguments& args) {
    const ParsedArguments parsed = ParseArguments(args, {"--help"}, {"--csv", "--codepage"});
    if (parsed.Has("--help")) {
        std::cout << kBatchHelp;
        return kExitAccepted;
    }
    if (parsed.files.empty()) throw UsageError("batch needs at least one project file");
    const CodePage page = CodePageOption(parsed);
    std::string csv = "file,type,beam,accepted,stress_range,mode\n";
    int worst = kExitAccepted;
    std::vector<InputFile> inputs;
    for (const std::string& path : parsed.files) {
        const BatchLine line = DesignOne(path, page, inputs);
        csv += line.text;
        worst = std::max(worst, line.status);
    }
    if (!WriteOrPrint(parsed.Option("--csv"), csv, inputs)) return kExitStopped;
    return worst;
}

}  // namespace jw::cli
