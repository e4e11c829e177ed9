// From the start of the program to the main form: the splash window for two seconds, then the
// main form when the disclaimer was accepted before, else the disclaimer.
#pragma once

#include <QObject>
#include <QString>
#include <memory>

namespace jw::ui {

class DisclaimerWindow;
class MessageSink;
class SplashWindow;

class StartUp : public QObject {
    Q_OBJECT
  public:
    // `acceptancePath` is the acceptance file read at the splash's end and written on "I ACCEPT.".
    StartUp(MessageSink& messages, QString acceptancePath);
    ~StartUp() override;

    void Begin();  // shows the splash window

    SplashWindow& Splash() const { return *splash_; }
    DisclaimerWindow& Disclaimer() const { return *disclaimer_; }

  signals:
    void MainFormRequested();
    void ExitRequested();

  private:
    void OnSplashElapsed();
    void OnAccepted();

    MessageSink& messages_;
    QString acceptancePath_;
    std::unique_ptr<SplashWindow> splash_;
    std::unique_ptr<DisclaimerWindow> disclaimer_;
};

}  // namespace jw::ui
