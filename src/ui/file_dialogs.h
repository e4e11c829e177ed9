// The file dialogs of Save and Open. The form asks through this interface, so tests can answer
// in place of a person and nothing blocks.
#pragma once

#include <QString>
#include <memory>

class QFileDialog;
class QWidget;

namespace jw::ui {

inline const QString kDataFilesFilter = QStringLiteral("Data Files (*.Bol)");
inline const QString kAllFilesFilter = QStringLiteral("All Files (*.*)");
inline const QString kProposedProjectName = QStringLiteral("Project01.Bol");
inline const QString kProjectSuffix = QStringLiteral("Bol");

class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    // The file chosen to save to, or the empty text when the person cancels.
    virtual QString SaveFileName(QWidget* parent) = 0;
    // The file chosen to open, or the empty text when the person cancels.
    virtual QString OpenFileName(QWidget* parent) = 0;
};

// The dialogs a person answers: "Save" proposes "Project01.Bol", adds ".Bol" to a name typed
// without an extension and asks before replacing a file; "Open" lists project files first.
class ModalFileDialogs : public FileDialogs {
  public:
    QString SaveFileName(QWidget* parent) override;
    QString OpenFileName(QWidget* parent) override;
};

// The dialog as Save (`save` true) or Open shows it, not yet shown.
std::unique_ptr<QFileDialog> MakeProjectDialog(QWidget* parent, bool save);

}  // namespace jw::ui
