#include "ui/connection_panels.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "ui/drawing_view.h"
#include "ui/sample_input.h"
#include "ui/ui_helpers.h"

namespace jw::ui {
namespace {

constexpr std::array<ConnectionType, kTypeCount> kTypes = {
    ConnectionType::WSP, ConnectionType::ACLT, ConnectionType::BMEP, ConnectionType::BSPL};

int TypeSlot(ConnectionType type) {
    return static_cast<int>(type) - 1;
}

QString ControlName(const char* kind, int number) {
    return QString::fromLatin1(kind) + QString::number(number);
}

QPushButton* MakeCommand(const char* name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

// The input rows of a type beside its sample drawing: each label with the sample value the
// drawing's dimensions repeat.
QLabel* SymbolLegend(ConnectionType type, QWidget* parent) {
    const ConnectionInput sample = SampleConnection(type);
    QString text;
    for (int row = 1; row < sample.grid.rows; ++row) {
        text += FromCoreText(sample.grid.At(row, kLabelColumn)) + QStringLiteral(" = ") +
                FromCoreText(sample.grid.At(row, kValueColumn)) + QLatin1Char(' ') +
                FromCoreText(sample.grid.At(row, kUnitColumn)) + QLatin1Char('\n');
    }
    auto* legend = new QLabel(text.trimmed(), parent);
    legend->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return legend;
}

}  // namespace

TypePanel::TypePanel(QWidget* parent) : QGroupBox(QStringLiteral("Connection Type"), parent) {
    setObjectName(QStringLiteral("Frame1"));
    auto* group = new QButtonGroup(this);
    pictureArea_ = new QStackedWidget(this);
    pictureArea_->addWidget(new QWidget(pictureArea_));  // no type: no picture
    for (ConnectionType type : kTypes) {
        const int slot = TypeSlot(type);
        options_[slot] = new QRadioButton(FromCoreText(TypeCaption(type)), this);
        options_[slot]->setObjectName(ControlName("Option", slot + 1));
        group->addButton(options_[slot]);
        pictures_[slot] = new DrawingView(pictureArea_);
        pictures_[slot]->setObjectName(ControlName("Image", slot + 1));
        pictures_[slot]->SetLabelPointSize(7);
        pictures_[slot]->SetConnection(SampleConnection(type));
        pictureArea_->addWidget(pictures_[slot]);
        connect(options_[slot], &QRadioButton::toggled, this, [this, type](bool checked) {
            if (checked) emit TypeChosen(type);
        });
    }

    auto* options = new QGridLayout;
    options->addWidget(new QLabel(QStringLiteral("Shear Connections"), this), 0, 0);
    options->addWidget(new QLabel(QStringLiteral("Moment Connections"), this), 0, 1);
    options->addWidget(options_[0], 1, 0);
    options->addWidget(options_[1], 2, 0);
    options->addWidget(options_[2], 1, 1);
    options->addWidget(options_[3], 2, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(options);
    layout->addWidget(pictureArea_, 1);
}

ConnectionType TypePanel::SelectedType() const {
    for (ConnectionType type : kTypes)
        if (options_[TypeSlot(type)]->isChecked()) return type;
    return ConnectionType::None;
}

void TypePanel::SelectType(ConnectionType type) {
    if (type == ConnectionType::None) return;
    QRadioButton* option = options_[TypeSlot(type)];
    if (option->isChecked())
        emit TypeChosen(type);
    else
        option->setChecked(true);
}

void TypePanel::ShowPicture(ConnectionType type) {
    pictureArea_->setCurrentIndex(static_cast<int>(type));
}

const DrawingView* TypePanel::Picture(ConnectionType type) const {
    return type == ConnectionType::None ? nullptr : pictures_[TypeSlot(type)];
}

PreviewPanel::PreviewPanel(QWidget* parent) : QGroupBox(QStringLiteral("Preview"), parent) {
    setObjectName(QStringLiteral("Frame3"));
    picture_ = new DrawingView(this);
    picture_->setObjectName(QStringLiteral("Picture1"));
    QPushButton* update = MakeCommand("Command8", QStringLiteral("&Update"), this);
    QPushButton* back = MakeCommand("Command10", QStringLiteral("&Back"), this);

    auto* commands = new QHBoxLayout;
    commands->addStretch();
    commands->addWidget(update);
    commands->addWidget(back);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picture_, 1);
    layout->addLayout(commands);

    connect(update, &QPushButton::clicked, this, &PreviewPanel::UpdateRequested);
    connect(back, &QPushButton::clicked, this, &PreviewPanel::BackRequested);
}

SymbolPanel::SymbolPanel(QWidget* parent) : QGroupBox(QStringLiteral("Symbol"), parent) {
    setObjectName(QStringLiteral("Frame4"));
    symbolArea_ = new QStackedWidget(this);
    symbolArea_->addWidget(new QWidget(symbolArea_));  // no type: no symbols
    for (ConnectionType type : kTypes) {
        const int slot = TypeSlot(type);
        auto* symbols = new QWidget(symbolArea_);
        symbols->setObjectName(ControlName("Image", slot + 5));
        auto* drawing = new DrawingView(symbols);
        drawing->SetConnection(SampleConnection(type));
        auto* layout = new QVBoxLayout(symbols);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(drawing, 1);
        layout->addWidget(SymbolLegend(type, symbols));
        symbols_[slot] = symbols;
        symbolArea_->addWidget(symbols);
    }
    QPushButton* back = MakeCommand("Command11", QStringLiteral("&Back to Mainmenu"), this);

    auto* commands = new QHBoxLayout;
    commands->addStretch();
    commands->addWidget(back);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(symbolArea_, 1);
    layout->addLayout(commands);

    connect(back, &QPushButton::clicked, this, &SymbolPanel::BackRequested);
}

void SymbolPanel::ShowSymbols(ConnectionType type) {
    symbolArea_->setCurrentIndex(static_cast<int>(type));
}

const QWidget* SymbolPanel::Symbols(ConnectionType type) const {
    return type == ConnectionType::None ? nullptr : symbols_[TypeSlot(type)];
}

}  // namespace jw::ui
