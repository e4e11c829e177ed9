// The sheet on Qt's devices with the fonts installed here: the nearest faces for the sheet's
// fonts, every type's sheet inside the printable area of A4 and Letter with no text running
// into another, a sheet too large for the page scaled to fit, and PDF files written whole or
// not at all.
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <vector>

#include "../design/design_fixtures.h"
#include "design/standard_proposals.h"
#include "print/painter_canvas.h"
#include "print/printer_fonts.h"
#include "print/sheet_date.h"
#include "print/sheet_printer.h"

using namespace jw;
using jw::print::PainterCanvas;

namespace {

// The accepted standard connection of the type with the longest plate description: the widest
// text of its summary. No standard end plate passes the end plate checks until the tables are
// regenerated: the sound worked end plate stands in for them.
SheetContent WidestAcceptedSheet(ConnectionType type) {
    const ProposalDesign* widest = nullptr;
    const std::vector<ProposalDesign> designs = DesignStandardProposals(type);
    for (const ProposalDesign& d : designs)
        if (d.kind == ProposalDesign::Kind::Designed && d.result.status == RunStatus::Accepted &&
            (!widest || d.result.summary.At(1, 1).size() > widest->result.summary.At(1, 1).size()))
            widest = &d;
    if (!widest && type == ConnectionType::BMEP) {
        const ConnectionInput sound = testing::BmepSoundRun();
        return SheetOfRun(ProjectInfo{}, sound, RunDesign(sound, RunOptions{""}), "12/31/2026");
    }
    if (!widest) return {};
    return SheetOfRun(ProjectInfo{}, widest->input, RunDesign(widest->input, RunOptions{""}),
                      "12/31/2026");
}

struct TextBox {
    QString text;
    QRectF box;
    int page;
};

// Measures like the printer and keeps the box of every text.
class BoxRecorder : public PainterCanvas {
  public:
    using PainterCanvas::PainterCanvas;
    void NewPage() override { ++page_; }
    std::vector<TextBox> boxes;

  protected:
    void DoText(double x, double y, std::string_view text, int colour) override {
        boxes.push_back({QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())),
                         QRectF(x, y, TextWidth(text), TextHeight(text)), page_});
        PainterCanvas::DoText(x, y, text, colour);
    }

  private:
    int page_ = 0;
};

// Two texts collide when they share more than half a line and any of their width. Rows of the
// input data stand 0.8 of a line apart by design.
bool Collide(const QRectF& a, const QRectF& b) {
    const QRectF both = a.intersected(b);
    return both.width() > 1 && both.height() > 0.5 * std::min(a.height(), b.height());
}

}  // namespace

class SheetPrinterTest : public QObject {
    Q_OBJECT
  private slots:
    void SheetFontsFindTheNearestInstalledFaces();
    void EveryTypeFitsThePageWithoutCollisions_data();
    void EveryTypeFitsThePageWithoutCollisions();
    void AnOversizedDrawingScalesTheSheetDown();
    void PdfIsWrittenWholeOrNotAtAll();
    void DateIsReadableInEveryLocale();
};

void SheetPrinterTest::SheetFontsFindTheNearestInstalledFaces() {
    QFont fixed;
    print::UseNearestFamily(fixed, QStringLiteral("Courier New"));
    QVERIFY(QFontInfo(fixed).fixedPitch());

    QFont sans;
    print::UseNearestFamily(sans, QStringLiteral("Ms Sans Serif"));
    QVERIFY(!QFontInfo(sans).fixedPitch());
    // No wider than the Arial-metric face the columns were laid out for, give or take the
    // steps in which faces come.
    sans.setPixelSize(1000);
    const double em = QFontMetricsF(sans).horizontalAdvance("abcdefghijklmnopqrstuvwxyz0123456789");
    QVERIFY2(em < 18.286 * 1000 * 1.06, qPrintable(QString::number(em)));
}

void SheetPrinterTest::EveryTypeFitsThePageWithoutCollisions_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("paper");
    QTest::addColumn<QString>("variant");
    for (const int type : {1, 2, 3, 4})
        for (const QPageSize::PageSizeId paper : {QPageSize::A4, QPageSize::Letter})
            for (const char* variant :
                 {"as designed", "640-character texts", "values typed with decimals"})
                QTest::addRow("%s on %s, %s", TypeName(ConnectionType(type)).data(),
                              paper == QPageSize::A4 ? "A4" : "Letter", variant)
                    << type << int(paper) << QString::fromLatin1(variant);
}

void SheetPrinterTest::EveryTypeFitsThePageWithoutCollisions() {
    QFETCH(int, type);
    QFETCH(int, paper);
    QFETCH(QString, variant);
    SheetContent sheet = WidestAcceptedSheet(ConnectionType(type));
    QVERIFY(!sheet.report.empty());
    if (variant == QStringLiteral("640-character texts")) {
        std::string text;
        while (text.size() < 640) text += "Tower B, grid line 12 ";
        text.resize(640);
        sheet.info = ProjectInfo{text, text, text, text, text, text};
    } else if (variant == QStringLiteral("values typed with decimals")) {
        for (int row = 1; row < sheet.input.rows; ++row)
            sheet.input.At(row, kValueColumn) += ".000";
    }
    QTemporaryDir folder;
    QPdfWriter device(folder.filePath("measure.pdf"));
    QPageLayout layout = print::DefaultSheetLayout();
    layout.setPageSize(QPageSize(QPageSize::PageSizeId(paper)));
    device.setPageLayout(layout);
    QCOMPARE(print::SheetFitScale(device, sheet), 1.0);

    const double twips = kTwipsPerInch / device.logicalDpiX();
    BoxRecorder page(device, QRectF(0, 0, device.width(), device.height()), twips);
    PrintConnectionSheet(page, sheet);
    const QRectF printable(0, 0, device.width() * twips, device.height() * twips);
    const QRectF drawing(2000, 7000, sheet.drawingWidthTwips, sheet.drawingHeightTwips);
    for (std::size_t i = 0; i < page.boxes.size(); ++i) {
        const TextBox& a = page.boxes[i];
        if (a.text.isEmpty()) continue;
        QVERIFY2(printable.contains(a.box.normalized().adjusted(0, 0, -0.01, -0.01)),
                 qPrintable(a.text));
        // The drawing's own labels are the drawing's business.
        if (a.page == 0 && drawing.contains(a.box.topLeft())) continue;
        // Everything above the drawing ends above it: the input list above all.
        if (a.page == 0 && a.box.top() < drawing.top())
            QVERIFY2(a.box.bottom() <= drawing.top(), qPrintable(a.text));
        for (std::size_t j = i + 1; j < page.boxes.size(); ++j) {
            const TextBox& b = page.boxes[j];
            if (b.text.isEmpty() || b.page != a.page ||
                (b.page == 0 && drawing.contains(b.box.topLeft())))
                continue;
            QVERIFY2(!Collide(a.box, b.box), qPrintable(a.text + " | " + b.text));
        }
    }
}

void SheetPrinterTest::AnOversizedDrawingScalesTheSheetDown() {
    SheetContent sheet = WidestAcceptedSheet(ConnectionType::BMEP);
    sheet.drawingWidthTwips = sheet.drawingHeightTwips = 12000;
    QTemporaryDir folder;
    QPdfWriter device(folder.filePath("big.pdf"));
    device.setPageLayout(print::DefaultSheetLayout());
    // The drawing, fitted to its 12000-twip square from x = 2000, reaches across to about
    // 13500 twips of an 11180-twip printable width.
    const double scale = print::SheetFitScale(device, sheet);
    QVERIFY2(scale > 0.78 && scale < 0.88, qPrintable(QString::number(scale)));
    QCOMPARE(print::PrintSheetToPdf(folder.filePath("big.pdf"), sheet), QString());
}

void SheetPrinterTest::PdfIsWrittenWholeOrNotAtAll() {
    QTemporaryDir folder;
    const QString path = folder.filePath("sheet.pdf");
    const SheetContent sheet = WidestAcceptedSheet(ConnectionType::WSP);
    QCOMPARE(print::PrintSheetToPdf(path, sheet), QString());
    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray pdf = written.readAll();
    QVERIFY(pdf.startsWith("%PDF"));
    // The sheet's two pages, then the further checks on two more.
    QCOMPARE(QString::fromLatin1(pdf).count(QRegularExpression("/Type\\s*/Page\\b(?!s)")), 4);

    // A sheet whose drawing fails leaves the earlier file as it was and nothing beside it.
    SheetContent broken = sheet;
    broken.choices.beamSection = -1;
    QVERIFY(!print::PrintSheetToPdf(path, broken).isEmpty());
    written.seek(0);
    QCOMPARE(written.readAll(), pdf);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"sheet.pdf"});

    const QString nowhere = folder.filePath("missing/sheet.pdf");
    QVERIFY(!print::PrintSheetToPdf(nowhere, sheet).isEmpty());
    QVERIFY(!QFile::exists(nowhere));
}

// The locale's short date where the sheet's code page can print it; ISO 8601 where its digits
// or direction marks would print as "?".
void SheetPrinterTest::DateIsReadableInEveryLocale() {
    const QDate date(2026, 8, 12);
    const struct {
        const char* locale;
        CodePage page;
        bool iso;
    } cases[] = {
        {"en_US", CodePage::Windows1252, false}, {"de_DE", CodePage::Windows1252, false},
        {"th_TH", CodePage::Windows874, false},  {"ar_EG", CodePage::Windows1252, true},
        {"fa_IR", CodePage::Windows1252, true},  {"ar_EG", CodePage::Windows874, true},
    };
    for (const auto& c : cases) {
        const QLocale locale(QString::fromLatin1(c.locale));
        const std::string expected =
            c.iso ? "2026-08-12" : locale.toString(date, QLocale::ShortFormat).toStdString();
        QCOMPARE(print::SheetDate(locale, date, c.page), expected);
    }
}

QTEST_MAIN(SheetPrinterTest)
#include "sheet_printer_test.moc"
