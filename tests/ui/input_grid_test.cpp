// Editing the input grid through its floating editor: typing lands in the cell at once, the
// keys move the current row and stop at the ends, scrolling hides the editor and a click
// brings it back, and the editor never writes an old text back into a cleared cell.
#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include "ui/input_grid.h"

using jw::ConnectionType;
using jw::kLabelColumn;
using jw::kValueColumn;
using jw::ui::InputGrid;

namespace {

QPoint CellCentre(const InputGrid& grid, int row, int column) {
    return grid.visualRect(grid.model()->index(row - 1, column)).center();
}

void ClickCell(InputGrid& grid, int row, int column = kValueColumn) {
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, CellCentre(grid, row, column));
}

}  // namespace

class InputGridTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void TypedTextStaysWhenEnterMovesOn();
    void KeysMoveTheCurrentRow_data();
    void KeysMoveTheCurrentRow();
    void F2TogglesTheEditFlag();
    void ScrollingHidesTheEditorAndAClickBringsItBack();
    void KeysTypedInAScrolledGridReachTheCell_data();
    void KeysTypedInAScrolledGridReachTheCell();
    void ClearedCellIsNotRefilledFromTheEditor();
    void ClickOnALabelChoosesThatRowsValue();
    void NewLayoutEmptiesEveryValue();

  private:
    InputGrid* grid_ = nullptr;
};

void InputGridTest::init() {
    grid_ = new InputGrid;
    grid_->resize(420, 520);
    grid_->SetLayout(ConnectionType::WSP);
    grid_->show();
    grid_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(grid_));
}

void InputGridTest::cleanup() {
    delete grid_;
    grid_ = nullptr;
}

void InputGridTest::TypedTextStaysWhenEnterMovesOn() {
    grid_->SetValue(7, "40");
    ClickCell(*grid_, 6);
    QLineEdit* editor = grid_->Editor();
    QVERIFY(editor->isVisible());
    QCOMPARE(grid_->CurrentInputRow(), 6);

    QTest::keyClicks(editor, "150");
    QCOMPARE(grid_->Value(6), QString("150"));  // in the cell before any commit

    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(grid_->CurrentInputRow(), 7);
    QCOMPARE(grid_->Value(6), QString("150"));
    QCOMPARE(editor->text(), QString("40"));
    QCOMPARE(editor->geometry(), grid_->visualRect(grid_->currentIndex()));
    QVERIFY(editor->isVisible());
}

void InputGridTest::KeysMoveTheCurrentRow_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("expected");
    // The shear plate grid has 11 rows.
    QTest::newRow("Enter moves down") << 3 << int(Qt::Key_Return) << 4;
    QTest::newRow("keypad Enter moves down") << 3 << int(Qt::Key_Enter) << 4;
    QTest::newRow("Down moves down") << 10 << int(Qt::Key_Down) << 11;
    QTest::newRow("Enter stops at the last row") << 11 << int(Qt::Key_Return) << 11;
    QTest::newRow("Down stops at the last row") << 11 << int(Qt::Key_Down) << 11;
    QTest::newRow("Up moves up") << 5 << int(Qt::Key_Up) << 4;
    QTest::newRow("Up stops at row 1") << 1 << int(Qt::Key_Up) << 1;
    QTest::newRow("Home goes to row 1") << 7 << int(Qt::Key_Home) << 1;
    QTest::newRow("End goes to the last row") << 2 << int(Qt::Key_End) << 11;
    QTest::newRow("Left stays in the editor") << 5 << int(Qt::Key_Left) << 5;
    QTest::newRow("Right stays in the editor") << 5 << int(Qt::Key_Right) << 5;
}

void InputGridTest::KeysMoveTheCurrentRow() {
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(int, expected);
    for (int row = 1; row <= grid_->InputRowCount(); ++row)
        grid_->SetValue(row, QString::number(row * 10));
    ClickCell(*grid_, start);
    QTest::keyClick(grid_->Editor(), static_cast<Qt::Key>(key));
    QCOMPARE(grid_->CurrentInputRow(), expected);
    QCOMPARE(grid_->currentColumn(), kValueColumn);
    QCOMPARE(grid_->Editor()->text(), grid_->Value(expected));
}

void InputGridTest::F2TogglesTheEditFlag() {
    ClickCell(*grid_, 2);
    QLineEdit* editor = grid_->Editor();
    QTest::keyClick(editor, Qt::Key_F2);
    QVERIFY2(grid_->EditFlag(), "an empty cell keeps the flag set");
    QTest::keyClicks(editor, "9");
    QTest::keyClick(editor, Qt::Key_F2);
    QVERIFY(!grid_->EditFlag());
    QTest::keyClick(editor, Qt::Key_A);
    QVERIFY2(grid_->EditFlag(), "placing the editor for the next key sets it again");
}

void InputGridTest::ScrollingHidesTheEditorAndAClickBringsItBack() {
    grid_->SetLayout(ConnectionType::BSPL);
    grid_->resize(420, 160);
    QApplication::processEvents();
    QVERIFY(grid_->verticalScrollBar()->maximum() > 0);
    ClickCell(*grid_, 2);
    QVERIFY(grid_->Editor()->isVisible());

    grid_->verticalScrollBar()->setValue(grid_->verticalScrollBar()->maximum());
    QVERIFY(!grid_->Editor()->isVisible());

    const int row = grid_->rowAt(grid_->viewport()->height() / 2) + 1;
    ClickCell(*grid_, row);
    QVERIFY(grid_->Editor()->isVisible());
    QCOMPARE(grid_->CurrentInputRow(), row);
    QCOMPARE(grid_->Editor()->geometry(), grid_->visualRect(grid_->currentIndex()));
}

void InputGridTest::KeysTypedInAScrolledGridReachTheCell_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("row");
    // Row 2 holds "40" and is current when the grid is scrolled to its end.
    QTest::newRow("digits replace the value") << "25" << 0 << "25" << 2;
    QTest::newRow("Backspace empties the value") << "" << int(Qt::Key_Backspace) << "" << 2;
    QTest::newRow("Down moves on") << "" << int(Qt::Key_Down) << "40" << 3;
}

void InputGridTest::KeysTypedInAScrolledGridReachTheCell() {
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(QString, value);
    QFETCH(int, row);
    grid_->SetLayout(ConnectionType::BSPL);
    grid_->resize(420, 160);
    QApplication::processEvents();
    grid_->SetValue(2, "40");
    ClickCell(*grid_, 2);
    grid_->verticalScrollBar()->setValue(grid_->verticalScrollBar()->maximum());
    QVERIFY(!grid_->Editor()->isVisible());
    QVERIFY2(grid_->hasFocus(), "the grid keeps the focus the hidden editor had");

    if (key != 0) QTest::keyClick(grid_, static_cast<Qt::Key>(key));
    QTest::keyClicks(grid_->focusWidget(), typed);
    QCOMPARE(grid_->Value(2), value);
    QCOMPARE(grid_->CurrentInputRow(), row);
    QVERIFY(grid_->Editor()->isVisible());
    QVERIFY(grid_->Editor()->hasFocus());
    QVERIFY2(grid_->viewport()->rect().contains(grid_->visualRect(grid_->currentIndex())),
             "the cell came back into view");
}

void InputGridTest::ClearedCellIsNotRefilledFromTheEditor() {
    ClickCell(*grid_, 2);
    QTest::keyClicks(grid_->Editor(), "9");
    grid_->HideEditor();
    grid_->ClearValues();
    ClickCell(*grid_, 2);  // the same cell: no move re-reads it
    QVERIFY(grid_->Editor()->isVisible());
    QCOMPARE(grid_->Value(2), QString());
    QCOMPARE(grid_->Editor()->text(), QString());
}

void InputGridTest::ClickOnALabelChoosesThatRowsValue() {
    ClickCell(*grid_, 4, kLabelColumn);
    QCOMPARE(grid_->CurrentInputRow(), 4);
    QCOMPARE(grid_->currentColumn(), kValueColumn);
    QTest::keyClicks(grid_->Editor(), "3");
    QCOMPARE(grid_->Label(4), QString("Number of Bolt Row"));
    QCOMPARE(grid_->Value(4), QString("3"));
}

void InputGridTest::NewLayoutEmptiesEveryValue() {
    grid_->SetValue(1, "10000");
    grid_->SetCurrentInputRow(5);
    grid_->SetLayout(ConnectionType::ACLT);
    QCOMPARE(grid_->InputRowCount(), 8);
    QCOMPARE(grid_->CurrentInputRow(), 1);
    const jw::TextGrid grid = grid_->Grid();
    QCOMPARE(grid.rows, 9);
    QCOMPARE(QString::fromStdString(grid.At(0, jw::kUnitColumn)), QString("Unit"));
    for (int row = 1; row < grid.rows; ++row) QVERIFY(grid.At(row, kValueColumn).empty());
    QCOMPARE(QString::fromStdString(grid.At(2, kLabelColumn)), QString("Number of Angle"));
}

QTEST_MAIN(InputGridTest)
#include "input_grid_test.moc"
