#include "ui/ui_helpers.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QTableWidget>
#include <QWidget>
#include <cmath>

#include "drawing/canvas.h"
#include "ui/window_geometry.h"

namespace jw::ui {

std::string ToCoreText(const QString& text) {
    return text.toStdString();
}

QString FromCoreText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

int TwipsToPixels(int twips, const QWidget* widget) {
    const double dpi = widget ? widget->logicalDpiX() : kTwipsPerInch / kTwipsPerPixel;
    return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch));
}

QColor ColourFromBgr(int bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

int BgrFromColour(const QColor& colour) {
    return colour.red() | (colour.green() << 8) | (colour.blue() << 16);
}

void MakeDisplayGrid(QTableWidget& grid, int rows, int columns) {
    grid.setRowCount(rows);
    grid.setColumnCount(columns);
    grid.horizontalHeader()->hide();
    grid.verticalHeader()->hide();
    grid.setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid.setSelectionMode(QAbstractItemView::NoSelection);
    grid.setFocusPolicy(Qt::NoFocus);
}

void SetCellText(QTableWidget& grid, int row, int column, const QString& text) {
    QTableWidgetItem* item = grid.item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        grid.setItem(row, column, item);
    }
    item->setText(text);
    // The whole text, whatever the column's width.
    item->setToolTip(text);
}

void CentreOnScreen(QWidget& window) {
    FitOnScreen(window);
}

}  // namespace jw::ui
