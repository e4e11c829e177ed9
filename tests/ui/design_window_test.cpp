// A design run through the windows: the gate keeps the input form with its exact message, a
// finished run replaces the form with the result window, the verdict label and its flashing,
// Print and Export refusing a connection to redesign, Back, and the report text.
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "results/summary.h"
#include "ui/connection_panels.h"
#include "ui/design_controller.h"
#include "ui/drawing_view.h"
#include "ui/result_window.h"
#include "ui/ui_helpers.h"
#include "ui/verdict_label.h"
#include "ui_test_support.h"

using jw::ui::DesignController;
using jw::ui::ResultWindow;
using jw::ui::VerdictLabel;
using jw::ui::testing::FillWsp;
using jw::ui::testing::RecordingSink;

namespace {

QString Cell(const QTableWidget& grid, int row, int column) {
    const QTableWidgetItem* item = grid.item(row, column);
    return item ? item->text() : QString();
}

QString FileText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromLatin1(file.readAll()).replace("\r\n", "\n");
}

}  // namespace

class DesignWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void GateKeepsTheInputForm_data();
    void GateKeepsTheInputForm();
    void AcceptedRunShowsTheResult();
    void RejectedRunFlashesAndRefusesPrintAndExport();
    void FlashAlternatesRedAndYellowOnly_data();
    void FlashAlternatesRedAndYellowOnly();
    void StoppedRunSaysWhyAndKeepsTheLastResult();
    void AReadOnlyReportIsNotReplaced();
    void BackShowsThePreviewAndAllowsAnotherRun();
    void ClosingTheResultShowsTheForm();
    void KeyReleaseRestoresTheReportText();
    void CtrlCCopiesCellsAsTabSeparatedLines();
    void EscGoesBack();

  private:
    ResultWindow& Run();

    QTemporaryDir folder_;
    QString reportPath_;
    RecordingSink* messages_ = nullptr;
    DesignController* controller_ = nullptr;
};

void DesignWindowTest::init() {
    QVERIFY(folder_.isValid());
    reportPath_ = folder_.filePath("result.out");
    QFile::remove(reportPath_);
    messages_ = new RecordingSink;
    controller_ = new DesignController(*messages_, reportPath_);
    controller_->Start();
}

void DesignWindowTest::cleanup() {
    delete controller_;
    delete messages_;
}

ResultWindow& DesignWindowTest::Run() {
    controller_->Calculate();
    ResultWindow* window = controller_->Result();
    if (!window) qFatal("the run showed no result window");
    return *window;
}

void DesignWindowTest::GateKeepsTheInputForm_data() {
    QTest::addColumn<QString>("plates");
    QTest::addColumn<bool>("emptyCell");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QList<int>>("markedRows");
    // The desktop lists the rows at fault below the classic first line and tints them.
    QString everyRow = "Input data not complete! Re-Input Data.";
    const QStringList labels = {
        "Design Shear Force",         "Cleat Thickness",         "Number of Cleat",
        "Number of Bolt Row",         "Number of Bolt Column",   "Clr Dis. from Column (a)",
        "Clr Dis. from Cut Edge (b)", "c-to-c Dis. of Bolt (c)", "Fillet Weld Grade E60 or E70",
        "Fillet Weld Size",           "Number of Weld Side"};
    for (int i = 0; i < labels.size(); ++i)
        everyRow += QString("\nRow %1: %2 is empty").arg(i + 1).arg(labels[i]);
    QTest::newRow("empty grid") << "" << true << everyRow << "Error"
                                << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    QTest::newRow("one empty cell")
        << "2" << true
        << "Input data not complete! Re-Input Data.\nRow 8: c-to-c Dis. of Bolt (c) is empty"
        << "Error" << QList<int>{8};
    QTest::newRow("three plates") << "3" << false << "Number of Cleat Exceed 2 !"
                                  << "Cleat Error" << QList<int>{};
    QTest::newRow("three plates and an empty cell") << "3" << true << "Number of Cleat Exceed 2 !"
                                                    << "Cleat Error" << QList<int>{};
}

void DesignWindowTest::GateKeepsTheInputForm() {
    QFETCH(QString, plates);
    QFETCH(bool, emptyCell);
    QFETCH(QString, text);
    QFETCH(QString, title);
    QFETCH(QList<int>, markedRows);
    if (!plates.isEmpty()) FillWsp(controller_->Form(), plates);
    if (emptyCell) controller_->Form().Grid().SetValue(8, "");
    controller_->Calculate();
    QCOMPARE(messages_->shown.size(), std::size_t{1});
    QCOMPARE(messages_->shown[0].text, text);
    QCOMPARE(messages_->shown[0].title, title);
    QVERIFY(controller_->Form().isVisible());
    QVERIFY(!controller_->Result());
    QVERIFY2(!QFile::exists(reportPath_), "no report is written");

    jw::ui::InputGrid& grid = controller_->Form().Grid();
    for (int row = 1; row <= grid.InputRowCount(); ++row)
        QCOMPARE(grid.IsMarked(row), markedRows.contains(row));
    if (markedRows.isEmpty()) return;
    // A tinted cell stays tinted until it is edited.
    grid.SetValue(markedRows.first(), "75");
    QVERIFY(!grid.IsMarked(markedRows.first()));
    if (markedRows.size() > 1) QVERIFY(grid.IsMarked(markedRows.last()));
}

void DesignWindowTest::AcceptedRunShowsTheResult() {
    FillWsp(controller_->Form(), "2");
    ResultWindow& window = Run();
    QVERIFY(messages_->shown.empty());
    QVERIFY(window.isVisible());
    QVERIFY(!controller_->Form().isVisible());

    QCOMPARE(window.Verdict().text(), QString("Shear Plate Connection"));
    QCOMPARE(window.Verdict().Background(), jw::kColourGreen);
    QCOMPARE(window.Verdict().Foreground(), jw::kColourBlack);
    QCOMPARE(window.FlashTimer().interval(), 500);
    QVERIFY(window.FlashTimer().isActive());
    QTest::qWait(600);
    QCOMPARE(window.Verdict().Background(), jw::kColourGreen);

    const QTableWidget& table = window.Table();
    QCOMPARE(table.columnCount(), 4);
    // The nine classic rows, an empty row, then the further checks under their heading and the
    // warning about the support.
    QCOMPARE(table.rowCount(), 21);
    QCOMPARE(Cell(table, 2, 0), QString("S.R. Bolt shear"));
    QCOMPARE(Cell(table, 2, 3), QString("PASSED"));
    QCOMPARE(Cell(table, 9, 0), QString("*** Further checks (AISC-ASD 1989) ***"));
    QCOMPARE(Cell(table, 10, 0), QString("End distance"));
    QCOMPARE(Cell(table, 10, 1), QString("AISC-ASD89 J3.9"));
    QVERIFY(Cell(table, 20, 0).startsWith("Warning: Fillet weld 6 mm"));
    QCOMPARE(table.columnSpan(20, 0), 4);
    // Columns are never narrower than their classic widths (2250, 2250, 750, 1000 twips).
    QVERIFY(table.columnWidth(0) >= jw::ui::TwipsToPixels(2250, &table));
    QVERIFY(table.columnWidth(2) >= jw::ui::TwipsToPixels(750, &table));
    QCOMPARE(window.VerdictWords().text(), QString("Accept"));

    const QTableWidget& summary = window.Summary();
    QCOMPARE(Cell(summary, 0, 1), QString("H-300X150X36.7(kg/m)"));
    QCOMPARE(Cell(summary, 1, 1), QString("2 PL-9X230X90"));
    QCOMPARE(Cell(summary, 2, 1), QString("3 - M20 (A325-N)"));
    QCOMPARE(Cell(summary, 3, 0), QString("Stress Range"));
    QCOMPARE(Cell(summary, 4, 0), QString("Connection"));
    QCOMPARE(Cell(summary, 4, 1), QString("Accept"));

    QVERIFY(window.Drawing().HasDrawing());
    QVERIFY(window.Report().toPlainText().contains("Type - Welded Shear Plate (WSP)"));
    QCOMPARE(window.Report().toPlainText(), FileText(reportPath_));
    QVERIFY(window.Report().font().fixedPitch());

    // An accepted connection is not refused: Print goes on to the printer dialog.
    bool dialogShown = false;
    window.SetPrinterDialog([&dialogShown](QPrinter&, QWidget*) {
        dialogShown = true;
        return false;  // cancelled
    });
    window.SetExportPath(folder_.filePath("BoltData.txt"));
    window.Export();
    window.Print();
    QVERIFY(dialogShown);
    for (const auto& message : messages_->shown)
        QVERIFY(message.text != "The Connection Should Be REDESIGNED!");
}

void DesignWindowTest::RejectedRunFlashesAndRefusesPrintAndExport() {
    FillWsp(controller_->Form(), "1");
    ResultWindow& window = Run();
    QCOMPARE(window.Verdict().Background(), jw::kColourRed);
    QCOMPARE(Cell(window.Summary(), 4, 0), QString("Mode of Failure"));
    QCOMPARE(window.VerdictWords().text(), QString("REDESIGN"));
    QTRY_COMPARE_WITH_TIMEOUT(window.Verdict().Background(), jw::kColourYellow, 1500);
    QCOMPARE(window.Verdict().Foreground(), jw::kColourRed);
    QTRY_COMPARE_WITH_TIMEOUT(window.Verdict().Background(), jw::kColourRed, 1500);
    QCOMPARE(window.Verdict().Foreground(), jw::kColourYellow);

    // Both commands refuse, whichever of the two colours the label shows.
    for (int step = 0; step < 2; ++step) {
        messages_->shown.clear();
        window.Print();
        window.Export();
        QCOMPARE(messages_->shown.size(), std::size_t{2});
        for (const auto& message : messages_->shown) {
            QCOMPARE(message.text, QString("The Connection Should Be REDESIGNED!"));
            QCOMPARE(message.title, QString("REDESIGNED"));
        }
        window.Verdict().Flash();
    }
}

void DesignWindowTest::FlashAlternatesRedAndYellowOnly_data() {
    QTest::addColumn<int>("background");
    QTest::addColumn<int>("foreground");
    QTest::addColumn<int>("nextBackground");
    QTest::addColumn<int>("nextForeground");
    QTest::newRow("red turns yellow")
        << jw::kColourRed << jw::kColourBlack << jw::kColourYellow << jw::kColourRed;
    QTest::newRow("yellow turns red")
        << jw::kColourYellow << jw::kColourRed << jw::kColourRed << jw::kColourYellow;
    QTest::newRow("green stays") << jw::kColourGreen << jw::kColourBlack << jw::kColourGreen
                                 << jw::kColourBlack;
}

void DesignWindowTest::FlashAlternatesRedAndYellowOnly() {
    QFETCH(int, background);
    QFETCH(int, foreground);
    QFETCH(int, nextBackground);
    QFETCH(int, nextForeground);
    VerdictLabel label;
    label.SetBackground(background);
    label.SetForeground(foreground);
    label.Flash();
    QCOMPARE(label.Background(), nextBackground);
    QCOMPARE(label.Foreground(), nextForeground);
    QCOMPARE(label.AsksForRedesign(), nextBackground != jw::kColourGreen);
}

void DesignWindowTest::StoppedRunSaysWhyAndKeepsTheLastResult() {
    FillWsp(controller_->Form(), "2");
    ResultWindow& window = Run();
    emit window.BackRequested();

    controller_->Form().Sections().SetBeam(-1);
    controller_->Calculate();
    QCOMPARE(messages_->shown.size(), std::size_t{1});
    QCOMPARE(messages_->shown[0].title, QString("Error"));
    QVERIFY2(messages_->shown[0].text != "Input data not complete! Re-Input Data.",
             "the message names the cause");
    QVERIFY(controller_->Form().isVisible());
    QVERIFY(!window.isVisible());
    QCOMPARE(Cell(window.Summary(), 4, 1), QString("Accept"));
}

// A report made read-only was made so on purpose, as a read-only project file is: the run says
// so and the file keeps what it held.
void DesignWindowTest::AReadOnlyReportIsNotReplaced() {
    QFile report(reportPath_);
    QVERIFY(report.open(QIODevice::WriteOnly));
    report.write("issued report");
    report.close();
    QVERIFY(report.setPermissions(QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    FillWsp(controller_->Form(), "2");
    controller_->Calculate();
    QCOMPARE(messages_->shown.size(), std::size_t{1});
    QCOMPARE(messages_->shown[0].text,
             QStringLiteral("Cannot write \"%1\": the file is read-only.").arg(reportPath_));
    QVERIFY(controller_->Form().isVisible());
    QVERIFY(report.open(QIODevice::ReadOnly));
    QCOMPARE(report.readAll(), QByteArray("issued report"));
    report.close();
    QVERIFY(report.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner));
}

void DesignWindowTest::BackShowsThePreviewAndAllowsAnotherRun() {
    FillWsp(controller_->Form(), "2");
    ResultWindow& window = Run();
    emit window.BackRequested();
    QVERIFY(!window.isVisible());
    QVERIFY(controller_->Form().isVisible());
    QCOMPARE(controller_->Form().VisiblePanel(),
             static_cast<QWidget*>(&controller_->Form().PreviewArea()));
    QVERIFY(controller_->Form().PreviewArea().Picture().HasDrawing());

    controller_->Form().Grid().SetValue(3, "1");
    QCOMPARE(&Run(), &window);
    QVERIFY(window.isVisible());
    QCOMPARE(Cell(window.Summary(), 1, 1), QString("1 PL-9X230X90"));
    QCOMPARE(window.Verdict().Background(), jw::kColourRed);
}

void DesignWindowTest::ClosingTheResultShowsTheForm() {
    FillWsp(controller_->Form(), "2");
    ResultWindow& window = Run();
    window.close();
    QVERIFY(controller_->Form().isVisible());
}

void DesignWindowTest::KeyReleaseRestoresTheReportText() {
    FillWsp(controller_->Form(), "2");
    ResultWindow& window = Run();
    const QString designed = window.Report().toPlainText();

    QTest::keyClicks(&window.Report(), "xyz");
    QCOMPARE(window.Report().toPlainText(), designed);

    // A report file that has gone leaves the text as it was, and the status line says why.
    QVERIFY(window.StatusText().isEmpty());
    QVERIFY(QFile::remove(reportPath_));
    window.Report().setPlainText("kept");
    QTest::keyClick(&window.Report(), Qt::Key_Down);
    QCOMPARE(window.Report().toPlainText(), QString("kept"));
    QVERIFY2(window.StatusText().contains("cannot be read"), qPrintable(window.StatusText()));
}

void DesignWindowTest::CtrlCCopiesCellsAsTabSeparatedLines() {
    FillWsp(controller_->Form(), "2");
    ResultWindow& window = Run();
    auto& table = const_cast<QTableWidget&>(window.Table());
    table.setRangeSelected(QTableWidgetSelectionRange(2, 0, 3, 3), true);
    table.setFocus();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QApplication::clipboard()->clear();
    QTest::keyClick(&table, Qt::Key_C, Qt::ControlModifier);
    const QStringList lines = QApplication::clipboard()->text().split('\n');
    QCOMPARE(lines.size(), 3);  // two rows and the last line end
    QCOMPARE(lines[0],
             "S.R. Bolt shear\t" + Cell(table, 2, 1) + "\t" + Cell(table, 2, 2) + "\tPASSED");
    QCOMPARE(lines[1].count('\t'), 3);
    // Every cell tells its whole text in its tooltip.
    QCOMPARE(table.item(2, 1)->toolTip(), Cell(table, 2, 1));
}

void DesignWindowTest::EscGoesBack() {
    FillWsp(controller_->Form(), "2");
    ResultWindow& window = Run();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_Escape);
    QVERIFY(!window.isVisible());
    QVERIFY(controller_->Form().isVisible());
}

QTEST_MAIN(DesignWindowTest)
#include "design_window_test.moc"
