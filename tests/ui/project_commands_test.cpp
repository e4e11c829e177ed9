// Save and Open on the main form: every type round-trips with its title-block texts and blanks,
// the advisor cannot change an opened project, a file that is refused changes nothing, a failed
// save says so, and the dialogs carry their titles, filters and proposed name.
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "data/sections.h"
#include "ui/connection_panels.h"
#include "ui/file_dialogs.h"
#include "ui/project_commands.h"
#include "ui/project_form.h"
#include "ui_test_support.h"

using jw::ConnectionInput;
using jw::ConnectionType;
using jw::ui::InputForm;
using jw::ui::testing::RecordingSink;
using jw::ui::testing::ScriptedDialogs;

Q_DECLARE_METATYPE(jw::ConnectionType)

namespace {

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// Everything a project file keeps, for comparing the screen before and after.
struct Screen {
    jw::ProjectInfo info;
    ConnectionType type;
    jw::ConnectionChoices choices;
    std::vector<std::string> values;

    bool operator==(const Screen& o) const {
        const auto c = [](const jw::ConnectionChoices& x) {
            return std::tuple(x.boltGrade, x.boltDiameter, x.beamSection, x.memberGrade,
                              x.angleSection);
        };
        const auto i = [](const jw::ProjectInfo& x) {
            return std::tuple(x.project, x.title, x.jobNo, x.revise, x.engineer, x.checker);
        };
        return i(info) == i(o.info) && type == o.type && c(choices) == c(o.choices) &&
               values == o.values;
    }
};

Screen ScreenOf(const InputForm& form) {
    const jw::Project project = jw::ui::ProjectOf(form, form.ProjectWindow());
    return {project.info, project.type, project.choices, project.values};
}

}  // namespace

class ProjectCommandsTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void init();
    void cleanup();
    void EveryTypeRoundTrips_data();
    void EveryTypeRoundTrips();
    void DefaultTitleBlockReachesTheFile();
    void AdvisorCannotChangeAnOpenedProject();
    void RefusedFileChangesNothing_data();
    void RefusedFileChangesNothing();
    void CancelChangesNothing();
    void FailedSaveIsReported();
    void DialogsAsWritten();
    void TextsAreKeptInTheChosenCodePage();

  private:
    QString Path(const QString& name) const { return folder_.filePath(name); }
    void Save(const QString& path);
    void Open(const QString& path);

    QTemporaryDir folder_;
    RecordingSink* messages_ = nullptr;
    ScriptedDialogs* dialogs_ = nullptr;
    InputForm* form_ = nullptr;
};

void ProjectCommandsTest::initTestCase() {
    // The code page is a setting: the tests keep theirs apart from the user's.
    QStandardPaths::setTestModeEnabled(true);
    QSettings().clear();
}

void ProjectCommandsTest::init() {
    QVERIFY(folder_.isValid());
    messages_ = new RecordingSink;
    dialogs_ = new ScriptedDialogs;
    form_ = new InputForm(*messages_);
    form_->SetFileDialogs(*dialogs_);
    // These tests change the input and open another file on purpose.
    form_->SetUnsavedPrompt(
        [](QWidget*, const QString&) { return jw::ui::UnsavedChoice::Discard; });
    form_->show();
}

void ProjectCommandsTest::cleanup() {
    delete form_;
    delete dialogs_;
    delete messages_;
}

void ProjectCommandsTest::Save(const QString& path) {
    dialogs_->saveName = path;
    form_->SaveProject();
}

void ProjectCommandsTest::Open(const QString& path) {
    dialogs_->openName = path;
    form_->OpenProject();
}

void ProjectCommandsTest::EveryTypeRoundTrips_data() {
    QTest::addColumn<ConnectionType>("type");
    QTest::addColumn<int>("lines");
    QTest::newRow("WSP") << ConnectionType::WSP << 25;
    QTest::newRow("ACLT") << ConnectionType::ACLT << 22;
    QTest::newRow("BMEP") << ConnectionType::BMEP << 20;
    QTest::newRow("BSPL") << ConnectionType::BSPL << 30;
}

void ProjectCommandsTest::EveryTypeRoundTrips() {
    QFETCH(ConnectionType, type);
    QFETCH(int, lines);
    form_->SelectType(type);
    form_->FillSample();
    // Blanks around a value and an empty cell are kept as typed.
    form_->Grid().SetValue(1, QStringLiteral(" 12000 "));
    form_->Grid().SetValue(3, QString());
    form_->Bolts().SetMemberGrade(3);
    const QStringList texts = {"Tower B", "Beam to column", "J-17", "2", "N. Chai", "P. Som"};
    for (int i = 0; i < texts.size(); ++i) form_->ProjectWindow().Field(i).setText(texts[i]);
    const Screen saved = ScreenOf(*form_);

    const QString path = Path(QStringLiteral("round.Bol"));
    Save(path);
    QVERIFY(messages_->shown.empty());
    const QList<QByteArray> fileLines = FileBytes(path).split('\n');
    QCOMPARE(fileLines.size() - 1, lines);  // the last line end leaves one empty piece
    QCOMPARE(fileLines[1], QByteArray("Tower B\r"));
    QCOMPARE(fileLines[13], QByteArray(" 12000 \r"));

    // Another connection entirely, then the file again.
    form_->SelectType(type == ConnectionType::WSP ? ConnectionType::BSPL : ConnectionType::WSP);
    form_->Sections().SetBeam(2);
    form_->Bolts().SetBoltGrade(0);
    form_->Bolts().SetMemberGrade(1);
    form_->ProjectWindow().SetInfo(jw::ProjectInfo{});
    form_->ShowSymbols();
    Open(path);
    QVERIFY(messages_->shown.empty());
    QVERIFY(ScreenOf(*form_) == saved);
    QCOMPARE(form_->Grid().Value(1), QStringLiteral(" 12000 "));
    QCOMPARE(form_->Sections().AngleVisible(), type == ConnectionType::ACLT);
    QCOMPARE(form_->VisiblePanel(), static_cast<QWidget*>(&form_->Types()));
}

void ProjectCommandsTest::DefaultTitleBlockReachesTheFile() {
    const QString path = Path(QStringLiteral("defaults.Bol"));
    Save(path);
    const QList<QByteArray> lines = FileBytes(path).split('\n');
    const QList<QByteArray> expected = {
        "TAV JOINTWRIGHT\r", "TAV\r", "Connection 01\r", "001\r", "-\r", "-\r", "-\r", " 1 \r"};
    QCOMPARE(lines.mid(0, expected.size()), expected);
}

void ProjectCommandsTest::AdvisorCannotChangeAnOpenedProject() {
    // A WSP on a beam whose standard connection has other bolts and other values.
    form_->SelectType(ConnectionType::WSP);
    jw::ui::testing::FillWsp(*form_, QStringLiteral("2"));
    const Screen saved = ScreenOf(*form_);
    const QString path = Path(QStringLiteral("advisor.Bol"));
    Save(path);

    form_->Bolts().SetAdvisor(true);
    Open(path);
    QVERIFY2(ScreenOf(*form_) == saved, "the file's values and bolts win over the advisor's");
    QVERIFY(form_->Bolts().Advisor());
}

void ProjectCommandsTest::RefusedFileChangesNothing_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("named");
    const QByteArray wsp =
        "TAV JOINTWRIGHT\r\nP\r\nT\r\nJ\r\nR\r\nE\r\nC\r\n 1 \r\n 2 \r\n 3 \r\n 21 \r\n 1 \r\n\r\n"
        "10000\r\n9\r\n2\r\n3\r\n1\r\n10\r\n40\r\n75\r\n70\r\n6\r\n2\r\nEnd\r\n";
    QTest::newRow("valid file as a check") << wsp << QString();
    QTest::newRow("not a project file") << QByteArray("Hello\r\n") << "Line 1: not a JointWright";
    QByteArray badType = wsp;
    badType.replace("\r\n 1 \r\n 2 \r\n", "\r\n one \r\n 2 \r\n");
    QTest::newRow("type not a number") << badType << "Line 8:";
    QByteArray badBeam = wsp;
    badBeam.replace(" 21 ", " 91 ");
    QTest::newRow("beam that does not exist") << badBeam << "Line 11:";
    QTest::newRow("cut short") << wsp.left(wsp.indexOf("75\r\n")) << "Line 21:";
    QTest::newRow("cut before End")
        << wsp.left(wsp.indexOf("End")) << "Line 25: \"End\" expected: the file is incomplete.";
    QTest::newRow("more than 50 lines") << wsp + QByteArray(40, '\n') << "Line 51:";
    QTest::newRow("missing file") << QByteArray() << "Cannot open";
}

void ProjectCommandsTest::RefusedFileChangesNothing() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, named);
    const QString path = Path(QStringLiteral("refused.Bol"));
    QFile::remove(path);
    if (!bytes.isEmpty()) WriteFile(path, bytes);
    form_->SelectType(ConnectionType::BMEP);
    form_->FillSample();
    form_->ShowSymbols();
    const Screen before = ScreenOf(*form_);

    Open(path);
    if (named.isEmpty()) {
        QVERIFY(messages_->shown.empty());
        QCOMPARE(form_->SelectedType(), ConnectionType::WSP);
        return;
    }
    QCOMPARE(messages_->shown.size(), std::size_t{1});
    QCOMPARE(messages_->shown[0].title, QStringLiteral("Open"));
    QVERIFY2(messages_->shown[0].text.contains(named), qPrintable(messages_->shown[0].text));
    QVERIFY2(messages_->shown[0].text.contains(path), "the message names the file");
    QVERIFY(ScreenOf(*form_) == before);
    QCOMPARE(form_->VisiblePanel(), static_cast<QWidget*>(&form_->SymbolArea()));
}

void ProjectCommandsTest::CancelChangesNothing() {
    form_->SelectType(ConnectionType::ACLT);
    form_->FillSample();
    const Screen before = ScreenOf(*form_);
    const QStringList files = QDir(folder_.path()).entryList(QDir::Files);
    Save(QString());
    Open(QString());
    QCOMPARE(dialogs_->asked, 2);
    QVERIFY(messages_->shown.empty());
    QVERIFY(ScreenOf(*form_) == before);
    QCOMPARE(QDir(folder_.path()).entryList(QDir::Files), files);
}

void ProjectCommandsTest::FailedSaveIsReported() {
    // A folder where the file should go, and a folder that does not exist.
    const QString folderAsFile = Path(QStringLiteral("taken"));
    QVERIFY(QDir(folder_.path()).mkdir(QStringLiteral("taken")));
    Save(folderAsFile);
    const QString missing = Path(QStringLiteral("no folder/x.Bol"));
    Save(missing);
    QCOMPARE(messages_->shown.size(), std::size_t{2});
    for (const auto& shown : messages_->shown) {
        QCOMPARE(shown.title, QStringLiteral("Save"));
        QVERIFY2(shown.text.startsWith(QStringLiteral("Cannot save")), qPrintable(shown.text));
    }
    QVERIFY(!QFile::exists(missing));
}

void ProjectCommandsTest::DialogsAsWritten() {
    const QStringList filters = {QStringLiteral("Data Files (*.Bol)"),
                                 QStringLiteral("All Files (*.*)")};
    const auto save = jw::ui::MakeProjectDialog(nullptr, true);
    QCOMPARE(save->windowTitle(), QStringLiteral("Save"));
    QCOMPARE(save->nameFilters(), filters);
    QCOMPARE(save->selectedNameFilter(), filters[0]);
    QCOMPARE(save->defaultSuffix(), QStringLiteral("Bol"));
    QCOMPARE(save->acceptMode(), QFileDialog::AcceptSave);
    QVERIFY2(!save->testOption(QFileDialog::DontConfirmOverwrite), "asks before replacing");
    QVERIFY(!save->selectedFiles().isEmpty());
    QVERIFY(save->selectedFiles().first().endsWith(QStringLiteral("/Project01.Bol")));

    const auto open = jw::ui::MakeProjectDialog(nullptr, false);
    QCOMPARE(open->windowTitle(), QStringLiteral("Open"));
    QCOMPARE(open->nameFilters(), filters);
    QCOMPARE(open->acceptMode(), QFileDialog::AcceptOpen);
    QCOMPARE(open->fileMode(), QFileDialog::ExistingFile);
}

// Thai texts need Windows-874; in Windows-1252 they are refused by name at Save, never written
// as "?". The choice is made on the project form and remembered in the settings.
void ProjectCommandsTest::TextsAreKeptInTheChosenCodePage() {
    const QString thai = QString::fromUtf8("\u0E2D\u0E32\u0E04\u0E32\u0E23 A");  // building A
    jw::ui::ProjectForm& details = form_->ProjectWindow();
    QCOMPARE(details.CodePageList().currentIndex(), 0);
    details.Field(1).setText(thai);
    const QString path = Path(QStringLiteral("thai.Bol"));
    Save(path);
    QCOMPARE(messages_->shown.size(), std::size_t{1});
    QCOMPARE(messages_->shown[0].text,
             QStringLiteral("Cannot save \"%1\". The title holds \"%2\" (U+0E2D), which the code "
                            "page Windows-1252 (Western European) cannot store.")
                 .arg(path, thai.left(1)));
    QVERIFY(!QFile::exists(path));

    details.CodePageList().setCurrentIndex(1);
    QCOMPARE(QSettings().value(QStringLiteral("Files/CodePage")).toString(),
             QStringLiteral("cp874"));
    Save(path);
    QCOMPARE(messages_->shown.size(), std::size_t{1});
    QCOMPARE(FileBytes(path).split('\n')[2], QByteArray("\xCD\xD2\xA4\xD2\xC3 A\r"));

    details.SetInfo(jw::ProjectInfo{});
    Open(path);
    QCOMPARE(details.Field(1).text(), thai);
    jw::ui::ProjectForm remembered;
    QCOMPARE(remembered.CodePageList().currentIndex(), 1);

    // Windows-1252 holds the euro sign where Latin-1 had a control code.
    details.CodePageList().setCurrentIndex(0);
    details.Field(1).setText(QString::fromUtf8("\u20AC 5000"));
    Save(path);
    QCOMPARE(FileBytes(path).split('\n')[2], QByteArray("\x80 5000\r"));
}

QTEST_MAIN(ProjectCommandsTest)
#include "project_commands_test.moc"
