#include "app/cli/text_output.h"

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <vector>

#include "app/cli/load_project.h"

namespace jw::cli {
namespace {

bool RowIsEmpty(const TextGrid& grid, int row) {
    for (int c = 0; c < grid.columns; ++c)
        if (!grid.At(row, c).empty()) return false;
    return true;
}

// Rows that hold something, each column padded to its widest cell.
std::string Aligned(const TextGrid& grid, std::string_view separator) {
    std::vector<std::size_t> widths(grid.columns, 0);
    for (int r = 0; r < grid.rows; ++r)
        for (int c = 0; c < grid.columns; ++c)
            widths[c] = std::max(widths[c], grid.At(r, c).size());
    std::string text;
    for (int r = 0; r < grid.rows; ++r) {
        if (RowIsEmpty(grid, r)) continue;
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

}  // namespace

std::string AlignedText(const DesignResult& result) {
    return result.caption + "\n\n" + Aligned(result.table, "  ") + "\n" +
           Aligned(result.summary, " | ");
}

std::string JsonText(ConnectionType type, const DesignResult& result) {
    return "{\"type\": " + JsonString(TypeName(type)) +
           ", \"caption\": " + JsonString(result.caption) +
           ", \"accepted\": " + (result.status == RunStatus::Accepted ? "true" : "false") +
           ", \"table\": " + JsonGrid(result.table) + ", \"summary\": " + JsonGrid(result.summary) +
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
        std::cout << text;
        return true;
    }
    return WriteOutput(*path, text, inputs);
}

}  // namespace jw::cli
