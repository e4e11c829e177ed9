// The detailed calculation as one self-contained HTML page: the styles inline, no scripts, no
// file or address outside it, symbols with their subscripts and powers set as superscripts, and
// page breaks that print well. The page is well-formed XML (XHTML), so any XML reader can check
// it.
#pragma once

#include <string>
#include <string_view>

#include "results/calculation_model.h"

namespace jw {

// The whole page of one calculation.
std::string CalculationHtml(const CalculationModel& model);

// One calculation as a <section> to place in a page of several (a job package).
std::string CalculationHtmlSection(const CalculationModel& model);

// A page around `body` (XHTML that is already escaped) with the calculation's styles.
std::string HtmlPage(std::string_view title, std::string_view body);

// Text with &, <, > and " escaped.
std::string HtmlEscape(std::string_view text);

// A unit as printed: "cm2" with its power as a superscript.
std::string UnitHtml(std::string_view unit);

// A symbol set for print: "Fv,sc" as F with the subscript "v,sc", "Sy2" as a sum of y squared.
std::string SymbolHtml(std::string_view symbol);

// A formula or a line of numbers with its symbols set as SymbolHtml sets them, powers "^2" as
// superscripts, "<=" as the sign for "at most", "sqrt" as the root sign and " x " as the times
// sign.
std::string FormulaHtml(std::string_view formula);

}  // namespace jw
