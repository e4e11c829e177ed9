// The input grid (label, unit and value of each input) with its floating cell editor.
//
// The grid never edits its own cells. A one-line editor floats over the current value cell,
// shows its text and copies every keystroke into it at once, so the cell always equals the
// editor and a command that reads the grid cannot miss a pending edit. Enter and Down move to
// the next row, Up to the previous one (stopping at the first and last rows), Home and End to
// the first and last rows; F2 toggles the edit flag. Every other key, Left and Right included,
// is the editor's own: the value column is the last one, so there is nothing to the right.
// Keys typed while the editor is scrolled out of sight bring the current cell back into view
// and go into it. Undo and redo keys are left to the form, which undoes whole input changes.
#pragma once

#include <QTableWidget>
#include <utility>
#include <vector>

#include "data/connection_input.h"
#include "data/text_grid.h"

class QLineEdit;

namespace jw::ui {

class InputGrid : public QTableWidget {
    Q_OBJECT
  public:
    explicit InputGrid(QWidget* parent = nullptr);

    // Shows the rows of a type with every value empty and row 1 current. Values typed for
    // another type are gone.
    void SetLayout(ConnectionType type);
    ConnectionType Type() const { return type_; }

    // The grid as the design run reads it: header row, then label, unit and value per input.
    TextGrid Grid() const;

    // Input rows count from 1, as in the design input.
    int InputRowCount() const { return rowCount(); }
    QString Label(int row) const;
    QString Value(int row) const;
    void SetValue(int row, const QString& text);
    void ClearValues();

    // Shows which values keep the input from being complete: the cells are tinted, with the
    // reason as their tooltip, until each is edited.
    void MarkProblemRows(const std::vector<std::pair<int, QString>>& rowsAndReasons);
    bool IsMarked(int row) const;
    int CurrentInputRow() const;  // 0 when the grid has no rows
    void SetCurrentInputRow(int row);

    QLineEdit* Editor() const { return editor_; }
    bool EditFlag() const { return editFlag_; }
    // Takes the editor off the grid; a focus it held stays on the grid.
    void HideEditor();

    // Every input row shows without scrolling at this height.
    int FullHeight() const;
    QSize sizeHint() const override;

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void OnCurrentCellChanged(int tableRow, int column);
    void OnEditorTextChanged(const QString& text);
    void PlaceEditor();
    void ShowEditor();
    bool ApplyKey(int key);
    void MoveToRow(int row);
    QTableWidgetItem* ValueItem(int row) const;
    void Unmark(int row);

    ConnectionType type_ = ConnectionType::None;
    QLineEdit* editor_ = nullptr;
    bool editFlag_ = false;
    bool movingByKey_ = false;
    bool keepEditorHidden_ = false;
};

}  // namespace jw::ui
