// Texts on the printed sheet that must keep to their place: a title longer than its box is cut
// at the box, and an input value never prints over its label. Widths are measured by the page
// itself, so the rules hold whatever font the printer puts in place of the sheet's.
#pragma once

#include <string>
#include <string_view>

#include "data/connection_input.h"
#include "data/text_grid.h"
#include "drawing/canvas.h"

namespace jw {

// The text whole when it is no wider than `width` on the page in its current font; else cut
// between two characters and ended with "…" so that it is; the empty text when not even "…"
// fits.
std::string FitText(const DrawingCanvas& page, std::string_view text, double width);

// One column of input rows: labels at xLabel, values right-aligned to end at xRight, units at
// xUnit, and nothing beyond xLimit.
struct InputColumn {
    double xLabel;
    double xRight;
    double xUnit;
    double xLimit;
};

// Rows `first` to `last` of the grid, one `pitch` apart from yFirst, in the page's current
// font. No value prints over its label: values and units move right together as far as xLimit
// allows, and a label that still reaches its value is cut with "…" (a value wider than the
// whole column is cut the same way).
void PrintInputRows(DrawingCanvas& page, const TextGrid& grid, int first, int last,
                    const InputColumn& column, double yFirst, double pitch);

}  // namespace jw
