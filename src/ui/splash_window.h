// The splash window shown at start: the program's picture, its version and what it is based on,
// for two ticks of a one-second timer.
#pragma once

#include <QWidget>

class QTimer;

namespace jw::ui {

class SplashWindow : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kTickMs = 1000;
    static constexpr int kTicksShown = 2;

    explicit SplashWindow(QWidget* parent = nullptr);

    const QTimer& Timer() const { return *timer_; }
    int Ticks() const { return ticks_; }
    // One tick of the timer; the second one emits Elapsed and closes the window.
    void Tick();

  signals:
    void Elapsed();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QTimer* timer_;
    int ticks_ = 0;
    bool centred_ = false;
};

}  // namespace jw::ui
