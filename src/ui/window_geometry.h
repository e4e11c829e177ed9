// Where the main windows open: where the engineer left them last time (settings group
// "Windows"), else centred; always inside the screen's free area, so no title bar sits above
// the screen and no command row below it on a laptop.
#pragma once

#include <QRect>

class QWidget;

namespace jw::ui {

// Places a window about to show: its saved geometry when there is one, else its present size,
// both fitted to the available area of its screen.
void PlaceWindow(QWidget& window);
// Fits a window about to show into the available area of its screen: shrunk to it when larger,
// centred, or at its own position moved just inside when `keepPosition` is set.
void FitOnScreen(QWidget& window, bool keepPosition = false);
// Remembers the window's geometry under its object name.
void SaveWindowGeometry(const QWidget& window);

// A frame of `frame`'s size or smaller that lies inside `area`: shrunk to the area (never
// below `minimum`), centred when `centre` is set, else moved just enough to lie inside.
QRect FitFrame(const QRect& frame, const QRect& area, const QSize& minimum, bool centre);

}  // namespace jw::ui
