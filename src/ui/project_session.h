// The project file behind the main form: its name in the window title with a marker while the
// input differs from the file, Save and Save As, Open (from the dialog or the recent files),
// and the Save / Discard / Cancel question before unsaved input would be lost.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "ui/form_content.h"

class QWidget;

namespace jw::ui {

class FileDialogs;
class InputForm;
class InputHistory;
class MessageSink;

enum class UnsavedChoice { Save, Discard, Cancel };
// Asks what to do with input changed since the last save; `projectName` names the project.
using UnsavedPrompt = std::function<UnsavedChoice(QWidget* parent, const QString& projectName)>;
// The question as a message box with Save, Discard and Cancel.
UnsavedChoice AskAboutUnsavedInput(QWidget* parent, const QString& projectName);

inline const QString kProgramName = QStringLiteral("JointWright");
inline const QString kUntitledName = QStringLiteral("Untitled");

class ProjectSession : public QObject {
    Q_OBJECT
  public:
    ProjectSession(InputForm& form, InputHistory& history, MessageSink& messages);

    const FileIdentity& Identity() const { return identity_; }
    // Back to an earlier file and its saved content (undoing an Open).
    void SetIdentity(const FileIdentity& identity);
    // The input differs from the file (from the fresh form while there is no file).
    bool IsModified() const;
    // The file's name without its folder, or "Untitled".
    QString DisplayName() const;
    // "<name>[*] - JointWright" with the marker shown while modified.
    void UpdateTitle();

    // Ctrl+S: to the project's file without asking; a project without a file asks for one.
    bool Save(FileDialogs& dialogs);
    // Ctrl+Shift+S: always asks for the file.
    bool SaveAs(FileDialogs& dialogs);
    // Open: the question about unsaved input first, then the file the dialog gives, or `path`
    // when it is not empty (a recent file). One undo step puts the input and file back.
    bool Open(FileDialogs& dialogs, const QString& path = QString());
    // Before the input would be lost: true when the engineer saved it, discarded it, or
    // nothing was changed; false to stay.
    bool ConfirmDiscard(FileDialogs& dialogs);

    void SetPrompt(UnsavedPrompt prompt) { prompt_ = std::move(prompt); }

  signals:
    void RecentFilesChanged();

  private:
    bool SaveTo(FileDialogs& dialogs, bool askName);

    InputForm& form_;
    InputHistory& history_;
    MessageSink& messages_;
    FileIdentity identity_;
    UnsavedPrompt prompt_ = AskAboutUnsavedInput;
};

}  // namespace jw::ui
