#include "ui/input_form.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStyle>
#include <QVBoxLayout>

#include "ui/about_form.h"
#include "ui/auto_design_command.h"
#include "ui/choice_panel.h"
#include "ui/connection_panels.h"
#include "ui/drawing_view.h"
#include "ui/file_dialogs.h"
#include "ui/input_grid.h"
#include "ui/message_sink.h"
#include "ui/project_commands.h"
#include "ui/project_form.h"
#include "ui/sample_input.h"
#include "ui/ui_helpers.h"

namespace jw::ui {
namespace {

QPushButton* MakeCommand(const char* name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

}  // namespace

InputForm::InputForm(MessageSink& messages, QWidget* parent)
    : QWidget(parent),
      messages_(messages),
      modalDialogs_(std::make_unique<ModalFileDialogs>()),
      dialogs_(modalDialogs_.get()),
      manualPath_(ManualPath()),
      openDocument_([](const QUrl& url) { return QDesktopServices::openUrl(url); }) {
    setObjectName(QStringLiteral("frmInput"));
    setWindowTitle(QStringLiteral("JointWright"));

    types_ = new TypePanel(this);
    preview_ = new PreviewPanel(this);
    symbols_ = new SymbolPanel(this);
    panels_ = new QStackedWidget(this);
    panels_->addWidget(types_);
    panels_->addWidget(preview_);
    panels_->addWidget(symbols_);
    panels_->setMinimumWidth(420);

    bolts_ = new BoltGradePanel(this);
    sections_ = new SectionPanel(this);

    // Commands take the focus here so that the grid's editor lets go of its cell.
    focusHolder_ = new QWidget(this);
    focusHolder_->setObjectName(QStringLiteral("DummyTextforSetFocus"));
    focusHolder_->setFocusPolicy(Qt::ClickFocus);
    focusHolder_->setFixedSize(0, 0);

    auto* right = new QVBoxLayout;
    right->addWidget(BuildInputFrame(), 1);
    right->addWidget(bolts_);

    auto* top = new QHBoxLayout;
    top->addWidget(panels_, 3);
    top->addLayout(right, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(sections_);
    layout->addLayout(BuildCommands());
    layout->addWidget(focusHolder_);

    connect(types_, &TypePanel::TypeChosen, this, &InputForm::OnTypeChosen);
    connect(sections_, &SectionPanel::BeamChosen, this, &InputForm::OnBeamChosen);
    connect(preview_, &PreviewPanel::UpdateRequested, this, &InputForm::Preview);
    connect(preview_, &PreviewPanel::BackRequested, this, &InputForm::ShowTypePanel);
    connect(symbols_, &SymbolPanel::BackRequested, this, [this] {
        CommitEditor();
        ShowTypePanel();
    });

    // The project form and the about box are windows of their own that this form owns.
    projectForm_ = new ProjectForm(this);
    about_ = new AboutForm(this);
    connect(projectForm_, &ProjectForm::Finished, this, &QWidget::show);
    connect(about_, &AboutForm::Closed, this, &QWidget::show);

    grid_->HideEditor();
    types_->SelectType(ConnectionType::WSP);
    resize(1180, 860);
}

InputForm::~InputForm() = default;

QWidget* InputForm::BuildInputFrame() {
    auto* frame = new QGroupBox(QStringLiteral("Input"), this);
    frame->setObjectName(QStringLiteral("Frame2"));
    grid_ = new InputGrid(frame);
    QPushButton* sample = MakeCommand("Command9", QStringLiteral("Ex"), frame);
    sample->setToolTip(QStringLiteral("Fill in a sample connection of the selected type"));
    QPushButton* reset = MakeCommand("Command13", QStringLiteral("&Reset"), frame);

    auto* commands = new QHBoxLayout;
    commands->addWidget(sample);
    commands->addStretch();
    commands->addWidget(reset);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(grid_, 1);
    layout->addLayout(commands);

    connect(sample, &QPushButton::clicked, this, &InputForm::FillSample);
    connect(reset, &QPushButton::clicked, this, &InputForm::ResetValues);
    return frame;
}

QLayout* InputForm::BuildCommands() {
    QPushButton* calculate = MakeCommand("Command15", QStringLiteral("Calculate"), this);
    calculate->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    calculate->setToolTip(QStringLiteral("Design the connection"));
    QPushButton* autoDesign =
        MakeCommand("CommandAutoDesign", QStringLiteral("Auto &Design"), this);
    autoDesign->setToolTip(
        QStringLiteral("Fill in the lightest connection that passes for the loads in the grid"));
    QPushButton* preview = MakeCommand("Command4", QStringLiteral("Preview"), this);
    QPushButton* symbol = MakeCommand("Command12", QStringLiteral("Show Symbol"), this);
    QPushButton* exit = MakeCommand("Command7", QStringLiteral("Exit"), this);
    QPushButton* project = MakeCommand("Command1", QStringLiteral("Project"), this);
    QPushButton* open = MakeCommand("Command2", QStringLiteral("Open"), this);
    QPushButton* save = MakeCommand("Command3", QStringLiteral("Save"), this);
    QPushButton* help = MakeCommand("Command14", QStringLiteral("help"), this);
    QPushButton* about = MakeCommand("Command6", QStringLiteral("About"), this);

    auto* commands = new QHBoxLayout;
    commands->addWidget(project);
    commands->addWidget(open);
    commands->addWidget(save);
    commands->addStretch();
    commands->addWidget(symbol);
    commands->addWidget(preview);
    commands->addWidget(autoDesign);
    commands->addWidget(calculate);
    commands->addStretch();
    commands->addWidget(help);
    commands->addWidget(about);
    commands->addWidget(exit);

    connect(project, &QPushButton::clicked, this, &InputForm::ShowProjectForm);
    connect(open, &QPushButton::clicked, this, &InputForm::OpenProject);
    connect(save, &QPushButton::clicked, this, &InputForm::SaveProject);
    connect(help, &QPushButton::clicked, this, &InputForm::OpenHelp);
    connect(about, &QPushButton::clicked, this, &InputForm::ShowAbout);
    connect(autoDesign, &QPushButton::clicked, this, &InputForm::AutoDesign);
    connect(calculate, &QPushButton::clicked, this, &InputForm::CalculateRequested);
    connect(preview, &QPushButton::clicked, this, &InputForm::Preview);
    connect(symbol, &QPushButton::clicked, this, &InputForm::ShowSymbols);
    connect(exit, &QPushButton::clicked, this, &InputForm::ExitRequested);
    return commands;
}

ConnectionType InputForm::SelectedType() const {
    return types_->SelectedType();
}

void InputForm::SelectType(ConnectionType type) {
    types_->SelectType(type);
}

ConnectionInput InputForm::CurrentInput() const {
    ConnectionInput input;
    input.type = SelectedType();
    input.grid = grid_->Grid();
    input.choices.boltGrade = bolts_->BoltGrade();
    input.choices.boltDiameter = bolts_->BoltDiameter();
    input.choices.beamSection = sections_->BeamPosition();
    input.choices.angleSection = sections_->AnglePosition();
    input.choices.memberGrade = bolts_->MemberGrade();
    input.choices.advisor = bolts_->Advisor();
    return input;
}

void InputForm::OnTypeChosen(ConnectionType type) {
    types_->ShowPicture(type);
    symbols_->ShowSymbols(type);
    sections_->SetAngleVisible(type == ConnectionType::ACLT);
    grid_->SetLayout(type);
}

void InputForm::OnBeamChosen(int position) {
    if (!bolts_->Advisor()) return;
    if (const auto proposal = StandardProposal(SelectedType(), position)) ApplyProposal(*proposal);
}

void InputForm::ApplyProposal(const AdvisorProposal& proposal) {
    ConnectionInput input = CurrentInput();
    ApplyAdvisorProposal(proposal, input.grid, input.choices);
    for (int row = 1; row < input.grid.rows; ++row)
        grid_->SetValue(row, FromCoreText(input.grid.At(row, kValueColumn)));
    // Each list takes its new position as a click would, so the bolt display follows.
    if (input.choices.angleSection >= 0) sections_->SetAngle(input.choices.angleSection);
    bolts_->SetBoltGrade(input.choices.boltGrade);
    bolts_->SetBoltDiameter(input.choices.boltDiameter);
}

void InputForm::FillSample() {
    const SampleValues sample = SampleFor(SelectedType());
    for (std::size_t i = 0; i < sample.values.size(); ++i)
        grid_->SetValue(static_cast<int>(i) + 1, FromCoreText(sample.values[i]));
    if (sample.anglePosition >= 0) sections_->SetAngle(sample.anglePosition);
    // With the advisor on the beam refills the grid; the sample's bolt choices still win.
    sections_->SetBeam(kSampleBeamPosition);
    bolts_->SetBoltGrade(kSampleBoltGrade);
    bolts_->SetBoltDiameter(kSampleBoltDiameter);
}

void InputForm::ResetValues() {
    grid_->ClearValues();
}

void InputForm::Preview() {
    const ConnectionInput input = CurrentInput();
    if (const auto gate = GateFailure(input.grid, /*preview=*/true)) {
        ShowTypePanel();
        messages_.Show(FromCoreText(gate->text), FromCoreText(gate->title));
        return;
    }
    CommitEditor();
    ShowPreviewOf(input, /*reportProblem=*/true);
}

bool InputForm::RedrawPreview() {
    return ShowPreviewOf(CurrentInput(), /*reportProblem=*/false);
}

bool InputForm::ShowPreviewOf(const ConnectionInput& input, bool reportProblem) {
    if (const auto problem = DrawingView::DrawingProblem(input)) {
        ShowTypePanel();
        if (reportProblem) messages_.Show(FromCoreText(*problem), FromCoreText(kErrorTitle));
        return false;
    }
    preview_->Picture().SetConnection(input);
    panels_->setCurrentWidget(preview_);
    return true;
}

void InputForm::ShowSymbols() {
    symbols_->ShowSymbols(SelectedType());
    panels_->setCurrentWidget(symbols_);
}

void InputForm::ShowTypePanel() {
    panels_->setCurrentWidget(types_);
}

void InputForm::CommitEditor() {
    focusHolder_->setFocus(Qt::OtherFocusReason);
    grid_->HideEditor();
}

void InputForm::ShowProjectForm() {
    CommitEditor();
    hide();
    projectForm_->show();
    projectForm_->raise();
    projectForm_->activateWindow();
}

void InputForm::ShowAbout() {
    CommitEditor();
    hide();
    about_->show();
    about_->raise();
    about_->activateWindow();
}

void InputForm::SaveProject() {
    ui::SaveProject(*this, *projectForm_, *dialogs_, messages_);
}

void InputForm::OpenProject() {
    ui::OpenProject(*this, *projectForm_, *dialogs_, messages_);
}

void InputForm::OpenHelp() {
    CommitEditor();
    OpenManual(manualPath_, openDocument_, messages_);
}

void InputForm::AutoDesign() {
    RunAutoDesign(*this, messages_);
}

void InputForm::SetManual(const QString& path, DocumentOpener open) {
    manualPath_ = path;
    openDocument_ = std::move(open);
}

QWidget* InputForm::VisiblePanel() const {
    return panels_->currentWidget();
}

void InputForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (centred_) return;
    centred_ = true;
    CentreOnScreen(*this);
    if (auto* first = findChild<QRadioButton*>(QStringLiteral("Option1"))) first->setFocus();
}

void InputForm::closeEvent(QCloseEvent* event) {
    // Closing the main form ends the program, whatever other window is open.
    event->accept();
    emit ExitRequested();
}

}  // namespace jw::ui
