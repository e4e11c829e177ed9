// The windows on a laptop screen (1366 x 768 at 100 %) and on a full-HD screen at 150 % (1280 x
// 720 logical pixels): every command lies on the screen, no label, button or list is cut
// short, and every result cell shows its whole text. The screen is set by JW_TEST_SCREEN
// ("1366x768"); the scale by QT_SCALE_FACTOR.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QStyle>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "ui/design_controller.h"
#include "ui/live_check_panel.h"
#include "ui/result_window.h"
#include "ui/sample_input.h"
#include "ui/window_geometry.h"
#include "ui_test_support.h"

using jw::ConnectionType;
using jw::ui::DesignController;
using jw::ui::testing::RecordingSink;

Q_DECLARE_METATYPE(jw::ConnectionType)

namespace {

QRect OnScreen(const QWidget& widget) {
    return QRect(widget.mapToGlobal(QPoint(0, 0)), widget.size());
}

// Every visible command lies inside the screen's free area, and no text control is smaller
// than its text needs.
void CheckWindowFits(QWidget& window) {
    const QRect area = window.screen()->availableGeometry();
    QVERIFY2(area.contains(window.frameGeometry()),
             qPrintable(QString("%1 at %2,%3 %4x%5 in %6x%7")
                            .arg(window.objectName())
                            .arg(window.frameGeometry().x())
                            .arg(window.frameGeometry().y())
                            .arg(window.frameGeometry().width())
                            .arg(window.frameGeometry().height())
                            .arg(area.width())
                            .arg(area.height())));
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (!button->isVisibleTo(&window) || button->window() != &window) continue;
        QVERIFY2(area.contains(OnScreen(*button)), qPrintable(button->objectName()));
    }
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window) || widget->window() != &window) continue;
        if (!qobject_cast<QLabel*>(widget) && !qobject_cast<QAbstractButton*>(widget) &&
            !qobject_cast<QComboBox*>(widget))
            continue;
        if (auto* label = qobject_cast<QLabel*>(widget); label && label->wordWrap()) continue;
        const QSize need = widget->minimumSizeHint();
        QVERIFY2(widget->width() >= need.width() && widget->height() >= need.height(),
                 qPrintable(QString("%1 \"%2\" is %3x%4, needs %5x%6")
                                .arg(widget->metaObject()->className(), widget->objectName())
                                .arg(widget->width())
                                .arg(widget->height())
                                .arg(need.width())
                                .arg(need.height())));
    }
}

// No cell is cut short: each column is as wide as its widest text, and the table shows all of
// its columns without scrolling sideways.
void CheckNothingElided(const QTableWidget& table) {
    // The text of a cell sits inside the style's focus frame margin, one pixel more each side,
    // and the grid line takes a pixel of the cell: any less and the text wraps or is elided.
    const int margins = 2 * (table.style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1) +
                        (table.showGrid() ? 1 : 0);
    for (int r = 0; r < table.rowCount(); ++r) {
        for (int c = 0; c < table.columnCount(); ++c) {
            const QTableWidgetItem* item = table.item(r, c);
            if (!item) continue;
            if (table.columnSpan(r, c) > 1) {
                // A warning runs across the columns and wraps: its row holds every line.
                int width = 0;
                for (int spanned = c; spanned < c + table.columnSpan(r, c); ++spanned)
                    width += table.columnWidth(spanned);
                const QRect wrapped = QFontMetrics(item->font())
                                          .boundingRect(QRect(0, 0, width - margins, 100000),
                                                        Qt::TextWordWrap, item->text());
                QVERIFY2(table.rowHeight(r) >= wrapped.height(), qPrintable(item->text()));
                continue;
            }
            const int needs = QFontMetrics(item->font()).horizontalAdvance(item->text()) + margins;
            const int has = table.columnWidth(c);
            QVERIFY2(has >= needs, qPrintable(QString("%1 \"%2\" needs %3, has %4")
                                                  .arg(table.objectName(), item->text())
                                                  .arg(needs)
                                                  .arg(has)));
        }
    }
    QCOMPARE(table.horizontalScrollBar()->maximum(), 0);
}

}  // namespace

class ScreenFitTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void InputFormFits_data();
    void InputFormFits();
    void ResultWindowShowsEveryValue_data();
    void ResultWindowShowsEveryValue();
    void FrameIsFittedToTheArea();

  private:
    QTemporaryDir folder_;
    RecordingSink* messages_ = nullptr;
    DesignController* controller_ = nullptr;
};

void ScreenFitTest::init() {
    QSettings().clear();
    messages_ = new RecordingSink;
    controller_ = new DesignController(*messages_, folder_.filePath("result.out"));
    controller_->Start();
    QVERIFY(QTest::qWaitForWindowExposed(&controller_->Form()));
}

void ScreenFitTest::cleanup() {
    delete controller_;
    delete messages_;
}

void ScreenFitTest::InputFormFits_data() {
    QTest::addColumn<ConnectionType>("type");
    QTest::newRow("WSP") << ConnectionType::WSP;
    QTest::newRow("ACLT") << ConnectionType::ACLT;
    QTest::newRow("BMEP") << ConnectionType::BMEP;
    QTest::newRow("BSPL") << ConnectionType::BSPL;
}

void ScreenFitTest::InputFormFits() {
    QFETCH(ConnectionType, type);
    jw::ui::InputForm& form = controller_->Form();
    form.SelectType(type);
    form.FillSample();
    form.LiveCheck().CheckNow();
    QApplication::processEvents();
    CheckWindowFits(form);
    // The whole form shows at once: its content only scrolls on screens smaller than these.
    auto* content = form.findChild<QScrollArea*>("ContentScroll");
    QVERIFY(content);
    QCOMPARE(content->verticalScrollBar()->maximum(), 0);
    QCOMPARE(content->horizontalScrollBar()->maximum(), 0);
    QVERIFY(form.LiveCheck().isVisible());
    QVERIFY(form.screen()->availableGeometry().contains(OnScreen(form.LiveCheck())));
    CheckNothingElided(form.LiveCheck().Table());
}

void ScreenFitTest::ResultWindowShowsEveryValue_data() {
    InputFormFits_data();
}

void ScreenFitTest::ResultWindowShowsEveryValue() {
    QFETCH(ConnectionType, type);
    jw::ui::InputForm& form = controller_->Form();
    form.SelectType(type);
    form.FillSample();
    controller_->Calculate();
    QVERIFY2(messages_->shown.empty(),
             messages_->shown.empty() ? "" : qPrintable(messages_->shown[0].text));
    jw::ui::ResultWindow& window = *controller_->Result();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QApplication::processEvents();
    CheckWindowFits(window);
    CheckNothingElided(window.Table());
    CheckNothingElided(window.Summary());
}

void ScreenFitTest::FrameIsFittedToTheArea() {
    const QRect area(0, 0, 1366, 728);
    // Larger than the screen: shrunk and centred, never above its top.
    QCOMPARE(jw::ui::FitFrame(QRect(0, 0, 1184, 890), area, QSize(600, 400), true),
             QRect(91, 0, 1184, 728));
    // A place saved on a larger screen: moved just inside.
    QCOMPARE(jw::ui::FitFrame(QRect(1500, -40, 800, 600), area, QSize(600, 400), false),
             QRect(566, 0, 800, 600));
    // The minimum wins over the area.
    QCOMPARE(jw::ui::FitFrame(QRect(0, 0, 500, 500), QRect(0, 0, 300, 300), QSize(400, 350), true)
                 .size(),
             QSize(400, 350));
}

int main(int argc, char* argv[]) {
    // The offscreen platform takes its screen from a file: one screen of the size asked for.
    const QList<QByteArray> size = qgetenv("JW_TEST_SCREEN").split('x');
    const int width = size.size() == 2 ? size[0].toInt() : 1366;
    const int height = size.size() == 2 ? size[1].toInt() : 768;
    QTemporaryDir config;
    const QString path = config.filePath("screen.json");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return 2;
    file.write(QString(R"({"screens": [{"name": "Screen", "x": 0, "y": 0, "width": %1, )"
                       R"("height": %2, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                   .arg(width)
                   .arg(height)
                   .toUtf8());
    file.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + path).toUtf8());
    QApplication app(argc, argv);
    QScreen* screen = QGuiApplication::primaryScreen();
    qInfo("screen %dx%d logical, scale %s", screen->geometry().width(), screen->geometry().height(),
          qgetenv("QT_SCALE_FACTOR").constData());
    ScreenFitTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "screen_fit_test.moc"
