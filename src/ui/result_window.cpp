#include "ui/result_window.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTableWidget>
#include <QTextCursor>
#include <QTimer>
#include <QVBoxLayout>
#include <span>

#include "results/result_table.h"
#include "ui/drawing_view.h"
#include "ui/message_sink.h"
#include "ui/result_tables.h"
#include "ui/ui_helpers.h"
#include "ui/verdict_label.h"
#include "ui/window_geometry.h"

namespace jw::ui {
namespace {

constexpr int kFlashMs = 500;
constexpr QSize kPreferredSize(1100, 820);
// Result table columns: label, formula or clause, ratio, verdict (twips).
constexpr int kTableColumnTwips[] = {2250, 2250, 750, 1000};
// Summary columns: heading, what was designed (twips).
constexpr int kSummaryColumnTwips[] = {2500, 5250};

QPushButton* MakeCommand(const char* name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

std::vector<int> Pixels(std::span<const int> twips, const QWidget* widget) {
    std::vector<int> pixels;
    for (int t : twips) pixels.push_back(TwipsToPixels(t, widget));
    return pixels;
}

// The report file is written in the single-byte code page with CR LF line ends.
QString ReportFileText(const QByteArray& bytes) {
    QString text = QString::fromLatin1(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

}  // namespace

ResultWindow::ResultWindow(MessageSink& messages, QString reportPath, QWidget* parent)
    : QWidget(parent), messages_(messages), reportPath_(std::move(reportPath)) {
    setObjectName(QStringLiteral("frmResult"));
    setWindowTitle(QStringLiteral("Report"));
    setWindowFlag(Qt::Window);

    verdict_ = new VerdictLabel(this);
    verdict_->setObjectName(QStringLiteral("VerdictLabel"));
    verdictWords_ = new QLabel(this);
    verdictWords_->setObjectName(QStringLiteral("VerdictWords"));
    verdictWords_->setFont(verdict_->font());
    verdictWords_->setAlignment(Qt::AlignCenter);
    status_ = new QStatusBar(this);
    status_->setObjectName(QStringLiteral("StatusLine"));
    status_->setSizeGripEnabled(false);

    drawing_ = new DrawingView(this);
    drawing_->setObjectName(QStringLiteral("DrawingPicture"));

    report_ = new QPlainTextEdit(this);
    report_->setObjectName(QStringLiteral("ReportText"));
    QFont courier(QStringLiteral("Courier"));
    courier.setStyleHint(QFont::TypeWriter);
    courier.setFixedPitch(true);
    report_->setFont(courier);
    report_->setLineWrapMode(QPlainTextEdit::NoWrap);
    report_->installEventFilter(this);

    upper_ = new QSplitter(Qt::Horizontal, this);
    upper_->addWidget(BuildTables());
    upper_->addWidget(drawing_);
    upper_->setStretchFactor(0, 3);
    upper_->setStretchFactor(1, 2);
    upper_->setChildrenCollapsible(false);
    auto* body = new QSplitter(Qt::Vertical, this);
    body->setChildrenCollapsible(false);
    body->addWidget(upper_);
    body->addWidget(report_);
    body->setStretchFactor(0, 3);
    body->setStretchFactor(1, 2);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 0);
    layout->addLayout(BuildVerdictRow());
    layout->addWidget(body, 1);
    layout->addLayout(BuildCommands());
    layout->addWidget(status_);

    flashTimer_ = new QTimer(this);
    flashTimer_->setObjectName(QStringLiteral("Timer1"));
    flashTimer_->setInterval(kFlashMs);
    connect(flashTimer_, &QTimer::timeout, verdict_, &VerdictLabel::Flash);
    flashTimer_->start();

    resize(kPreferredSize);
}

QLayout* ResultWindow::BuildVerdictRow() {
    auto* row = new QHBoxLayout;
    row->addWidget(verdict_, 1);
    row->addWidget(verdictWords_);
    return row;
}

QWidget* ResultWindow::BuildTables() {
    auto* area = new QSplitter(Qt::Vertical, this);
    table_ = new QTableWidget(area);
    table_->setObjectName(QStringLiteral("ResultTable"));
    MakeDisplayGrid(*table_, 0, 4);
    MakeCopyable(*table_);
    for (int c = 0; c < 4; ++c)
        table_->setColumnWidth(c, TwipsToPixels(kTableColumnTwips[c], this));

    summary_ = new QTableWidget(area);
    summary_->setObjectName(QStringLiteral("SummaryGrid"));
    MakeDisplayGrid(*summary_, 5, 2);
    MakeCopyable(*summary_);
    for (int c = 0; c < 2; ++c)
        summary_->setColumnWidth(c, TwipsToPixels(kSummaryColumnTwips[c], this));
    QFont arial(QStringLiteral("Arial"));
    arial.setStyleHint(QFont::SansSerif);
    summary_->setFont(arial);

    area->addWidget(table_);
    area->addWidget(summary_);
    area->setStretchFactor(0, 3);
    area->setStretchFactor(1, 1);
    return area;
}

QLayout* ResultWindow::BuildCommands() {
    QPushButton* back = MakeCommand("BackButton", QStringLiteral("Back"), this);
    back->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    back->setToolTip(QStringLiteral("Back to the input (Esc)"));
    QPushButton* print = MakeCommand("PrintButton", QStringLiteral("Print"), this);
    print->setToolTip(QStringLiteral("Print the calculation sheet (Ctrl+P)"));
    print->setIcon(QIcon::fromTheme(QStringLiteral("document-print"),
                                    style()->standardIcon(QStyle::SP_FileIcon)));
    QPushButton* exportButton = MakeCommand("ExportButton", QStringLiteral("Export"), this);
    QPushButton* saveDrawing =
        MakeCommand("SaveDrawingButton", QStringLiteral("Save &Drawing..."), this);

    auto* caption = new QLabel(QStringLiteral("WITH BEST COMPLEMENTS FROM KELDORAN STEEL"), this);
    caption->setObjectName(QStringLiteral("FixedCaption"));
    QFont times(QStringLiteral("Times New Roman"));
    times.setStyleHint(QFont::Serif);
    caption->setFont(times);

    auto* commands = new QHBoxLayout;
    commands->addWidget(back);
    commands->addWidget(print);
    commands->addWidget(exportButton);
    commands->addWidget(saveDrawing);
    commands->addStretch();
    commands->addWidget(caption);

    connect(back, &QPushButton::clicked, this, &ResultWindow::BackRequested);
    connect(print, &QPushButton::clicked, this, &ResultWindow::Print);
    connect(exportButton, &QPushButton::clicked, this, &ResultWindow::Export);
    connect(saveDrawing, &QPushButton::clicked, this, &ResultWindow::SaveDrawing);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &ResultWindow::BackRequested);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), this), &QShortcut::activated, this,
            &ResultWindow::Print);
    return commands;
}

void ResultWindow::ShowResult(const ConnectionInput& input, const DesignResult& result) {
    ShowTable(ResultTableWithFurther(result.table, result.further));
    drawing_->SetConnection(input);
    ShowSummary(result.summary);
    const bool accepted = result.status == RunStatus::Accepted;
    verdict_->ShowVerdict(FromCoreText(result.caption), accepted);
    // Told in words as well, for readers who cannot tell red from green.
    verdictWords_->setText(accepted ? QStringLiteral("Accept") : QStringLiteral("REDESIGN"));
    status_->clearMessage();
    GiveTheTablesTheirWidth();
    SetReportText(ReportFileText(QByteArray::fromStdString(result.report)));
    // A new verdict flashes on the full beat rather than part way through the last one.
    flashTimer_->start();
}

void ResultWindow::ShowTable(const TextGrid& table) {
    table_->clearContents();
    table_->clearSpans();
    table_->setRowCount(table.rows);
    for (int r = 0; r < table.rows; ++r) {
        // A warning is a sentence: it runs across the four columns.
        if (table.At(r, 0).rfind(kWarningPrefix, 0) == 0) table_->setSpan(r, 0, 1, 4);
        for (int c = 0; c < table.columns && c < table_->columnCount(); ++c) {
            SetCellText(*table_, r, c, FromCoreText(table.At(r, c)));
            if (c == 1) table_->item(r, c)->setTextAlignment(Qt::AlignLeft | Qt::AlignTop);
        }
    }
    FitColumnsToContents(*table_, Pixels(kTableColumnTwips, this));
}

void ResultWindow::GiveTheTablesTheirWidth() {
    // Every column shows whole where the screen allows; the drawing takes what is left.
    const int wanted = std::max(FullWidth(*table_), FullWidth(*summary_));
    const int total = upper_->width() - upper_->handleWidth();
    const int tables = std::min(wanted, total - drawing_->minimumWidth());
    if (tables > 0) upper_->setSizes({tables, total - tables});
}

void ResultWindow::ShowSummary(const TextGrid& summary) {
    summary_->clearContents();
    summary_->setRowCount(summary.rows);
    for (int r = 0; r < summary.rows; ++r) {
        for (int c = 0; c < summary.columns && c < summary_->columnCount(); ++c) {
            SetCellText(*summary_, r, c, FromCoreText(summary.At(r, c)));
            QTableWidgetItem* cell = summary_->item(r, c);
            cell->setTextAlignment(Qt::AlignHCenter | Qt::AlignTop);
            if (c < summary.fixedColumns) cell->setBackground(palette().button());
        }
    }
    FitColumnsToContents(*summary_, Pixels(kSummaryColumnTwips, this));
    summary_->resizeRowsToContents();
    int height = 2 * summary_->frameWidth();
    for (int r = 0; r < summary_->rowCount(); ++r) height += summary_->rowHeight(r);
    summary_->setMinimumHeight(height);
}

void ResultWindow::SetReportText(const QString& text) {
    if (report_->toPlainText() == text) return;
    // Reloading must not throw the reader back to the top of a long report.
    const int position = report_->textCursor().position();
    const int scroll = report_->verticalScrollBar()->value();
    report_->setPlainText(text);
    QTextCursor cursor = report_->textCursor();
    cursor.setPosition(std::min(position, static_cast<int>(text.size())));
    report_->setTextCursor(cursor);
    report_->verticalScrollBar()->setValue(scroll);
}

void ResultWindow::ReloadReport() {
    QFile file(reportPath_);
    const bool opened = file.open(QIODevice::ReadOnly);
    const QByteArray bytes = opened ? file.readAll() : QByteArray();
    if (!opened || file.error() != QFileDevice::NoError) {
        status_->showMessage(QStringLiteral("The report file %1 cannot be read (%2): the text "
                                            "shown is the report of the last run.")
                                 .arg(QDir::toNativeSeparators(reportPath_), file.errorString()));
        return;
    }
    SetReportText(ReportFileText(bytes));
}

QString ResultWindow::StatusText() const {
    return status_->currentMessage();
}

bool ResultWindow::RefuseRedesign() {
    if (!verdict_->AsksForRedesign()) return false;
    messages_.Show(FromCoreText(kRedesignMessage), FromCoreText(kRedesignTitle));
    return true;
}

void ResultWindow::Print() {
    if (!RefuseRedesign()) PrintAcceptedConnection();
}

void ResultWindow::Export() {
    if (!RefuseRedesign()) ExportAcceptedConnection();
}

void ResultWindow::SaveDrawing() {
    if (const auto& input = drawing_->Connection())
        SaveDrawingCommand(*input, drawingDialog_, messages_, this);
}

void ResultWindow::ExportAcceptedConnection() {
    // The record describes what was designed: the input drawn with this result, and the
    // stress range of its summary.
    const std::optional<ConnectionInput>& input = drawing_->Connection();
    if (!input) return;
    const QTableWidgetItem* range = summary_->item(3, 1);
    if (ExportConnection(exportPath_, *input, range ? range->text() : QString(), messages_))
        status_->showMessage(QStringLiteral("Exported: one line appended to %1")
                                 .arg(QDir::toNativeSeparators(exportPath_)));
}

bool ResultWindow::eventFilter(QObject* watched, QEvent* event) {
    // The report text may be typed in, but the file is what was designed: every key release
    // puts the file's text back.
    if (watched == report_ && event->type() == QEvent::KeyRelease) ReloadReport();
    return QWidget::eventFilter(watched, event);
}

void ResultWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (centred_) return;
    centred_ = true;
    PlaceWindow(*this);
    GiveTheTablesTheirWidth();
}

void ResultWindow::hideEvent(QHideEvent* event) {
    SaveWindowGeometry(*this);
    QWidget::hideEvent(event);
}

void ResultWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    emit Closed();
}

}  // namespace jw::ui
