// The project file behind the main form: its name and the modified marker in the title, the
// Save / Discard / Cancel question before Open, Exit and closing lose changed input, Ctrl+S
// saving to the file without asking, and the list of recent files.
#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "ui/project_form.h"
#include "ui/recent_files.h"
#include "ui_test_support.h"

using jw::ConnectionType;
using jw::ui::InputForm;
using jw::ui::UnsavedChoice;
using jw::ui::testing::FillWsp;
using jw::ui::testing::RecordingSink;
using jw::ui::testing::ScriptedDialogs;

Q_DECLARE_METATYPE(jw::ui::UnsavedChoice)

class ProjectSessionTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void TitleNamesTheFileAndMarksChanges();
    void SaveAsksOnlyForAProjectWithoutAFile();
    void ChangedInputIsNotLostWithoutAsking_data();
    void ChangedInputIsNotLostWithoutAsking();
    void RecentFilesKeepTheLastEight();
    void GoneRecentFileLeavesTheList();

  private:
    QString Path(const QString& name) const { return folder_.filePath(name); }

    QTemporaryDir folder_;
    RecordingSink* messages_ = nullptr;
    ScriptedDialogs* dialogs_ = nullptr;
    InputForm* form_ = nullptr;
    UnsavedChoice answer_ = UnsavedChoice::Cancel;
    int prompted_ = 0;
    QString promptedFor_;
};

void ProjectSessionTest::init() {
    QSettings().clear();
    messages_ = new RecordingSink;
    dialogs_ = new ScriptedDialogs;
    form_ = new InputForm(*messages_);
    form_->SetFileDialogs(*dialogs_);
    prompted_ = 0;
    form_->SetUnsavedPrompt([this](QWidget*, const QString& name) {
        ++prompted_;
        promptedFor_ = name;
        return answer_;
    });
    form_->show();
}

void ProjectSessionTest::cleanup() {
    delete form_;
    delete dialogs_;
    delete messages_;
}

void ProjectSessionTest::TitleNamesTheFileAndMarksChanges() {
    QCOMPARE(form_->windowTitle(), QString("Untitled[*] - JointWright"));
    QVERIFY(!form_->isWindowModified());
    form_->Grid().SetValue(1, "5000");
    QVERIFY(form_->isWindowModified());
    dialogs_->saveName = Path("beam to column.Bol");
    QVERIFY(form_->SaveProject());
    QCOMPARE(form_->windowTitle(), QString("beam to column.Bol[*] - JointWright"));
    QVERIFY(!form_->isWindowModified());

    // The title-block texts are saved in the file too; the advisor switch is not.
    form_->ShowProjectForm();
    form_->ProjectWindow().Field(1).setText("Changed");
    form_->ProjectWindow().close();
    QVERIFY(form_->isWindowModified());
    form_->Undo();
    QCOMPARE(form_->ProjectWindow().Field(1).text(), QString("Connection 01"));
    QVERIFY(!form_->isWindowModified());
    form_->Bolts().SetAdvisor(true);
    QVERIFY(!form_->isWindowModified());
}

void ProjectSessionTest::SaveAsksOnlyForAProjectWithoutAFile() {
    FillWsp(*form_, "2");
    dialogs_->saveName = Path("a.Bol");
    QVERIFY(form_->SaveProject());
    QCOMPARE(dialogs_->asked, 1);
    form_->Grid().SetValue(1, "9000");
    QVERIFY(form_->SaveProject());
    QCOMPARE(dialogs_->asked, 1);
    QVERIFY(!form_->isWindowModified());
    dialogs_->saveName = Path("b.Bol");
    QVERIFY(form_->SaveProjectAs());
    QCOMPARE(dialogs_->asked, 2);
    QVERIFY(QFile::exists(Path("b.Bol")));
    QCOMPARE(form_->Session().Identity().fileName, Path("b.Bol"));
}

void ProjectSessionTest::ChangedInputIsNotLostWithoutAsking_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<UnsavedChoice>("answer");
    QTest::addColumn<bool>("goesOn");
    for (const char* command : {"Open", "Exit", "close"}) {
        QTest::addRow("%s, Cancel", command) << command << UnsavedChoice::Cancel << false;
        QTest::addRow("%s, Discard", command) << command << UnsavedChoice::Discard << true;
        QTest::addRow("%s, Save", command) << command << UnsavedChoice::Save << true;
    }
}

void ProjectSessionTest::ChangedInputIsNotLostWithoutAsking() {
    QFETCH(QString, command);
    QFETCH(UnsavedChoice, answer);
    QFETCH(bool, goesOn);
    // Another project to open, then changed input on the form.
    form_->SelectType(ConnectionType::BMEP);
    form_->FillSample();
    dialogs_->saveName = Path("other.Bol");
    QVERIFY(form_->SaveProject());
    form_->SelectType(ConnectionType::WSP);
    FillWsp(*form_, "2");
    dialogs_->saveName = Path("mine.Bol");
    QVERIFY(form_->SaveProjectAs());
    form_->Grid().SetValue(1, "11111");

    answer_ = answer;
    dialogs_->openName = Path("other.Bol");
    QSignalSpy exit(form_, &InputForm::ExitRequested);
    if (command == "Open") form_->OpenProject();
    if (command == "Exit") form_->RequestExit();
    if (command == "close") form_->close();
    QCOMPARE(prompted_, 1);
    QCOMPARE(promptedFor_, QString("mine.Bol"));
    const bool wentOn =
        command == "Open" ? form_->SelectedType() == ConnectionType::BMEP : exit.count() == 1;
    QCOMPARE(wentOn, goesOn);
    if (command == "close") QCOMPARE(form_->isVisible(), !goesOn);
    // "Save" wrote the change to the project's own file first.
    jw::Project saved = jw::LoadProjectFile(QFile::encodeName(Path("mine.Bol")).toStdString());
    QCOMPARE(saved.values[0] == "11111", answer == UnsavedChoice::Save);

    // Unchanged input is never asked about.
    prompted_ = 0;
    if (command == "Open" && goesOn) {
        form_->OpenProject();
        QCOMPARE(prompted_, 0);
    }
}

void ProjectSessionTest::RecentFilesKeepTheLastEight() {
    for (int i = 1; i <= 10; ++i) {
        dialogs_->saveName = Path(QString("p%1.Bol").arg(i));
        QVERIFY(form_->SaveProjectAs());
    }
    dialogs_->openName = Path("p3.Bol");
    QVERIFY(form_->OpenProject());
    const QStringList recent = jw::ui::RecentProjectFiles();
    QCOMPARE(recent.size(), 8);
    QCOMPARE(recent[0], Path("p3.Bol"));
    QCOMPARE(recent[1], Path("p10.Bol"));
    QCOMPARE(recent[7], Path("p4.Bol"));

    emit form_->RecentMenu().aboutToShow();
    const QList<QAction*> actions = form_->RecentMenu().actions();
    QCOMPARE(actions.size(), 8);
    QCOMPARE(actions[1]->text(), QString("&2 p10.Bol"));
    form_->SelectType(ConnectionType::ACLT);
    form_->FillSample();
    answer_ = UnsavedChoice::Discard;
    actions[2]->trigger();  // p9.Bol, after discarding the change
    QCOMPARE(form_->Session().Identity().fileName, Path("p9.Bol"));
}

void ProjectSessionTest::GoneRecentFileLeavesTheList() {
    dialogs_->saveName = Path("gone.Bol");
    QVERIFY(form_->SaveProject());
    QVERIFY(QFile::remove(Path("gone.Bol")));
    QVERIFY(!form_->OpenRecentProject(Path("gone.Bol")));
    QCOMPARE(messages_->shown.size(), std::size_t{1});
    QCOMPARE(messages_->shown[0].title, QString("Open"));
    QVERIFY(jw::ui::RecentProjectFiles().isEmpty());
    QCOMPARE(form_->windowTitle(), QString("gone.Bol[*] - JointWright"));
}

QTEST_MAIN(ProjectSessionTest)
#include "project_session_test.moc"
