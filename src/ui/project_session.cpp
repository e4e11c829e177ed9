#include "ui/project_session.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QWidget>

#include "ui/file_dialogs.h"
#include "ui/input_form.h"
#include "ui/input_history.h"
#include "ui/project_commands.h"
#include "ui/project_form.h"
#include "ui/recent_files.h"

namespace jw::ui {
namespace {

// The file dialogs of one command: a fixed answer given without asking (the project's own
// file, a recent file), or the person's answer, remembered.
class AnsweringDialogs : public FileDialogs {
  public:
    AnsweringDialogs(FileDialogs& ask, QString fixed) : ask_(ask), chosen_(std::move(fixed)) {}
    QString SaveFileName(QWidget* parent) override {
        if (chosen_.isEmpty()) chosen_ = ask_.SaveFileName(parent);
        return chosen_;
    }
    QString OpenFileName(QWidget* parent) override {
        if (chosen_.isEmpty()) chosen_ = ask_.OpenFileName(parent);
        return chosen_;
    }
    QString Chosen() const { return QFileInfo(chosen_).absoluteFilePath(); }

  private:
    FileDialogs& ask_;
    QString chosen_;
};

}  // namespace

UnsavedChoice AskAboutUnsavedInput(QWidget* parent, const QString& projectName) {
    QMessageBox box(
        QMessageBox::Warning, kProgramName,
        QStringLiteral("The input of %1 has changed since it was last saved.").arg(projectName),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setInformativeText(QStringLiteral("Save the changes?"));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
        case QMessageBox::Save:
            return UnsavedChoice::Save;
        case QMessageBox::Discard:
            return UnsavedChoice::Discard;
        default:
            return UnsavedChoice::Cancel;
    }
}

ProjectSession::ProjectSession(InputForm& form, InputHistory& history, MessageSink& messages)
    : QObject(&form), form_(form), history_(history), messages_(messages) {
    identity_.saved = CaptureContent(form_);
    UpdateTitle();
}

void ProjectSession::SetIdentity(const FileIdentity& identity) {
    identity_ = identity;
    UpdateTitle();
}

bool ProjectSession::IsModified() const {
    return !SameSavedContent(CaptureContent(form_), identity_.saved);
}

QString ProjectSession::DisplayName() const {
    return identity_.fileName.isEmpty() ? kUntitledName : QFileInfo(identity_.fileName).fileName();
}

void ProjectSession::UpdateTitle() {
    form_.setWindowTitle(QStringLiteral("%1[*] - %2").arg(DisplayName(), kProgramName));
    form_.setWindowModified(IsModified());
}

bool ProjectSession::Save(FileDialogs& dialogs) {
    return SaveTo(dialogs, identity_.fileName.isEmpty());
}

bool ProjectSession::SaveAs(FileDialogs& dialogs) {
    return SaveTo(dialogs, true);
}

bool ProjectSession::SaveTo(FileDialogs& dialogs, bool askName) {
    AnsweringDialogs answer(dialogs, askName ? QString() : identity_.fileName);
    if (!SaveProject(form_, form_.ProjectWindow(), answer, messages_)) return false;
    SetIdentity({answer.Chosen(), CaptureContent(form_)});
    AddRecentProjectFile(identity_.fileName);
    emit RecentFilesChanged();
    return true;
}

bool ProjectSession::Open(FileDialogs& dialogs, const QString& path) {
    if (!ConfirmDiscard(dialogs)) return false;
    AnsweringDialogs answer(dialogs, path);
    const FileIdentity before = identity_;
    InputHistory::Step step(history_, QStringLiteral("Open"));
    if (!OpenProject(form_, form_.ProjectWindow(), answer, messages_)) {
        // A recent file that is gone or no longer a project leaves the list.
        if (!path.isEmpty()) {
            RemoveRecentProjectFile(path);
            emit RecentFilesChanged();
        }
        return false;
    }
    identity_ = {answer.Chosen(), CaptureContent(form_)};
    step.SetFileChange(before, identity_);
    AddRecentProjectFile(identity_.fileName);
    emit RecentFilesChanged();
    UpdateTitle();
    return true;
}

bool ProjectSession::ConfirmDiscard(FileDialogs& dialogs) {
    if (!IsModified()) return true;
    switch (prompt_(&form_, DisplayName())) {
        case UnsavedChoice::Save:
            return Save(dialogs);
        case UnsavedChoice::Discard:
            return true;
        case UnsavedChoice::Cancel:
            return false;
    }
    return false;
}

}  // namespace jw::ui
