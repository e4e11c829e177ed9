// The road of one Calculate command and back: the gate, the design run, the switch from the
// input form to the result window, and the way back. It owns both windows.
#pragma once

#include <QObject>
#include <QString>
#include <memory>

namespace jw::ui {

class InputForm;
class MessageSink;
class ResultWindow;

class DesignController : public QObject {
    Q_OBJECT
  public:
    // `reportPath` is where each run writes its calculation report.
    explicit DesignController(MessageSink& messages,
                              QString reportPath = QStringLiteral("result.out"));
    ~DesignController() override;

    void Start();  // shows the input form

    InputForm& Form() const { return *form_; }
    // Nothing until the first successful run creates it.
    ResultWindow* Result() const { return result_.get(); }

    // Calculate: on success the result window replaces the input form; on failure the input
    // form stays with a message saying why.
    void Calculate();
    // Back from the result window: the input form with the preview of what was designed.
    void BackToInput();

  signals:
    void ExitRequested();

  private:
    ResultWindow& EnsureResultWindow();
    void Fail(const QString& text, const QString& title);

    MessageSink& messages_;
    QString reportPath_;
    std::unique_ptr<InputForm> form_;
    std::unique_ptr<ResultWindow> result_;
};

}  // namespace jw::ui
