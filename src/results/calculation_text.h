// The detailed calculation as plain fixed-width text: one line per value, each check with its
// formula, the numbers put into it, demand, capacity, ratio and verdict. The printed pages set
// the same lines, so the text and the PDF read alike.
#pragma once

#include <string>
#include <vector>

#include "results/calculation_model.h"

namespace jw {

enum class CalcLineKind {
    Title,       // the document's title line
    Heading,     // "1. Input"
    Subheading,  // "1.1 Connection and materials", "3.1.2 Bearing at Beam Web (...)"
    Body,        // values, formulas, verdicts
    Blank,
};

struct CalcTextLine {
    CalcLineKind kind = CalcLineKind::Body;
    std::string text;
};

// The lines of the whole calculation, header first.
std::vector<CalcTextLine> CalculationLines(const CalculationModel& model);

// The lines joined, each ended by a line feed; UTF-8 like every text of the program.
std::string CalculationText(const CalculationModel& model);

// The header's lines alone (title, version, project texts, date, file and digest), for the
// first page of a printed calculation and the index of a job package.
std::vector<CalcTextLine> CalculationHeaderLines(const CalculationModel& model);

}  // namespace jw
