// From the start to the main form: the splash window's two ticks, the acceptance file's last
// line deciding between the main form and the disclaimer, and the disclaimer's choices.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "ui/acceptance_file.h"
#include "ui/disclaimer_window.h"
#include "ui/splash_window.h"
#include "ui/start_up.h"
#include "ui_test_support.h"

using jw::ui::StartUp;
using jw::ui::testing::RecordingSink;

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

}  // namespace

class StartUpTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void LastLineRule_data();
    void LastLineRule();
    void AcceptanceFileChoosesTheWindow_data();
    void AcceptanceFileChoosesTheWindow();
    void SplashWaitsTwoTicks();
    void SplashEndsByItsOwnTimer();
    void DisclaimerAsksForAChoice();
    void AcceptingIsRememberedForTheNextStart();
    void DecliningOrClosingEndsTheProgram();
    void AcceptanceThatCannotBeRecordedIsSaidAndLetsTheUserIn();
    void AcceptanceFileFallsBackToTheConfigFolder();
    void AcceptanceIsNeverWrittenThroughADanglingLink();

  private:
    // A start to the splash's end; true when the main form was asked for.
    bool Start(StartUp& startUp);

    QTemporaryDir folder_;
    QString path_;
    RecordingSink* messages_ = nullptr;
};

void StartUpTest::init() {
    QVERIFY(folder_.isValid());
    path_ = folder_.filePath(QStringLiteral("Accept.txt"));
    QFile::remove(path_);
    messages_ = new RecordingSink;
}

void StartUpTest::cleanup() {
    delete messages_;
}

bool StartUpTest::Start(StartUp& startUp) {
    QSignalSpy main(&startUp, &StartUp::MainFormRequested);
    startUp.Begin();
    startUp.Splash().Tick();
    startUp.Splash().Tick();
    return main.count() == 1;
}

void StartUpTest::LastLineRule_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("lastLine");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("empty file") << QByteArray() << QByteArray() << false;
    QTest::newRow("the line") << QByteArray("Accept\r\n") << QByteArray("Accept") << true;
    QTest::newRow("without a line end") << QByteArray("Accept") << QByteArray("Accept") << true;
    QTest::newRow("LF line end") << QByteArray("Accept\n") << QByteArray("Accept") << true;
    QTest::newRow("another line after it")
        << QByteArray("Accept\r\nlater\r\n") << QByteArray("later") << false;
    QTest::newRow("after another line")
        << QByteArray("earlier\r\nAccept\r\n") << QByteArray("Accept") << true;
    QTest::newRow("lower case") << QByteArray("accept\r\n") << QByteArray("accept") << false;
    QTest::newRow("trailing empty line") << QByteArray("Accept\r\n\r\n") << QByteArray() << false;
    QTest::newRow("trailing blank") << QByteArray("Accept \r\n") << QByteArray("Accept ") << false;
    QTest::newRow("CR line ends") << QByteArray("x\rAccept\r") << QByteArray("Accept") << true;
}

void StartUpTest::LastLineRule() {
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, lastLine);
    QFETCH(bool, accepted);
    const std::string_view view(text.constData(), text.size());
    QCOMPARE(QByteArray::fromStdString(std::string(jw::ui::LastLine(view))), lastLine);
    QCOMPARE(jw::ui::RecordsAcceptance(view), accepted);
}

void StartUpTest::AcceptanceFileChoosesTheWindow_data() {
    QTest::addColumn<bool>("present");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("mainForm");
    QTest::newRow("missing file") << false << QByteArray() << false;
    QTest::newRow("accepted") << true << QByteArray("Accept\r\n") << true;
    QTest::newRow("Accept then another line") << true << QByteArray("Accept\r\nNo\r\n") << false;
    QTest::newRow("lower case") << true << QByteArray("accept\r\n") << false;
    QTest::newRow("trailing empty line") << true << QByteArray("Accept\r\n\r\n") << false;
    QTest::newRow("long file ending in the line")
        << true << QByteArray(200000, 'x') + "\r\nAccept\r\n"
        << true;
}

void StartUpTest::AcceptanceFileChoosesTheWindow() {
    QFETCH(bool, present);
    QFETCH(QByteArray, text);
    QFETCH(bool, mainForm);
    if (present) WriteFile(path_, text);
    StartUp startUp(*messages_, path_);
    QCOMPARE(Start(startUp), mainForm);
    QCOMPARE(startUp.Disclaimer().isVisible(), !mainForm);
    QVERIFY(!startUp.Splash().isVisible());
    QVERIFY2(QFile::exists(path_), "a missing file is created empty");
    QCOMPARE(FileBytes(path_), text);
}

void StartUpTest::SplashWaitsTwoTicks() {
    StartUp startUp(*messages_, path_);
    jw::ui::SplashWindow& splash = startUp.Splash();
    QCOMPARE(splash.Timer().interval(), 1000);
    QVERIFY(splash.Timer().isActive());
    QSignalSpy elapsed(&splash, &jw::ui::SplashWindow::Elapsed);
    startUp.Begin();
    splash.Tick();
    QCOMPARE(elapsed.count(), 0);
    QVERIFY(splash.isVisible());
    QVERIFY(!startUp.Disclaimer().isVisible());
    splash.Tick();
    splash.Tick();
    QCOMPARE(elapsed.count(), 1);
    QVERIFY(!splash.Timer().isActive());
    QVERIFY(!splash.isVisible());
}

void StartUpTest::SplashEndsByItsOwnTimer() {
    StartUp startUp(*messages_, path_);
    QSignalSpy elapsed(&startUp.Splash(), &jw::ui::SplashWindow::Elapsed);
    startUp.Begin();
    QVERIFY(elapsed.wait(3500));
    QCOMPARE(startUp.Splash().Ticks(), 2);
    QVERIFY(startUp.Disclaimer().isVisible());
}

void StartUpTest::DisclaimerAsksForAChoice() {
    StartUp startUp(*messages_, path_);
    QVERIFY(!Start(startUp));
    jw::ui::DisclaimerWindow& disclaimer = startUp.Disclaimer();
    QCOMPARE(disclaimer.Text().count(), 10);
    QCOMPARE(disclaimer.Text().item(7)->text(), QStringLiteral(" "));
    disclaimer.Confirm();
    QCOMPARE(messages_->shown.size(), std::size_t{1});
    QCOMPARE(messages_->shown[0].text, QStringLiteral("Please Select the one of Agreement"));
    QCOMPARE(messages_->shown[0].title, QStringLiteral("Disclaimer"));
    QVERIFY(disclaimer.isVisible());
}

void StartUpTest::AcceptingIsRememberedForTheNextStart() {
    {
        StartUp first(*messages_, path_);
        QVERIFY(!Start(first));
        QSignalSpy main(&first, &StartUp::MainFormRequested);
        first.Disclaimer().AcceptOption().setChecked(true);
        first.Disclaimer().Confirm();
        QCOMPARE(main.count(), 1);
        QVERIFY(!first.Disclaimer().isVisible());
        QCOMPARE(FileBytes(path_), QByteArray("Accept\r\n"));
    }
    StartUp next(*messages_, path_);
    QVERIFY(Start(next));
    QVERIFY(!next.Disclaimer().isVisible());
    QVERIFY(messages_->shown.empty());
}

void StartUpTest::DecliningOrClosingEndsTheProgram() {
    for (const bool close : {false, true}) {
        StartUp startUp(*messages_, path_);
        QVERIFY(!Start(startUp));
        QSignalSpy exit(&startUp, &StartUp::ExitRequested);
        QSignalSpy main(&startUp, &StartUp::MainFormRequested);
        if (close) {
            startUp.Disclaimer().close();
        } else {
            startUp.Disclaimer().DeclineOption().setChecked(true);
            startUp.Disclaimer().Confirm();
        }
        QCOMPARE(exit.count(), 1);
        QCOMPARE(main.count(), 0);
        QCOMPARE(FileBytes(path_), QByteArray());
    }
}

void StartUpTest::AcceptanceThatCannotBeRecordedIsSaidAndLetsTheUserIn() {
    // The file's folder cannot exist: a file holds its name.
    const QString blocker = folder_.filePath(QStringLiteral("blocker"));
    WriteFile(blocker, "not a folder");
    StartUp startUp(*messages_, blocker + QStringLiteral("/Accept.txt"));
    QVERIFY(!Start(startUp));
    QSignalSpy main(&startUp, &StartUp::MainFormRequested);
    startUp.Disclaimer().AcceptOption().setChecked(true);
    startUp.Disclaimer().Confirm();
    QCOMPARE(main.count(), 1);
    QCOMPARE(messages_->shown.size(), std::size_t{1});
    QCOMPARE(messages_->shown[0].title, QStringLiteral("Disclaimer"));
    QVERIFY2(
        messages_->shown[0].text.startsWith(QStringLiteral("Your acceptance cannot be recorded")),
        qPrintable(messages_->shown[0].text));
}

void StartUpTest::AcceptanceFileFallsBackToTheConfigFolder() {
    const QString config = folder_.filePath(QStringLiteral("config"));
    QCOMPARE(jw::ui::AcceptanceFilePath(folder_.path(), config),
             QDir(folder_.path()).filePath(QStringLiteral("Accept.txt")));
    const QString noFolder = folder_.filePath(QStringLiteral("not there"));
    QCOMPARE(jw::ui::AcceptanceFilePath(noFolder, config),
             QDir(config).filePath(QStringLiteral("Accept.txt")));
}

// An Accept.txt that is a link to nothing is refused: no file appears where the link points
// (another user's planted link could point anywhere).
void StartUpTest::AcceptanceIsNeverWrittenThroughADanglingLink() {
    const QString target = folder_.filePath(QStringLiteral("elsewhere.txt"));
    QVERIFY(QFile::link(target, path_));
    QVERIFY(!jw::ui::ReadAcceptance(path_));
    QVERIFY(!jw::ui::RecordAcceptance(path_).isEmpty());
    QVERIFY(!QFile::exists(target));
    QVERIFY(QFileInfo(path_).isSymLink());
}

QTEST_MAIN(StartUpTest)
#include "start_up_test.moc"
