#include "ui/start_up.h"

#include <QDir>

#include "ui/acceptance_file.h"
#include "ui/disclaimer_window.h"
#include "ui/message_sink.h"
#include "ui/splash_window.h"

namespace jw::ui {

StartUp::StartUp(MessageSink& messages, QString acceptancePath)
    : messages_(messages),
      acceptancePath_(std::move(acceptancePath)),
      splash_(std::make_unique<SplashWindow>()),
      disclaimer_(std::make_unique<DisclaimerWindow>(messages)) {
    connect(splash_.get(), &SplashWindow::Elapsed, this, &StartUp::OnSplashElapsed);
    connect(disclaimer_.get(), &DisclaimerWindow::Accepted, this, &StartUp::OnAccepted);
    connect(disclaimer_.get(), &DisclaimerWindow::Declined, this, &StartUp::ExitRequested);
}

StartUp::~StartUp() = default;

void StartUp::Begin() {
    splash_->show();
}

void StartUp::OnSplashElapsed() {
    if (ReadAcceptance(acceptancePath_))
        emit MainFormRequested();
    else
        disclaimer_->show();
}

void StartUp::OnAccepted() {
    const QString reason = RecordAcceptance(acceptancePath_);
    // The user has accepted; only remembering it failed, which must not keep them out.
    if (!reason.isEmpty())
        messages_.Show(QStringLiteral("Your acceptance cannot be recorded in \"%1\": %2. The "
                                      "disclaimer will be shown again at the next start.")
                           .arg(QDir::toNativeSeparators(acceptancePath_), reason),
                       kDisclaimerTitle);
    emit MainFormRequested();
}

}  // namespace jw::ui
