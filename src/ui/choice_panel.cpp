#include "ui/choice_panel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "data/grades.h"
#include "data/sections.h"
#include "data/text_helpers.h"
#include "ui/ui_helpers.h"

namespace jw::ui {
namespace {

constexpr int kBoltDisplayRows = 3;
constexpr int kBoltLabelTwips = 1400;
constexpr int kBoltValueTwips = 1000;
constexpr int kBoltRowTwips = 292;
constexpr int kPropertyCount = 14;
constexpr int kPropertyTwips = 900;
constexpr int kPropertyRowTwips = 300;

// Option captions in option number order (1 to 4), with their control names.
struct GradeOption {
    const char* name;
    const char* caption;
};
constexpr GradeOption kGradeOptions[] = {
    {"Option5", "SS400 / SM400"}, {"Option6", "SS490"}, {"Option7", "SM520"}, {"Option8", "SM490"}};

QComboBox* MakeList(const char* name, QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    return list;
}

// A display grid sized to show all its cells; a grid wider than the form may scroll sideways.
void FitDisplayGrid(QTableWidget& grid, bool mayScroll) {
    int width = 2 * grid.frameWidth();
    for (int c = 0; c < grid.columnCount(); ++c) width += grid.columnWidth(c);
    int height = 2 * grid.frameWidth();
    for (int r = 0; r < grid.rowCount(); ++r) height += grid.rowHeight(r);
    grid.setMaximumWidth(width);
    if (!mayScroll) grid.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid.setFixedHeight(height + (mayScroll ? grid.horizontalScrollBar()->sizeHint().height() : 0));
}

}  // namespace

BoltGradePanel::BoltGradePanel(QWidget* parent) : QWidget(parent) {
    boltGrades_ = MakeList("Combo1", this);
    for (std::string_view name : kBoltGradeNames) boltGrades_->addItem(FromCoreText(name));
    boltDiameters_ = MakeList("Combo2", this);
    for (std::string_view name : kBoltDiameterNames) boltDiameters_->addItem(FromCoreText(name));

    boltDisplay_ = new QTableWidget(this);
    boltDisplay_->setObjectName(QStringLiteral("MSFlexGrid3"));
    MakeDisplayGrid(*boltDisplay_, kBoltDisplayRows, 2);
    boltDisplay_->setColumnWidth(0, TwipsToPixels(kBoltLabelTwips, this));
    boltDisplay_->setColumnWidth(1, TwipsToPixels(kBoltValueTwips, this));
    for (int r = 0; r < kBoltDisplayRows; ++r)
        boltDisplay_->setRowHeight(r, TwipsToPixels(kBoltRowTwips, this));
    FitDisplayGrid(*boltDisplay_, false);

    grades_ = new QButtonGroup(this);
    auto* gradeLabel = new QLabel(QStringLiteral("Steel Grade of Member"), this);
    auto* gradeRow = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        auto* option = new QRadioButton(QString::fromLatin1(kGradeOptions[i].caption), this);
        option->setObjectName(QString::fromLatin1(kGradeOptions[i].name));
        grades_->addButton(option, i + 1);
        gradeRow->addWidget(option, i / 2, i % 2);
    }
    advisor_ = new QCheckBox(QStringLiteral("Connection Advisor"), this);
    advisor_->setObjectName(QStringLiteral("ChkAdvisor"));

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("Bolt Type"), this), 0, 0);
    layout->addWidget(boltGrades_, 0, 1);
    layout->addWidget(new QLabel(QStringLiteral("Bolt Diameter"), this), 1, 0);
    layout->addWidget(boltDiameters_, 1, 1);
    layout->addWidget(boltDisplay_, 0, 2, 3, 1, Qt::AlignTop);
    layout->addWidget(gradeLabel, 3, 0, 1, 3);
    layout->addLayout(gradeRow, 4, 0, 1, 3);
    layout->addWidget(advisor_, 5, 0, 1, 3);
    layout->setColumnStretch(1, 1);

    connect(boltGrades_, &QComboBox::currentIndexChanged, this, &BoltGradePanel::ShowBoltGrade);
    connect(boltDiameters_, &QComboBox::currentIndexChanged, this,
            &BoltGradePanel::ShowBoltDiameter);
    connect(boltGrades_, &QComboBox::currentIndexChanged, this, &BoltGradePanel::Changed);
    connect(boltDiameters_, &QComboBox::currentIndexChanged, this, &BoltGradePanel::Changed);
    connect(grades_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked) emit Changed();
    });
    connect(advisor_, &QCheckBox::toggled, this, &BoltGradePanel::Changed);

    SetBoltGrade(0);
    SetBoltDiameter(0);
    SetMemberGrade(kGradeSS400);
}

int BoltGradePanel::BoltGrade() const {
    return boltGrades_->currentIndex();
}

void BoltGradePanel::SetBoltGrade(int position) {
    boltGrades_->setCurrentIndex(position);
    ShowBoltGrade(boltGrades_->currentIndex());
}

int BoltGradePanel::BoltDiameter() const {
    return boltDiameters_->currentIndex();
}

void BoltGradePanel::SetBoltDiameter(int position) {
    boltDiameters_->setCurrentIndex(position);
    ShowBoltDiameter(boltDiameters_->currentIndex());
}

int BoltGradePanel::MemberGrade() const {
    const int option = grades_->checkedId();
    return option > 0 ? option : kNoGrade;
}

void BoltGradePanel::SetMemberGrade(int option) {
    if (QAbstractButton* button = grades_->button(option)) {
        button->setChecked(true);
        return;
    }
    grades_->setExclusive(false);
    for (QAbstractButton* button : grades_->buttons()) button->setChecked(false);
    grades_->setExclusive(true);
}

bool BoltGradePanel::Advisor() const {
    return advisor_->isChecked();
}

void BoltGradePanel::SetAdvisor(bool on) {
    advisor_->setChecked(on);
}

void BoltGradePanel::ShowBoltGrade(int position) {
    SetCellText(*boltDisplay_, 0, 0, QStringLiteral("Ft (ksc)"));
    SetCellText(*boltDisplay_, 1, 0, QStringLiteral("Fv (ksc)"));
    if (position < 0 || position >= kBoltGradeCount) return;
    const jw::BoltDisplay shown = ShownBoltAllowables(kBoltGradeNames[position]);
    SetCellText(*boltDisplay_, 0, 1, FromCoreText(shown.ftKsc));
    SetCellText(*boltDisplay_, 1, 1, FromCoreText(shown.fvKsc));
}

void BoltGradePanel::ShowBoltDiameter(int position) {
    SetCellText(*boltDisplay_, 2, 0, QStringLiteral("Area(cm^2)"));
    if (position < 0 || position >= kBoltDiameterCount) return;
    SetCellText(*boltDisplay_, 2, 1, FromCoreText(ShownBoltArea(kBoltDiameterNames[position])));
}

SectionPanel::SectionPanel(QWidget* parent) : QWidget(parent) {
    beams_ = MakeList("Combo3", this);
    for (std::string_view row : kSectionRows) beams_->addItem(FromCoreText(SectionName(row)));
    beams_->setCurrentIndex(-1);
    angles_ = MakeList("Combo4", this);
    for (std::string_view row : kAngleRows) angles_->addItem(FromCoreText(SectionName(row)));
    angles_->setCurrentIndex(-1);
    angleLabel_ = new QLabel(QStringLiteral("Angle Section"), this);

    properties_ = new QTableWidget(this);
    properties_->setObjectName(QStringLiteral("MSFlexGrid2"));
    MakeDisplayGrid(*properties_, 2, kPropertyCount);
    for (int c = 0; c < kPropertyCount; ++c)
        properties_->setColumnWidth(c, TwipsToPixels(kPropertyTwips, this));
    for (int r = 0; r < 2; ++r)
        properties_->setRowHeight(r, TwipsToPixels(kPropertyRowTwips, this));
    FitDisplayGrid(*properties_, true);

    auto* heading = new QHBoxLayout;
    heading->addWidget(new QLabel(QStringLiteral("Properties of Member Section"), this));
    heading->addWidget(new QLabel(QStringLiteral("(TIS-1227-1996)"), this));
    heading->addStretch();

    auto* lists = new QHBoxLayout;
    lists->addWidget(new QLabel(QStringLiteral("Member Section"), this));
    lists->addWidget(beams_, 1);
    lists->addSpacing(16);
    lists->addWidget(angleLabel_);
    lists->addWidget(angles_, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(lists);
    layout->addLayout(heading);
    layout->addWidget(properties_);

    connect(beams_, &QComboBox::activated, this, &SectionPanel::OnBeamChosen);
    connect(angles_, &QComboBox::currentIndexChanged, this, &SectionPanel::AngleChanged);
}

int SectionPanel::BeamPosition() const {
    return beams_->currentIndex();
}

void SectionPanel::SetBeam(int position) {
    beams_->setCurrentIndex(position);
    OnBeamChosen(beams_->currentIndex());
}

int SectionPanel::AnglePosition() const {
    return angles_->currentIndex();
}

void SectionPanel::SetAngle(int position) {
    angles_->setCurrentIndex(position);
}

void SectionPanel::SetAngleVisible(bool visible) {
    angleLabel_->setVisible(visible);
    angles_->setVisible(visible);
}

bool SectionPanel::AngleVisible() const {
    return !angles_->isHidden();
}

void SectionPanel::OnBeamChosen(int position) {
    const std::string_view row = BeamRowAt(position);
    const std::string_view heading = HeadingForFamily(WordAt(row, 2));
    // The 14 properties that follow the section's name and family letter, under their headings.
    for (int i = 0; i < kPropertyCount; ++i) {
        SetCellText(*properties_, 0, i, FromCoreText(WordAt(heading, i + 1)));
        SetCellText(*properties_, 1, i, FromCoreText(WordAt(row, i + 3)));
        for (int r = 0; r < 2; ++r) properties_->item(r, i)->setTextAlignment(Qt::AlignCenter);
    }
    // The headings need more room than the values; no heading is cut short.
    for (int i = 0; i < kPropertyCount; ++i) {
        properties_->resizeColumnToContents(i);
        properties_->setColumnWidth(
            i, std::max(TwipsToPixels(kPropertyTwips, this), properties_->columnWidth(i)));
    }
    FitDisplayGrid(*properties_, true);
    emit BeamChosen(position);
}

}  // namespace jw::ui
