// The disclaimer shown until the user accepts it once: the text, "I ACCEPT." or
// "I DO NOT ACCEPT", and "&OK".
#pragma once

#include <QWidget>

class QListWidget;
class QRadioButton;

namespace jw::ui {

class MessageSink;

inline const QString kNoAgreementMessage = QStringLiteral("Please Select the one of Agreement");
inline const QString kDisclaimerTitle = QStringLiteral("Disclaimer");

class DisclaimerWindow : public QWidget {
    Q_OBJECT
  public:
    explicit DisclaimerWindow(MessageSink& messages, QWidget* parent = nullptr);

    QRadioButton& AcceptOption() const { return *accept_; }
    QRadioButton& DeclineOption() const { return *decline_; }
    const QListWidget& Text() const { return *text_; }
    // "&OK": with no option chosen the window stays and asks for one.
    void Confirm();

  signals:
    void Accepted();
    // "I DO NOT ACCEPT", or the window closed without accepting: the program ends.
    void Declined();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    MessageSink& messages_;
    QListWidget* text_;
    QRadioButton* accept_;
    QRadioButton* decline_;
    bool centred_ = false;
};

}  // namespace jw::ui
