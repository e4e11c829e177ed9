// The detailed calculation in the desktop program: the result window's Calculation view, Save
// Calculation... in each format, and the print dialog's choice that adds the calculation to the
// sheet, every page then numbered.
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "data/sha256.h"
#include "ui/calculation_view.h"
#include "ui/code_page_setting.h"
#include "ui/design_controller.h"
#include "ui/print_command.h"
#include "ui/project_commands.h"
#include "ui/project_form.h"
#include "ui/result_window.h"
#include "ui_test_support.h"

using jw::ProjectInfo;
using jw::ui::DesignController;
using jw::ui::ResultWindow;
using jw::ui::testing::FillWsp;
using jw::ui::testing::PdfText;
using jw::ui::testing::RecordingSink;

namespace {

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class CalculationViewTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void ViewShowsTheRunWithTheDigestOfTheSavedProject();
    void SavesEachFormat_data();
    void SavesEachFormat();
    void AFailedSaveIsReported();
    void PrintAddsTheCalculationOnlyWhenAsked();
    void PrinterDialogOffersTheCalculationOffByDefault();

  private:
    ResultWindow& Run(const QString& plates);

    QTemporaryDir folder_;
    RecordingSink* messages_ = nullptr;
    DesignController* controller_ = nullptr;
};

void CalculationViewTest::init() {
    QVERIFY(folder_.isValid());
    messages_ = new RecordingSink;
    controller_ = new DesignController(*messages_, folder_.filePath("result.out"));
    controller_->Start();
}

void CalculationViewTest::cleanup() {
    delete controller_;
    delete messages_;
}

ResultWindow& CalculationViewTest::Run(const QString& plates) {
    controller_->Form().ProjectWindow().SetInfo(
        ProjectInfo{"Tower A", "Grid B beams", "J-17", "2", "Somchai", "Anan"});
    FillWsp(controller_->Form(), plates);
    controller_->Calculate();
    ResultWindow* window = controller_->Result();
    if (!window) qFatal("the run showed no result window");
    return *window;
}

void CalculationViewTest::ViewShowsTheRunWithTheDigestOfTheSavedProject() {
    ResultWindow& window = Run("2");
    const QString shown = window.Calculation().toPlainText();
    for (const char* expected : {"JointWright - Detailed calculation", "Tower A", "Grid B beams",
                                 "Type - Welded Shear Plate (WSP)", "Bolt shear", "R / (F",
                                 "Connection: Accept", "What the program does not check"})
        QVERIFY2(shown.contains(expected), expected);
    // Saved from the same connection, the project file has the digest the calculation shows.
    const QString project = folder_.filePath("Project01.Bol");
    jw::SaveProjectFile(QFile::encodeName(project).toStdString(),
                        jw::ui::ProjectOf(controller_->Form(), controller_->Form().ProjectWindow()),
                        jw::ui::StoredCodePage());
    const QByteArray bytes = FileBytes(project);
    QVERIFY(!bytes.isEmpty());
    const std::string digest = jw::Sha256Hex(std::string_view(bytes.constData(), bytes.size()));
    QVERIFY2(shown.contains(QString::fromStdString(digest)), digest.c_str());
}

void CalculationViewTest::SavesEachFormat_data() {
    QTest::addColumn<QString>("plates");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("saved");
    QTest::addColumn<QString>("begins");
    QTest::newRow("text") << "2"
                          << "calc.txt"
                          << "calc.txt"
                          << "JointWright - Detailed";
    QTest::newRow("web page") << "2"
                              << "calc.html"
                              << "calc.html"
                              << "<!DOCTYPE html>";
    QTest::newRow("pdf") << "2"
                         << "calc.pdf"
                         << "calc.pdf"
                         << "%PDF";
    QTest::newRow("no extension") << "2"
                                  << "calc"
                                  << "calc.txt"
                                  << "JointWright - Detailed";
    // A connection that must be redesigned is saved too: the calculation shows why.
    QTest::newRow("rejected") << "1"
                              << "rejected.txt"
                              << "rejected.txt"
                              << "JointWright";
}

void CalculationViewTest::SavesEachFormat() {
    QFETCH(QString, plates);
    QFETCH(QString, name);
    QFETCH(QString, saved);
    QFETCH(QString, begins);
    ResultWindow& window = Run(plates);
    const QString path = folder_.filePath(name);
    window.SetCalculationFileDialog([path](QWidget*) { return path; });
    window.SaveCalculationAs();
    QVERIFY(messages_->shown.empty());
    const QByteArray bytes = FileBytes(folder_.filePath(saved));
    QVERIFY2(bytes.startsWith(begins.toUtf8()), bytes.left(40).constData());
    if (plates == "1") QVERIFY(bytes.contains("Connection: REDESIGNED (governing: Bolt shear)"));
}

void CalculationViewTest::AFailedSaveIsReported() {
    ResultWindow& window = Run("2");
    window.SetCalculationFileDialog(
        [this](QWidget*) { return folder_.filePath("missing/calc.txt"); });
    window.SaveCalculationAs();
    QCOMPARE(messages_->shown.size(), std::size_t{1});
    QCOMPARE(messages_->shown.front().title, QStringLiteral("Save Calculation"));
    QVERIFY(messages_->shown.front().text.contains("Cannot write"));
}

void CalculationViewTest::PrintAddsTheCalculationOnlyWhenAsked() {
    ResultWindow& window = Run("2");
    for (const bool withCalculation : {false, true}) {
        const QString pdf = folder_.filePath(withCalculation ? "both.pdf" : "sheet.pdf");
        window.SetPrinterDialog([&window, pdf, withCalculation](QPrinter& printer, QWidget*) {
            window.NextPrintChoices().withCalculation = withCalculation;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return true;
        });
        window.Print();
        QVERIFY(messages_->shown.empty());
        const QString text = PdfText(pdf);
        if (text.isEmpty()) QSKIP("pdftotext (poppler-utils) is not installed");
        QCOMPARE(text.contains("Detailed calculation"), withCalculation);
        QCOMPARE(text.contains("Page 1 of"), withCalculation);
        QVERIFY(text.contains("Shear Plate Connection"));
    }
}

void CalculationViewTest::PrinterDialogOffersTheCalculationOffByDefault() {
    for (const bool tick : {false, true}) {
        bool offAtFirst = false;
        QTimer::singleShot(0, [&offAtFirst, tick] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (!dialog) return;
            auto* box = dialog->findChild<QCheckBox*>(QStringLiteral("WithCalculation"));
            if (box) {
                offAtFirst = !box->isChecked();
                box->setChecked(tick);
            }
            QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
        });
        QPrinter printer;
        jw::ui::PrintChoices choices;
        choices.withCalculation = !tick;  // whatever the last job held
        QVERIFY(jw::ui::ShowPrinterDialog(printer, nullptr, &choices));
        QVERIFY(offAtFirst);
        QCOMPARE(choices.withCalculation, tick);
    }
}

QTEST_MAIN(CalculationViewTest)
#include "calculation_view_test.moc"
