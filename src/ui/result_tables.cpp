#include "ui/result_tables.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>
#include <algorithm>

namespace jw::ui {
namespace {

QString CellText(const QTableWidget& table, int row, int column) {
    const QTableWidgetItem* item = table.item(row, column);
    return item ? item->text() : QString();
}

}  // namespace

void MakeCopyable(QTableWidget& table) {
    table.setSelectionMode(QAbstractItemView::ExtendedSelection);
    table.setSelectionBehavior(QAbstractItemView::SelectItems);
    table.setFocusPolicy(Qt::StrongFocus);
    auto* copy = new QAction(QStringLiteral("&Copy"), &table);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    QObject::connect(copy, &QAction::triggered, &table,
                     [&table] { QApplication::clipboard()->setText(TableText(table)); });
    table.addAction(copy);
    table.setContextMenuPolicy(Qt::ActionsContextMenu);
}

QString TableText(const QTableWidget& table) {
    const QList<QTableWidgetSelectionRange> ranges = table.selectedRanges();
    int top = 0;
    int bottom = table.rowCount() - 1;
    int left = 0;
    int right = table.columnCount() - 1;
    if (!ranges.isEmpty()) {
        top = bottom = ranges.first().topRow();
        left = right = ranges.first().leftColumn();
        for (const auto& range : ranges) {
            top = std::min(top, range.topRow());
            bottom = std::max(bottom, range.bottomRow());
            left = std::min(left, range.leftColumn());
            right = std::max(right, range.rightColumn());
        }
    }
    QStringList lines;
    for (int r = top; r <= bottom; ++r) {
        QStringList cells;
        for (int c = left; c <= right; ++c) {
            const QTableWidgetItem* item = table.item(r, c);
            const bool shown = ranges.isEmpty() || (item && item->isSelected());
            cells << (shown ? CellText(table, r, c) : QString());
        }
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

namespace {

// The text sits inside the style's focus margin, one pixel more each side; the grid line takes
// one pixel of the cell, and one more covers the rounding of the text's advance.
int CellMargins(const QTableWidget& table) {
    return 2 * (table.style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1) +
           (table.showGrid() ? 1 : 0) + 1;
}

int SpannedWidth(const QTableWidget& table, int row, int column) {
    int width = 0;
    for (int c = column; c < column + table.columnSpan(row, column); ++c)
        width += table.columnWidth(c);
    return width;
}

}  // namespace

void FitColumnsToContents(QTableWidget& table, const std::vector<int>& minimumPixels) {
    // Measured here rather than by the view: a sentence that runs across several columns (a
    // warning) takes the width the checks give the columns and wraps within it, so a long
    // warning never pushes the table wider than the screen.
    const int margins = CellMargins(table);
    std::vector<int> widths(static_cast<std::size_t>(table.columnCount()), 0);
    for (std::size_t c = 0; c < widths.size() && c < minimumPixels.size(); ++c)
        widths[c] = minimumPixels[c];
    for (int r = 0; r < table.rowCount(); ++r) {
        for (int c = 0; c < table.columnCount(); ++c) {
            const QTableWidgetItem* item = table.item(r, c);
            if (!item || item->text().isEmpty() || table.columnSpan(r, c) > 1) continue;
            const int width = QFontMetrics(item->font()).horizontalAdvance(item->text()) + margins;
            widths[static_cast<std::size_t>(c)] =
                std::max(widths[static_cast<std::size_t>(c)], width);
        }
    }
    for (int c = 0; c < table.columnCount(); ++c)
        table.setColumnWidth(c, widths[static_cast<std::size_t>(c)]);
    WrapSpannedRows(table);
}

void WrapSpannedRows(QTableWidget& table) {
    const int margins = CellMargins(table);
    for (int r = 0; r < table.rowCount(); ++r) {
        const QTableWidgetItem* item = table.item(r, 0);
        if (!item || table.columnSpan(r, 0) < 2) continue;
        const QFontMetrics metrics(item->font());
        const QRect bounds = metrics.boundingRect(
            QRect(0, 0, std::max(1, SpannedWidth(table, r, 0) - margins), 100000), Qt::TextWordWrap,
            item->text());
        table.setRowHeight(r, std::max(table.verticalHeader()->defaultSectionSize(),
                                       bounds.height() + margins + 2));
    }
}

int FullWidth(const QTableWidget& table) {
    int width = 2 * table.frameWidth() + table.verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < table.columnCount(); ++c) width += table.columnWidth(c);
    return width;
}

}  // namespace jw::ui
