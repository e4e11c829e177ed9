// Saving the drawing of a designed connection for CAD, for documents and as a picture: each
// format is written whole, a cancelled dialog writes nothing, and a failure is reported.
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include "data/sections.h"
#include "ui/design_controller.h"
#include "ui/result_window.h"
#include "ui/save_drawing_command.h"
#include "ui_test_support.h"

using jw::ui::testing::FillWsp;
using jw::ui::testing::RecordingSink;

namespace {

jw::ConnectionInput WorkedShearPlate() {
    jw::ConnectionInput input;
    input.type = jw::ConnectionType::WSP;
    input.grid = jw::BuildInputGrid(input.type);
    const char* values[] = {"10000", "9", "2", "3", "1", "10", "40", "75", "70", "6", "2"};
    for (int row = 1; row <= 11; ++row) input.grid.At(row, jw::kValueColumn) = values[row - 1];
    input.choices.beamSection = jw::FindBeamPosition("H-300X150X36.7(kg/m)").value_or(-1);
    input.choices.boltGrade = 2;
    input.choices.boltDiameter = 3;
    return input;
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class SaveDrawingTest : public QObject {
    Q_OBJECT
  private slots:
    void EachFormatIsWrittenWhole_data();
    void EachFormatIsWrittenWhole();
    void AFailureIsReportedAndLeavesNoFile();
    void TheResultWindowSavesWhatWasDesigned();
};

void SaveDrawingTest::EachFormatIsWrittenWhole_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QByteArray>("marker");
    QTest::newRow("DXF") << "wsp.dxf"
                         << "wsp.dxf" << QByteArray("EOF");
    QTest::newRow("SVG") << "wsp.svg"
                         << "wsp.svg" << QByteArray("</svg>");
    QTest::newRow("PNG") << "wsp.png"
                         << "wsp.png" << QByteArray("PNG");
    QTest::newRow("no extension saves DXF") << "wsp"
                                            << "wsp.dxf" << QByteArray("EOF");
}

void SaveDrawingTest::EachFormatIsWrittenWhole() {
    QFETCH(QString, name);
    QFETCH(QString, written);
    QFETCH(QByteArray, marker);
    QTemporaryDir folder;
    QCOMPARE(jw::ui::SaveDrawing(WorkedShearPlate(), folder.filePath(name)), QString());
    const QByteArray bytes = FileBytes(folder.filePath(written));
    QVERIFY2(bytes.contains(marker), qPrintable(written));
    if (written.endsWith(".png")) {
        const QImage image(folder.filePath(written));
        QCOMPARE(image.size(), QSize(1600, 1600));
        QVERIFY2(image.pixelColor(0, 0) == Qt::white, "the picture has a white ground");
    }
}

void SaveDrawingTest::AFailureIsReportedAndLeavesNoFile() {
    QTemporaryDir folder;
    for (const char* name : {"missing/wsp.dxf", "missing/wsp.svg", "missing/wsp.png"}) {
        const QString problem = jw::ui::SaveDrawing(WorkedShearPlate(), folder.filePath(name));
        QVERIFY2(problem.contains("Cannot write"), qPrintable(problem));
        QVERIFY(!QFile::exists(folder.filePath(name)));
    }
    jw::ConnectionInput noBeam = WorkedShearPlate();
    noBeam.choices.beamSection = -1;
    const QString path = folder.filePath("nobeam.dxf");
    QVERIFY(jw::ui::SaveDrawing(noBeam, path).contains("No beam section is chosen"));
    QVERIFY(!QFile::exists(path));
}

void SaveDrawingTest::TheResultWindowSavesWhatWasDesigned() {
    QTemporaryDir folder;
    RecordingSink messages;
    jw::ui::DesignController controller(messages, folder.filePath("result.out"));
    controller.Start();
    FillWsp(controller.Form(), "1");  // rejected: a drawing may still be saved
    controller.Calculate();
    jw::ui::ResultWindow* window = controller.Result();
    QVERIFY(window);
    window->SetDrawingFileDialog([](QWidget*) { return QString(); });
    window->SaveDrawing();
    QVERIFY(messages.shown.empty());
    const QString path = folder.filePath("designed.svg");
    window->SetDrawingFileDialog([&](QWidget*) { return path; });
    window->SaveDrawing();
    QVERIFY(messages.shown.empty());
    QVERIFY(FileBytes(path).contains("</svg>"));
}

QTEST_MAIN(SaveDrawingTest)
#include "save_drawing_test.moc"
