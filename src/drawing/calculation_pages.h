// The detailed calculation on printed pages (A4 or Letter): the title block on every page and the
// calculation's lines below it in a fixed pitch, headings in bold, a long line continued under
// its own indent, and no heading left alone at the foot of a page. The document that holds the
// pages numbers them (PrintPageNumber), since it alone knows how many pages come before.
//
// Positions are in twips from the top-left corner of the printable area, as on the sheet.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "drawing/canvas.h"
#include "project/project_file.h"
#include "results/calculation_text.h"

namespace jw {

// The longest line a calculation page prints.
inline constexpr std::size_t kCalculationLineChars = 100;

// "Page n of m" at the foot of the page, ending at the title block's right edge.
void PrintPageNumber(DrawingCanvas& page, int number, int total);

// Lines of text (CalculationLines of a model, or the cover and index of a job package) one below
// the other under the title block, as many pages as it takes, each with the title block: the
// first on the page as it stands, each further one after a new page. The document is not ended.
void PrintTitledLines(DrawingCanvas& page, const ProjectInfo& info, std::string_view date,
                      const std::vector<CalcTextLine>& lines);

}  // namespace jw
