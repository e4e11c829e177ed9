// The two-page calculation sheet an engineer files with a connection: page 1 carries the title
// block, the verdict, the summary of stress ratios, the input data and the drawing; page 2
// repeats the title block and prints the calculation report in two columns.
//
// Every position is in twips (1/1440 inch) on the page, measured from the top-left corner of
// the printable area with y downward, so the page canvas must count in twips that way. Text is
// placed by its top-left corner and each printed line moves the text position one line down in
// the current font. The sheet draws through any DrawingCanvas: a printer, a PDF file or a
// recording canvas in the tests.
#pragma once

#include <string>
#include <string_view>

#include "data/connection_input.h"
#include "data/text_grid.h"
#include "drawing/canvas.h"
#include "project/project_file.h"

namespace jw {

struct ConnectionInput;
struct DesignResult;

// The size of the drawing when no picture on screen gives one: the result window's picture at
// its natural 360 pixels.
inline constexpr double kSheetDrawingTwips = 5400;

// Everything the sheet prints, gathered when the print command starts.
struct SheetContent {
    ProjectInfo info;     // the six title-block texts
    std::string date;     // printed as given: the system's short date
    std::string caption;  // the verdict label's caption, "Shear Plate Connection", ...
    TextGrid summary;     // every row, columns 0 and 1
    ConnectionType type = ConnectionType::None;
    ConnectionChoices choices;
    TextGrid input;  // the input grid with its header row
    double drawingWidthTwips = kSheetDrawingTwips;
    double drawingHeightTwips = kSheetDrawingTwips;
    std::string report;  // the calculation report, CR LF or LF line ends
};

// The sheet of a finished design run of `input`.
SheetContent SheetOfRun(const ProjectInfo& info, const ConnectionInput& input,
                        const DesignResult& result, std::string date);

// The print font styles. Each sets the font name, size and bold flag and switches underlining
// off; headings switch underlining on for themselves only.
struct PrintFontStyle {
    std::string_view name;
    double points;
    bool bold;
};
inline constexpr int kPrintFontStyleCount = 5;
inline constexpr PrintFontStyle kPrintFontStyles[kPrintFontStyleCount] = {
    {"Ms Sans Serif", 10, false},  // 1: title block and input data
    {"Ms Sans Serif", 8, true},    // 2: summary
    {"Ms Sans Serif", 12, false},  // 3
    {"Ms Sans Serif", 12, true},   // 4: verdict caption
    {"Courier New", 7, false},     // 5: the report, whose columns line up in a fixed pitch
};

// Selects style 1..5; any other number leaves the font as it is.
void SetPrintFont(DrawingCanvas& page, int style);

// The frame, labels and texts of the title block with the program's logo, in style 1. A text
// longer than its box is cut at the box with "…". Leaves the pen width at 2.
void PrintTitleBlock(DrawingCanvas& page, const ProjectInfo& info, std::string_view date);

// One line centred across the page's width at y.
void PrintCentredCaption(DrawingCanvas& page, std::string_view text, double y, int style);

// Columns 0 and 1 of every row, header row included, one line pitch (the height of "0" times
// `lineFactor`) apart; column 0 cut before column 1, column 1 cut at the sheet's right edge.
// With a right edge above 0, a value that would run past it continues on the next line, broken
// after one of the separators between its parts (" / ", " + "), and the rows below move down.
void PrintGridColumns(DrawingCanvas& page, const TextGrid& grid, double x0, double x1, double y0,
                      int style, double lineFactor, double right = 0);

// The underlined heading "Input data" at (xLabel, y0), then every row below the header: the
// label at xLabel, the value right-aligned to end at xRight, the unit at xUnit. No value prints
// over its label (see PrintInputRows).
void PrintInputData(DrawingCanvas& page, const TextGrid& grid, double xLabel, double xRight,
                    double xUnit, double y0, int style, double lineFactor);

// Page 1's input data, which always ends above the drawing whatever the font: rows whose font
// runs tall close up to a smaller pitch, and when even that would crowd them the list is printed
// in a smaller size.
void PrintSheetInputData(DrawingCanvas& page, const SheetContent& sheet);

// The heading "Result" in bold underlined 250 twips above y0, then the report from its first
// line beginning with "A" in two columns: the type's title line in the report sets how many
// lines go to the left column (shear plate 28, angle cleats 42, end plate 22, splice 42); the
// rest continue at the top of the right column. A report without a type title puts every line
// in the right column, starting one line lower.
void PrintReportText(DrawingCanvas& page, std::string_view report, double x1, double x2, double y0,
                     int style, double lineFactor);

// The connection drawing in the rectangle at (x, y) of the given size, drawn in the largest
// centred square as on screen. The page's pen, colour and text position are as before after it.
// Throws DesignError when the connection cannot be drawn.
void PrintSheetDrawing(DrawingCanvas& page, const SheetContent& sheet, double x, double y);

// Page 1: title block, drawing, verdict caption, summary and input data. Throws DesignError when
// the drawing cannot be made.
void PrintSheetPageOne(DrawingCanvas& page, const SheetContent& sheet);
// Page 2: title block and the report in two columns.
void PrintSheetPageTwo(DrawingCanvas& page, const SheetContent& sheet);

// Every page of the sheet, each after the first on a new page, without ending the document: for
// a document that goes on with more pages.
void PrintSheetPages(DrawingCanvas& page, const SheetContent& sheet);

// The whole job: each page after a new page, then the end of the document. Throws DesignError,
// before the document ends, when the drawing cannot be made.
void PrintConnectionSheet(DrawingCanvas& page, const SheetContent& sheet);

}  // namespace jw
