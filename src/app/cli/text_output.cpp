#include "app/cli/text_output.h"

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <vector>

#include "app/cli/console.h"
#include "app/cli/load_project.h"
#include "data/numbers.h"
#include "results/bill_of_materials.h"
#include "results/result_table.h"

namespace jw::cli {
namespace {

bool RowIsEmpty(const TextGrid& grid, int row) {
    for (int c = 0; c < grid.columns; ++c)
        if (!grid.At(row, c).empty()) return false;
    return true;
}

bool OnlyLabel(const TextGrid& grid, int row) {
    for (int c = 1; c < grid.columns; ++c)
        if (!grid.At(row, c).empty()) return false;
    return true;
}

// Rows that hold something, each column padded to its widest cell.
std::string Aligned(const TextGrid& grid, std::string_view separator) {
    std::vector<std::size_t> widths(grid.columns, 0);
    for (int r = 0; r < grid.rows; ++r) {
        if (OnlyLabel(grid, r)) continue;  // a heading or a warning runs on by itself
        for (int c = 0; c < grid.columns; ++c)
            widths[c] = std::max(widths[c], grid.At(r, c).size());
    }
    std::string text;
    for (int r = 0; r < grid.rows; ++r) {
        if (RowIsEmpty(grid, r)) continue;
        if (OnlyLabel(grid, r)) {
            text += grid.At(r, 0) + "\n";
            continue;
        }
        std::string line;
        for (int c = 0; c < grid.columns; ++c) {
            if (c > 0) line += separator;
            line += grid.At(r, c);
            if (c + 1 < grid.columns) line.append(widths[c] - grid.At(r, c).size(), ' ');
        }
        line.erase(line.find_last_not_of(' ') + 1);
        text += line + "\n";
    }
    return text;
}

std::string JsonGrid(const TextGrid& grid) {
    std::string text = "[";
    for (int r = 0; r < grid.rows; ++r) {
        text += r ? ", [" : "[";
        for (int c = 0; c < grid.columns; ++c) text += (c ? ", " : "") + JsonString(grid.At(r, c));
        text += "]";
    }
    return text + "]";
}

// A demand or capacity as JSON writes it: to four decimals, as the report's formulas, so the
// single-precision section and weld values do not show their binary noise.
std::string JsonNumber(double value) {
    return FormatTrimmed(value, 4);
}

std::string JsonFurther(const FurtherChecks& further) {
    std::string text = "[";
    for (const CheckRow& check : further.checks) {
        if (text.size() > 1) text += ", ";
        text += "{\"check\": " + JsonString(check.name) +
                ", \"clause\": " + JsonString(check.clause) +
                ", \"demand\": " + JsonNumber(check.demand) +
                ", \"capacity\": " + JsonNumber(check.capacity) +
                ", \"unit\": " + JsonString(check.unit) +
                ", \"ratio\": " + JsonString(check.ratioText) +
                ", \"verdict\": " + JsonString(check.verdict) + "}";
    }
    return text + "]";
}

std::string JsonWarnings(const FurtherChecks& further) {
    std::string text = "[";
    for (const FurtherWarning& warning : further.warnings)
        text += (text.size() > 1 ? ", " : "") + JsonString(warning.text);
    return text + "]";
}

// The plates and bolts of a moment connection, for the whole joint; omitted for the shear
// connections, whose summary already names their one plate or angle.
std::string JsonBillOfMaterials(ConnectionType type, const DesignResult& result) {
    const BillOfMaterials bill = MomentBillOfMaterials(type, result.state);
    if (bill.plates.empty() || result.status == RunStatus::Stopped) return "";
    std::string plates;
    for (const PlateItem& p : bill.plates)
        plates += (plates.empty() ? "" : ", ") + std::string("{\"part\": ") + JsonString(p.part) +
                  ", \"count\": " + std::to_string(p.count) +
                  ", \"thickness\": " + JsonNumber(p.thicknessMm) +
                  ", \"width\": " + JsonNumber(p.widthMm) +
                  ", \"length\": " + JsonNumber(p.lengthMm) + "}";
    std::string bolts;
    for (const BoltItem& b : bill.bolts)
        bolts += (bolts.empty() ? "" : ", ") + std::string("{\"part\": ") + JsonString(b.part) +
                 ", \"count\": " + std::to_string(b.count) +
                 ", \"diameter\": " + JsonNumber(b.diameterMm) +
                 ", \"grade\": " + JsonString(b.grade) + "}";
    return ", \"bill_of_materials\": {\"unit\": \"mm\", \"per\": \"joint\", \"plates\": [" +
           plates + "], \"bolts\": [" + bolts + "]}";
}

}  // namespace

std::string AlignedText(const DesignResult& result) {
    return result.caption + "\n\n" +
           Aligned(ResultTableWithFurther(result.table, result.further), "  ") + "\n" +
           Aligned(result.summary, " | ");
}

std::string JsonText(ConnectionType type, const DesignResult& result) {
    return "{\"type\": " + JsonString(TypeName(type)) +
           ", \"caption\": " + JsonString(result.caption) +
           ", \"accepted\": " + (result.status == RunStatus::Accepted ? "true" : "false") +
           ", \"classic_accepted\": " + (result.classicAccepted ? "true" : "false") +
           ", \"table\": " + JsonGrid(result.table) + ", \"summary\": " + JsonGrid(result.summary) +
           ", \"further\": " + JsonFurther(result.further) +
           ", \"warnings\": " + JsonWarnings(result.further) + JsonBillOfMaterials(type, result) +
           "}\n";
}

std::string JsonString(std::string_view text) {
    std::string out = "\"";
    for (const char ch : text) {
        switch (ch) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(ch) < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", ch);
                    out += buf;
                } else {
                    out += ch;
                }
        }
    }
    return out + "\"";
}

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string out = "\"";
    for (const char ch : text) out += ch == '"' ? std::string("\"\"") : std::string(1, ch);
    return out + "\"";
}

bool WriteOrPrint(const std::optional<std::string>& path, const std::string& text,
                  const std::vector<InputFile>& inputs) {
    if (!path) {
        PrintExact(text);
        return true;
    }
    return WriteOutput(*path, text, inputs);
}

}  // namespace jw::cli
