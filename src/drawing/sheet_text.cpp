#include "drawing/sheet_text.h"

#include <algorithm>
#include <vector>

namespace jw {
namespace {

constexpr std::string_view kEllipsis = "\u2026";

// Where each character of a UTF-8 text begins, and the text's end.
std::vector<std::size_t> CharacterStarts(std::string_view text) {
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < text.size(); ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) starts.push_back(i);
    starts.push_back(text.size());
    return starts;
}

std::string Cut(std::string_view text, std::size_t length) {
    std::string cut(text.substr(0, length));
    cut.erase(cut.find_last_not_of(' ') + 1);
    return cut + std::string(kEllipsis);
}

void PrintAt(DrawingCanvas& page, double x, double y, std::string_view text) {
    page.SetCurrentX(x);
    page.SetCurrentY(y);
    page.Print(text);
}

}  // namespace

std::string FitText(const DrawingCanvas& page, std::string_view text, double width) {
    if (page.TextWidth(text) <= width) return std::string(text);
    if (page.TextWidth(kEllipsis) > width) return {};
    // The longest start of the text that still fits with its "…".
    const std::vector<std::size_t> starts = CharacterStarts(text);
    std::size_t fits = 0;
    std::size_t tooLong = starts.size() - 1;
    while (tooLong - fits > 1) {
        const std::size_t middle = (fits + tooLong) / 2;
        if (page.TextWidth(Cut(text, starts[middle])) <= width)
            fits = middle;
        else
            tooLong = middle;
    }
    return Cut(text, starts[fits]);
}

void PrintInputRows(DrawingCanvas& page, const TextGrid& grid, int first, int last,
                    const InputColumn& column, double yFirst, double pitch) {
    const double gap = page.TextWidth(" ");
    const auto width = [&](int row, int col) {
        return grid.Has(row, col) ? page.TextWidth(grid.At(row, col)) : 0.0;
    };
    // How far the values and units must move right for every label to keep clear of its value,
    // and how far they may before the units reach the column's limit.
    double needed = 0;
    double widestUnit = 0;
    for (int row = first; row <= last; ++row) {
        needed = std::max(needed, column.xLabel + width(row, kLabelColumn) + gap +
                                      width(row, kValueColumn) - column.xRight);
        widestUnit = std::max(widestUnit, width(row, kUnitColumn));
    }
    const double room = std::max(0.0, column.xLimit - (column.xUnit + widestUnit));
    const double shift = std::clamp(needed, 0.0, room);
    const double right = column.xRight + shift;
    const double unitX = column.xUnit + shift;
    const double shortestLabel = page.TextWidth(kEllipsis) + gap;

    for (int row = first; row <= last; ++row) {
        const double y = yFirst + (row - first) * pitch;
        const std::string value =
            grid.Has(row, kValueColumn)
                ? FitText(page, grid.At(row, kValueColumn), right - column.xLabel - shortestLabel)
                : std::string();
        const double valueLeft = right - page.TextWidth(value);
        if (grid.Has(row, kLabelColumn))
            PrintAt(page, column.xLabel, y,
                    FitText(page, grid.At(row, kLabelColumn), valueLeft - gap - column.xLabel));
        if (grid.Has(row, kValueColumn)) PrintAt(page, valueLeft, y, value);
        if (grid.Has(row, kUnitColumn))
            PrintAt(page, unitX, y,
                    FitText(page, grid.At(row, kUnitColumn), column.xLimit - unitX));
    }
}

}  // namespace jw
