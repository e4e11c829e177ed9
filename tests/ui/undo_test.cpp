// Undo and redo on the main form: typing in a cell is one step per cell, and every command
// that changes much (Reset, the advisor, "Ex", Auto Design, a type change, Open) is one step
// that Ctrl+Z takes back whole, Open with its file name, texts and modified state.
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "data/sections.h"
#include "ui/auto_design_dialog.h"
#include "ui/form_content.h"
#include "ui/input_history.h"
#include "ui/project_form.h"
#include "ui_test_support.h"

using jw::ConnectionType;
using jw::ui::CaptureContent;
using jw::ui::FormContent;
using jw::ui::InputForm;
using jw::ui::testing::FillWsp;
using jw::ui::testing::RecordingSink;
using jw::ui::testing::ScriptedDialogs;

class UndoTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void CommandIsOneStepThatUndoAndRedoRepeat_data();
    void CommandIsOneStepThatUndoAndRedoRepeat();
    void AdvisorThatEmptiesTheGridSaysSoAndIsUndone();
    void TypingInACellIsOneStepPerCell();
    void UndoKeysReachTheFormFromTheCellEditor();
    void UndoingAnOpenPutsTheFileBack();
    void RestoredBeamDoesNotBringItsStandardConnection();

  private:
    InputForm& Form() { return *form_; }
    // As the engineer does it: on the project form, then OK.
    void SetProjectName(const QString& name) {
        Form().ShowProjectForm();
        Form().ProjectWindow().Field(0).setText(name);
        Form().ProjectWindow().close();
    }

    QTemporaryDir folder_;
    RecordingSink* messages_ = nullptr;
    ScriptedDialogs* dialogs_ = nullptr;
    InputForm* form_ = nullptr;
};

void UndoTest::init() {
    QSettings().clear();
    messages_ = new RecordingSink;
    dialogs_ = new ScriptedDialogs;
    form_ = new InputForm(*messages_);
    form_->SetFileDialogs(*dialogs_);
    form_->SetUnsavedPrompt(
        [](QWidget*, const QString&) { return jw::ui::UnsavedChoice::Discard; });
    // The second connection of the automatic design's list.
    form_->SetAutoDesignChooser([](jw::ui::AutoDesignDialog&) { return 1; });
    form_->show();
}

void UndoTest::cleanup() {
    delete form_;
    delete dialogs_;
    delete messages_;
}

void UndoTest::CommandIsOneStepThatUndoAndRedoRepeat_data() {
    QTest::addColumn<QString>("command");
    QTest::newRow("Reset") << "Reset";
    QTest::newRow("Ex") << "Ex";
    QTest::newRow("type change") << "type";
    QTest::newRow("advisor fill") << "advisor";
    QTest::newRow("Auto Design") << "auto";
}

void UndoTest::CommandIsOneStepThatUndoAndRedoRepeat() {
    QFETCH(QString, command);
    FillWsp(Form(), "2");
    Form().Grid().SetValue(1, "12000");
    const FormContent before = CaptureContent(Form());
    const int steps = Form().History().Stack().count();

    if (command == "Reset") Form().ResetValues();
    if (command == "Ex") Form().FillSample();
    if (command == "type") Form().SelectType(ConnectionType::BSPL);
    if (command == "advisor") {
        Form().Bolts().SetAdvisor(true);
        Form().Sections().SetBeam(jw::FindBeamPosition("H-250X125X29.6(kg/m)").value_or(-1));
    }
    if (command == "auto") Form().AutoDesign();
    QVERIFY2(messages_->shown.empty(),
             messages_->shown.empty() ? "" : qPrintable(messages_->shown[0].text));
    const FormContent after = CaptureContent(Form());
    QVERIFY2(!jw::ui::SameContent(before, after), "the command changed the input");
    // The advisor switch is a step of its own; the fill it brings is one more.
    const int expected = steps + (command == "advisor" ? 2 : 1);
    QCOMPARE(Form().History().Stack().count(), expected);

    Form().Undo();
    if (command == "advisor") Form().Undo();
    QVERIFY(jw::ui::SameContent(CaptureContent(Form()), before));
    Form().Redo();
    if (command == "advisor") Form().Redo();
    QVERIFY(jw::ui::SameContent(CaptureContent(Form()), after));
    if (command == "Reset" || command == "advisor" || command == "auto")
        QVERIFY2(Form().StatusText().contains("Ctrl+Z") || Form().StatusText().startsWith("Redone"),
                 qPrintable(Form().StatusText()));
}

void UndoTest::AdvisorThatEmptiesTheGridSaysSoAndIsUndone() {
    Form().SelectType(ConnectionType::BSPL);
    Form().FillSample();
    const FormContent filled = CaptureContent(Form());
    Form().Bolts().SetAdvisor(true);
    Form().Sections().SetBeam(jw::FindBeamPosition("H-100X50X9.3(kg/m)").value_or(-1));
    for (int row = 1; row <= 16; ++row) QVERIFY(Form().Grid().Value(row).isEmpty());
    QCOMPARE(Form().StatusText(),
             QString("No standard splice for H-100X50X9.3(kg/m): the grid was emptied - Ctrl+Z "
                     "restores it"));
    Form().Undo();  // the emptied grid
    for (int row = 1; row <= 16; ++row) QCOMPARE(Form().Grid().Value(row), filled.values[row - 1]);
    QVERIFY(Form().Bolts().Advisor());
    QCOMPARE(Form().CurrentInput().choices.beamSection, filled.choices.beamSection);
}

void UndoTest::TypingInACellIsOneStepPerCell() {
    jw::ui::InputGrid& grid = Form().Grid();
    const int steps = Form().History().Stack().count();
    grid.SetCurrentInputRow(2);
    grid.setFocus();
    QTest::keyClicks(grid.Editor(), "12");
    QTest::keyClick(grid.Editor(), Qt::Key_Return);
    QTest::keyClicks(grid.Editor(), "3");
    QCOMPARE(grid.Value(2), QString("12"));
    QCOMPARE(grid.Value(3), QString("3"));
    QCOMPARE(Form().History().Stack().count(), steps + 2);
    QVERIFY(Form().isWindowModified());

    Form().Undo();
    QCOMPARE(grid.Value(3), QString());
    QCOMPARE(grid.Value(2), QString("12"));
    Form().Undo();
    QCOMPARE(grid.Value(2), QString());
    QVERIFY2(!Form().isWindowModified(), "back to the input as it was: nothing to save");
}

void UndoTest::UndoKeysReachTheFormFromTheCellEditor() {
    jw::ui::InputGrid& grid = Form().Grid();
    Form().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&Form()));
    grid.SetCurrentInputRow(1);
    grid.setFocus();
    QTest::keyClicks(grid.Editor(), "500");
    QTest::keyClick(grid.Editor(), Qt::Key_Return);
    Form().ResetValues();
    QCOMPARE(grid.Value(1), QString());
    QTest::keyClick(grid.Editor(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(grid.Value(1), QString("500"));
    QTest::keyClick(grid.Editor(), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(grid.Value(1), QString());
    QTest::keyClick(grid.Editor(), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(grid.Editor(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(grid.Value(1), QString());
}

void UndoTest::UndoingAnOpenPutsTheFileBack() {
    // A saved project A, changed; then B is opened (the change discarded) and the Open undone.
    FillWsp(Form(), "2");
    SetProjectName("Tower A");
    dialogs_->saveName = folder_.filePath("a.Bol");
    QVERIFY(Form().SaveProject());
    Form().SelectType(ConnectionType::BMEP);
    Form().FillSample();
    SetProjectName("Tower B");
    dialogs_->saveName = folder_.filePath("b.Bol");
    QVERIFY(Form().SaveProjectAs());
    QCOMPARE(Form().windowTitle(), QString("b.Bol[*] - JointWright"));

    dialogs_->openName = folder_.filePath("a.Bol");
    QVERIFY(Form().OpenProject());
    const FormContent opened = CaptureContent(Form());
    Form().Grid().SetValue(1, "1");  // a change after opening
    QVERIFY(Form().isWindowModified());
    Form().Undo();
    QVERIFY(!Form().isWindowModified());
    QCOMPARE(Form().windowTitle(), QString("a.Bol[*] - JointWright"));

    Form().Undo();  // the Open
    QCOMPARE(Form().SelectedType(), ConnectionType::BMEP);
    QCOMPARE(Form().ProjectWindow().Field(0).text(), QString("Tower B"));
    QCOMPARE(Form().windowTitle(), QString("b.Bol[*] - JointWright"));
    QVERIFY2(!Form().isWindowModified(), "b.Bol was saved as it shows");

    Form().Redo();
    QVERIFY(jw::ui::SameContent(CaptureContent(Form()), opened));
    QCOMPARE(Form().windowTitle(), QString("a.Bol[*] - JointWright"));
    QVERIFY(!Form().isWindowModified());
}

void UndoTest::RestoredBeamDoesNotBringItsStandardConnection() {
    Form().SelectType(ConnectionType::WSP);
    Form().Bolts().SetAdvisor(true);
    Form().Sections().SetBeam(jw::FindBeamPosition("H-300X150X36.7(kg/m)").value_or(-1));
    Form().Grid().SetValue(1, "777");
    Form().Sections().SetBeam(jw::FindBeamPosition("H-200X100X21.3(kg/m)").value_or(-1));
    Form().Undo();
    QCOMPARE(Form().Grid().Value(1), QString("777"));
    QCOMPARE(Form().CurrentInput().choices.beamSection,
             jw::FindBeamPosition("H-300X150X36.7(kg/m)").value_or(-2));
}

QTEST_MAIN(UndoTest)
#include "undo_test.moc"
