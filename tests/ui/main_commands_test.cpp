// The main form's other commands: the project form and the about box take the form's place and
// give it back, help opens the manual or says it cannot, and the automatic design offers the
// cheapest connections that pass every check and fills in the one picked, or says why it cannot.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <QCheckBox>
#include <QTableWidget>

#include "data/grades.h"
#include "data/sections.h"
#include "design/auto_design.h"
#include "ui/about_form.h"
#include "ui/auto_design_dialog.h"
#include "ui/design_controller.h"
#include "ui/project_form.h"
#include "ui/result_window.h"
#include "ui/verdict_label.h"
#include "ui_test_support.h"

using jw::ConnectionType;
using jw::ui::DesignController;
using jw::ui::InputForm;
using jw::ui::testing::FillValues;
using jw::ui::testing::RecordingSink;

Q_DECLARE_METATYPE(jw::ConnectionType)

class MainCommandsTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void ProjectFormTakesTheFormsPlace();
    void ProjectFormKeys_data();
    void ProjectFormKeys();
    void AboutTakesTheFormsPlace();
    void HelpOpensTheManualOrSaysItCannot_data();
    void HelpOpensTheManualOrSaysItCannot();
    void AutoDesignFillsAConnectionThatPasses_data();
    void AutoDesignFillsAConnectionThatPasses();
    void AutoDesignSaysWhyItFindsNothing_data();
    void AutoDesignSaysWhyItFindsNothing();
    void AutoDesignListsTheCheapestAndFillsTheOnePicked();
    void AutoDesignAsksForSlipCriticalBoltsAndOneSidedWelds();

  private:
    InputForm& Form() const { return controller_->Form(); }

    QTemporaryDir folder_;
    RecordingSink* messages_ = nullptr;
    DesignController* controller_ = nullptr;
};

void MainCommandsTest::init() {
    QVERIFY(folder_.isValid());
    messages_ = new RecordingSink;
    controller_ = new DesignController(*messages_, folder_.filePath(QStringLiteral("result.out")));
    controller_->Start();
    // As the engineer picking the first, cheapest connection of the list.
    Form().SetAutoDesignChooser([](jw::ui::AutoDesignDialog&) { return 0; });
}

void MainCommandsTest::cleanup() {
    delete controller_;
    delete messages_;
}

void MainCommandsTest::ProjectFormTakesTheFormsPlace() {
    jw::ui::ProjectForm& project = Form().ProjectWindow();
    const QStringList defaults = {"TAV", "Connection 01", "001", "-", "-", "-"};
    for (int i = 0; i < defaults.size(); ++i) QCOMPARE(project.Field(i).text(), defaults[i]);

    // A value half typed in the grid is kept when the form goes.
    Form().Grid().SetCurrentInputRow(2);
    Form().Grid().setFocus();
    QTest::keyClicks(Form().Grid().Editor(), QStringLiteral("12"));
    Form().ShowProjectForm();
    QVERIFY(!Form().isVisible());
    QVERIFY(project.isVisible());
    QCOMPARE(Form().Grid().Value(2), QStringLiteral("12"));

    project.Field(0).setText(QStringLiteral("Depot"));
    QTest::mouseClick(project.findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    QVERIFY(Form().isVisible());
    QVERIFY(!project.isVisible());
    QCOMPARE(project.Info().project, std::string("Depot"));

    // Closed from its title bar, the main form comes back as well, the texts kept.
    Form().ShowProjectForm();
    project.close();
    QVERIFY(Form().isVisible());
    QCOMPARE(project.Info().project, std::string("Depot"));
}

void MainCommandsTest::ProjectFormKeys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("kept");
    QTest::newRow("Enter is OK") << int(Qt::Key_Return) << "Depot";
    QTest::newRow("Esc cancels") << int(Qt::Key_Escape) << "TAV";
}

void MainCommandsTest::ProjectFormKeys() {
    QFETCH(int, key);
    QFETCH(QString, kept);
    jw::ui::ProjectForm& project = Form().ProjectWindow();
    Form().ShowProjectForm();
    project.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&project));
    project.Field(0).setFocus();
    project.Field(0).setText(QStringLiteral("Depot"));
    QTest::keyClick(&project.Field(0), static_cast<Qt::Key>(key));
    QVERIFY(!project.isVisible());
    QVERIFY(Form().isVisible());
    QCOMPARE(project.Field(0).text(), kept);
}

void MainCommandsTest::AboutTakesTheFormsPlace() {
    jw::ui::AboutForm& about = Form().AboutWindow();
    Form().ShowAbout();
    QVERIFY(!Form().isVisible());
    QVERIFY(about.isVisible());
    QCOMPARE(about.windowTitle(), QStringLiteral("About"));
    QTest::mouseClick(about.findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    QVERIFY(!about.isVisible());
    QVERIFY(Form().isVisible());
}

void MainCommandsTest::HelpOpensTheManualOrSaysItCannot_data() {
    QTest::addColumn<bool>("present");
    QTest::addColumn<bool>("viewerOpens");
    QTest::addColumn<bool>("asked");
    QTest::newRow("manual opens") << true << true << true;
    QTest::newRow("no viewer") << true << false << true;
    QTest::newRow("manual missing") << false << true << false;
}

void MainCommandsTest::HelpOpensTheManualOrSaysItCannot() {
    QFETCH(bool, present);
    QFETCH(bool, viewerOpens);
    QFETCH(bool, asked);
    const QString path = folder_.filePath(QStringLiteral("tavhelp.pdf"));
    QFile::remove(path);
    if (present) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QList<QUrl> opened;
    Form().SetManual(path, [&](const QUrl& url) {
        opened.push_back(url);
        return viewerOpens;
    });
    Form().OpenHelp();
    QCOMPARE(opened.size(), asked ? 1 : 0);
    if (asked) QCOMPARE(opened[0], QUrl::fromLocalFile(path));
    if (present && viewerOpens) {
        QVERIFY(messages_->shown.empty());
        return;
    }
    QCOMPARE(messages_->shown.size(), std::size_t{1});
    QCOMPARE(messages_->shown[0].text, QStringLiteral("Adobe Acrobat File Open Error !"));
    QCOMPARE(messages_->shown[0].title, QStringLiteral("Help Error"));
}

void MainCommandsTest::AutoDesignFillsAConnectionThatPasses_data() {
    QTest::addColumn<ConnectionType>("type");
    QTest::addColumn<QStringList>("loads");
    QTest::newRow("WSP") << ConnectionType::WSP << QStringList{"12000"};
    QTest::newRow("ACLT") << ConnectionType::ACLT << QStringList{"12000"};
    QTest::newRow("BMEP") << ConnectionType::BMEP << QStringList{"500000", "10000"};
    QTest::newRow("BSPL") << ConnectionType::BSPL << QStringList{"300000", "8000"};
}

void MainCommandsTest::AutoDesignFillsAConnectionThatPasses() {
    QFETCH(ConnectionType, type);
    QFETCH(QStringList, loads);
    Form().SelectType(type);
    Form().Sections().SetBeam(jw::FindBeamPosition("H-300X150X36.7(kg/m)").value_or(-1));
    FillValues(Form(), loads);
    Form().AutoDesign();
    QVERIFY2(messages_->shown.empty(),
             messages_->shown.empty() ? "" : qPrintable(messages_->shown[0].text));

    const jw::ConnectionInput filled = Form().CurrentInput();
    QCOMPARE(filled.type, type);
    for (int row = 1; row < filled.grid.rows; ++row)
        QVERIFY2(!filled.grid.At(row, jw::kValueColumn).empty(), "every row is filled");
    for (int i = 0; i < loads.size(); ++i) QCOMPARE(Form().Grid().Value(i + 1), loads[i]);
    if (type == ConnectionType::ACLT) QVERIFY(filled.choices.angleSection >= 0);

    // The search answers to every check: its answer passes them all, with no detailing warning.
    QVERIFY(jw::IsSound(jw::RunDesign(filled, jw::RunOptions{""})));
    controller_->Calculate();
    QVERIFY(messages_->shown.empty());
    QVERIFY(controller_->Result());
}

void MainCommandsTest::AutoDesignSaysWhyItFindsNothing_data() {
    QTest::addColumn<int>("beam");
    QTest::addColumn<QString>("shear");
    QTest::addColumn<QString>("says");
    const int beam = jw::FindBeamPosition("H-150X75X14(kg/m)").value_or(-1);
    QTest::newRow("no load typed") << beam << ""
                                   << "\"Design Shear Force\" is not a number";
    QTest::newRow("no beam chosen") << -1 << "5000"
                                    << "Choose a beam section.";
    QTest::newRow("too much shear for any layout")
        << beam << "7000"
        << "No practical connection passes: the closest candidate for the shear plate";
    QTest::newRow("more shear than the web carries")
        << beam << "900000"
        << "No connection can carry this load: the beam itself fails \"Beam web shear\"";
}

void MainCommandsTest::AutoDesignSaysWhyItFindsNothing() {
    QFETCH(int, beam);
    QFETCH(QString, shear);
    QFETCH(QString, says);
    Form().SelectType(ConnectionType::WSP);
    Form().Sections().SetBeam(beam);
    Form().Grid().SetValue(1, shear);
    Form().Grid().SetValue(4, QStringLiteral("kept"));
    const jw::ConnectionInput before = Form().CurrentInput();
    Form().AutoDesign();
    QCOMPARE(messages_->shown.size(), std::size_t{1});
    QCOMPARE(messages_->shown[0].title, QStringLiteral("Automatic Design"));
    QVERIFY2(messages_->shown[0].text.startsWith(says), qPrintable(messages_->shown[0].text));
    const jw::ConnectionInput after = Form().CurrentInput();
    QVERIFY(after.grid.cells == before.grid.cells);
    QCOMPARE(after.choices.boltGrade, before.choices.boltGrade);
}

void MainCommandsTest::AutoDesignListsTheCheapestAndFillsTheOnePicked() {
    Form().SelectType(ConnectionType::WSP);
    Form().Sections().SetBeam(jw::FindBeamPosition("H-300X150X36.7(kg/m)").value_or(-1));
    FillValues(Form(), {"9000"});
    std::vector<jw::AutoDesignChoice> offered;
    QList<QStringList> rows;  // what the list shows: bolts, plates, cost, governing ratio, check
    Form().SetAutoDesignChooser([&](jw::ui::AutoDesignDialog& dialog) {
        offered = dialog.Result().alternatives;
        const QTableWidget& list = dialog.List();
        for (int row = 0; row < list.rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < list.columnCount(); ++column)
                cells << list.item(row, column)->text();
            rows << cells;
        }
        return 2;
    });
    Form().AutoDesign();
    QVERIFY(messages_->shown.empty());
    QCOMPARE(offered.size(), std::size_t{5});
    QCOMPARE(rows.size(), 5);
    for (int row = 0; row < 5; ++row) {
        const jw::AutoDesignChoice& c = offered[row];
        QCOMPARE(rows[row][0], QString::fromStdString(c.design.summary.At(2, 1)));
        QCOMPARE(rows[row][1], QString::fromStdString(c.design.summary.At(1, 1)));
        QCOMPARE(rows[row][2], QString::number(c.ranking.cost, 'f', 1));
        QCOMPARE(rows[row][3], QString::number(c.governingRatio, 'f', 2));
        if (row > 0) QVERIFY(offered[row - 1].ranking.Compare(c.ranking) <= 0);
    }
    const jw::ConnectionInput filled = Form().CurrentInput();
    QVERIFY(filled.grid.cells == offered[2].input.grid.cells);
    QCOMPARE(filled.choices.boltGrade, offered[2].input.choices.boltGrade);
    QCOMPARE(filled.choices.boltDiameter, offered[2].input.choices.boltDiameter);
    // Cancelled, the list leaves the form as it is.
    Form().SetAutoDesignChooser([](jw::ui::AutoDesignDialog&) { return -1; });
    Form().Grid().SetValue(1, QStringLiteral("7000"));
    const jw::ConnectionInput before = Form().CurrentInput();
    Form().AutoDesign();
    QVERIFY(Form().CurrentInput().grid.cells == before.grid.cells);
}

void MainCommandsTest::AutoDesignAsksForSlipCriticalBoltsAndOneSidedWelds() {
    Form().SelectType(ConnectionType::WSP);
    Form().Sections().SetBeam(jw::FindBeamPosition("H-300X150X36.7(kg/m)").value_or(-1));
    FillValues(Form(), {"9000"});
    bool bearingFirst = true, oneSidedOffered = false, slipAfter = true, oneSidedAfter = true;
    std::size_t foundAfter = 0;
    Form().SetAutoDesignChooser([&](jw::ui::AutoDesignDialog& dialog) {
        for (const jw::AutoDesignChoice& c : dialog.Result().alternatives)
            bearingFirst = bearingFirst && !jw::IsSlipCriticalGrade(c.input.choices.boltGrade);
        oneSidedOffered = dialog.OneSidedWelds().isEnabled();
        // Each tick searches again.
        dialog.SlipCritical().setChecked(true);
        dialog.OneSidedWelds().setChecked(true);
        foundAfter = dialog.Result().alternatives.size();
        for (const jw::AutoDesignChoice& c : dialog.Result().alternatives) {
            slipAfter = slipAfter && jw::IsSlipCriticalGrade(c.input.choices.boltGrade);
            oneSidedAfter = oneSidedAfter && c.input.grid.At(11, jw::kValueColumn) == "1";
        }
        return 0;
    });
    Form().AutoDesign();
    QVERIFY(bearingFirst);
    QVERIFY(oneSidedOffered);
    QVERIFY(foundAfter > 0);
    QVERIFY(slipAfter);
    QVERIFY(oneSidedAfter);
    QVERIFY(jw::IsSlipCriticalGrade(Form().CurrentInput().choices.boltGrade));
    // End plates take bearing-type bolts, and only shear plates are welded to the support.
    Form().SelectType(ConnectionType::BMEP);
    Form().Sections().SetBeam(jw::FindBeamPosition("H-300X150X36.7(kg/m)").value_or(-1));
    FillValues(Form(), {"300000", "9000"});
    bool slipOffered = true;
    oneSidedOffered = true;
    Form().SetAutoDesignChooser([&](jw::ui::AutoDesignDialog& dialog) {
        slipOffered = dialog.SlipCritical().isEnabled();
        oneSidedOffered = dialog.OneSidedWelds().isEnabled();
        return -1;
    });
    Form().AutoDesign();
    QVERIFY(!slipOffered);
    QVERIFY(!oneSidedOffered);
}

QTEST_MAIN(MainCommandsTest)
#include "main_commands_test.moc"
