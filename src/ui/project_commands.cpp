#include "ui/project_commands.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>

#include "print/core_file_path.h"
#include "ui/choice_panel.h"
#include "ui/code_page_setting.h"
#include "ui/file_dialogs.h"
#include "ui/input_form.h"
#include "ui/input_grid.h"
#include "ui/message_sink.h"
#include "ui/project_form.h"
#include "ui/ui_helpers.h"

namespace jw::ui {
namespace {

std::string FilePath(const QString& name) {
    return print::CoreFilePath(name);
}

// A message of the project file code: its own words, perhaps a quoted line of the file (UTF-8
// like every text) and the path as the system spells it: UTF-8 here, though a name from an old
// disk may be in a single-byte code page.
QString MessageText(const char* text) {
    const QByteArray bytes(text);
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : decoded;
}

}  // namespace

Project ProjectOf(const InputForm& form, const ProjectForm& details) {
    const ConnectionInput input = form.CurrentInput();
    Project project;
    project.info = details.Info();
    project.type = input.type;
    project.choices = input.choices;
    project.values = GridValues(input.grid);
    return project;
}

void ApplyProject(InputForm& form, ProjectForm& details, const Project& project) {
    const ConnectionChoices& c = project.choices;
    details.SetInfo(project.info);
    form.SelectType(project.type);
    form.Bolts().SetBoltGrade(c.boltGrade);
    form.Bolts().SetBoltDiameter(c.boltDiameter);
    form.Sections().SetBeam(c.beamSection);
    form.Bolts().SetMemberGrade(c.memberGrade);
    if (project.type == ConnectionType::ACLT) form.Sections().SetAngle(c.angleSection);
    // The advisor may have put its own bolts in with the beam; the saved ones are the design.
    form.Bolts().SetBoltGrade(c.boltGrade);
    form.Bolts().SetBoltDiameter(c.boltDiameter);
    if (project.type == ConnectionType::None) return;
    for (std::size_t i = 0; i < project.values.size(); ++i)
        form.Grid().SetValue(static_cast<int>(i) + 1, FromCoreText(project.values[i]));
}

bool SaveProject(InputForm& form, const ProjectForm& details, FileDialogs& dialogs,
                 MessageSink& messages) {
    form.CommitEditor();
    const QString name = dialogs.SaveFileName(&form);
    if (name.isEmpty()) return false;
    try {
        SaveProjectFile(FilePath(name), ProjectOf(form, details), StoredCodePage());
    } catch (const ProjectFileError& error) {
        messages.Show(MessageText(error.what()), QStringLiteral("Save"));
        return false;
    }
    return true;
}

bool OpenProject(InputForm& form, ProjectForm& details, FileDialogs& dialogs,
                 MessageSink& messages) {
    form.CommitEditor();
    const QString name = dialogs.OpenFileName(&form);
    if (name.isEmpty()) return false;
    Project project;
    try {
        project = LoadProjectFile(FilePath(name), StoredCodePage());
    } catch (const ProjectFileError& error) {
        QString text = MessageText(error.what());
        // A line at fault is named by its number; the file it is in is named here.
        if (error.line() > 0)
            text =
                QStringLiteral("Cannot open \"%1\". %2").arg(QDir::toNativeSeparators(name), text);
        messages.Show(text, QStringLiteral("Open"));
        return false;
    }
    form.ShowTypePanel();
    ApplyProject(form, details, project);
    return true;
}

}  // namespace jw::ui
