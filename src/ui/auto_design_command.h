// "Auto &Design" on the main form: the lightest connection of the selected type that passes
// every check, for the beam, the member grade and the loads typed in the grid.
#pragma once

#include <QString>

namespace jw::ui {

class InputForm;
class MessageSink;

inline const QString kAutoDesignTitle = QStringLiteral("Automatic Design");

// Fills the grid, the bolt grade and diameter (and the angle of angle cleats) with the
// connection found; the type, beam and grade stay. When nothing passes, or the loads or choices
// cannot be designed, the form stays as it is and a message says why (for a failed search:
// the check that stops the closest candidate). True when the form was filled.
bool RunAutoDesign(InputForm& form, MessageSink& messages);

}  // namespace jw::ui
