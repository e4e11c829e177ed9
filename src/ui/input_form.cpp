#include "ui/input_form.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "data/sections.h"
#include "ui/about_form.h"
#include "ui/auto_design_command.h"
#include "ui/choice_panel.h"
#include "ui/connection_panels.h"
#include "ui/drawing_view.h"
#include "ui/file_dialogs.h"
#include "ui/gate_report.h"
#include "ui/input_grid.h"
#include "ui/input_history.h"
#include "ui/live_check_panel.h"
#include "ui/message_sink.h"
#include "ui/project_commands.h"
#include "ui/project_form.h"
#include "ui/sample_input.h"
#include "ui/ui_helpers.h"
#include "ui/window_geometry.h"

namespace jw::ui {
namespace {

// The form's preferred size; smaller screens get less, down to the layout's minimum, and the
// content scrolls rather than clip.
constexpr QSize kPreferredSize(1180, 860);

QPushButton* MakeCommand(const char* name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

// The narrow arrow beside a command that opens its menu of related commands.
QToolButton* MakeMenuArrow(const char* name, QMenu* menu, const QString& tip, QWidget* parent) {
    auto* arrow = new QToolButton(parent);
    arrow->setObjectName(QString::fromLatin1(name));
    arrow->setArrowType(Qt::DownArrow);
    arrow->setStyleSheet(QStringLiteral("QToolButton::menu-indicator { image: none; }"));
    arrow->setMenu(menu);
    arrow->setPopupMode(QToolButton::InstantPopup);
    arrow->setToolTip(tip);
    arrow->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    return arrow;
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
    setWindowTitle(kProgramName);

    // Commands take the focus here so that the grid's editor lets go of its cell.
    focusHolder_ = new QWidget(this);
    focusHolder_->setObjectName(QStringLiteral("DummyTextforSetFocus"));
    focusHolder_->setFocusPolicy(Qt::ClickFocus);
    focusHolder_->setFixedSize(0, 0);

    status_ = new QStatusBar(this);
    status_->setObjectName(QStringLiteral("StatusLine"));
    status_->setSizeGripEnabled(false);

    // On a small screen the content scrolls; the commands and the status line always show.
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("ContentScroll"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(BuildContent());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 0);
    layout->addWidget(scroll, 1);
    layout->addLayout(BuildCommands());
    layout->addWidget(status_);
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
    BuildHistory();
    BuildShortcuts();
    resize(kPreferredSize);
}

QWidget* InputForm::BuildContent() {
    auto* content = new QWidget(this);
    types_ = new TypePanel(content);
    preview_ = new PreviewPanel(content);
    symbols_ = new SymbolPanel(content);
    panels_ = new QStackedWidget(content);
    panels_->addWidget(types_);
    panels_->addWidget(preview_);
    panels_->addWidget(symbols_);
    panels_->setMinimumWidth(300);
    liveCheck_ = new LiveCheckPanel([this] { return CurrentInput(); }, content);

    bolts_ = new BoltGradePanel(content);
    sections_ = new SectionPanel(content);

    auto* left = new QSplitter(Qt::Vertical, content);
    left->setObjectName(QStringLiteral("LeftSplitter"));
    left->addWidget(panels_);
    left->addWidget(liveCheck_);
    left->setStretchFactor(0, 5);
    left->setStretchFactor(1, 4);
    left->setChildrenCollapsible(false);

    auto* right = new QWidget(content);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(BuildInputFrame(), 1);
    rightLayout->addWidget(bolts_);

    auto* top = new QSplitter(Qt::Horizontal, content);
    top->setObjectName(QStringLiteral("TopSplitter"));
    top->addWidget(left);
    top->addWidget(right);
    top->setStretchFactor(0, 3);
    top->setStretchFactor(1, 2);
    top->setChildrenCollapsible(false);

    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(top, 1);
    layout->addWidget(sections_);
    return content;
}

InputForm::~InputForm() = default;

QWidget* InputForm::BuildInputFrame() {
    auto* frame = new QGroupBox(QStringLiteral("Input"), this);
    frame->setObjectName(QStringLiteral("Frame2"));
    grid_ = new InputGrid(frame);
    // Every row shows on a large screen; on a laptop the grid scrolls.
    grid_->setMinimumHeight(120);
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
    calculate->setToolTip(QStringLiteral("Design the connection (F5 or Ctrl+Enter)"));
    QPushButton* autoDesign =
        MakeCommand("CommandAutoDesign", QStringLiteral("Auto &Design"), this);
    autoDesign->setToolTip(QStringLiteral(
        "Choose among the cheapest connections that pass for the loads in the grid"));
    QPushButton* preview = MakeCommand("Command4", QStringLiteral("Preview"), this);
    QPushButton* symbol = MakeCommand("Command12", QStringLiteral("Show Symbol"), this);
    QPushButton* exit = MakeCommand("Command7", QStringLiteral("Exit"), this);
    QPushButton* project = MakeCommand("Command1", QStringLiteral("Project"), this);
    QPushButton* open = MakeCommand("Command2", QStringLiteral("Open"), this);
    open->setToolTip(QStringLiteral("Open a project file (Ctrl+O)"));
    recentMenu_ = new QMenu(this);
    recentMenu_->setObjectName(QStringLiteral("RecentFilesMenu"));
    QToolButton* recent =
        MakeMenuArrow("Command2Recent", recentMenu_, QStringLiteral("Recent project files"), this);
    QPushButton* save = MakeCommand("Command3", QStringLiteral("Save"), this);
    save->setToolTip(QStringLiteral("Save the project (Ctrl+S)"));
    auto* saveMenu = new QMenu(this);
    saveMenu->addAction(QStringLiteral("Save &As..."),
                        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), this,
                        &InputForm::SaveProjectAs);
    QToolButton* saveAs =
        MakeMenuArrow("Command3SaveAs", saveMenu, QStringLiteral("Save As (Ctrl+Shift+S)"), this);
    QPushButton* help = MakeCommand("Command14", QStringLiteral("help"), this);
    help->setToolTip(QStringLiteral("The user manual (F1)"));
    QPushButton* about = MakeCommand("Command6", QStringLiteral("About"), this);

    auto* commands = new QHBoxLayout;
    commands->addWidget(project);
    commands->addWidget(open);
    commands->addWidget(recent);
    commands->addSpacing(4);
    commands->addWidget(save);
    commands->addWidget(saveAs);
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
    connect(exit, &QPushButton::clicked, this, &InputForm::RequestExit);
    connect(recentMenu_, &QMenu::aboutToShow, this, &InputForm::FillRecentMenu);
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
    std::optional<InputHistory::Step> step;
    if (history_) step.emplace(*history_, QStringLiteral("Connection Type"));
    types_->ShowPicture(type);
    symbols_->ShowSymbols(type);
    sections_->SetAngleVisible(type == ConnectionType::ACLT);
    grid_->SetLayout(type);
}

void InputForm::OnBeamChosen(int position) {
    std::optional<InputHistory::Step> step;
    if (history_) step.emplace(*history_, QStringLiteral("Member Section"));
    if (!bolts_->Advisor()) return;
    const auto proposal = StandardProposal(SelectedType(), position);
    if (proposal) ApplyProposal(*proposal);
    ShowStatus(AdvisorStatus(proposal, position));
}

QString InputForm::AdvisorStatus(const std::optional<AdvisorProposal>& proposal,
                                 int position) const {
    static constexpr const char* kConnectionNames[] = {"connection", "shear plate", "angle cleat",
                                                       "end plate", "splice"};
    const QString kind = QString::fromLatin1(kConnectionNames[static_cast<int>(SelectedType())]);
    const QString beam = FromCoreText(SectionName(BeamRowAt(position)));
    if (!proposal)
        return QStringLiteral("The standard connections hold no %1 for %2: the input is unchanged")
            .arg(kind, beam);
    if (proposal->clearsGrid)
        return QStringLiteral("No standard %1 for %2: the grid was emptied - Ctrl+Z restores it")
            .arg(kind, beam);
    return QStringLiteral("Standard %1 for %2 filled in - Ctrl+Z restores the previous input")
        .arg(kind, beam);
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
    InputHistory::Step step(*history_, QStringLiteral("Ex"));
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
    {
        InputHistory::Step step(*history_, QStringLiteral("Reset"));
        grid_->ClearValues();
    }
    ShowStatus(QStringLiteral("Every value was emptied - Ctrl+Z restores them"));
}

void InputForm::Preview() {
    const ConnectionInput input = CurrentInput();
    if (const auto gate = DesktopGateFailure(input.grid, /*preview=*/true)) {
        ShowTypePanel();
        grid_->MarkProblemRows(gate->rows);
        messages_.Show(gate->text, gate->title);
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

bool InputForm::SaveProject() {
    return session_->Save(*dialogs_);
}

bool InputForm::SaveProjectAs() {
    return session_->SaveAs(*dialogs_);
}

bool InputForm::OpenProject() {
    return session_->Open(*dialogs_);
}

bool InputForm::OpenRecentProject(const QString& path) {
    return session_->Open(*dialogs_, path);
}

void InputForm::OpenHelp() {
    CommitEditor();
    OpenManual(manualPath_, openDocument_, messages_);
}

void InputForm::AutoDesign() {
    InputHistory::Step step(*history_, QStringLiteral("Auto Design"));
    if (RunAutoDesign(*this, messages_, chooseAutoDesign_))
        ShowStatus(
            QStringLiteral("The connection picked from the automatic design was filled in - "
                           "Ctrl+Z restores the previous input"));
}

std::optional<QString> InputForm::CheckGate(QString* title) {
    const auto gate = DesktopGateFailure(CurrentInput().grid);
    if (!gate) return std::nullopt;
    grid_->MarkProblemRows(gate->rows);
    if (title) *title = gate->title;
    return gate->text;
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
    PlaceWindow(*this);
    if (auto* first = findChild<QRadioButton*>(QStringLiteral("Option1"))) first->setFocus();
}

void InputForm::hideEvent(QHideEvent* event) {
    SaveWindowGeometry(*this);
    QWidget::hideEvent(event);
}

void InputForm::closeEvent(QCloseEvent* event) {
    // Closing the main form ends the program, whatever other window is open, once unsaved
    // input has been saved or given up.
    if (!exitConfirmed_ && !session_->ConfirmDiscard(*dialogs_)) {
        event->ignore();
        return;
    }
    exitConfirmed_ = true;
    SaveWindowGeometry(*this);
    event->accept();
    emit ExitRequested();
}

void InputForm::RequestExit() {
    CommitEditor();
    if (!exitConfirmed_ && !session_->ConfirmDiscard(*dialogs_)) return;
    exitConfirmed_ = true;
    SaveWindowGeometry(*this);
    emit ExitRequested();
}

}  // namespace jw::ui
