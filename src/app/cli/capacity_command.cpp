#include <iostream>
#include <variant>

#include "app/cli/arguments.h"
#include "app/cli/commands.h"
#include "app/cli/connection_options.h"
#include "app/cli/console.h"
#include "app/cli/load_project.h"
#include "app/cli/request_options.h"
#include "app/cli/text_output.h"
#include "data/numbers.h"
#include "data/sections.h"
#include "data/standard_connections.h"
#include "design/capacity.h"
#include "design/standard_proposals.h"

namespace jw::cli {
namespace {

constexpr const char* kCapacityHelp =
    "Usage: jointwright-cli capacity --type WSP|ACLT|BMEP|BSPL --section NAME [--json]\n"
    "       jointwright-cli capacity --type WSP|ACLT|BMEP|BSPL --csv\n"
    "       jointwright-cli capacity --file FILE.Bol [--json]\n"
    "           each with [--grade SS400|SS490|SM520|SM490] [--bolt GRADE] [--diameter MM]\n"
    "\n"
    "Prints what a connection carries, as a handbook's capacity table: for the standard layout\n"
    "of a beam (or the layout of a project file) the largest shear with every check passing at\n"
    "the layout's own moment and, for the end plate and the splice, the largest moment at the\n"
    "layout's own shear, each with the check that stops a larger load. The values are the\n"
    "largest multiples of 10 kg and 1000 kg-cm that pass, found by bisection with the design.\n"
    "\n"
    "  --section NAME  the beam whose standard layout is taken (the advisor's row)\n"
    "  --csv           one CSV line for every beam of the section table; a beam without a\n"
    "                  standard layout is listed with the reason\n"
    "  --file FILE.Bol take the layout, beam and loads of a project file\n"
    "  --grade G       design with this member steel grade (default SS400, or the file's)\n"
    "  --bolt GRADE    design with this bolt grade instead of the layout's\n"
    "  --diameter MM   design with this bolt diameter instead of the layout's\n"
    "  --json          print {\"type\", \"section\", \"shear_kg\", \"moment_kgcm\", "
    "\"governing\"}\n"
    "\n"
    "Exit status: 0 a capacity found, 1 no standard layout or a layout that fails at any load,\n"
    "2 usage error or a file that cannot be read.\n";

bool CarriesMoment(ConnectionType type) {
    return type == ConnectionType::BMEP || type == ConnectionType::BSPL;
}

// The layout of a beam's standard row, or why there is none.
std::variant<ConnectionInput, std::string> StandardLayout(ConnectionType type, int beam) {
    const std::string name = SectionName(BeamRowAt(beam));
    const auto proposal = AdvisorLookup(type, name);
    if (!proposal)
        return "the " + std::string(TypeName(type)) + " table holds no row for this beam";
    const auto input = ProposalInput(type, proposal->row, beam);
    if (!input)
        return "row " + std::to_string(proposal->row) + " of the " + std::string(TypeName(type)) +
               " table proposes nothing: no practical connection fits this beam";
    return *input;
}

void ApplyOverrides(const ParsedArguments& parsed, ConnectionInput& input) {
    if (parsed.Option("--grade")) input.choices.memberGrade = MemberGradeOption(parsed);
    if (const auto grade = BoltGradeOption(parsed)) input.choices.boltGrade = *grade;
    if (const auto diameter = DiameterOption(parsed)) input.choices.boltDiameter = *diameter;
}

std::string Number(const LoadCapacity& c) {
    return c.carries ? FormatPlain(c.load) : "";
}

std::string JsonNumber(const LoadCapacity& c) {
    return c.carries ? FormatPlain(c.load) : "null";
}

std::string Json(const ConnectionInput& input, const ConnectionCapacity& c) {
    std::string text = "{\"type\": " + JsonString(TypeName(input.type)) + ", \"section\": " +
                       JsonString(SectionName(BeamRowAt(input.choices.beamSection))) +
                       ", \"shear_kg\": " + JsonNumber(c.shear);
    if (c.moment) text += ", \"moment_kgcm\": " + JsonNumber(*c.moment);
    text += ", \"governing\": " + JsonString(c.shear.governing);
    if (c.moment) text += ", \"moment_governing\": " + JsonString(c.moment->governing);
    return text + "}\n";
}

std::string Line(std::string_view what, const LoadCapacity& c, std::string_view unit,
                 const std::string& at) {
    if (!c.carries)
        return std::string(what) + " capacity  none: fails \"" + c.governing + "\" at any load\n";
    return std::string(what) + " capacity  " + FormatPlain(c.load) + " " + std::string(unit) + at +
           ", then fails \"" + c.governing + "\"\n";
}

std::string Text(const std::string& source, const ConnectionInput& input,
                 const ConnectionCapacity& c) {
    std::string text = source + "\n";
    if (!CarriesMoment(input.type)) return text + Line("Shear ", c.shear, "kg", "");
    const std::string moment = input.grid.At(1, kValueColumn);
    const std::string shear = input.grid.At(2, kValueColumn);
    return text + Line("Shear ", c.shear, "kg", " at its moment of " + moment + " kg-cm") +
           Line("Moment", *c.moment, "kg-cm", " at its shear of " + shear + " kg");
}

std::string CsvLine(ConnectionType type, int beam, const ConnectionCapacity* c,
                    const std::string& note) {
    const bool moment = CarriesMoment(type);
    std::string line = std::string(TypeName(type)) + "," + CsvField(SectionName(BeamRowAt(beam))) +
                       "," + std::to_string(beam + 1) + ",";
    if (c)
        line += Number(c->shear) + "," + (moment ? Number(*c->moment) : "") + "," +
                CsvField(c->shear.governing) + "," + (moment ? CsvField(c->moment->governing) : "");
    else
        line += ",,,";
    return line + "," + CsvField(note) + "\n";
}

int AllBeams(const ParsedArguments& parsed, ConnectionType type) {
    std::string csv = "type,section,beam,shear_kg,moment_kgcm,governing,moment_governing,note\n";
    for (int beam = 0; beam < kSectionCount; ++beam) {
        auto layout = StandardLayout(type, beam);
        if (const auto* reason = std::get_if<std::string>(&layout)) {
            csv += CsvLine(type, beam, nullptr, "skipped: " + *reason);
            continue;
        }
        ConnectionInput& input = std::get<ConnectionInput>(layout);
        ApplyOverrides(parsed, input);
        const ConnectionCapacity capacity = CapacityOf(input);
        csv += CsvLine(type, beam, &capacity, "");
    }
    PrintExact(csv);
    return kExitAccepted;
}

int Report(const ParsedArguments& parsed, const std::string& source, ConnectionInput input) {
    ApplyOverrides(parsed, input);
    const ConnectionCapacity capacity = CapacityOf(input);
    if (parsed.Has("--json"))
        PrintExact(Json(input, capacity));
    else
        std::cout << Text(source, input, capacity);
    return capacity.shear.carries ? kExitAccepted : kExitRejected;
}

}  // namespace

int CapacityCommand(const Arguments& args) {
    const ParsedArguments parsed =
        ParseArguments(args, {"--help", "--json", "--csv"},
                       {"--type", "--section", "--file", "--grade", "--bolt", "--diameter"});
    if (parsed.Has("--help")) {
        std::cout << kCapacityHelp;
        return kExitAccepted;
    }
    if (!parsed.files.empty()) throw UsageError("capacity takes its file with --file");
    if (const auto path = parsed.Option("--file")) {
        if (parsed.Option("--type") || parsed.Option("--section") || parsed.Has("--csv"))
            throw UsageError("--file takes the type and beam from the project file");
        const auto loaded = LoadProjectForCommand(*path, kDefaultCodePage);
        if (!loaded) return kExitStopped;
        const Project& p = loaded->project;
        return Report(parsed, "Layout of " + *path,
                      ConnectionInput{p.type, p.choices, ProjectGrid(p)});
    }
    const ConnectionType type = TypeOption(parsed);
    if (parsed.Has("--csv")) {
        if (parsed.Option("--section") || parsed.Has("--json"))
            throw UsageError("--csv lists every beam: give no --section nor --json");
        return AllBeams(parsed, type);
    }
    const std::string section = RequiredOption(parsed, "--section");
    const int beam = BeamOption(section);
    auto layout = StandardLayout(type, beam);
    if (const auto* reason = std::get_if<std::string>(&layout)) {
        std::cout << section << " skipped: " << *reason << ".\n";
        return kExitRejected;
    }
    const int row = AdvisorLookup(type, section)->row;
    return Report(parsed,
                  "Standard " + std::string(TypeCaption(type)) + " (" +
                      std::string(TypeName(type)) + ") for " + section + ", row " +
                      std::to_string(row) + " of the table",
                  std::get<ConnectionInput>(layout));
}

}  // namespace jw::cli
