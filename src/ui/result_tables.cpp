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

void FitColumnsToContents(QTableWidget& table, const std::vector<int>& minimumPixels) {
    // Measured here rather than by the view: a sentence that runs across several columns
    // (a warning) must widen only the last of them, not the first.
    // The text sits inside the style's focus margin, one pixel more each side; the grid line
    // takes one pixel of the cell, and one more covers the rounding of the text's advance.
    const int margins = 2 * (table.style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1) +
                        (table.showGrid() ? 1 : 0) + 1;
    std::vector<int> widths(static_cast<std::size_t>(table.columnCount()), 0);
    for (std::size_t c = 0; c < widths.size() && c < minimumPixels.size(); ++c)
        widths[c] = minimumPixels[c];
    struct Spanned {
        int column;
        int span;
        int width;
    };
    std::vector<Spanned> spanned;
    for (int r = 0; r < table.rowCount(); ++r) {
        for (int c = 0; c < table.columnCount(); ++c) {
            const QTableWidgetItem* item = table.item(r, c);
            if (!item || item->text().isEmpty()) continue;
            const int width = QFontMetrics(item->font()).horizontalAdvance(item->text()) + margins;
            const int span = table.columnSpan(r, c);
            if (span > 1)
                spanned.push_back({c, span, width});
            else
                widths[static_cast<std::size_t>(c)] =
                    std::max(widths[static_cast<std::size_t>(c)], width);
        }
    }
    for (const Spanned& cell : spanned) {
        int covered = 0;
        for (int c = cell.column; c < cell.column + cell.span; ++c)
            covered += widths[static_cast<std::size_t>(c)];
        widths[static_cast<std::size_t>(cell.column + cell.span - 1)] +=
            std::max(0, cell.width - covered);
    }
    for (int c = 0; c < table.columnCount(); ++c)
        table.setColumnWidth(c, widths[static_cast<std::size_t>(c)]);
}

int FullWidth(const QTableWidget& table) {
    int width = 2 * table.frameWidth() + table.verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < table.columnCount(); ++c) width += table.columnWidth(c);
    return width;
}

}  // namespace jw::ui
