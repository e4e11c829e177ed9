// A job package: the connections of a building in one document for a checker or an authority,
// with a cover, an index of every file given (one line each, a file that could not be designed
// with the reason) and each connection's sheet and detailed calculation.
//
// The command line designs the files; the PDF writer, a program of its own, designs the same
// bytes again and lays out the pages. Both build their entries here, so the index reads alike
// in every format.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/code_page.h"
#include "design/design_run.h"
#include "project/project_file.h"
#include "results/calculation_model.h"
#include "results/calculation_text.h"

namespace jw {

// One file of a package as read: its bytes, or why they could not be read.
struct PackageInput {
    std::string file;  // as named on the command line
    std::optional<std::string> bytes;
    std::string readError;
};

// How a file of the package ended, worst last: the package's exit status is the worst.
enum class EntryStatus { Accepted = 0, Rejected = 1, Stopped = 2, NotAProject = 3 };

// A connection designed for the package.
struct PackageConnection {
    Project project;
    ConnectionInput input;
    DesignResult result;
    CalculationModel calculation;
};

struct PackageEntry {
    std::string file;
    std::string mark;  // the file's name without its folder and extension
    EntryStatus status = EntryStatus::NotAProject;
    std::string reason;  // why the file has no pages
    std::string type;
    std::string beam;
    std::string bolts;
    std::string plates;
    std::string governingRatio;
    std::string governingMode;
    std::string verdict;  // "Accept", "REDESIGNED", "stopped", "not a project file"
    std::optional<PackageConnection> connection;
    int firstPage = 0;  // where its pages start in the PDF; 0 without pages there

    // An accepted connection gets its sheet and calculation; a rejected one its calculation
    // only (a sheet is never made of a connection that must be redesigned); the others nothing.
    bool HasSheet() const { return status == EntryStatus::Accepted; }
    bool HasCalculation() const { return connection.has_value(); }
};

// Reads, designs and describes one file of the package. `date` goes into the calculation's
// header.
PackageEntry DesignPackageEntry(const PackageInput& input, CodePage page, const std::string& date);

// 3 when any file is not a valid project file (or cannot be read), otherwise 2 when any run
// stops, otherwise 1 when any connection is not accepted, otherwise 0.
int PackageExitStatus(const std::vector<PackageEntry>& entries);

// The title-block texts of the package: those of its first project file, the defaults when no
// file is one.
ProjectInfo PackageInfo(const std::vector<PackageEntry>& entries);

// The cover's lines: the project texts, the date and the number of connections.
std::vector<CalcTextLine> PackageCoverLines(const std::vector<PackageEntry>& entries,
                                            const std::string& date);
// The index: a heading and one line per file, with its first page when it has pages.
std::vector<CalcTextLine> PackageIndexLines(const std::vector<PackageEntry>& entries);

// The bytes the command line sends the PDF writer: every file's name and bytes (or the reason
// it could not be read), so the writer designs what the command line designed, without
// reading any file again.
std::string PackageStream(const std::vector<PackageInput>& inputs);
// Reads that stream back; nothing when it is not one.
std::optional<std::vector<PackageInput>> ParsePackageStream(std::string_view stream);

}  // namespace jw
