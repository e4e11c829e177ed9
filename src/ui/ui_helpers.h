// Small conversions between the core's plain values and Qt's: text, twips and label colours.
#pragma once

#include <QColor>
#include <QString>
#include <string>
#include <string_view>

class QTableWidget;
class QWidget;

namespace jw::ui {

// The core keeps text as UTF-8, so every character typed survives; the code page of the files
// is applied only where a file is written, which refuses a character it cannot hold.
std::string ToCoreText(const QString& text);
QString FromCoreText(std::string_view text);

// Window measures are given in twips (1/1440 inch); on screen they follow the logical dpi.
int TwipsToPixels(int twips, const QWidget* widget);

// Label colours are 24-bit values in blue-green-red order (255 is red, 65280 green).
QColor ColourFromBgr(int bgr);
int BgrFromColour(const QColor& colour);

// A grid that only shows values: no headers, no editing, no selection, no focus.
void MakeDisplayGrid(QTableWidget& grid, int rows, int columns);
// Writes a cell and its tooltip, creating its item when needed.
void SetCellText(QTableWidget& grid, int row, int column, const QString& text);

// Centres a top-level window on the screen it is on, shrunk to the screen's free area when it
// is larger.
void CentreOnScreen(QWidget& window);

}  // namespace jw::ui
