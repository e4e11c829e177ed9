// The main input form: the connection type, the choices and the input grid, with the commands
// that fill, clear, preview and calculate the connection. It holds no engineering: the design
// run and the drawings read what it gathers.
#pragma once

#include <QWidget>
#include <memory>

#include "design/design_run.h"
#include "ui/advisor.h"
#include "ui/auto_design_command.h"
#include "ui/help_command.h"
#include "ui/project_session.h"

class QMenu;
class QPushButton;
class QStackedWidget;
class QStatusBar;

namespace jw::ui {

class AboutForm;
class BoltGradePanel;
class FileDialogs;
class InputGrid;
class InputHistory;
class LiveCheckPanel;
class MessageSink;
class PreviewPanel;
class ProjectForm;
class SectionPanel;
class SymbolPanel;
class TypePanel;

class InputForm : public QWidget {
    Q_OBJECT
  public:
    explicit InputForm(MessageSink& messages, QWidget* parent = nullptr);
    ~InputForm() override;

    // The connection as the form holds it now.
    ConnectionInput CurrentInput() const;
    ConnectionType SelectedType() const;
    // As a click on the type's option: the grid is rebuilt for the type, every value empty.
    void SelectType(ConnectionType type);

    // "Ex": the type's sample values, then the sample beam, bolt grade and diameter.
    void FillSample();
    // "&Reset": empties every value; the type, labels, units and choices stay. Ctrl+Z brings
    // the values back.
    void ResetValues();
    // "Preview" and "&Update": the gate, then the drawing of the input, without designing it.
    void Preview();
    // Shows the drawing of the current input in the preview panel without the gate, as after
    // a design run; false (and the type panel shown) when it cannot be drawn.
    bool RedrawPreview();
    // "Show Symbol".
    void ShowSymbols();
    // "&Back" and "&Back to Mainmenu": the connection type panel again.
    void ShowTypePanel();
    // Moves the focus off the grid's editor so the grid is complete and the editor hidden.
    void CommitEditor();

    // "Project" and "About": this form hides while the other window shows, and comes back
    // when that window is done.
    void ShowProjectForm();
    void ShowAbout();
    // "Save" (Ctrl+S) to the project's file, asking for one the first time; "Save As"
    // (Ctrl+Shift+S); "Open" (Ctrl+O) and a recent file, after asking about unsaved input.
    // True when the file was written or opened.
    bool SaveProject();
    bool SaveProjectAs();
    bool OpenProject();
    bool OpenRecentProject(const QString& path);
    // "Exit" and closing the window: asks about unsaved input, then ends the program.
    void RequestExit();
    // Ctrl+Z, and Ctrl+Shift+Z or Ctrl+Y.
    void Undo();
    void Redo();
    // The gate's message for Calculate with the rows at fault, which the grid tints until
    // they are edited; nothing when the input passes.
    std::optional<QString> CheckGate(QString* title = nullptr);
    // "help": the user manual.
    void OpenHelp();
    // "Auto &Design": the cheapest connections that pass, offered in a list; the one picked is
    // filled into the grid and choices as one step Ctrl+Z takes back.
    void AutoDesign();

    // Tests answer the file dialogs and stand in for the desktop's document viewer.
    void SetFileDialogs(FileDialogs& dialogs) { dialogs_ = &dialogs; }
    void SetManual(const QString& path, DocumentOpener open);
    // Tests answer the Save / Discard / Cancel question.
    void SetUnsavedPrompt(UnsavedPrompt prompt);
    // Tests pick from the automatic design's list.
    void SetAutoDesignChooser(AutoDesignChooser choose) { chooseAutoDesign_ = std::move(choose); }

    // Which of the three panels of the shared area shows.
    QWidget* VisiblePanel() const;
    TypePanel& Types() const { return *types_; }
    PreviewPanel& PreviewArea() const { return *preview_; }
    SymbolPanel& SymbolArea() const { return *symbols_; }
    InputGrid& Grid() const { return *grid_; }
    BoltGradePanel& Bolts() const { return *bolts_; }
    SectionPanel& Sections() const { return *sections_; }
    // The title-block texts, edited on the project form and kept in project files.
    ProjectForm& ProjectWindow() const { return *projectForm_; }
    AboutForm& AboutWindow() const { return *about_; }
    InputHistory& History() const { return *history_; }
    ProjectSession& Session() const { return *session_; }
    LiveCheckPanel& LiveCheck() const { return *liveCheck_; }
    // What the status line says now.
    QString StatusText() const;
    void ShowStatus(const QString& text);
    QMenu& RecentMenu() const { return *recentMenu_; }

  signals:
    void CalculateRequested();
    void ExitRequested();

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* BuildInputFrame();
    QWidget* BuildContent();
    QLayout* BuildCommands();
    void BuildShortcuts();
    void BuildHistory();
    void FillRecentMenu();
    void OnInputChanged(const QString& what, int editedRow = 0);
    QString AdvisorStatus(const std::optional<AdvisorProposal>& proposal, int position) const;
    void OnTypeChosen(ConnectionType type);
    void OnBeamChosen(int position);
    void ApplyProposal(const AdvisorProposal& proposal);
    bool ShowPreviewOf(const ConnectionInput& input, bool reportProblem);

    MessageSink& messages_;
    QStackedWidget* panels_;
    TypePanel* types_;
    PreviewPanel* preview_;
    SymbolPanel* symbols_;
    InputGrid* grid_;
    BoltGradePanel* bolts_;
    SectionPanel* sections_;
    QWidget* focusHolder_;
    LiveCheckPanel* liveCheck_;
    QStatusBar* status_;
    QMenu* recentMenu_;
    InputHistory* history_ = nullptr;
    ProjectSession* session_ = nullptr;
    ProjectForm* projectForm_;
    AboutForm* about_;
    std::unique_ptr<FileDialogs> modalDialogs_;
    FileDialogs* dialogs_;
    QString manualPath_;
    DocumentOpener openDocument_;
    AutoDesignChooser chooseAutoDesign_ = ChooseInDialog;
    bool centred_ = false;
    bool exitConfirmed_ = false;
};

}  // namespace jw::ui
