// The fonts the printed sheet names were those of the office printers it was laid out for:
// "Ms Sans Serif" and "Courier New". Where a system lacks them, the nearest installed face takes
// their place, narrowed where it runs wider than the face the layout's fixed columns were
// measured with, so labels, values and units keep clear of each other.
#pragma once

#include <QFont>
#include <QString>

namespace jw::print {

// Sets the family of `font` to `requested` when it is installed, else to the nearest installed
// face: a metric twin of the requested face when there is one, else the system's own sans-serif
// or fixed-pitch face, condensed to the requested face's width. Sizes, weight and underline
// stay as they are.
void UseNearestFamily(QFont& font, const QString& requested);

// Whether a face name asks for a fixed-pitch font.
bool IsFixedPitchName(const QString& name);

}  // namespace jw::print
