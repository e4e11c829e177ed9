// "About": what the program is, its version and what it is based on.
#pragma once

#include <QWidget>

class QListWidget;

namespace jw::ui {

class AboutForm : public QWidget {
    Q_OBJECT
  public:
    explicit AboutForm(QWidget* parent = nullptr);

    const QListWidget& Credits() const { return *credits_; }

  signals:
    // "&Close" or the title bar's close: the main form comes back.
    void Closed();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    QListWidget* credits_;
    bool centred_ = false;
};

}  // namespace jw::ui
