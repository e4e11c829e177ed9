// Tables that show results in full: columns as wide as their longest text (never narrower
// than their classic widths), every cell's text in its tooltip, and the cells selectable, with
// Ctrl+C copying them as tab-separated lines that a spreadsheet pastes into cells.
#pragma once

#include <QString>
#include <vector>

class QTableWidget;

namespace jw::ui {

// Lets the cells be selected and copied (Ctrl+C and the context menu's "Copy").
void MakeCopyable(QTableWidget& table);
// The selected cells, or the whole table when none is selected: one line per row, the cells
// of a row separated by tabs, empty rows kept so the layout pastes as shown.
QString TableText(const QTableWidget& table);
// Column c gets the width of its longest text, at least minimumPixels[c] where given.
void FitColumnsToContents(QTableWidget& table, const std::vector<int>& minimumPixels);
// Gives each row whose first cell spans several columns the height its text needs, wrapped at
// word boundaries within those columns.
void WrapSpannedRows(QTableWidget& table);
// The width the table needs to show every column without scrolling.
int FullWidth(const QTableWidget& table);

}  // namespace jw::ui
