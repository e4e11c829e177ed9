// The detailed calculation of one design run, as a checking engineer reads it: where it came
// from, every input with its symbol and unit, the properties and allowable stresses used, the
// geometry and intermediate values derived from them, every check with its formula and the run's
// numbers, the verdict and what the program does not check.
//
// One model that every output renders (the text, the HTML page, the PDF pages and the result
// window's Calculation view), so they all show the same numbers. Every number is one the design
// run computed or read: nothing here computes a check a second time.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "design/classic_check_rows.h"
#include "design/design_run.h"
#include "project/project_file.h"

namespace jw {

// One value: "tw = 0.65 cm  web thickness (section table)".
struct CalcValue {
    std::string symbol;  // "tw"; empty for a value that is a name ("A325-N")
    std::string value;   // as printed
    std::string unit;    // "cm"; may be empty
    std::string label;   // what it is: "web thickness"
    std::string note;    // where it comes from or the rule that gives it
};

struct CalcBlock {
    std::string title;
    std::vector<CalcValue> values;
};

// What the calculation was made from, for its header.
struct CalculationSource {
    ProjectInfo info;      // the six title-block texts
    std::string date;      // the date of the run, as printed
    std::string fileName;  // the project file's name; empty for a connection not read from one
    std::string sha256;    // of the project bytes the run read (or would save)
};

struct NotCheckedItem {
    std::string_view group;  // empty for every connection, else the types it is for
    std::string_view title;  // "The support."; may be empty
    std::string_view text;
};

struct CalculationModel {
    std::string program;  // "JointWright"
    std::string version;  // the version the program shows, with the source revision
    CalculationSource source;
    std::string typeTitle;  // "Type - Welded Shear Plate (WSP)"
    std::vector<CalcBlock> inputs;
    std::vector<CalcBlock> derived;
    // The classic rows under the result table's headings, in table order, then the further
    // checks under their own heading.
    std::vector<CheckGroup> checks;
    std::string governingCheck;  // the check of highest shown ratio; empty when none is above 0
    std::string governingRatio;  // its ratio as shown
    bool accepted = false;
    std::string verdictLine;  // "Connection: Accept" or "Connection: REDESIGNED (governing: ...)"
    std::vector<std::string> warnings;
    std::vector<NotCheckedItem> notChecked;  // what the program does not check for the type
};

// The calculation of a finished run (accepted or not) of `input`. A run that stopped has no
// calculation: the caller reports why it stopped instead.
CalculationModel BuildCalculation(const CalculationSource& source, const ConnectionInput& input,
                                  const DesignResult& result);

// The blocks of the inputs and of the derived values (calculation_inputs.cpp and
// calculation_derived.cpp).
std::vector<CalcBlock> InputBlocks(const ConnectionInput& input, const DesignResult& result);
std::vector<CalcBlock> DerivedBlocks(ConnectionType type, const DesignResult& result);

// What the program does not check, as the user manual's chapter "What is checked and what is
// not" lists it, and the items that concern a type.
std::span<const NotCheckedItem> NotCheckedItems();
std::vector<NotCheckedItem> NotCheckedFor(ConnectionType type);

// The headings of the calculation's parts, shared by every rendering.
inline constexpr const char* kCalculationTitle = "Detailed calculation";
inline constexpr const char* kInputsHeading = "Input";
inline constexpr const char* kDerivedHeading = "Derived geometry and values";
inline constexpr const char* kChecksHeading = "Checks";
inline constexpr const char* kVerdictHeading = "Verdict";
inline constexpr const char* kNotCheckedHeading = "What the program does not check";

}  // namespace jw
