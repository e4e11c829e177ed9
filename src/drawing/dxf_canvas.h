// A canvas that builds an ASCII DXF drawing, and the functions that draw a connection into one:
// a drawing that drafters open in AutoCAD, LibreCAD and other CAD programs and build on.
//
// The file is in the R12 form every CAD reader accepts. Coordinates are the drawing's world
// units as they are (the connection drawings' millimetres, declared in the header), y upward.
// Each palette colour lands on a layer by its role in the drawings: bolts on BOLTS, dimension
// lines with their labels on DIMENSIONS, callouts, weld symbols, titles and warnings on NOTES,
// section hatching on HATCH, everything else on MEMBERS. The layers carry the drawing's colours,
// so a drafter can switch a layer off or restyle it as a whole.
//
// A detailed drawing is written at a plot scale from the series 1:1, 1:2, 1:2.5, 1:5, 1:10,
// 1:20, the largest at which it fits an A4 sheet in landscape, with its text at a fixed plotted
// height at that scale (2.5 mm for dimensions, 3.5 mm for notes) and the scale written as a
// note under it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "data/connection_input.h"
#include "data/text_grid.h"
#include "drawing/canvas.h"

namespace jw {

inline constexpr std::string_view kDxfMembersLayer = "MEMBERS";
inline constexpr std::string_view kDxfBoltsLayer = "BOLTS";
inline constexpr std::string_view kDxfDimensionsLayer = "DIMENSIONS";
inline constexpr std::string_view kDxfNotesLayer = "NOTES";
inline constexpr std::string_view kDxfHatchLayer = "HATCH";

// The plot scales a detailed drawing may take (1:n), and the part of an A4 sheet in landscape
// it must fit, in plotted millimetres (297 x 210 less a 10 mm border).
inline constexpr double kDxfPlotScales[] = {1, 2, 2.5, 5, 10, 20};
inline constexpr double kDxfSheetWidthMm = 277;
inline constexpr double kDxfSheetHeightMm = 190;
// Plotted text heights at the plot scale.
inline constexpr double kDxfDimensionTextMm = 2.5;
inline constexpr double kDxfNoteTextMm = 3.5;

// CAD has no pixels, yet the drawings size bolt symbols by pen width and place labels by text
// extent. Both follow a notional square picture, so the CAD drawing has the proportions the
// same drawing has on screen or as an SVG of this size.
struct DxfOptions {
    int picturePx = 800;     // width and height of the notional picture
    double fontSizePx = 14;  // labels and notes of the classic drawing
    bool classic = false;    // the classic drawing, without a plot scale, instead of the detailed
};

// The layer a palette colour is drawn on (light red: BOLTS; light blue: DIMENSIONS; the note
// and warning colours: NOTES; the hatch colour: HATCH; others: MEMBERS), and the nearest
// AutoCAD colour index (black and white both give 7, which CAD shows in contrast to its
// background). Both throw DesignError for an index outside 0..15.
std::string_view DxfLayerOf(int colour);
int DxfColourOf(int colour);

// Lines become LINE entities, boxes closed POLYLINEs, circles CIRCLEs and printed text TEXT
// entities with their top-left corner at the text position. CAD draws every line as a
// hairline, so a circle drawn with a pen wider than one pixel is written as the outer edge of
// the band the pen covers: a bolt's ring, which the picture shows as a solid dot, becomes a
// circle of about the bolt's diameter. A window whose y axis points down is mirrored, so the
// drawing reads the same way up as on screen.
class DxfCanvas : public DrawingCanvas {
  public:
    // Throws DesignError for a picture or font size that is not a positive, sensible number.
    explicit DxfCanvas(const DxfOptions& options = {});

    // The whole file: HEADER (version, extents, millimetre units), TABLES (line type, layers,
    // text style), the ENTITIES drawn since the last Cls, and EOF. CR LF line ends.
    std::string Document() const;

    // Text at a fixed plotted height on a sheet plotted at 1:denominator (see above); 0, as at
    // the start, sizes text by the notional picture instead.
    void SetPlotScale(double denominator);
    double PlotScale() const { return plotScale_; }

    // The extent of everything written, in the file's coordinates; nothing before anything is.
    struct Extent {
        double minX, minY, maxX, maxY;
    };
    std::optional<Extent> DrawnExtent() const;

    double TextWidth(std::string_view text) const override;
    double TextHeight(std::string_view text) const override;
    double Width() const override { return options_.picturePx * kTwipsPerPixel; }

  protected:
    void DoClear() override;
    void DoLine(double x1, double y1, double x2, double y2, int colour) override;
    void DoBox(double x1, double y1, double x2, double y2, int colour) override;
    void DoCircle(double cx, double cy, double radius, int colour) override;
    void DoText(double x, double y, std::string_view text, int colour) override;

  private:
    double PixelSize() const;            // world units per pixel of the notional picture
    double CapHeight(int colour) const;  // the TEXT height, in world units
    double OutY(double y) const;
    void Extend(double x, double y);
    void StartEntity(std::string_view kind, int colour);
    void Point(int code, double x, double y);

    DxfOptions options_;
    double plotScale_ = 0;
    std::string entities_;
    bool empty_ = true;
    double minX_ = 0;
    double minY_ = 0;
    double maxX_ = 0;
    double maxY_ = 0;
};

// Text made safe for a DXF value: one line of printable ASCII. Control characters, which
// would break the file's code/value pairs, become "?"; bytes above 127 are taken as Latin-1 and
// written as \U+00XX escapes, which CAD programs show as the character.
std::string EscapeDxfText(std::string_view text);

// A number as DXF writes it: "." as the decimal point whatever the locale, at least one decimal
// ("230.0", "-12.5"), up to six.
std::string DxfNumber(double value);

// The drawing of a connection as a DXF file: the detailed drawing at its plot scale, or the
// classic drawing when the options ask for it. Throws DesignError when the connection cannot
// be drawn (see DrawConnection) or when no type is given.
std::string DrawConnectionDxf(ConnectionType type, const TextGrid& grid,
                              const ConnectionChoices& choices, const DxfOptions& options = {});

// Draws the connection and writes the file to `path`. The drawing is finished before the file
// is touched, and the file replaces any earlier one at `path` as a whole, so a failure leaves no
// partial file behind. Throws DesignError naming the path when writing fails.
void WriteConnectionDxf(const std::string& path, ConnectionType type, const TextGrid& grid,
                        const ConnectionChoices& choices, const DxfOptions& options = {});

}  // namespace jw
