// The main input form: type selection, the choices and their displays, "Ex" and "&Reset", the
// preview with its gate, the symbol panel and the connection advisor.
#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

#include "ui/connection_panels.h"
#include "ui/drawing_view.h"
#include "ui_test_support.h"

using jw::ConnectionType;
using jw::ui::InputForm;
using jw::ui::testing::RecordingSink;

Q_DECLARE_METATYPE(jw::ConnectionType)

namespace {

QString Cell(const QTableWidget& grid, int row, int column) {
    const QTableWidgetItem* item = grid.item(row, column);
    return item ? item->text() : QString();
}

}  // namespace

class InputFormTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void StartsWithShearPlateAndTheFirstBolt();
    void TypeSelectionRebuildsTheGrid_data();
    void TypeSelectionRebuildsTheGrid();
    void SampleFillsEachType_data();
    void SampleFillsEachType();
    void ResetKeepsTypeLabelsAndChoices();
    void BeamChoiceShowsItsProperties();
    void PreviewGateShowsItsMessage_data();
    void PreviewGateShowsItsMessage();
    void PreviewDrawsACompleteInput();
    void PreviewSaysWhyItCannotDraw();
    void SymbolPanelShowsTheSelectedType();
    void AdvisorFillsTheGridForABeam();
    void AdvisorLeavesTheInputWithoutAnEntry();

  private:
    RecordingSink* messages_ = nullptr;
    InputForm* form_ = nullptr;
};

void InputFormTest::init() {
    messages_ = new RecordingSink;
    form_ = new InputForm(*messages_);
    form_->show();
}

void InputFormTest::cleanup() {
    delete form_;
    delete messages_;
}

void InputFormTest::StartsWithShearPlateAndTheFirstBolt() {
    QCOMPARE(form_->SelectedType(), ConnectionType::WSP);
    QCOMPARE(form_->Grid().InputRowCount(), 11);
    const QTableWidget& bolt = form_->Bolts().BoltDisplay();
    QCOMPARE(Cell(bolt, 0, 0), QString("Ft (ksc)"));
    QCOMPARE(Cell(bolt, 0, 1), QString("1380"));
    QCOMPARE(Cell(bolt, 1, 1), QString("690"));
    QCOMPARE(Cell(bolt, 2, 0), QString("Area(cm^2)"));
    QCOMPARE(Cell(bolt, 2, 1), QString("1.13"));
    const jw::ConnectionInput input = form_->CurrentInput();
    QCOMPARE(input.choices.beamSection, -1);
    QCOMPARE(input.choices.angleSection, -1);
    QCOMPARE(input.choices.memberGrade, 1);
    QVERIFY(!input.choices.advisor);
    QVERIFY(!form_->Sections().AngleVisible());
    QCOMPARE(form_->VisiblePanel(), static_cast<QWidget*>(&form_->Types()));
}

void InputFormTest::TypeSelectionRebuildsTheGrid_data() {
    QTest::addColumn<ConnectionType>("type");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("firstLabel");
    QTest::addColumn<QString>("lastLabel");
    QTest::addColumn<bool>("angleList");
    QTest::newRow("WSP") << ConnectionType::WSP << 11 << "Design Shear Force"
                         << "Number of Weld Side" << false;
    QTest::newRow("ACLT") << ConnectionType::ACLT << 8 << "Design Shear Force"
                          << "Bolt c-to-c Distance (c)" << true;
    QTest::newRow("BMEP") << ConnectionType::BMEP << 6 << "Design Moment"
                          << "Bolt c-to-c Distance (c)" << false;
    QTest::newRow("BSPL") << ConnectionType::BSPL << 16 << "Design Moment"
                          << "Flange Bolt C-to-c Distance(C3)" << false;
}

void InputFormTest::TypeSelectionRebuildsTheGrid() {
    QFETCH(ConnectionType, type);
    QFETCH(int, rows);
    QFETCH(QString, firstLabel);
    QFETCH(QString, lastLabel);
    QFETCH(bool, angleList);
    // Start from another type holding values; choosing this type must drop them all.
    form_->SelectType(type == ConnectionType::WSP ? ConnectionType::BSPL : ConnectionType::WSP);
    form_->FillSample();
    form_->SelectType(type);

    jw::ui::InputGrid& grid = form_->Grid();
    QCOMPARE(form_->SelectedType(), type);
    QCOMPARE(grid.InputRowCount(), rows);
    QCOMPARE(grid.Label(1), firstLabel);
    QCOMPARE(grid.Label(rows), lastLabel);
    QCOMPARE(grid.CurrentInputRow(), 1);
    for (int row = 1; row <= rows; ++row) QVERIFY(grid.Value(row).isEmpty());
    QCOMPARE(form_->Sections().AngleVisible(), angleList);
    for (ConnectionType other :
         {ConnectionType::WSP, ConnectionType::ACLT, ConnectionType::BMEP, ConnectionType::BSPL})
        QCOMPARE(form_->Types().Picture(other)->isVisible(), other == type);
}

void InputFormTest::SampleFillsEachType_data() {
    QTest::addColumn<ConnectionType>("type");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("lastValue");
    QTest::addColumn<int>("angle");
    QTest::newRow("WSP") << ConnectionType::WSP << 11 << "1" << -1;
    QTest::newRow("ACLT") << ConnectionType::ACLT << 8 << "60" << 7;
    QTest::newRow("BMEP") << ConnectionType::BMEP << 6 << "80" << -1;
    QTest::newRow("BSPL") << ConnectionType::BSPL << 16 << "40" << -1;
}

void InputFormTest::SampleFillsEachType() {
    QFETCH(ConnectionType, type);
    QFETCH(int, rows);
    QFETCH(QString, lastValue);
    QFETCH(int, angle);
    form_->SelectType(type);
    form_->FillSample();
    for (int row = 1; row <= rows; ++row) QVERIFY(!form_->Grid().Value(row).isEmpty());
    QCOMPARE(form_->Grid().Value(rows), lastValue);
    const jw::ConnectionInput input = form_->CurrentInput();
    QCOMPARE(input.choices.beamSection, 8);
    QCOMPARE(input.choices.boltGrade, 1);
    QCOMPARE(input.choices.boltDiameter, 2);
    QCOMPARE(input.choices.angleSection, angle);
    QCOMPARE(Cell(form_->Bolts().BoltDisplay(), 0, 1), QString("3030"));  // A325-X
    QVERIFY2(!jw::GateFailure(input.grid), "a sample passes the gate");
}

void InputFormTest::ResetKeepsTypeLabelsAndChoices() {
    form_->SelectType(ConnectionType::ACLT);
    form_->FillSample();
    const jw::ConnectionInput before = form_->CurrentInput();
    form_->ResetValues();
    const jw::ConnectionInput after = form_->CurrentInput();
    QCOMPARE(after.type, ConnectionType::ACLT);
    QCOMPARE(after.choices.beamSection, before.choices.beamSection);
    QCOMPARE(after.choices.angleSection, before.choices.angleSection);
    QCOMPARE(after.choices.boltGrade, before.choices.boltGrade);
    for (int row = 1; row < after.grid.rows; ++row) {
        QCOMPARE(after.grid.At(row, jw::kLabelColumn), before.grid.At(row, jw::kLabelColumn));
        QCOMPARE(after.grid.At(row, jw::kUnitColumn), before.grid.At(row, jw::kUnitColumn));
        QVERIFY(after.grid.At(row, jw::kValueColumn).empty());
    }
}

void InputFormTest::BeamChoiceShowsItsProperties() {
    form_->Sections().SetBeam(jw::FindBeamPosition("H-300X150X36.7(kg/m)").value_or(-1));
    const QTableWidget& properties = form_->Sections().PropertyDisplay();
    QCOMPARE(properties.columnCount(), 14);
    QCOMPARE(Cell(properties, 0, 0), QString("d(mm)"));
    QCOMPARE(Cell(properties, 1, 0), QString("300"));
    QCOMPARE(Cell(properties, 1, 1), QString("150"));
    QCOMPARE(Cell(properties, 0, 13), QString("Sy(cm^3)"));
    QVERIFY(!Cell(properties, 1, 13).isEmpty());
}

void InputFormTest::PreviewGateShowsItsMessage_data() {
    QTest::addColumn<QString>("plates");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::newRow("empty cell") << ""
                                << "Input data not complete!\nRow 3: Number of Cleat is empty"
                                << "Error";
    QTest::newRow("three plates") << "3"
                                  << "Number of Cleat Exceed 2 !"
                                  << "Cleat Error";
}

void InputFormTest::PreviewGateShowsItsMessage() {
    QFETCH(QString, plates);
    QFETCH(QString, text);
    QFETCH(QString, title);
    jw::ui::testing::FillWsp(*form_, plates);
    form_->Preview();
    QCOMPARE(messages_->shown.size(), std::size_t{1});
    QCOMPARE(messages_->shown[0].text, text);
    QCOMPARE(messages_->shown[0].title, title);
    QCOMPARE(form_->VisiblePanel(), static_cast<QWidget*>(&form_->Types()));
}

void InputFormTest::PreviewDrawsACompleteInput() {
    jw::ui::testing::FillWsp(*form_, "2");
    form_->Preview();
    QVERIFY(messages_->shown.empty());
    QCOMPARE(form_->VisiblePanel(), static_cast<QWidget*>(&form_->PreviewArea()));
    QVERIFY(form_->PreviewArea().Picture().HasDrawing());
    QVERIFY(!form_->Grid().Editor()->isVisible());

    form_->ShowTypePanel();
    QCOMPARE(form_->VisiblePanel(), static_cast<QWidget*>(&form_->Types()));
}

void InputFormTest::PreviewSaysWhyItCannotDraw() {
    jw::ui::testing::FillWsp(*form_, "2");
    form_->Sections().SetBeam(-1);
    form_->Preview();
    QCOMPARE(messages_->shown.size(), std::size_t{1});
    QCOMPARE(messages_->shown[0].title, QString("Error"));
    QVERIFY(messages_->shown[0].text.contains("section", Qt::CaseInsensitive));
    QCOMPARE(form_->VisiblePanel(), static_cast<QWidget*>(&form_->Types()));
}

void InputFormTest::SymbolPanelShowsTheSelectedType() {
    form_->SelectType(ConnectionType::BMEP);
    form_->ShowSymbols();
    QCOMPARE(form_->VisiblePanel(), static_cast<QWidget*>(&form_->SymbolArea()));
    QVERIFY(form_->SymbolArea().Symbols(ConnectionType::BMEP)->isVisible());
    QVERIFY(!form_->SymbolArea().Symbols(ConnectionType::WSP)->isVisible());
    form_->ShowTypePanel();
    QCOMPARE(form_->VisiblePanel(), static_cast<QWidget*>(&form_->Types()));
}

void InputFormTest::AdvisorFillsTheGridForABeam() {
    form_->Bolts().SetAdvisor(true);
    form_->SelectType(ConnectionType::ACLT);
    form_->Sections().SetBeam(jw::FindBeamPosition("H-125X125X23.8(kg/m)").value_or(-1));
    const QStringList expected = {"5500", "2", "2", "2", "2", "10", "22", "36"};
    for (int row = 1; row <= expected.size(); ++row)
        QCOMPARE(form_->Grid().Value(row), expected[row - 1]);
    const jw::ConnectionInput input = form_->CurrentInput();
    QCOMPARE(input.choices.angleSection, 10);  // L-90X90X9.58(kg/m)
    QCOMPARE(input.choices.boltGrade, 1);      // A325-X
    QCOMPARE(input.choices.boltDiameter, 0);   // 12 mm.
    QCOMPARE(Cell(form_->Bolts().BoltDisplay(), 2, 1), QString("1.13"));

    // "Ex" with the advisor on: the sample beam's proposal fills the grid, the sample's bolts win.
    form_->FillSample();
    QCOMPARE(form_->CurrentInput().choices.boltGrade, 1);
    QCOMPARE(form_->CurrentInput().choices.boltDiameter, 2);
}

void InputFormTest::AdvisorLeavesTheInputWithoutAnEntry() {
    // Off: a beam changes no input. On: a beam the type's table does not list changes none.
    for (bool advisor : {false, true}) {
        form_->Bolts().SetAdvisor(advisor);
        form_->SelectType(ConnectionType::BMEP);
        form_->FillSample();
        const jw::ConnectionInput before = form_->CurrentInput();
        const int beam = advisor ? jw::FindBeamPosition("I-150X75X17.1(kg/m)").value_or(-1)
                                 : jw::FindBeamPosition("H-100X100X17.2(kg/m)").value_or(-1);
        form_->Sections().SetBeam(beam);
        const jw::ConnectionInput after = form_->CurrentInput();
        QVERIFY(after.grid.cells == before.grid.cells);
        QCOMPARE(after.choices.boltGrade, before.choices.boltGrade);
        QCOMPARE(after.choices.boltDiameter, before.choices.boltDiameter);
    }
}

QTEST_MAIN(InputFormTest)
#include "input_form_test.moc"
