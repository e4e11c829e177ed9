#include "ui/input_history.h"

#include <QUndoCommand>

namespace jw::ui {

// One step: the input before and after, and for an opened project the file before and after.
class HistoryCommand : public QUndoCommand {
  public:
    struct Files {
        FileIdentity before;
        FileIdentity after;
    };
    HistoryCommand(InputHistory& history, const QString& what, FormContent before,
                   FormContent after, int editedRow, int cellSession, std::optional<Files> files)
        : QUndoCommand(what),
          history_(history),
          before_(std::move(before)),
          after_(std::move(after)),
          editedRow_(editedRow),
          cellSession_(cellSession),
          files_(std::move(files)) {}

    // The change is already on the form when the step is pushed.
    void redo() override {
        if (pushed_) history_.Apply(after_, files_ ? std::optional(files_->after) : std::nullopt);
        pushed_ = true;
    }
    void undo() override {
        history_.Apply(before_, files_ ? std::optional(files_->before) : std::nullopt);
    }

    int id() const override { return editedRow_ > 0 ? kCellEditId : -1; }
    bool mergeWith(const QUndoCommand* other) override {
        const auto* next = static_cast<const HistoryCommand*>(other);
        if (next->editedRow_ != editedRow_ || next->cellSession_ != cellSession_ || files_ ||
            next->files_)
            return false;
        after_ = next->after_;
        // Typing a value and deleting it again leaves nothing to undo.
        setObsolete(SameContent(before_, after_));
        return true;
    }

  private:
    static constexpr int kCellEditId = 1;
    InputHistory& history_;
    FormContent before_;
    FormContent after_;
    int editedRow_;
    int cellSession_;
    std::optional<Files> files_;
    bool pushed_ = false;
};

InputHistory::InputHistory(Hooks hooks, QObject* parent)
    : QObject(parent), hooks_(std::move(hooks)) {
    stack_.setUndoLimit(500);
}

void InputHistory::Resync() {
    recorded_ = hooks_.capture();
}

void InputHistory::Record(const QString& what, int editedRow) {
    if (restoring_ || openSteps_ > 0) return;
    FormContent now = hooks_.capture();
    if (SameContent(now, recorded_)) return;
    stack_.push(
        new HistoryCommand(*this, what, recorded_, now, editedRow, cellSession_, std::nullopt));
    recorded_ = std::move(now);
    emit ContentChanged();
}

void InputHistory::Apply(const FormContent& content, const std::optional<FileIdentity>& file) {
    restoring_ = true;
    hooks_.restore(content);
    if (file) hooks_.restoreFile(*file);
    restoring_ = false;
    recorded_ = hooks_.capture();
    EndCellEdit();
    emit ContentChanged();
}

void InputHistory::CloseStep() {
    if (--openSteps_ > 0) return;
    // Putting a step back runs the form's own handlers; they make no step of their own.
    if (restoring_) {
        stepFileBefore_.reset();
        stepFileAfter_.reset();
        return;
    }
    FormContent now = hooks_.capture();
    const bool fileChanged = stepFileBefore_ && stepFileAfter_;
    if (fileChanged || !SameContent(now, recorded_)) {
        std::optional<HistoryCommand::Files> files;
        if (fileChanged) files = HistoryCommand::Files{*stepFileBefore_, *stepFileAfter_};
        stack_.push(new HistoryCommand(*this, stepName_, recorded_, now, 0, cellSession_,
                                       std::move(files)));
        recorded_ = std::move(now);
        EndCellEdit();
        emit ContentChanged();
    }
    stepFileBefore_.reset();
    stepFileAfter_.reset();
}

InputHistory::Step::Step(InputHistory& history, QString what) : history_(history) {
    if (history_.openSteps_++ == 0) history_.stepName_ = std::move(what);
}

InputHistory::Step::~Step() {
    history_.CloseStep();
}

void InputHistory::Step::SetFileChange(const FileIdentity& before, const FileIdentity& after) {
    history_.stepFileBefore_ = before;
    history_.stepFileAfter_ = after;
}

}  // namespace jw::ui
