// The main form's undo history, its project file session, its keys and its status line.
#include <QDir>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QShortcut>
#include <QStatusBar>

#include "ui/choice_panel.h"
#include "ui/connection_panels.h"
#include "ui/input_form.h"
#include "ui/input_grid.h"
#include "ui/input_history.h"
#include "ui/live_check_panel.h"
#include "ui/project_form.h"
#include "ui/recent_files.h"

namespace jw::ui {

void InputForm::BuildHistory() {
    history_ =
        new InputHistory({[this] { return CaptureContent(*this); },
                          [this](const FormContent& content) { RestoreContent(*this, content); },
                          [this](const FileIdentity& file) { session_->SetIdentity(file); }},
                         this);
    history_->Resync();
    session_ = new ProjectSession(*this, *history_, messages_);
    connect(history_, &InputHistory::ContentChanged, session_, &ProjectSession::UpdateTitle);
    connect(history_, &InputHistory::ContentChanged, liveCheck_, &LiveCheckPanel::InputChanged);

    // Every way the input changes makes its undo step; the history drops the ones that change
    // nothing, and a command that changes much makes one step of it all.
    connect(grid_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (item->column() == kValueColumn)
            OnInputChanged(grid_->Label(item->row() + 1), item->row() + 1);
    });
    connect(grid_, &QTableWidget::currentCellChanged, history_, &InputHistory::EndCellEdit);
    connect(bolts_, &BoltGradePanel::Changed, this,
            [this] { OnInputChanged(QStringLiteral("Bolts and Steel Grade")); });
    connect(sections_, &SectionPanel::AngleChanged, this,
            [this] { OnInputChanged(QStringLiteral("Angle Section")); });
    connect(projectForm_, &ProjectForm::Finished, this,
            [this] { OnInputChanged(QStringLiteral("Project")); });
    liveCheck_->InputChanged();
}

void InputForm::OnInputChanged(const QString& what, int editedRow) {
    history_->Record(what, editedRow);
}

void InputForm::BuildShortcuts() {
    const auto bind = [this](const QKeySequence& keys, auto action) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, action);
    };
    bind(QKeySequence(Qt::CTRL | Qt::Key_Z), &InputForm::Undo);
    bind(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), &InputForm::Redo);
    bind(QKeySequence(Qt::CTRL | Qt::Key_Y), &InputForm::Redo);
    bind(QKeySequence(Qt::CTRL | Qt::Key_S), &InputForm::SaveProject);
    bind(QKeySequence(Qt::CTRL | Qt::Key_O), &InputForm::OpenProject);
    bind(QKeySequence(Qt::Key_F1), &InputForm::OpenHelp);
    bind(QKeySequence(Qt::Key_F5), &InputForm::CalculateRequested);
    bind(QKeySequence(Qt::CTRL | Qt::Key_Return), &InputForm::CalculateRequested);
    bind(QKeySequence(Qt::CTRL | Qt::Key_Enter), &InputForm::CalculateRequested);
}

void InputForm::Undo() {
    if (!history_->Stack().canUndo()) return;
    const QString what = history_->Stack().undoText();
    history_->Stack().undo();
    ShowStatus(QStringLiteral("Undone: %1").arg(what));
}

void InputForm::Redo() {
    if (!history_->Stack().canRedo()) return;
    const QString what = history_->Stack().redoText();
    history_->Stack().redo();
    ShowStatus(QStringLiteral("Redone: %1").arg(what));
}

void InputForm::FillRecentMenu() {
    recentMenu_->clear();
    const QStringList files = RecentProjectFiles();
    for (int i = 0; i < files.size(); ++i) {
        // "&1 name.Bol" with the folder in the tooltip: the name is what the engineer looks for.
        QAction* action = recentMenu_->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(files[i]).fileName()));
        action->setToolTip(QDir::toNativeSeparators(files[i]));
        action->setStatusTip(QDir::toNativeSeparators(files[i]));
        const QString path = files[i];
        connect(action, &QAction::triggered, this, [this, path] { OpenRecentProject(path); });
    }
    if (files.isEmpty())
        recentMenu_->addAction(QStringLiteral("No recent files"))->setEnabled(false);
    recentMenu_->setToolTipsVisible(true);
}

void InputForm::SetUnsavedPrompt(UnsavedPrompt prompt) {
    session_->SetPrompt(std::move(prompt));
}

QString InputForm::StatusText() const {
    return status_->currentMessage();
}

void InputForm::ShowStatus(const QString& text) {
    status_->showMessage(text);
}

}  // namespace jw::ui
