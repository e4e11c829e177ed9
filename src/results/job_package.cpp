#include "results/job_package.h"

#include <algorithm>
#include <charconv>

#include "data/sections.h"
#include "data/sha256.h"
#include "results/calculation_model.h"

namespace jw {
namespace {

constexpr std::string_view kStreamHeader = "JointWright package 1\n";
// A longer mark runs into the next column rather than push every line of the index wide.
constexpr std::size_t kLongestMark = 24;

// "folder/b12.Bol" gives "b12".
std::string MarkOf(const std::string& file) {
    const std::size_t slash = file.find_last_of("/\\");
    std::string name = slash == std::string::npos ? file : file.substr(slash + 1);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0) name.erase(dot);
    return name;
}

void Describe(PackageEntry& e, const PackageConnection& c) {
    const DesignResult& r = c.result;
    e.type = TypeName(c.input.type);
    e.beam = SectionName(BeamRowAt(c.input.choices.beamSection));
    if (r.status == RunStatus::Stopped) {
        e.status = EntryStatus::Stopped;
        e.verdict = "stopped";
        e.reason = r.message;
        return;
    }
    e.bolts = r.summary.At(2, 1);
    e.plates = r.summary.At(1, 1);
    e.governingRatio = c.calculation.governingRatio;
    e.governingMode = c.calculation.governingCheck;
    const bool accepted = r.status == RunStatus::Accepted;
    e.status = accepted ? EntryStatus::Accepted : EntryStatus::Rejected;
    e.verdict = accepted ? "Accept" : "REDESIGNED";
}

std::string Padded(std::string text, std::size_t width) {
    if (text.size() < width) text.append(width - text.size(), ' ');
    return text + " ";
}

}  // namespace

PackageEntry DesignPackageEntry(const PackageInput& input, CodePage page, const std::string& date) {
    PackageEntry e;
    e.file = input.file;
    e.mark = MarkOf(input.file);
    if (!input.bytes) {
        e.verdict = "not a project file";
        e.reason = input.readError;
        return e;
    }
    PackageConnection c;
    try {
        c.project = ParseProject(*input.bytes, page);
    } catch (const ProjectFileError& error) {
        e.verdict = "not a project file";
        e.reason = error.what();
        return e;
    }
    c.input = {c.project.type, c.project.choices, ProjectGrid(c.project)};
    c.result = RunDesign(c.input, RunOptions{""});
    if (c.result.status != RunStatus::Stopped)
        c.calculation = BuildCalculation(
            {c.project.info, date, input.file, Sha256Hex(*input.bytes)}, c.input, c.result);
    Describe(e, c);
    if (e.status != EntryStatus::Stopped) e.connection = std::move(c);
    return e;
}

int PackageExitStatus(const std::vector<PackageEntry>& entries) {
    int worst = 0;
    for (const PackageEntry& e : entries) worst = std::max(worst, static_cast<int>(e.status));
    return worst;
}

ProjectInfo PackageInfo(const std::vector<PackageEntry>& entries) {
    for (const PackageEntry& e : entries)
        if (e.connection) return e.connection->project.info;
    return {};
}

std::vector<CalcTextLine> PackageCoverLines(const std::vector<PackageEntry>& entries,
                                            const std::string& date) {
    const ProjectInfo info = PackageInfo(entries);
    std::size_t accepted = 0;
    std::size_t rejected = 0;
    for (const PackageEntry& e : entries) {
        accepted += e.status == EntryStatus::Accepted;
        rejected += e.status == EntryStatus::Rejected;
    }
    std::vector<CalcTextLine> lines = {
        {CalcLineKind::Title, "Job package: bolted beam connections"},
        {CalcLineKind::Blank, ""},
        {CalcLineKind::Body, "Project  : " + info.project},
        {CalcLineKind::Body, "Title    : " + info.title},
        {CalcLineKind::Body, "Job No.  : " + info.jobNo},
        {CalcLineKind::Body, "Revise   : " + info.revise},
        {CalcLineKind::Body, "Engineer : " + info.engineer},
        {CalcLineKind::Body, "Check    : " + info.checker},
        {CalcLineKind::Body, "Date     : " + date},
        {CalcLineKind::Blank, ""},
        {CalcLineKind::Body, "Connections: " + std::to_string(entries.size())},
        {CalcLineKind::Body, "    accepted                : " + std::to_string(accepted)},
        {CalcLineKind::Body, "    to be redesigned        : " + std::to_string(rejected)},
        {CalcLineKind::Body,
         "    not designed (see index): " + std::to_string(entries.size() - accepted - rejected)},
        {CalcLineKind::Blank, ""},
        {CalcLineKind::Body,
         "Each accepted connection has its sheet and its detailed calculation; a connection that "
         "must be redesigned has its calculation only; a file that could not be designed has its "
         "line in the index with the reason."},
    };
    return lines;
}

std::vector<CalcTextLine> PackageIndexLines(const std::vector<PackageEntry>& entries) {
    // Columns as wide as their longest text, so every line of the index reads straight down.
    std::size_t mark = 4, beam = 4, verdict = 7;
    for (const PackageEntry& e : entries) {
        mark = std::max(mark, std::min(e.mark.size(), kLongestMark));
        beam = std::max(beam, e.beam.size());
        verdict = std::max(verdict, e.verdict.size());
    }
    auto line = [&](const std::string& page, const std::string& m, const std::string& type,
                    const std::string& b, const std::string& ratio, const std::string& v,
                    const std::string& governing) {
        return Padded(page, 4) + Padded(m, mark) + Padded(type, 4) + Padded(b, beam) +
               Padded(ratio, 5) + Padded(v, verdict) + governing;
    };
    std::vector<CalcTextLine> lines = {
        {CalcLineKind::Heading, "Index"},
        {CalcLineKind::Blank, ""},
        {CalcLineKind::Subheading,
         line("Page", "Mark", "Type", "Beam", "Ratio", "Verdict", "Governing check")},
    };
    for (const PackageEntry& e : entries) {
        const std::string page = e.firstPage > 0 ? std::to_string(e.firstPage) : "-";
        lines.push_back({CalcLineKind::Body, line(page, e.mark, e.type, e.beam, e.governingRatio,
                                                  e.verdict, e.governingMode)});
        std::string detail = "     " + e.file;
        if (!e.bolts.empty()) detail += "; bolts " + e.bolts + "; " + e.plates;
        if (!e.reason.empty()) detail += "; " + e.reason;
        lines.push_back({CalcLineKind::Body, detail});
    }
    return lines;
}

std::string PackageStream(const std::vector<PackageInput>& inputs) {
    std::string stream(kStreamHeader);
    for (const PackageInput& in : inputs) {
        const std::string& data = in.bytes ? *in.bytes : in.readError;
        stream += (in.bytes ? "F " : "E ") + std::to_string(in.file.size()) + " " +
                  std::to_string(data.size()) + "\n" + in.file + data;
    }
    return stream;
}

std::optional<std::vector<PackageInput>> ParsePackageStream(std::string_view stream) {
    if (stream.substr(0, kStreamHeader.size()) != kStreamHeader) return std::nullopt;
    stream.remove_prefix(kStreamHeader.size());
    std::vector<PackageInput> inputs;
    while (!stream.empty()) {
        const std::size_t end = stream.find('\n');
        if (end == std::string_view::npos || end < 5 || (stream[0] != 'F' && stream[0] != 'E') ||
            stream[1] != ' ')
            return std::nullopt;
        const std::string_view sizes = stream.substr(2, end - 2);
        std::size_t nameSize = 0;
        std::size_t dataSize = 0;
        const char* first = sizes.data();
        const char* last = sizes.data() + sizes.size();
        auto [afterName, nameError] = std::from_chars(first, last, nameSize);
        if (nameError != std::errc() || afterName == last || *afterName != ' ') return std::nullopt;
        auto [afterData, dataError] = std::from_chars(afterName + 1, last, dataSize);
        if (dataError != std::errc() || afterData != last) return std::nullopt;
        const bool isFile = stream[0] == 'F';
        stream.remove_prefix(end + 1);
        if (nameSize > stream.size() || dataSize > stream.size() - nameSize) return std::nullopt;
        PackageInput in;
        in.file = std::string(stream.substr(0, nameSize));
        const std::string data(stream.substr(nameSize, dataSize));
        if (isFile)
            in.bytes = data;
        else
            in.readError = data;
        inputs.push_back(std::move(in));
        stream.remove_prefix(nameSize + dataSize);
    }
    return inputs;
}

}  // namespace jw
