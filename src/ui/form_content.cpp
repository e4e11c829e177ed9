#include "ui/form_content.h"

#include <QLineEdit>
#include <tuple>

#include "ui/choice_panel.h"
#include "ui/input_form.h"
#include "ui/input_grid.h"
#include "ui/project_form.h"

namespace jw::ui {
namespace {

constexpr int kProjectTextCount = 6;

auto SavedChoices(const ConnectionChoices& c) {
    return std::tie(c.boltGrade, c.boltDiameter, c.beamSection, c.angleSection, c.memberGrade);
}

}  // namespace

bool SameSavedContent(const FormContent& a, const FormContent& b) {
    return a.type == b.type && SavedChoices(a.choices) == SavedChoices(b.choices) &&
           a.values == b.values && a.projectTexts == b.projectTexts;
}

bool SameContent(const FormContent& a, const FormContent& b) {
    return SameSavedContent(a, b) && a.choices.advisor == b.choices.advisor;
}

FormContent CaptureContent(const InputForm& form) {
    FormContent content;
    const ConnectionInput input = form.CurrentInput();
    content.type = input.type;
    content.choices = input.choices;
    for (int row = 1; row <= form.Grid().InputRowCount(); ++row)
        content.values.push_back(form.Grid().Value(row));
    for (int i = 0; i < kProjectTextCount; ++i)
        content.projectTexts.push_back(form.ProjectWindow().Field(i).text());
    return content;
}

void RestoreContent(InputForm& form, const FormContent& content) {
    const ConnectionChoices& c = content.choices;
    form.Bolts().SetAdvisor(false);
    if (content.type != ConnectionType::None && content.type != form.SelectedType())
        form.SelectType(content.type);
    form.Sections().SetBeam(c.beamSection);
    form.Sections().SetAngle(c.angleSection);
    form.Bolts().SetBoltGrade(c.boltGrade);
    form.Bolts().SetBoltDiameter(c.boltDiameter);
    form.Bolts().SetMemberGrade(c.memberGrade);
    for (int i = 0; i < content.values.size(); ++i) form.Grid().SetValue(i + 1, content.values[i]);
    form.Bolts().SetAdvisor(c.advisor);
    for (int i = 0; i < content.projectTexts.size() && i < kProjectTextCount; ++i)
        form.ProjectWindow().Field(i).setText(content.projectTexts[i]);
}

}  // namespace jw::ui
