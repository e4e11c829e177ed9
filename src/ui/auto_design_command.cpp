#include "ui/auto_design_command.h"

#include "data/numbers.h"
#include "design/auto_design.h"
#include "ui/auto_design_dialog.h"
#include "ui/choice_panel.h"
#include "ui/input_form.h"
#include "ui/input_grid.h"
#include "ui/message_sink.h"
#include "ui/ui_helpers.h"

namespace jw::ui {
namespace {

// The end plate and the splice take the moment in row 1 and the shear in row 2; the shear
// connections take the shear in row 1.
bool CarriesMoment(ConnectionType type) {
    return type == ConnectionType::BMEP || type == ConnectionType::BSPL;
}

// The load typed in a grid row; nothing, with the message shown, when it is not a number.
std::optional<double> Load(const InputForm& form, int row, MessageSink& messages) {
    const std::optional<double> value = StrictNumber(ToCoreText(form.Grid().Value(row)));
    if (!value)
        messages.Show(QStringLiteral("\"%1\" is not a number: type the loads before the "
                                     "automatic design.")
                          .arg(form.Grid().Label(row)),
                      kAutoDesignTitle);
    return value;
}

void ShowConnection(InputForm& form, const ConnectionInput& found) {
    for (int row = 1; row < found.grid.rows; ++row)
        form.Grid().SetValue(row, FromCoreText(found.grid.At(row, kValueColumn)));
    if (found.type == ConnectionType::ACLT) form.Sections().SetAngle(found.choices.angleSection);
    form.Bolts().SetBoltGrade(found.choices.boltGrade);
    form.Bolts().SetBoltDiameter(found.choices.boltDiameter);
}

}  // namespace

int ChooseInDialog(AutoDesignDialog& dialog) {
    return dialog.exec() == QDialog::Accepted ? dialog.ChosenRow() : -1;
}

bool RunAutoDesign(InputForm& form, MessageSink& messages, const AutoDesignChooser& choose) {
    form.CommitEditor();
    const ConnectionInput input = form.CurrentInput();
    AutoDesignRequest request;
    request.type = input.type;
    request.beamSection = input.choices.beamSection;
    request.memberGrade = input.choices.memberGrade;
    // In grid order: the moment of the end plate and the splice comes first.
    if (CarriesMoment(input.type)) {
        const auto moment = Load(form, 1, messages);
        if (!moment) return false;
        request.momentKgCm = *moment;
    }
    if (input.type != ConnectionType::None) {
        const auto shear = Load(form, CarriesMoment(input.type) ? 2 : 1, messages);
        if (!shear) return false;
        request.shearKg = *shear;
    }

    request.alternatives = kAutoDesignChoices;
    AutoDesignDialog dialog(request, &form);
    if (!dialog.Result().found) {
        messages.Show(FromCoreText(dialog.Result().message), kAutoDesignTitle);
        return false;
    }
    const int row = choose(dialog);
    if (row < 0) return false;
    ShowConnection(form, dialog.Result().alternatives.at(row).input);
    return true;
}

}  // namespace jw::ui
