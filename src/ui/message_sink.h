// Where the windows send their messages. The program shows a message box with an OK button;
// tests record the messages instead, so nothing blocks.
#pragma once

#include <QString>

class QWidget;

namespace jw::ui {

class MessageSink {
  public:
    virtual ~MessageSink() = default;
    virtual void Show(const QString& text, const QString& title) = 0;
};

// A modal message box over the active window.
class MessageBoxSink : public MessageSink {
  public:
    void Show(const QString& text, const QString& title) override;
};

}  // namespace jw::ui
