// The painter canvas: where world points land, text extents with the window's sign, pen widths
// on devices of other resolutions, and a whole connection drawn onto an image.
#include <QImage>
#include <QPainter>
#include <QTest>

#include "drawing/connection_drawings.h"
#include "print/painter_canvas.h"
#include "ui/drawing_view.h"
#include "ui/sample_input.h"

using jw::print::PainterCanvas;

namespace {

QImage WhiteImage(int side) {
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

bool HasColour(const QImage& image, QRgb colour) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour) return true;
    return false;
}

}  // namespace

class PainterCanvasTest : public QObject {
    Q_OBJECT
  private slots:
    void MapsWorldWindowOntoTarget_data();
    void MapsWorldWindowOntoTarget();
    void TextHeightCarriesTheWindowSign();
    void BoxLandsOnItsPixels();
    void PenWidthKeepsItsSizeOnFinerDevices();
    void DrawsAConnectionInItsColours();
    void ReportsWhyAConnectionCannotBeDrawn();
};

void PainterCanvasTest::MapsWorldWindowOntoTarget_data() {
    QTest::addColumn<double>("top");
    QTest::addColumn<double>("bottom");
    QTest::addColumn<QPointF>("world");
    QTest::addColumn<QPointF>("expected");
    // Target 200 x 100 at (10, 20); world x from 0 to 100.
    QTest::newRow("downward window") << 0.0 << 50.0 << QPointF(50, 25) << QPointF(110, 70);
    QTest::newRow("upward window") << 50.0 << 0.0 << QPointF(50, 25) << QPointF(110, 70);
    QTest::newRow("upward, bottom-left corner") << 50.0 << 0.0 << QPointF(0, 0) << QPointF(10, 120);
    QTest::newRow("downward, bottom-right corner")
        << 0.0 << 50.0 << QPointF(100, 50) << QPointF(210, 120);
}

void PainterCanvasTest::MapsWorldWindowOntoTarget() {
    QFETCH(double, top);
    QFETCH(double, bottom);
    QFETCH(QPointF, world);
    QFETCH(QPointF, expected);
    QImage image = WhiteImage(300);
    QPainter painter(&image);
    PainterCanvas canvas(painter, QRectF(10, 20, 200, 100));
    canvas.Scale(0, top, 100, bottom);
    const QPointF mapped = canvas.Map(world.x(), world.y());
    QCOMPARE(mapped.x(), expected.x());
    QCOMPARE(mapped.y(), expected.y());
    QCOMPARE(canvas.Width(), 200 * jw::kTwipsPerPixel);
}

void PainterCanvasTest::TextHeightCarriesTheWindowSign() {
    QImage image = WhiteImage(200);
    QPainter painter(&image);
    PainterCanvas canvas(painter, QRectF(0, 0, 200, 200));
    canvas.Scale(0, 0, 1000, 1000);
    const double down = canvas.TextHeight("12");
    canvas.Scale(0, 1000, 1000, 0);
    QVERIFY(down > 0);
    QCOMPARE(canvas.TextHeight("12"), -down);
    QVERIFY(canvas.TextWidth("1234") > canvas.TextWidth("1"));

    // Print moves one line down, to the left edge.
    canvas.SetCurrentX(500);
    canvas.SetCurrentY(900);
    canvas.Print("45");
    QCOMPARE(canvas.CurrentY(), 900 - down);
    QCOMPARE(canvas.CurrentX(), 0.0);
}

void PainterCanvasTest::BoxLandsOnItsPixels() {
    QImage image = WhiteImage(200);
    {
        QPainter painter(&image);
        PainterCanvas canvas(painter, QRectF(0, 0, 200, 200));
        canvas.Scale(0, 100, 100, 0);  // upward, 2 pixels per unit
        canvas.Box(10, 10, 90, 60, jw::kBlack);
    }
    const QRgb black = qRgb(0, 0, 0);
    const QRgb white = qRgb(255, 255, 255);
    QCOMPARE(image.pixel(100, 180), black);  // bottom edge, y = 10
    QCOMPARE(image.pixel(100, 80), black);   // top edge, y = 60
    QCOMPARE(image.pixel(20, 120), black);   // left edge, x = 10
    QCOMPARE(image.pixel(100, 120), white);  // inside stays empty
    QCOMPARE(image.pixel(100, 40), white);   // above the box
}

void PainterCanvasTest::PenWidthKeepsItsSizeOnFinerDevices() {
    // A 1-pixel pen is 1/96 inch: one pixel on screen, about six at 600 dots per inch.
    const struct {
        const char* device;
        double twipsPerUnit;
        bool thickAt3;
    } cases[] = {{"screen", jw::kTwipsPerPixel, false}, {"600 dpi printer", 2.4, true}};
    for (const auto& c : cases) {
        QImage image = WhiteImage(200);
        {
            QPainter painter(&image);
            PainterCanvas canvas(painter, QRectF(0, 0, 200, 200), c.twipsPerUnit);
            canvas.Scale(0, 0, 200, 200);
            canvas.SetDrawWidth(1);
            canvas.Line(0, 100.5, 200, 100.5, jw::kBlack);
        }
        QVERIFY2(image.pixel(100, 100) == qRgb(0, 0, 0), c.device);
        QVERIFY2((image.pixel(100, 103) == qRgb(0, 0, 0)) == c.thickAt3, c.device);
    }
}

void PainterCanvasTest::DrawsAConnectionInItsColours() {
    const jw::ConnectionInput sample = jw::ui::SampleConnection(jw::ConnectionType::WSP);
    QImage image = WhiteImage(400);
    {
        QPainter painter(&image);
        PainterCanvas canvas(painter, QRectF(image.rect()));
        jw::DrawConnection(canvas, sample.type, sample.grid, sample.choices);
    }
    QVERIFY2(HasColour(image, qRgb(255, 0, 0)), "bolts are light red");
    QVERIFY2(HasColour(image, qRgb(0, 0, 255)), "dimensions are light blue");
    QVERIFY2(HasColour(image, qRgb(0, 0, 0)), "members are black");
}

void PainterCanvasTest::ReportsWhyAConnectionCannotBeDrawn() {
    jw::ConnectionInput input = jw::ui::SampleConnection(jw::ConnectionType::ACLT);
    QVERIFY(!jw::ui::DrawingView::DrawingProblem(input));
    input.choices.angleSection = -1;
    const auto problem = jw::ui::DrawingView::DrawingProblem(input);
    QVERIFY(problem);
    QVERIFY(!problem->empty());
}

QTEST_MAIN(PainterCanvasTest)
#include "painter_canvas_test.moc"
