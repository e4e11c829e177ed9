// Speed of the desktop program as the engineer feels it (Qt Test benchmarks, offscreen):
// Calculate until the result window is painted, a keystroke until the live check shows its
// answer, and the program's memory after a design. Each is also held to its target (the
// median of the runs, since the machine is shared): under 50 ms, under 50 ms and under 150 MB.
// Run by hand or by scripts/bench: QT_QPA_PLATFORM=offscreen build/bench/gui_bench
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <vector>

#include "data/sections.h"
#include "ui/choice_panel.h"
#include "ui/design_controller.h"
#include "ui/input_form.h"
#include "ui/input_grid.h"
#include "ui/live_check_panel.h"
#include "ui/message_sink.h"
#include "ui/result_window.h"

namespace {

constexpr qint64 kTargetMs = 50;
constexpr qint64 kRssTargetKb = 150 * 1024;

class QuietSink : public jw::ui::MessageSink {
  public:
    void Show(const QString& text, const QString&) override { qWarning("%s", qPrintable(text)); }
};

void FillAcceptedShearPlate(jw::ui::InputForm& form) {
    form.SelectType(jw::ConnectionType::WSP);
    const QStringList values = {"10000", "9", "2", "3", "1", "10", "40", "75", "70", "6", "2"};
    for (int i = 0; i < values.size(); ++i) form.Grid().SetValue(i + 1, values[i]);
    form.Sections().SetBeam(jw::FindBeamPosition("H-300X150X36.7(kg/m)").value_or(-1));
    form.Bolts().SetBoltGrade(2);
    form.Bolts().SetBoltDiameter(3);
}

// Resident memory of this process in kB, from the kernel's own count.
qint64 ResidentKb() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toLongLong();
    return -1;
}

}  // namespace

class GuiBench : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void CalculateToResultPainted();
    void KeystrokeToLiveCheckUpdated();
    void MemoryAfterADesign();

  private:
    QTemporaryDir folder_;
    QuietSink messages_;
    jw::ui::DesignController* controller_ = nullptr;
};

void GuiBench::init() {
    controller_ = new jw::ui::DesignController(messages_, folder_.filePath("result.out"));
    controller_->Start();
    FillAcceptedShearPlate(controller_->Form());
    QVERIFY(QTest::qWaitForWindowExposed(&controller_->Form()));
}

void GuiBench::cleanup() {
    delete controller_;
}

void GuiBench::CalculateToResultPainted() {
    // The first run of a session also builds the result window; it is told apart.
    QElapsedTimer cold;
    cold.start();
    controller_->Calculate();
    controller_->Result()->repaint();
    const qint64 coldNs = cold.nsecsElapsed();
    emit controller_->Result()->BackRequested();

    std::vector<qint64> runs;
    QBENCHMARK {
        QElapsedTimer clock;
        clock.start();
        controller_->Calculate();
        controller_->Result()->repaint();  // painted now, not at the next event
        runs.push_back(clock.nsecsElapsed());
        emit controller_->Result()->BackRequested();
    }
    std::sort(runs.begin(), runs.end());
    const qint64 medianNs = runs[runs.size() / 2];
    qInfo(
        "Calculate to result window painted: median %.2f ms, worst %.2f ms; the first run, "
        "which builds the window, %.2f ms",
        medianNs / 1e6, runs.back() / 1e6, coldNs / 1e6);
    QVERIFY(medianNs < kTargetMs * 1'000'000);
}

void GuiBench::KeystrokeToLiveCheckUpdated() {
    jw::ui::InputForm& form = controller_->Form();
    jw::ui::LiveCheckPanel& panel = form.LiveCheck();
    form.Grid().SetCurrentInputRow(1);
    form.Grid().setFocus();
    QLineEdit* editor = form.Grid().Editor();
    editor->setText("10000");
    editor->end(false);
    QSignalSpy updated(&panel, &jw::ui::LiveCheckPanel::Updated);
    QVERIFY(updated.wait(1000));
    std::vector<qint64> keys;
    int key = 0;
    QBENCHMARK {
        updated.clear();
        QElapsedTimer clock;
        clock.start();
        // Typing the last digit over and over: 10000, 10001, ... 10009, then back.
        QTest::keyClick(editor, Qt::Key_Backspace);
        QTest::keyClick(editor, static_cast<Qt::Key>(Qt::Key_0 + key++ % 10));
        QVERIFY(updated.wait(1000));
        panel.repaint();
        keys.push_back(clock.nsecsElapsed());
    }
    std::sort(keys.begin(), keys.end());
    const qint64 medianNs = keys[keys.size() / 2];
    qInfo(
        "Keystroke to live check updated: median %.2f ms, worst %.2f ms (a check waits %d ms "
        "for the next key)",
        medianNs / 1e6, keys.back() / 1e6, jw::ui::LiveCheckPanel::kDelayMs);
    QVERIFY(medianNs < kTargetMs * 1'000'000);
}

void GuiBench::MemoryAfterADesign() {
    controller_->Calculate();
    controller_->Result()->repaint();
    const qint64 rssKb = ResidentKb();
    qInfo("Resident memory after a design: %.1f MB", rssKb / 1024.0);
    QVERIFY(rssKb > 0);
    QVERIFY(rssKb < kRssTargetKb);
}

QTEST_MAIN(GuiBench)
#include "gui_bench.moc"
