// Undo and redo of every change of the main form's input. Each step keeps the whole input
// before and after (a few dozen short texts), so undoing puts back exactly what was there,
// whatever the change was: a typed value, a type or choice, "Ex", "&Reset", the advisor, the
// automatic design, or an opened project (which also puts back the file it came from).
#pragma once

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <functional>
#include <optional>

#include "ui/form_content.h"

namespace jw::ui {

class InputHistory : public QObject {
    Q_OBJECT
  public:
    struct Hooks {
        std::function<FormContent()> capture;
        std::function<void(const FormContent&)> restore;
        std::function<void(const FileIdentity&)> restoreFile;
    };
    explicit InputHistory(Hooks hooks, QObject* parent = nullptr);

    QUndoStack& Stack() { return stack_; }

    // A change just made: one step named `what` when the input differs from the last one
    // recorded. Keystrokes in one cell (`editedRow` > 0) make one step until the cell is left.
    void Record(const QString& what, int editedRow = 0);
    // The cell was left: the next keystroke starts a step of its own.
    void EndCellEdit() { ++cellSession_; }
    // Takes the form's input as it is now without making a step (once the form is built).
    void Resync();

    // Every change made while a step is open is one step, recorded when the outermost closes.
    class Step {
      public:
        Step(InputHistory& history, QString what);
        ~Step();
        Step(const Step&) = delete;
        Step& operator=(const Step&) = delete;
        // The step also changes the project's file; undoing it puts `before` back.
        void SetFileChange(const FileIdentity& before, const FileIdentity& after);

      private:
        InputHistory& history_;
    };

  signals:
    // After every recorded step, undo and redo.
    void ContentChanged();

  private:
    friend class HistoryCommand;
    void Apply(const FormContent& content, const std::optional<FileIdentity>& file);
    void CloseStep();

    Hooks hooks_;
    QUndoStack stack_;
    FormContent recorded_;
    int openSteps_ = 0;
    QString stepName_;
    std::optional<FileIdentity> stepFileBefore_;
    std::optional<FileIdentity> stepFileAfter_;
    bool restoring_ = false;
    int cellSession_ = 0;
};

}  // namespace jw::ui
