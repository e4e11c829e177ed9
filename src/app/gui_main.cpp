// The desktop program: the splash window and the disclaimer, then the input form and the result
// window of each design run.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>

#include "data/sections.h"
#include "ui/acceptance_file.h"
#include "ui/choice_panel.h"
#include "ui/design_controller.h"
#include "ui/input_form.h"
#include "ui/input_grid.h"
#include "ui/live_check_panel.h"
#include "ui/message_sink.h"
#include "ui/result_window.h"
#include "ui/start_up.h"

namespace {

// Messages of a run without a person at the screen go to the error stream.
class ErrorStreamSink : public jw::ui::MessageSink {
  public:
    void Show(const QString& text, const QString& title) override {
        std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
    }
};

bool SaveGrab(QWidget& window, const QDir& folder, const QString& name) {
    QApplication::processEvents();
    const QString path = folder.filePath(name);
    if (window.grab().save(path)) return true;
    std::fprintf(stderr, "Cannot write %s\n", qPrintable(path));
    return false;
}

// Pictures of the main form, the live check and the result window for the documentation: the
// shear plate example of the README, designed once. Window places the engineer saved are
// neither used nor changed.
int TakeScreenshots(const QString& folderPath) {
    QDir folder(folderPath);
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "Cannot create %s\n", qPrintable(folderPath));
        return 1;
    }
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    ErrorStreamSink messages;
    jw::ui::DesignController controller(messages,
                                        QDir::temp().filePath(QStringLiteral("result.out")));
    jw::ui::InputForm& form = controller.Form();
    controller.Start();
    form.SelectType(jw::ConnectionType::WSP);
    const QStringList values = {QStringLiteral("10000"), QStringLiteral("9"),  QStringLiteral("2"),
                                QStringLiteral("3"),     QStringLiteral("1"),  QStringLiteral("10"),
                                QStringLiteral("40"),    QStringLiteral("75"), QStringLiteral("70"),
                                QStringLiteral("6"),     QStringLiteral("2")};
    for (int i = 0; i < values.size(); ++i) form.Grid().SetValue(i + 1, values[i]);
    form.Sections().SetBeam(jw::FindBeamPosition("H-300X150X36.7(kg/m)").value_or(-1));
    form.Bolts().SetBoltGrade(2);
    form.Bolts().SetBoltDiameter(3);
    form.LiveCheck().CheckNow();
    if (!SaveGrab(form, folder, QStringLiteral("main_form.png"))) return 1;

    // One plate instead of two: the live check tells at once that the bolts are overstressed.
    form.Grid().SetValue(3, QStringLiteral("1"));
    form.LiveCheck().CheckNow();
    if (!SaveGrab(form.LiveCheck(), folder, QStringLiteral("live_check.png"))) return 1;
    form.Grid().SetValue(3, QStringLiteral("2"));

    controller.Calculate();
    jw::ui::ResultWindow* result = controller.Result();
    if (!result) return 1;
    return SaveGrab(*result, folder, QStringLiteral("result_window.png")) ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("JointWright"));
    QApplication::setApplicationName(QStringLiteral("JointWright"));
    QApplication::setApplicationVersion(QStringLiteral("1.13"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Design of bolted steel beam connections"));
    parser.addHelpOption();
    parser.addVersionOption();
    QCommandLineOption screenshots(QStringLiteral("screenshot"),
                                   QStringLiteral("Save pictures of the windows to DIR and exit."),
                                   QStringLiteral("DIR"));
    screenshots.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(screenshots);
    parser.process(app);
    if (parser.isSet(screenshots)) return TakeScreenshots(parser.value(screenshots));

    jw::ui::MessageBoxSink messages;
    jw::ui::DesignController controller(messages);
    jw::ui::StartUp startUp(messages, jw::ui::AcceptanceFilePath());
    QObject::connect(&controller, &jw::ui::DesignController::ExitRequested, &app,
                     &QApplication::quit, Qt::QueuedConnection);
    QObject::connect(&startUp, &jw::ui::StartUp::MainFormRequested, &controller,
                     &jw::ui::DesignController::Start);
    QObject::connect(&startUp, &jw::ui::StartUp::ExitRequested, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    startUp.Begin();
    return app.exec();
}
