#include "data/connection_input.h"

#include <array>

#include "data/numbers.h"

namespace jw {
namespace {

constexpr std::array<InputRow, 11> kWspRows = {{
    {"Design Shear Force", "kg"},
    {"Cleat Thickness", "mm."},
    {"Number of Cleat", "plate"},
    {"Number of Bolt Row", "row"},
    {"Number of Bolt Column", "col"},
    {"Clr Dis. from Column (a)", "mm."},
    {"Clr Dis. from Cut Edge (b)", "mm."},
    {"c-to-c Dis. of Bolt (c)", "mm."},
    {"Fillet Weld Grade E60 or E70", "Exx"},
    {"Fillet Weld Size", "mm."},
    {"Number of Weld Side", "side"},
}};

constexpr std::array<InputRow, 8> kAcltRows = {{
    {"Design Shear Force", "kg"},
    {"Number of Angle", ""},
    {"Row of Bolt", "row"},
    {"Column of Bolt", "col"},
    {"Number of Bolt at Support", "bolts"},
    {"Set Back Distance (a)", "mm."},
    {"Bolt Edge Distance (b)", "mm."},
    {"Bolt c-to-c Distance (c)", "mm."},
}};

constexpr std::array<InputRow, 6> kBmepRows = {{
    {"Design Moment", "kg-cm"},
    {"Design Shear Force", "kg"},
    {"End Plate Thicness", "mm."},
    {"Row of Bolt", "row"},
    {"Bolt Edge Distance (b)", "mm."},
    {"Bolt c-to-c Distance (c)", "mm."},
}};

constexpr std::array<InputRow, 16> kBsplRows = {{
    {"Design Moment", "kg-cm"},
    {"Design Shear Force", "kg"},
    {"Cleat Thicness", "mm."},
    {"Number of Cleat Plate", "plate"},
    {"Row of Bolt", "row"},
    {"Column of Bolt", "col"},
    {"Set Back Distance (a)", "mm."},
    {"Bolt Edge Distance (b)", "mm."},
    {"Bolt c-to-c Distance (c)", "mm."},
    {"Flange Cleat Thickness", "mm."},
    {"Number of Flange Cleat", "plate"},
    {"Row of Flange Cleat", "row"},
    {"Edge Distance", "mm."},
    {"Flange Bolt Col Distance(C1)", "mm."},
    {"Flange Bolt Pitch Distance(C2)", "mm."},
    {"Flange Bolt C-to-c Distance(C3)", "mm."},
}};

struct TypeTexts {
    std::string_view name;
    std::string_view caption;
    std::string_view reportTitle;
};

constexpr std::array<TypeTexts, kTypeCount + 1> kTypeTexts = {{
    {"", "", ""},
    {"WSP", "Shear Plate", "Type - Welded Shear Plate (WSP)"},
    {"ACLT", "Shear Angle", "Type - Angle Cleat Plate (ACLT)"},
    {"BMEP", "Bending Moment End Plate", "Type - Bending Moment End Plate (BMEP)"},
    {"BSPL", "Bending Splice Plate", "Type - Bending Splice Plate (BSPL)"},
}};

const TypeTexts& TextsOf(ConnectionType type) {
    return kTypeTexts[static_cast<int>(type)];
}

// Rows that count plates or angles: at most two fit on a beam web or flange.
bool IsCleatCountRow(const TextGrid& grid, int row) {
    return grid.At(row, kUnitColumn) == "plate" || grid.At(row, kLabelColumn) == "Number of Angle";
}

}  // namespace

std::string_view TypeName(ConnectionType type) {
    return TextsOf(type).name;
}
std::string_view TypeCaption(ConnectionType type) {
    return TextsOf(type).caption;
}
std::string_view TypeReportTitle(ConnectionType type) {
    return TextsOf(type).reportTitle;
}

ConnectionType TypeFromIndex(int index) {
    return index >= 1 && index <= kTypeCount ? static_cast<ConnectionType>(index)
                                             : ConnectionType::None;
}

ConnectionType TypeFromName(std::string_view name) {
    for (int i = 1; i <= kTypeCount; ++i)
        if (kTypeTexts[i].name == name) return static_cast<ConnectionType>(i);
    return ConnectionType::None;
}

std::span<const InputRow> InputLayout(ConnectionType type) {
    switch (type) {
        case ConnectionType::WSP:
            return kWspRows;
        case ConnectionType::ACLT:
            return kAcltRows;
        case ConnectionType::BMEP:
            return kBmepRows;
        case ConnectionType::BSPL:
            return kBsplRows;
        case ConnectionType::None:
            break;
    }
    return {};
}

TextGrid BuildInputGrid(ConnectionType type) {
    const auto layout = InputLayout(type);
    TextGrid grid;
    ShapeGrid(grid, static_cast<int>(layout.size()) + 1, 3, 1, 2);
    grid.At(0, kUnitColumn) = "Unit";
    for (std::size_t i = 0; i < layout.size(); ++i) {
        grid.At(static_cast<int>(i) + 1, kLabelColumn) = layout[i].label;
        grid.At(static_cast<int>(i) + 1, kUnitColumn) = layout[i].unit;
    }
    return grid;
}

bool IsRowComplete(const TextGrid& grid, int row) {
    const std::string& text = grid.At(row, kValueColumn);
    const auto strict = StrictNumber(text);
    return strict && !(LeadingNumber(text) == 0 && *strict != 0);
}

bool IsInputComplete(const TextGrid& grid) {
    for (int r = 1; r < grid.rows; ++r)
        if (!IsRowComplete(grid, r)) return false;
    return true;
}

std::vector<int> IncompleteRows(const TextGrid& grid) {
    std::vector<int> rows;
    for (int r = 1; r < grid.rows; ++r)
        if (!IsRowComplete(grid, r)) rows.push_back(r);
    return rows;
}

bool IsCleatCountValid(const TextGrid& grid) {
    for (int r = 1; r < grid.rows; ++r)
        if (IsCleatCountRow(grid, r) && LeadingNumber(grid.At(r, kValueColumn)) > 2) return false;
    return true;
}

GateResult CheckInputGate(const TextGrid& grid) {
    if (IsInputComplete(grid) && IsCleatCountValid(grid)) return GateResult::Passed;
    return IsCleatCountValid(grid) ? GateResult::Incomplete : GateResult::TooManyCleats;
}

}  // namespace jw
