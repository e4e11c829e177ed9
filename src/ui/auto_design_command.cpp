#include "ui/auto_design_command.h"

#include <QApplication>

#include "data/numbers.h"
#include "design/auto_design.h"
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

class WaitCursor {
  public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

void ShowConnection(InputForm& form, const ConnectionInput& found) {
    for (int row = 1; row < found.grid.rows; ++row)
        form.Grid().SetValue(row, FromCoreText(found.grid.At(row, kValueColumn)));
    if (found.type == ConnectionType::ACLT) form.Sections().SetAngle(found.choices.angleSection);
    form.Bolts().SetBoltGrade(found.choices.boltGrade);
    form.Bolts().SetBoltDiameter(found.choices.boltDiameter);
}

}  // namespace

bool RunAutoDesign(InputForm& form, MessageSink& messages) {
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

    AutoDesignResult result;
    {
        const WaitCursor wait;
        result = AutoDesign(request);
    }
    if (!result.found) {
        messages.Show(FromCoreText(result.message), kAutoDesignTitle);
        return false;
    }
    ShowConnection(form, result.input);
    return true;
}

}  // namespace jw::ui
