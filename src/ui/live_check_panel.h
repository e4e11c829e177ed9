// "Live Check": the stress ratios and the verdict of the input on the form, checked again as
// the engineer types. It runs the same design run as Calculate, without the report file and
// without leaving the form; an incomplete input shows which rows are missing.
//
// A check follows the last change within kDelayMs. A run takes about ten microseconds, so it
// runs on the spot; should one ever take a millisecond or more, the next runs go to a worker
// thread and only the newest answer is shown, so typing never waits for a check.
#pragma once

#include <QGroupBox>
#include <QThreadPool>
#include <functional>

#include "design/design_run.h"

class QLabel;
class QTableWidget;
class QTimer;

namespace jw::ui {

class LiveCheckPanel : public QGroupBox {
    Q_OBJECT
  public:
    using InputSource = std::function<ConnectionInput()>;
    explicit LiveCheckPanel(InputSource source, QWidget* parent = nullptr);
    ~LiveCheckPanel() override;

    static constexpr int kDelayMs = 20;
    static constexpr qint64 kOnTheSpotNs = 1'000'000;

    // The input changed: a check follows when no change has come for kDelayMs.
    void InputChanged();
    // Checks the input now.
    void CheckNow();

    const QTableWidget& Table() const { return *table_; }
    // "Accept", "REDESIGN", or what keeps the input from being checked.
    QString Headline() const;
    // The further checks' warnings, one a line; empty when there are none.
    QString Warnings() const;
    bool RunsOffTheGuiThread() const { return offThread_; }
    // Tests: as if the last run had taken `ns` nanoseconds.
    void SetLastRunTime(qint64 ns) { offThread_ = ns >= kOnTheSpotNs; }

  signals:
    // A check's answer is on show.
    void Updated();

  private:
    void StartWorker(const ConnectionInput& input, int generation);
    void ShowAnswer(const ConnectionInput& input, const DesignResult& result, int generation,
                    qint64 runNs);
    void ShowResult(const DesignResult& result);
    void ShowGateFailure(const ConnectionInput& input, const DesignResult& result);
    void ShowStoppedRun(const DesignResult& result);
    void ShowWarnings(const QStringList& warnings);
    void SetHeadline(const QString& text, int backgroundBgr, int textBgr);

    InputSource source_;
    QLabel* headline_;
    QTableWidget* table_;
    QLabel* warnings_;
    QTimer* delay_;
    QThreadPool worker_;
    int requested_ = 0;
    bool offThread_ = false;
    bool workerBusy_ = false;
    bool pending_ = false;
};

}  // namespace jw::ui
