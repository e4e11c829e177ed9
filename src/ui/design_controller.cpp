#include "ui/design_controller.h"

#include "design/design_run.h"
#include "ui/drawing_view.h"
#include "ui/input_form.h"
#include "ui/message_sink.h"
#include "ui/project_form.h"
#include "ui/result_window.h"
#include "ui/ui_helpers.h"

namespace jw::ui {

DesignController::DesignController(MessageSink& messages, QString reportPath)
    : messages_(messages),
      reportPath_(std::move(reportPath)),
      form_(std::make_unique<InputForm>(messages)) {
    connect(form_.get(), &InputForm::CalculateRequested, this, &DesignController::Calculate);
    connect(form_.get(), &InputForm::ExitRequested, this, &DesignController::ExitRequested);
}

DesignController::~DesignController() = default;

void DesignController::Start() {
    form_->show();
}

ResultWindow& DesignController::EnsureResultWindow() {
    if (!result_) {
        result_ = std::make_unique<ResultWindow>(messages_, reportPath_);
        connect(result_.get(), &ResultWindow::BackRequested, this, &DesignController::BackToInput);
        connect(result_.get(), &ResultWindow::Closed, form_.get(), &QWidget::show);
        result_->SetProjectInfoSource([this] { return form_->ProjectWindow().Info(); });
    }
    return *result_;
}

void DesignController::Calculate() {
    const ConnectionInput input = form_->CurrentInput();
    QString title;
    if (const auto gate = form_->CheckGate(&title)) {
        messages_.Show(*gate, title);
        return;
    }
    form_->CommitEditor();

    const DesignResult result = RunDesign(input, RunOptions{ToCoreText(reportPath_)});
    if (result.status == RunStatus::Stopped)
        return Fail(FromCoreText(result.message), FromCoreText(result.messageTitle));
    // The drawing is part of the result: a connection the drawing cannot show is reported
    // before any window changes, so the result window never shows half a run.
    if (const auto problem = DrawingView::DrawingProblem(input))
        return Fail(FromCoreText(*problem), FromCoreText(kErrorTitle));

    ResultWindow& window = EnsureResultWindow();
    window.ShowResult(input, result);
    form_->hide();
    window.show();
    window.raise();
    window.activateWindow();
}

void DesignController::Fail(const QString& text, const QString& title) {
    if (result_) result_->hide();
    form_->show();
    messages_.Show(text, title);
}

void DesignController::BackToInput() {
    if (result_) result_->hide();
    form_->show();
    form_->RedrawPreview();
}

}  // namespace jw::ui
