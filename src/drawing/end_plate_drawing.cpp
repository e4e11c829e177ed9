// View onto a moment end plate: the plate as wide as the beam flange, the beam section centred
// on it, two bolt columns, and dimension chains to the right and above.
#include <string_view>

#include "drawing/connection_drawings.h"
#include "drawing/primitives.h"

namespace jw {
namespace {

constexpr std::string_view kBoltGroupNote =
    "(Configuration of Bolt Group Shall be designed by User)";

}  // namespace

void DrawEndPlateConnection(DrawingCanvas& canvas, const EndPlateDrawing& e) {
    const float d = e.depth;
    const float tf = e.flange;
    const float bf = e.flangeWidth;
    const float tw = e.web;
    const float D = e.boltDia;
    const int nRow = e.rows;
    const float b = e.edge;
    const float c = e.pitch;
    const float g = e.gauge;
    const float Hp = (nRow - 1) * c + 2 * b;

    float x1 = 0;
    float x2 = 1.5 * bf;
    float y1 = 0;
    float y2 = 0;
    if (Hp > d) {
        y2 = 1.3 * Hp;
    } else {
        // A beam deeper than the plate overhangs it by (d - Hp) / 2 above and below; the window
        // reaches far enough down to keep the overhang in the picture.
        y1 = Hp - d;
        y2 = d;
    }
    FitWorldWindow(canvas, x1, x2, y1, y2, 0.1f);

    // The bolt layout here is only a proposal; the note says so along the top of the picture.
    canvas.SetForeColor(kLightBlue);
    canvas.SetCurrentX((canvas.ScaleWidth() - canvas.TextWidth(kBoltGroupNote)) / 2 +
                       canvas.ScaleLeft());
    canvas.SetCurrentY(canvas.ScaleTop());
    canvas.Print(kBoltGroupNote);

    canvas.Box(0, 0, bf, Hp, kBlack);
    DrawISection(canvas, 0, Hp / 2 - d / 2, d, bf, tf, tw, kBlack);
    DrawBoltGrid(canvas, D, b, D, nRow, 2, c, g, kLightRed);

    const float X1 = 1.15 * bf;
    DrawDimension(canvas, X1, 0, X1, b, kLightBlue);
    for (int i = 1; i <= nRow - 1; ++i)
        DrawDimension(canvas, X1, b + (i - 1) * c, X1, b + i * c, kLightBlue);
    DrawDimension(canvas, X1, (nRow - 1) * c + b, X1, Hp, kLightBlue);

    const float X2 = 1.6 * bf;
    DrawDimension(canvas, X2, 0, X2, Hp, kLightBlue);

    const float Y1 = 1.1 * Hp;
    DrawDimension(canvas, D, Y1, D + g, Y1, kLightBlue);
    const float Y2 = 1.2 * Hp;
    DrawDimension(canvas, 0, Y2, bf, Y2, kLightBlue);
}

}  // namespace jw
