#include "ui/live_check_panel.h"

#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "results/result_table.h"
#include "results/summary.h"
#include "ui/gate_report.h"
#include "ui/result_tables.h"
#include "ui/ui_helpers.h"

namespace jw::ui {
namespace {

// Label, ratio and verdict of each check: the columns an engineer scans while typing.
constexpr int kShownColumns[] = {0, 2, 3};
constexpr int kLightGrey = 0xE0E0E0;
constexpr int kWhite = 0xFFFFFF;

DesignResult CheckInput(const ConnectionInput& input) {
    RunOptions options;
    options.reportPath.clear();  // the live check never touches result.out
    options.formatReport = false;
    return RunDesign(input, options);
}

}  // namespace

LiveCheckPanel::LiveCheckPanel(InputSource source, QWidget* parent)
    : QGroupBox(QStringLiteral("Live Check"), parent), source_(std::move(source)) {
    setObjectName(QStringLiteral("LiveCheck"));
    headline_ = new QLabel(this);
    headline_->setObjectName(QStringLiteral("LiveCheckVerdict"));
    headline_->setAutoFillBackground(true);
    headline_->setMargin(3);
    headline_->setWordWrap(true);
    QFont bold = headline_->font();
    bold.setBold(true);
    headline_->setFont(bold);

    table_ = new QTableWidget(this);
    table_->setObjectName(QStringLiteral("LiveCheckTable"));
    MakeDisplayGrid(*table_, 0, 3);
    MakeCopyable(*table_);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 4);
    table_->horizontalHeader()->setStretchLastSection(true);
    // Three checks at least; the splitter gives it more on a taller screen.
    table_->setMinimumHeight(3 * (table_->fontMetrics().height() + 4) + 2 * table_->frameWidth());

    warnings_ = new QLabel(this);
    warnings_->setObjectName(QStringLiteral("LiveCheckWarnings"));
    warnings_->setWordWrap(true);
    warnings_->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(headline_);
    layout->addWidget(table_, 1);
    layout->addWidget(warnings_);

    delay_ = new QTimer(this);
    delay_->setSingleShot(true);
    delay_->setTimerType(Qt::PreciseTimer);
    delay_->setInterval(kDelayMs);
    connect(delay_, &QTimer::timeout, this, &LiveCheckPanel::CheckNow);
    worker_.setMaxThreadCount(1);
}

LiveCheckPanel::~LiveCheckPanel() {
    // A run still on the worker must not answer a panel that is gone.
    worker_.waitForDone();
}

void LiveCheckPanel::InputChanged() {
    delay_->start();
}

void LiveCheckPanel::CheckNow() {
    delay_->stop();
    const ConnectionInput input = source_();
    const int generation = ++requested_;
    if (workerBusy_) {
        pending_ = true;  // the newest input is checked when the worker is free
        return;
    }
    if (offThread_) {
        StartWorker(input, generation);
        return;
    }
    QElapsedTimer clock;
    clock.start();
    const DesignResult result = CheckInput(input);
    ShowAnswer(input, result, generation, clock.nsecsElapsed());
}

void LiveCheckPanel::StartWorker(const ConnectionInput& input, int generation) {
    workerBusy_ = true;
    worker_.start([this, input, generation] {
        QElapsedTimer clock;
        clock.start();
        DesignResult result = CheckInput(input);
        const qint64 ns = clock.nsecsElapsed();
        // The answer is shown on the GUI thread; the destructor waits for this run, so the
        // panel is still there to receive it.
        QMetaObject::invokeMethod(
            this,
            [this, input, result = std::move(result), generation, ns] {
                workerBusy_ = false;
                ShowAnswer(input, result, generation, ns);
                if (pending_) {
                    pending_ = false;
                    CheckNow();
                }
            },
            Qt::QueuedConnection);
    });
}

void LiveCheckPanel::ShowAnswer(const ConnectionInput& input, const DesignResult& result,
                                int generation, qint64 runNs) {
    SetLastRunTime(runNs);
    if (generation != requested_) return;  // a newer input is on its way
    if (result.status == RunStatus::Stopped && CheckInputGate(input.grid) != GateResult::Passed)
        ShowGateFailure(input, result);
    else if (result.status == RunStatus::Stopped)
        ShowStoppedRun(result);
    else
        ShowResult(result);
    emit Updated();
}

void LiveCheckPanel::ShowResult(const DesignResult& result) {
    // The classic rows, then the further checks under their heading, then the warnings.
    const TextGrid table = ResultTableWithFurther(result.table, result.further);
    QStringList warnings;
    table_->clearSpans();
    table_->setRowCount(0);
    for (int r = 0; r < table.rows; ++r) {
        const std::string& label = table.At(r, 0);
        const bool heading = label == kFurtherChecksHeading;
        if (label.rfind(kWarningPrefix, 0) == 0) {
            // A warning is a sentence: it wraps below the table rather than widen a column.
            warnings << FromCoreText(label);
            continue;
        }
        if (table.At(r, 2).empty() && !heading) continue;  // spacer rows
        const int row = table_->rowCount();
        table_->insertRow(row);
        if (heading) {
            table_->setSpan(row, 0, 1, 3);
            SetCellText(*table_, row, 0, FromCoreText(label));
            continue;
        }
        for (int c = 0; c < 3; ++c)
            SetCellText(*table_, row, c, FromCoreText(table.At(r, kShownColumns[c])));
        table_->item(row, 1)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    FitColumnsToContents(*table_, {});
    ShowWarnings(warnings);
    const QString range = FromCoreText(result.summary.At(3, 1));
    if (result.status == RunStatus::Accepted)
        SetHeadline(QStringLiteral("Accept - stress range %1").arg(range), kColourGreen,
                    kColourBlack);
    else
        SetHeadline(QStringLiteral("REDESIGN - Mode of Failure: %1")
                        .arg(FromCoreText(result.governingMode)),
                    kColourRed, kWhite);
}

void LiveCheckPanel::ShowGateFailure(const ConnectionInput& input, const DesignResult& result) {
    table_->clearSpans();
    table_->setRowCount(0);
    ShowWarnings({});
    if (CheckInputGate(input.grid) == GateResult::TooManyCleats) {
        SetHeadline(FromCoreText(result.message), kLightGrey, kColourBlack);
        return;
    }
    const auto reasons = IncompleteRowReasons(input.grid);
    for (const auto& [row, reason] : reasons) {
        const int at = table_->rowCount();
        table_->insertRow(at);
        SetCellText(*table_, at, 0, QStringLiteral("Row %1").arg(row));
        SetCellText(*table_, at, 1, reason);
        SetCellText(*table_, at, 2, QString());
    }
    FitColumnsToContents(*table_, {});
    SetHeadline(reasons.empty() ? FromCoreText(result.message)
                                : QStringLiteral("Input not complete: %1 %2 missing")
                                      .arg(reasons.size())
                                      .arg(reasons.size() == 1 ? QStringLiteral("row")
                                                               : QStringLiteral("rows")),
                kLightGrey, kColourBlack);
}

void LiveCheckPanel::ShowStoppedRun(const DesignResult& result) {
    table_->clearSpans();
    table_->setRowCount(0);
    ShowWarnings({});
    SetHeadline(FromCoreText(result.message), kColourYellow, kColourBlack);
}

void LiveCheckPanel::ShowWarnings(const QStringList& warnings) {
    warnings_->setText(warnings.join(QLatin1Char('\n')));
    warnings_->setVisible(!warnings.isEmpty());
}

void LiveCheckPanel::SetHeadline(const QString& text, int backgroundBgr, int textBgr) {
    headline_->setText(text);
    headline_->setToolTip(text);
    QPalette colours = headline_->palette();
    colours.setColor(QPalette::Window, ColourFromBgr(backgroundBgr));
    colours.setColor(QPalette::WindowText, ColourFromBgr(textBgr));
    headline_->setPalette(colours);
}

QString LiveCheckPanel::Headline() const {
    return headline_->text();
}

QString LiveCheckPanel::Warnings() const {
    return warnings_->text();
}

}  // namespace jw::ui
