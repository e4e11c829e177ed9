#include "results/package_html.h"

#include "results/calculation_html.h"

namespace jw {
namespace {

std::string Anchor(std::size_t index) {
    return "c" + std::to_string(index + 1);
}

std::string Td(const std::string& text) {
    return "<td>" + HtmlEscape(text) + "</td>";
}

// The index's column widths in per cent: the texts that run long (file, plates) get the room.
std::string Columns() {
    std::string html = "<colgroup>";
    for (const int width : {4, 13, 16, 6, 12, 10, 12, 5, 11, 11})
        html += "<col style=\"width:" + std::to_string(width) + "%\"/>";
    return html + "</colgroup>";
}

std::string Cover(const std::vector<PackageEntry>& entries, const std::string& date) {
    std::string html = "<section class=\"cover\">\n";
    for (const CalcTextLine& line : PackageCoverLines(entries, date)) {
        if (line.kind == CalcLineKind::Title)
            html += "<h1>" + HtmlEscape(line.text) + "</h1>\n";
        else if (line.kind != CalcLineKind::Blank)
            html += "<p>" + HtmlEscape(line.text) + "</p>\n";
    }
    return html + "</section>\n";
}

std::string Index(const std::vector<PackageEntry>& entries) {
    std::string html =
        "<section class=\"index pagebreak\">\n<h2>Index</h2>\n<table class=\"check\">" + Columns() +
        "<tr>"
        "<th>Page</th><th>Mark</th><th>File</th><th>Type</th><th>Beam</th><th>Bolts</th>"
        "<th>Plates</th><th>Ratio</th><th>Governing check</th><th>Verdict</th></tr>\n";
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const PackageEntry& e = entries[i];
        const std::string mark =
            e.HasCalculation() ? "<a href=\"#" + Anchor(i) + "\">" + HtmlEscape(e.mark) + "</a>"
                               : HtmlEscape(e.mark);
        html += "<tr>" + Td(e.firstPage > 0 ? std::to_string(e.firstPage) : "-") + "<td>" + mark +
                "</td>" + Td(e.file) + Td(e.type) + Td(e.beam) + Td(e.bolts) + Td(e.plates) +
                Td(e.governingRatio) + Td(e.reason.empty() ? e.governingMode : e.reason) +
                "<td class=\"" + (e.status == EntryStatus::Accepted ? "pass" : "fail") + "\">" +
                HtmlEscape(e.verdict) + "</td></tr>\n";
    }
    return html + "</table>\n</section>\n";
}

std::string GridTable(const TextGrid& grid, int firstRow, bool withUnits) {
    std::string html = "<table class=\"values\">";
    for (int r = firstRow; r < grid.rows; ++r) {
        html += "<tr>" + Td(grid.At(r, 0));
        html += withUnits
                    ? "<td class=\"num\">" + HtmlEscape(grid.At(r, 2)) + "</td>" + Td(grid.At(r, 1))
                    : Td(grid.At(r, 1));
        html += "</tr>";
    }
    return html + "</table>\n";
}

// The sheet's first page in HTML: what was designed, the verdict, the input and the drawing.
std::string Sheet(const PackageConnection& c, const PackageDrawing& drawing) {
    std::string html = "<div class=\"sheet\">\n<h2>" + HtmlEscape(c.result.caption) + "</h2>\n" +
                       "<h3>Summary</h3>\n" + GridTable(c.result.summary, 0, false) +
                       "<h3>Input data</h3>\n" + GridTable(c.input.grid, 1, true);
    std::string svg = drawing ? drawing(c) : std::string();
    if (svg.rfind("<?xml", 0) == 0) svg.erase(0, svg.find('\n') + 1);
    if (!svg.empty()) html += "<h3>Drawing</h3>\n<div>" + svg + "</div>\n";
    return html + "</div>\n";
}

}  // namespace

std::string PackageHtml(const std::vector<PackageEntry>& entries, const std::string& date,
                        const PackageDrawing& drawing) {
    std::string body = Cover(entries, date) + Index(entries);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const PackageEntry& e = entries[i];
        if (!e.HasCalculation()) continue;
        body += "<div class=\"pagebreak\" id=\"" + Anchor(i) + "\">\n";
        if (e.HasSheet())
            body += Sheet(*e.connection, drawing) + "<div class=\"pagebreak\"></div>\n";
        body += CalculationHtmlSection(e.connection->calculation) + "</div>\n";
    }
    return HtmlPage("Job package - " + PackageInfo(entries).title, body);
}

}  // namespace jw
