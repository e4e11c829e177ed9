// Export from the result window: an accepted connection appends exactly one record line, a
// connection to redesign is refused before the file is touched, and a file that cannot be
// written is reported.
#include <QDir>
#include <QFile>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "ui/design_controller.h"
#include "ui/export_command.h"
#include "ui/result_window.h"
#include "ui_test_support.h"

using jw::ui::DesignController;
using jw::ui::ResultWindow;
using jw::ui::testing::FillWsp;
using jw::ui::testing::RecordingSink;

namespace {

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class ExportCommandTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void AcceptedConnectionAppendsOneLine();
    void RejectedConnectionIsRefused();
    void UnwritableFileIsReported();
    void ACharacterTheCodePageCannotHoldIsReported();

  private:
    ResultWindow& Run(const QString& plates);

    QTemporaryDir folder_;
    QString exportPath_;
    RecordingSink* messages_ = nullptr;
    DesignController* controller_ = nullptr;
};

void ExportCommandTest::init() {
    QVERIFY(folder_.isValid());
    exportPath_ = folder_.filePath(QStringLiteral("BoltData.txt"));
    QFile::remove(exportPath_);
    messages_ = new RecordingSink;
    controller_ = new DesignController(*messages_, folder_.filePath(QStringLiteral("result.out")));
    controller_->Start();
}

void ExportCommandTest::cleanup() {
    delete controller_;
    delete messages_;
}

ResultWindow& ExportCommandTest::Run(const QString& plates) {
    FillWsp(controller_->Form(), plates);
    controller_->Calculate();
    ResultWindow* window = controller_->Result();
    if (!window) qFatal("the run showed no result window");
    window->SetExportPath(exportPath_);
    return *window;
}

void ExportCommandTest::AcceptedConnectionAppendsOneLine() {
    ResultWindow& window = Run(QStringLiteral("2"));
    const QString range = window.Summary().item(3, 1)->text();
    QVERIFY(!range.isEmpty());
    QVERIFY(window.StatusText().isEmpty());
    window.Export();
    QVERIFY(messages_->shown.empty());
    QCOMPARE(window.StatusText(), QStringLiteral("Exported: one line appended to %1")
                                      .arg(QDir::toNativeSeparators(exportPath_)));
    const QByteArray line =
        "Type WSP ,H-300X150X36.7(kg/m)(21) ,A325-N(2) ,20 mm.(3) ,"
        "SS400 / SM400(1) ,10000 ,9 ,2 ,3 ,1 ,10 ,40 ,75 ,70 ,6 ,2 ,"
        "Stress Range = " +
        range.toLatin1() + "\r\n";
    QCOMPARE(FileBytes(exportPath_), line);

    // Another export of the same result adds the same line once more.
    window.Export();
    QCOMPARE(FileBytes(exportPath_), line + line);
}

void ExportCommandTest::RejectedConnectionIsRefused() {
    ResultWindow& window = Run(QStringLiteral("1"));
    window.Export();
    QCOMPARE(messages_->shown.size(), std::size_t{1});
    QCOMPARE(messages_->shown[0].text, QStringLiteral("The Connection Should Be REDESIGNED!"));
    QCOMPARE(messages_->shown[0].title, QStringLiteral("REDESIGNED"));
    QVERIFY2(!QFile::exists(exportPath_), "the file is not even created");
}

void ExportCommandTest::UnwritableFileIsReported() {
    ResultWindow& window = Run(QStringLiteral("2"));
    const QString missing = folder_.filePath(QStringLiteral("no folder/BoltData.txt"));
    window.SetExportPath(missing);
    window.Export();
    QVERIFY2(window.StatusText().isEmpty(), "a failed export is not told as done");
    QCOMPARE(messages_->shown.size(), std::size_t{1});
    QCOMPARE(messages_->shown[0].title, QStringLiteral("Export"));
    QVERIFY2(messages_->shown[0].text.startsWith(
                 QStringLiteral("Cannot write \"%1\": ").arg(QDir::toNativeSeparators(missing))),
             qPrintable(messages_->shown[0].text));
}

void ExportCommandTest::ACharacterTheCodePageCannotHoldIsReported() {
    jw::ConnectionInput input;
    input.type = jw::ConnectionType::BMEP;
    input.grid = jw::BuildInputGrid(input.type);
    input.grid.At(1, jw::kValueColumn) = "100000\u0E01";  // a Thai letter typed after a number
    QVERIFY(!jw::ui::ExportConnection(exportPath_, input, QStringLiteral("0.10 / 0.90"), *messages_,
                                      jw::CodePage::Windows1252));
    QCOMPARE(messages_->shown.size(), std::size_t{1});
    QVERIFY2(messages_->shown[0].text.endsWith(
                 QString::fromUtf8(": the record holds \"\u0E01\" (U+0E01), which the code page "
                                   "Windows-1252 (Western European) cannot store.")),
             qPrintable(messages_->shown[0].text));
    QVERIFY(!QFile::exists(exportPath_));
    QVERIFY(jw::ui::ExportConnection(exportPath_, input, QStringLiteral("0.10 / 0.90"), *messages_,
                                     jw::CodePage::Windows874));
    QVERIFY(FileBytes(exportPath_).contains(",100000\xA1 ,"));
}

QTEST_MAIN(ExportCommandTest)
#include "export_command_test.moc"
