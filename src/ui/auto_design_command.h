// "Auto &Design" on the main form: the cheapest connections of the selected type that pass
// every check, for the beam, the member grade and the loads typed in the grid, offered in a
// small list; the one picked fills the grid.
#pragma once

#include <QString>
#include <functional>

namespace jw::ui {

class AutoDesignDialog;
class InputForm;
class MessageSink;

inline const QString kAutoDesignTitle = QStringLiteral("Automatic Design");
// The connections the list offers.
inline constexpr int kAutoDesignChoices = 5;

// How the engineer picks among the connections found: the row of the one to use, or -1 to
// leave the form as it is. The desktop shows the dialog; tests answer for it.
using AutoDesignChooser = std::function<int(AutoDesignDialog&)>;
int ChooseInDialog(AutoDesignDialog& dialog);

// Fills the grid, the bolt grade and diameter (and the angle of angle cleats) with the
// connection picked; the type, beam and grade stay. When nothing passes, or the loads or choices
// cannot be designed, the form stays as it is and a message says why (for a failed search:
// the check that stops the closest candidate). True when the form was filled.
bool RunAutoDesign(InputForm& form, MessageSink& messages, const AutoDesignChooser& choose);

}  // namespace jw::ui
