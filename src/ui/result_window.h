// The result window: the verdict label, the result table, the summary, the drawing and the
// calculation report of the last design run, with Back, Print and Export.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>

#include "design/design_run.h"
#include "project/project_file.h"
#include "ui/export_command.h"
#include "ui/print_command.h"
#include "ui/save_drawing_command.h"

class QLabel;
class QPlainTextEdit;
class QSplitter;
class QStatusBar;
class QTableWidget;
class QTimer;

namespace jw::ui {

class DrawingView;
class MessageSink;
class VerdictLabel;

class ResultWindow : public QWidget {
    Q_OBJECT
  public:
    // `reportPath` is the report file each run writes; the report text reloads from it.
    ResultWindow(MessageSink& messages, QString reportPath, QWidget* parent = nullptr);

    // Shows a finished run of `input`.
    void ShowResult(const ConnectionInput& input, const DesignResult& result);

    // Reads the report file again, replacing any edit of the report text. When the file cannot
    // be read the text stays as it is and the status line says so.
    void ReloadReport();

    // The commands. Print and Export refuse a connection whose label asks for a redesign.
    void Print();
    void Export();
    // Saves the drawing as DXF, SVG or PNG; a rejected connection may be saved too, since a
    // drawing is what an engineer discusses a redesign over.
    void SaveDrawing();
    void SetDrawingFileDialog(DrawingFileDialog dialog) { drawingDialog_ = std::move(dialog); }
    // The file Export appends its records to.
    const QString& ExportPath() const { return exportPath_; }
    void SetExportPath(const QString& path) { exportPath_ = path; }
    // Where Print takes the title block's texts from, as they stand when it prints; the
    // defaults until set.
    void SetProjectInfoSource(std::function<ProjectInfo()> source) {
        projectInfo_ = std::move(source);
    }
    // The printer dialog Print shows; tests answer it instead.
    void SetPrinterDialog(PrinterDialog dialog) { printerDialog_ = std::move(dialog); }

    // The verdict in words beside the coloured label: "Accept" or "REDESIGN".
    const QLabel& VerdictWords() const { return *verdictWords_; }
    QString StatusText() const;
    const VerdictLabel& Verdict() const { return *verdict_; }
    VerdictLabel& Verdict() { return *verdict_; }
    const QTableWidget& Table() const { return *table_; }
    const QTableWidget& Summary() const { return *summary_; }
    const DrawingView& Drawing() const { return *drawing_; }
    QPlainTextEdit& Report() const { return *report_; }
    const QTimer& FlashTimer() const { return *flashTimer_; }

  signals:
    void BackRequested();
    void Closed();

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* BuildTables();
    QLayout* BuildCommands();
    QLayout* BuildVerdictRow();
    void GiveTheTablesTheirWidth();
    void ShowTable(const TextGrid& table);
    void ShowSummary(const TextGrid& summary);
    void SetReportText(const QString& text);
    bool RefuseRedesign();
    // The work of the two commands once the verdict allows it; printing is in print_command.cpp.
    void PrintAcceptedConnection();
    void ExportAcceptedConnection();

    MessageSink& messages_;
    QString reportPath_;
    VerdictLabel* verdict_;
    QLabel* verdictWords_;
    QStatusBar* status_;
    QSplitter* upper_;
    QTableWidget* table_;
    QTableWidget* summary_;
    DrawingView* drawing_;
    QPlainTextEdit* report_;
    QTimer* flashTimer_;
    QString exportPath_ = DefaultExportPath();
    std::function<ProjectInfo()> projectInfo_;
    PrinterDialog printerDialog_ = ShowPrinterDialog;
    DrawingFileDialog drawingDialog_ = AskDrawingFileName;
    bool centred_ = false;
};

}  // namespace jw::ui
