// What the main form holds that a project file keeps, taken whole so that a change can be
// undone, compared with the last saved state, or put back.
#pragma once

#include <QString>
#include <QStringList>

#include "data/connection_input.h"

namespace jw::ui {

class InputForm;

struct FormContent {
    ConnectionType type = ConnectionType::None;
    ConnectionChoices choices;
    QStringList values;        // grid rows 1..n, as typed
    QStringList projectTexts;  // the six title-block texts, as typed
};

// Equal in everything a project file keeps. The advisor switch is not kept in a file, so
// ticking it alone leaves a saved project unchanged.
bool SameSavedContent(const FormContent& a, const FormContent& b);
// Equal in everything, the advisor switch too.
bool SameContent(const FormContent& a, const FormContent& b);

FormContent CaptureContent(const InputForm& form);

// Puts `content` back on the form as it was taken: the type, every choice and every value.
// The advisor is held off meanwhile, so a restored beam cannot fill in its standard connection
// over the restored values.
void RestoreContent(InputForm& form, const FormContent& content);

// The project file that the form's content belongs to, and its content as last saved or opened.
struct FileIdentity {
    QString fileName;  // empty while the project has never been saved or opened
    FormContent saved;
};

}  // namespace jw::ui
