#include "ui/input_grid.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <algorithm>

#include "ui/ui_helpers.h"

namespace jw::ui {
namespace {

// Column widths of label, unit and value, in twips.
constexpr int kColumnTwips[] = {2500, 750, 960};
// A light red that still shows black text clearly; the tooltip says the same in words.
const QColor kProblemTint(255, 205, 205);
constexpr int kProblemRole = Qt::UserRole + 1;

bool IsUndoOrRedo(const QKeyEvent& key) {
    return key.matches(QKeySequence::Undo) || key.matches(QKeySequence::Redo) ||
           key.keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y) ||
           key.keyCombination() ==
               QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z);
}

QTableWidgetItem* FixedItem(const QString& text, const QPalette& palette) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    item->setBackground(palette.button());
    item->setForeground(palette.buttonText());
    return item;
}

}  // namespace

InputGrid::InputGrid(QWidget* parent) : QTableWidget(parent) {
    setObjectName(QStringLiteral("MSFlexGrid1"));
    setColumnCount(3);
    setHorizontalHeaderLabels({QString(), QStringLiteral("Unit"), QString()});
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(false);
    setWordWrap(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    for (int column = 0; column < 3; ++column)
        setColumnWidth(column, TwipsToPixels(kColumnTwips[column], this));
    horizontalHeader()->setStretchLastSection(true);

    editor_ = new QLineEdit(viewport());
    editor_->setObjectName(QStringLiteral("Text1"));
    editor_->setFrame(false);
    editor_->hide();
    editor_->installEventFilter(this);

    connect(this, &QTableWidget::currentCellChanged, this,
            [this](int row, int column, int, int) { OnCurrentCellChanged(row, column); });
    connect(editor_, &QLineEdit::textChanged, this, &InputGrid::OnEditorTextChanged);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this] {
        if (editor_->isVisible()) PlaceEditor();
    });
}

void InputGrid::SetLayout(ConnectionType type) {
    type_ = type;
    HideEditor();
    const auto layout = InputLayout(type);
    setRowCount(0);
    setRowCount(static_cast<int>(layout.size()));
    for (int i = 0; i < rowCount(); ++i) {
        setItem(i, kLabelColumn, FixedItem(FromCoreText(layout[i].label), palette()));
        setItem(i, kUnitColumn, FixedItem(FromCoreText(layout[i].unit), palette()));
        auto* value = new QTableWidgetItem();
        value->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        setItem(i, kValueColumn, value);
    }
    editor_->setText(QString());
    // Labels are never cut short: the label column grows to the longest of the type.
    resizeColumnToContents(kLabelColumn);
    setColumnWidth(kLabelColumn,
                   std::max(columnWidth(kLabelColumn), TwipsToPixels(kColumnTwips[0], this)));
    if (rowCount() > 0) setCurrentCell(0, kValueColumn);
    PlaceEditor();
    updateGeometry();
}

TextGrid InputGrid::Grid() const {
    TextGrid grid = BuildInputGrid(type_);
    for (int row = 1; row < grid.rows && row <= rowCount(); ++row)
        grid.At(row, kValueColumn) = ToCoreText(Value(row));
    return grid;
}

QString InputGrid::Label(int row) const {
    const QTableWidgetItem* cell = item(row - 1, kLabelColumn);
    return cell ? cell->text() : QString();
}

QTableWidgetItem* InputGrid::ValueItem(int row) const {
    return item(row - 1, kValueColumn);
}

QString InputGrid::Value(int row) const {
    const QTableWidgetItem* cell = ValueItem(row);
    return cell ? cell->text() : QString();
}

void InputGrid::SetValue(int row, const QString& text) {
    QTableWidgetItem* cell = ValueItem(row);
    if (!cell) return;
    if (cell->text() != text) Unmark(row);
    cell->setText(text);
    // The editor must never hold an older text than its cell: on the next focus it would
    // write that text back.
    if (row == CurrentInputRow() && editor_->text() != text) editor_->setText(text);
}

void InputGrid::ClearValues() {
    for (int row = 1; row <= rowCount(); ++row) SetValue(row, QString());
}

void InputGrid::MarkProblemRows(const std::vector<std::pair<int, QString>>& rowsAndReasons) {
    for (const auto& [row, reason] : rowsAndReasons) {
        QTableWidgetItem* cell = ValueItem(row);
        if (!cell) continue;
        cell->setData(kProblemRole, true);
        cell->setBackground(kProblemTint);
        cell->setToolTip(reason);
    }
    if (editor_->isVisible()) PlaceEditor();
}

bool InputGrid::IsMarked(int row) const {
    const QTableWidgetItem* cell = ValueItem(row);
    return cell && cell->data(kProblemRole).toBool();
}

void InputGrid::Unmark(int row) {
    QTableWidgetItem* cell = ValueItem(row);
    if (!cell || !cell->data(kProblemRole).toBool()) return;
    cell->setData(kProblemRole, QVariant());
    cell->setBackground(QBrush());
    cell->setToolTip(QString());
}

int InputGrid::CurrentInputRow() const {
    return currentRow() >= 0 ? currentRow() + 1 : 0;
}

void InputGrid::SetCurrentInputRow(int row) {
    if (row >= 1 && row <= rowCount()) setCurrentCell(row - 1, kValueColumn);
}

void InputGrid::HideEditor() {
    // A hidden editor hands its focus on; the grid keeps it without calling the editor back.
    if (editor_->hasFocus()) {
        keepEditorHidden_ = true;
        setFocus(Qt::OtherFocusReason);
        keepEditorHidden_ = false;
    }
    editor_->hide();
}

QSize InputGrid::sizeHint() const {
    int width = 2 * frameWidth();
    for (int column = 0; column < columnCount(); ++column) width += columnWidth(column);
    return {width, FullHeight()};
}

int InputGrid::FullHeight() const {
    int height = horizontalHeader()->sizeHint().height() + 2 * frameWidth();
    for (int i = 0; i < rowCount(); ++i) height += rowHeight(i);
    return height;
}

void InputGrid::OnCurrentCellChanged(int tableRow, int column) {
    if (tableRow < 0) return;
    // Only values are entered; a click on a label or unit chooses that row's value.
    if (column != kValueColumn) {
        setCurrentCell(tableRow, kValueColumn);
        return;
    }
    PlaceEditor();
}

void InputGrid::OnEditorTextChanged(const QString& text) {
    QTableWidgetItem* cell = ValueItem(CurrentInputRow());
    if (!cell || cell->text() == text) return;
    Unmark(CurrentInputRow());
    cell->setText(text);
}

void InputGrid::PlaceEditor() {
    const int row = CurrentInputRow();
    if (row == 0) return;
    editor_->setGeometry(visualRect(model()->index(row - 1, kValueColumn)));
    const QString text = Value(row);
    // Setting the same text again would move the caret and drop the selection mid-typing.
    if (editor_->text() != text) editor_->setText(text);
    editFlag_ = true;
}

void InputGrid::ShowEditor() {
    if (CurrentInputRow() == 0) return;
    PlaceEditor();
    editor_->show();
    editor_->setFocus(Qt::OtherFocusReason);
}

void InputGrid::MoveToRow(int row) {
    movingByKey_ = true;
    SetCurrentInputRow(row);
    scrollTo(currentIndex());
    movingByKey_ = false;
    PlaceEditor();
}

bool InputGrid::ApplyKey(int key) {
    const int row = CurrentInputRow();
    switch (key) {
        case Qt::Key_F2:
            if (!Value(row).isEmpty() && editFlag_)
                editFlag_ = false;
            else if (!editFlag_)
                editFlag_ = true;
            return true;
        case Qt::Key_Up:
            if (row > 1) {
                MoveToRow(row - 1);
                editFlag_ = true;
            }
            return true;
        case Qt::Key_Down:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (row < rowCount()) {
                MoveToRow(row + 1);
                editFlag_ = true;
            }
            return true;
        case Qt::Key_Home:
            MoveToRow(1);
            return false;  // the editor also puts its caret at the start
        case Qt::Key_End:
            MoveToRow(rowCount());
            return false;
        default:
            return false;
    }
}

bool InputGrid::eventFilter(QObject* watched, QEvent* event) {
    if (watched != editor_) return QTableWidget::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::ShortcutOverride:
            // Left unaccepted, the undo keys reach the form's shortcuts instead of the editor.
            return IsUndoOrRedo(*static_cast<QKeyEvent*>(event));
        case QEvent::KeyPress:
            PlaceEditor();
            return ApplyKey(static_cast<QKeyEvent*>(event)->key());
        case QEvent::FocusIn:
            if (!Value(CurrentInputRow()).isEmpty())
                editor_->setText(Value(CurrentInputRow()));
            else
                OnEditorTextChanged(editor_->text());
            editor_->selectAll();
            return false;
        case QEvent::FocusOut: {
            // Switching to another program or opening the editor's menu is not leaving the cell.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                editor_->hide();
            return false;
        }
        default:
            return false;
    }
}

void InputGrid::focusInEvent(QFocusEvent* event) {
    QTableWidget::focusInEvent(event);
    if (keepEditorHidden_) return;
    // Shift+Tab out of the editor lands on the grid; pass it on instead of trapping the user.
    if (event->reason() == Qt::BacktabFocusReason) {
        focusPreviousChild();
        return;
    }
    ShowEditor();
}

void InputGrid::mousePressEvent(QMouseEvent* event) {
    QTableWidget::mousePressEvent(event);
    ShowEditor();
}

void InputGrid::scrollContentsBy(int dx, int dy) {
    QTableWidget::scrollContentsBy(dx, dy);
    if (movingByKey_)
        PlaceEditor();
    else
        HideEditor();
}

void InputGrid::keyPressEvent(QKeyEvent* event) {
    // The grid holds the focus only while the editor is scrolled out of sight or just hidden:
    // a key then belongs to the current cell, which comes back into view to take it.
    const bool editKey = !event->text().isEmpty() || event->key() == Qt::Key_Backspace ||
                         event->key() == Qt::Key_Delete || event->key() == Qt::Key_F2;
    const bool moveKey = event->key() == Qt::Key_Up || event->key() == Qt::Key_Down ||
                         event->key() == Qt::Key_Home || event->key() == Qt::Key_End;
    const bool leaveToGrid = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab ||
                             event->key() == Qt::Key_Escape ||
                             event->modifiers().testFlag(Qt::ControlModifier) ||
                             event->modifiers().testFlag(Qt::AltModifier);
    if (CurrentInputRow() == 0 || !(editKey || moveKey) || leaveToGrid) {
        QTableWidget::keyPressEvent(event);
        return;
    }
    movingByKey_ = true;
    scrollTo(currentIndex());
    movingByKey_ = false;
    ShowEditor();
    QKeyEvent copy(event->type(), event->key(), event->modifiers(), event->text(),
                   event->isAutoRepeat(), static_cast<ushort>(event->count()));
    QCoreApplication::sendEvent(editor_, &copy);
    event->accept();
}

void InputGrid::resizeEvent(QResizeEvent* event) {
    QTableWidget::resizeEvent(event);
    if (editor_->isVisible()) PlaceEditor();
}

}  // namespace jw::ui
