// One design run: the gate, the type's reader, materials, checks and report, the summary and
// the verdict. The desktop program and the command line both call this and only show what it
// returns; every run starts from a fresh state.
#pragma once

#include <optional>
#include <string>

#include "data/connection_input.h"
#include "data/design_state.h"
#include "data/text_grid.h"
#include "design/further/further_checks.h"
#include "design/report_values.h"

namespace jw {

// The gate's messages and titles.
inline constexpr const char* kIncompleteMessage = "Input data not complete! Re-Input Data.";
inline constexpr const char* kPreviewIncompleteMessage = "Input data not complete!";
inline constexpr const char* kErrorTitle = "Error";
inline constexpr const char* kCleatMessage = "Number of Cleat Exceed 2 !";
inline constexpr const char* kCleatTitle = "Cleat Error";
inline constexpr const char* kRedesignMessage = "The Connection Should Be REDESIGNED!";
inline constexpr const char* kRedesignTitle = "REDESIGNED";

struct ConnectionInput {
    ConnectionType type = ConnectionType::None;
    ConnectionChoices choices;
    TextGrid grid;
};

struct RunOptions {
    // Where the report is written; empty writes no file (the text is still returned).
    std::string reportPath = "result.out";
    // False skips the report text (and so the file): for searches that design thousands of
    // candidates and only read their result tables.
    bool formatReport = true;
};

// Accepted only when every classic row and every further check passes.
enum class RunStatus { Accepted, Rejected, Stopped };

struct DesignResult {
    RunStatus status = RunStatus::Stopped;
    std::string message;           // why the run stopped
    std::string messageTitle;      // "Error" or "Cleat Error"
    TextGrid table;                // label, clause, ratio, verdict: the classic rows
    FurtherChecks further;         // the further checks, their derived values and warnings
    bool classicAccepted = false;  // the verdict of the classic rows alone
    // The check of highest ratio among classic rows and further checks (a classic row wins a
    // tie): the mode of failure when the connection is not accepted.
    std::string governingMode;
    TextGrid summary;     // 5 rows by 2 columns
    std::string caption;  // "Shear Plate Connection", ...
    int labelColour = 0;  // green accepted, red rejected
    std::string report;   // the text of "result.out", CR LF line ends
    DesignState state;
    ReportValues values;
};

DesignResult RunDesign(const ConnectionInput& input, const RunOptions& options = {});

// The message and title the gate shows for a grid, or nothing when it passes.
struct GateMessage {
    std::string text;
    std::string title;
};
std::optional<GateMessage> GateFailure(const TextGrid& grid, bool preview = false);

}  // namespace jw
