#include "ui/file_dialogs.h"

#include <QDir>
#include <QFileDialog>

namespace jw::ui {
namespace {

QString ChosenFile(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted) return {};
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

}  // namespace

std::unique_ptr<QFileDialog> MakeProjectDialog(QWidget* parent, bool save) {
    auto dialog = std::make_unique<QFileDialog>(
        parent, save ? QStringLiteral("Save") : QStringLiteral("Open"));
    dialog->setNameFilters({kDataFilesFilter, kAllFilesFilter});
    dialog->selectNameFilter(kDataFilesFilter);
    dialog->setDirectory(QDir::currentPath());
    if (save) {
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->setFileMode(QFileDialog::AnyFile);
        dialog->setDefaultSuffix(kProjectSuffix);
        dialog->selectFile(kProposedProjectName);
        // Replacing a project by accident loses it; the person is asked first.
        dialog->setOption(QFileDialog::DontConfirmOverwrite, false);
    } else {
        dialog->setAcceptMode(QFileDialog::AcceptOpen);
        dialog->setFileMode(QFileDialog::ExistingFile);
    }
    return dialog;
}

QString ModalFileDialogs::SaveFileName(QWidget* parent) {
    return ChosenFile(*MakeProjectDialog(parent, true));
}

QString ModalFileDialogs::OpenFileName(QWidget* parent) {
    return ChosenFile(*MakeProjectDialog(parent, false));
}

}  // namespace jw::ui
