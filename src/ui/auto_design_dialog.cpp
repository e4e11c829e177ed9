#include "ui/auto_design_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "data/numbers.h"
#include "ui/ui_helpers.h"

namespace jw::ui {
namespace {

class WaitCursor {
  public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

QString Cell(std::string_view text) {
    return FromCoreText(text);
}

}  // namespace

AutoDesignDialog::AutoDesignDialog(const AutoDesignRequest& request, QWidget* parent)
    : QDialog(parent),
      request_(request),
      slipCritical_(new QCheckBox(QStringLiteral("&Slip-critical bolts (A325-S, A490-S)"), this)),
      oneSided_(new QCheckBox(QStringLiteral("Weld the plate on &one side only"), this)),
      list_(new QTableWidget(this)),
      message_(new QLabel(this)),
      use_(new QPushButton(QStringLiteral("&Use"), this)) {
    setWindowTitle(QStringLiteral("Automatic Design"));
    setObjectName(QStringLiteral("AutoDesignDialog"));
    slipCritical_->setChecked(request.slipCritical);
    slipCritical_->setEnabled(request.type != ConnectionType::BMEP && !request.boltGrade);
    oneSided_->setChecked(request.weldSides == 1);
    oneSided_->setEnabled(request.type == ConnectionType::WSP);
    list_->setColumnCount(5);
    list_->setHorizontalHeaderLabels({QStringLiteral("Bolts"), QStringLiteral("Plates"),
                                      QStringLiteral("Cost"), QStringLiteral("Ratio"),
                                      QStringLiteral("Governing check")});
    list_->verticalHeader()->setVisible(false);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->horizontalHeader()->setStretchLastSection(true);
    list_->setWordWrap(false);
    message_->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(use_, QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialogButtonBox::Cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        QStringLiteral("The cheapest connections that pass every check, cheapest first (cost in "
                       "units of a kilogram of plate steel):"),
        this));
    layout->addWidget(list_);
    layout->addWidget(message_);
    layout->addWidget(slipCritical_);
    layout->addWidget(oneSided_);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QTableWidget::cellDoubleClicked, this, [this](int row) {
        Choose(row);
        accept();
    });
    connect(slipCritical_, &QCheckBox::toggled, this, &AutoDesignDialog::Search);
    connect(oneSided_, &QCheckBox::toggled, this, &AutoDesignDialog::Search);
    resize(TwipsToPixels(10500, this), TwipsToPixels(4800, this));
    Search();
}

int AutoDesignDialog::ChosenRow() const {
    const int row = list_->currentRow();
    return row >= 0 && row < static_cast<int>(result_.alternatives.size()) ? row : -1;
}

void AutoDesignDialog::Choose(int row) {
    list_->setCurrentCell(row, 0);
}

void AutoDesignDialog::Search() {
    request_.slipCritical = slipCritical_->isChecked();
    request_.weldSides = oneSided_->isChecked() ? 1 : 2;
    {
        const WaitCursor wait;
        result_ = AutoDesign(request_);
    }
    FillList();
}

void AutoDesignDialog::FillList() {
    const auto& found = result_.alternatives;
    list_->setRowCount(static_cast<int>(found.size()));
    for (int row = 0; row < static_cast<int>(found.size()); ++row) {
        const AutoDesignChoice& c = found[row];
        SetCellText(*list_, row, 0, Cell(c.design.summary.At(2, 1)));
        SetCellText(*list_, row, 1, Cell(c.design.summary.At(1, 1)));
        SetCellText(*list_, row, 2, Cell(FormatFixed(c.ranking.cost, 1)));
        SetCellText(*list_, row, 3, Cell(FormatFixed(c.governingRatio, 2)));
        SetCellText(*list_, row, 4, Cell(c.design.governingMode));
    }
    list_->resizeColumnsToContents();
    // Wide enough for every column and the dialog's margins.
    int needed = 2 * list_->frameWidth() + list_->verticalScrollBar()->sizeHint().width() +
                 layout()->contentsMargins().left() + layout()->contentsMargins().right();
    for (int column = 0; column < list_->columnCount(); ++column)
        needed += list_->columnWidth(column);
    if (needed > width()) resize(needed, height());
    if (!found.empty()) Choose(0);
    use_->setEnabled(!found.empty());
    message_->setText(found.empty() ? Cell(result_.message) : QString());
    message_->setVisible(found.empty());
}

}  // namespace jw::ui
