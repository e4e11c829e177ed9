// Print from the result window: the sheet of an accepted run printed to a PDF file through the
// printer dialog, with the project's texts; and the ways it ends without a sheet: a rejected
// connection, a cancelled dialog, a missing report, a printer that cannot be written to.
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "ui/design_controller.h"
#include "ui/project_form.h"
#include "ui/result_window.h"
#include "ui_test_support.h"

using jw::ProjectInfo;
using jw::ui::DesignController;
using jw::ui::ResultWindow;
using jw::ui::testing::FillWsp;
using jw::ui::testing::PdfText;
using jw::ui::testing::RecordingSink;

class PrintCommandTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void PrintsTheSheetToAPdfFile();
    void EndsWithoutASheet_data();
    void EndsWithoutASheet();

  private:
    ResultWindow& Run(const QString& plates);

    QTemporaryDir folder_;
    QString reportPath_;
    QString pdfPath_;
    RecordingSink* messages_ = nullptr;
    DesignController* controller_ = nullptr;
    int dialogs_ = 0;
};

void PrintCommandTest::init() {
    QVERIFY(folder_.isValid());
    reportPath_ = folder_.filePath("result.out");
    pdfPath_ = folder_.filePath("sheet.pdf");
    QFile::remove(pdfPath_);
    dialogs_ = 0;
    messages_ = new RecordingSink;
    controller_ = new DesignController(*messages_, reportPath_);
    controller_->Start();
}

void PrintCommandTest::cleanup() {
    delete controller_;
    delete messages_;
}

ResultWindow& PrintCommandTest::Run(const QString& plates) {
    FillWsp(controller_->Form(), plates);
    controller_->Calculate();
    ResultWindow* window = controller_->Result();
    if (!window) qFatal("the run showed no result window");
    // Typed on the project form after the run: the sheet takes them as they stand.
    controller_->Form().ProjectWindow().SetInfo(
        ProjectInfo{"Tower A", "Grid B beams", "J-17", "2", "Somchai", "Anan"});
    // The dialog's answer: print to this file, or cancel.
    window->SetPrinterDialog([this](QPrinter& printer, QWidget*) {
        ++dialogs_;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath_);
        return true;
    });
    return *window;
}

void PrintCommandTest::PrintsTheSheetToAPdfFile() {
    ResultWindow& window = Run("2");
    window.Print();
    QVERIFY(messages_->shown.empty());
    QCOMPARE(dialogs_, 1);
    QVERIFY(QFile::exists(pdfPath_));
    const QString text = PdfText(pdfPath_);
    if (text.isEmpty()) QSKIP("pdftotext (poppler-utils) is not installed");
    for (const char* expected :
         {"Tittle :", "Grid B beams", "Tower A", "J-17", "Somchai", "Anan",
          "Shear Plate Connection", "Input data", "Number of Weld Side", "H-300X150X36.7(kg/m)",
          "Accept", "Result", "A.Material Properties", "Tearing stress ratio", "I. Further checks",
          "Connection: Accept"})
        QVERIFY2(text.contains(expected), expected);
    // The sheet's two pages, then the further checks on two more.
    QCOMPARE(text.count('\f'), 4);
}

void PrintCommandTest::EndsWithoutASheet_data() {
    QTest::addColumn<QString>("plates");
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("dialogs");
    QTest::addColumn<QString>("message");
    QTest::newRow("rejected connection") << "1"
                                         << "" << 0 << "The Connection Should Be REDESIGNED!";
    QTest::newRow("cancelled dialog") << "2"
                                      << "cancel" << 1 << "";
    QTest::newRow("missing report") << "2"
                                    << "delete report" << 0 << "cannot be read";
    QTest::newRow("printer error") << "2"
                                   << "missing folder" << 1 << "Cannot write";
}

void PrintCommandTest::EndsWithoutASheet() {
    QFETCH(QString, plates);
    QFETCH(QString, how);
    QFETCH(int, dialogs);
    QFETCH(QString, message);
    ResultWindow& window = Run(plates);
    if (how == "cancel")
        window.SetPrinterDialog([this](QPrinter&, QWidget*) {
            ++dialogs_;
            return false;
        });
    if (how == "delete report") QVERIFY(QFile::remove(reportPath_));
    if (how == "missing folder") pdfPath_ = folder_.filePath("missing/sheet.pdf");
    window.Print();
    QCOMPARE(dialogs_, dialogs);
    QVERIFY(!QFile::exists(pdfPath_));
    if (message.isEmpty()) {
        QVERIFY(messages_->shown.empty());
    } else {
        QCOMPARE(messages_->shown.size(), std::size_t{1});
        QVERIFY2(messages_->shown[0].text.contains(message), qPrintable(messages_->shown[0].text));
    }
}

QTEST_MAIN(PrintCommandTest)
#include "print_command_test.moc"
