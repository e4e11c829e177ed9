#include "drawing/dxf_canvas.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "data/atomic_file.h"
#include "data/design_error.h"
#include "data/numbers.h"
#include "drawing/connection_drawings.h"

namespace jw {
namespace {

// TEXT heights are cap heights; a line of text, as the canvas advances it, is a little over
// one em. Characters of CAD's plain text fonts run wider than a proportional screen font.
constexpr double kCapHeightEm = 0.7;
constexpr double kCharWidthEm = 0.6;
constexpr double kLineHeightEm = 1.15;
constexpr int kMaxPicturePx = 100000;
constexpr double kMaxFontPx = 1000;

// AutoCAD colour index of each palette colour: the eight basic colours where the palette has
// them, the nearest shade of the hue wheel for the dark variants, 8 and 9 for the greys.
constexpr std::array<int, kPaletteSize> kAciOfPalette = {7, 176, 96, 136, 16, 216, 56, 9,
                                                         8, 5,   3,  4,   1,  6,   2,  7};

constexpr std::string_view kNewLine = "\r\n";

// TEXT justification codes: left, and top for the vertical alignment, so the text hangs from
// the point the canvas gives whatever font the CAD program substitutes.
constexpr int kJustifyLeft = 0;
constexpr int kJustifyTop = 3;

void CheckOptions(const DxfOptions& o) {
    const bool sizeOk = o.picturePx >= 1 && o.picturePx <= kMaxPicturePx;
    const bool fontOk =
        std::isfinite(o.fontSizePx) && o.fontSizePx > 0 && o.fontSizePx <= kMaxFontPx;
    if (!sizeOk || !fontOk)
        throw DesignError("The DXF drawing needs a picture of 1 to " +
                          std::to_string(kMaxPicturePx) +
                          " pixels each way and a font size above 0.");
}

// One code/value pair; codes right-aligned in three columns as CAD programs write them.
void Pair(std::string& out, int code, std::string_view value) {
    char codeText[8];
    std::snprintf(codeText, sizeof codeText, "%3d", code);
    out += codeText;
    out += kNewLine;
    out += value;
    out += kNewLine;
}

void Pair(std::string& out, int code, int value) {
    Pair(out, code, std::to_string(value));
}

void NumberPair(std::string& out, int code, double value) {
    Pair(out, code, DxfNumber(value));
}

void Point3(std::string& out, int code, double x, double y) {
    NumberPair(out, code, x);
    NumberPair(out, code + 10, y);
    NumberPair(out, code + 20, 0);
}

void Header(std::string& out, double minX, double minY, double maxX, double maxY) {
    Pair(out, 0, "SECTION");
    Pair(out, 2, "HEADER");
    Pair(out, 9, "$ACADVER");
    Pair(out, 1, "AC1009");
    Pair(out, 9, "$INSBASE");
    Point3(out, 10, 0, 0);
    Pair(out, 9, "$EXTMIN");
    Point3(out, 10, minX, minY);
    Pair(out, 9, "$EXTMAX");
    Point3(out, 10, maxX, maxY);
    // Drawing units: millimetres, so the drawing inserts at its true size.
    Pair(out, 9, "$INSUNITS");
    Pair(out, 70, 4);
    Pair(out, 0, "ENDSEC");
}

void Layer(std::string& out, std::string_view name, int aci) {
    Pair(out, 0, "LAYER");
    Pair(out, 2, name);
    Pair(out, 70, 0);
    Pair(out, 62, aci);
    Pair(out, 6, "CONTINUOUS");
}

// A detailed drawing's table also has the NOTES and HATCH layers; the classic drawing's keeps
// the three it always had.
void Tables(std::string& out, bool detailed) {
    Pair(out, 0, "SECTION");
    Pair(out, 2, "TABLES");

    Pair(out, 0, "TABLE");
    Pair(out, 2, "LTYPE");
    Pair(out, 70, 1);
    Pair(out, 0, "LTYPE");
    Pair(out, 2, "CONTINUOUS");
    Pair(out, 70, 0);
    Pair(out, 3, "Solid line");
    Pair(out, 72, 65);
    Pair(out, 73, 0);
    NumberPair(out, 40, 0);
    Pair(out, 0, "ENDTAB");

    Pair(out, 0, "TABLE");
    Pair(out, 2, "LAYER");
    Pair(out, 70, detailed ? 6 : 4);
    Layer(out, "0", DxfColourOf(kBlack));
    Layer(out, kDxfMembersLayer, DxfColourOf(kBlack));
    Layer(out, kDxfBoltsLayer, DxfColourOf(kLightRed));
    Layer(out, kDxfDimensionsLayer, DxfColourOf(kLightBlue));
    if (detailed) {
        Layer(out, kDxfNotesLayer, DxfColourOf(kNoteColour));
        Layer(out, kDxfHatchLayer, DxfColourOf(kHatchColour));
    }
    Pair(out, 0, "ENDTAB");

    Pair(out, 0, "TABLE");
    Pair(out, 2, "STYLE");
    Pair(out, 70, 1);
    Pair(out, 0, "STYLE");
    Pair(out, 2, "STANDARD");
    Pair(out, 70, 0);
    NumberPair(out, 40, 0);  // no fixed height: each TEXT carries its own
    NumberPair(out, 41, 1);
    NumberPair(out, 50, 0);
    Pair(out, 71, 0);
    NumberPair(out, 42, 2.5);
    Pair(out, 3, "txt");
    Pair(out, 4, "");
    Pair(out, 0, "ENDTAB");

    Pair(out, 0, "ENDSEC");
}

// The colour a layer gives its entities.
int LayerColour(std::string_view layer) {
    if (layer == kDxfBoltsLayer) return DxfColourOf(kLightRed);
    if (layer == kDxfDimensionsLayer) return DxfColourOf(kLightBlue);
    if (layer == kDxfNotesLayer) return DxfColourOf(kNoteColour);
    if (layer == kDxfHatchLayer) return DxfColourOf(kHatchColour);
    return DxfColourOf(kBlack);
}

}  // namespace

std::string_view DxfLayerOf(int colour) {
    PaletteColour(colour);  // rejects an index outside the palette
    if (colour == kLightRed) return kDxfBoltsLayer;
    if (colour == kLightBlue) return kDxfDimensionsLayer;
    if (colour == kNoteColour || colour == kWarningColour) return kDxfNotesLayer;
    if (colour == kHatchColour) return kDxfHatchLayer;
    return kDxfMembersLayer;
}

int DxfColourOf(int colour) {
    PaletteColour(colour);
    return kAciOfPalette[colour];
}

std::string DxfNumber(double value) {
    if (value == 0 || !std::isfinite(value)) value = 0;  // no "-0.0"; the canvas passes only finite
    // Fixed notation reads best; past 1e15 mm a drawing means nothing, but it must still parse.
    const bool fixed = std::fabs(value) < 1e15;
    char buf[64];
    const auto result =
        std::to_chars(buf, buf + sizeof buf, value,
                      fixed ? std::chars_format::fixed : std::chars_format::scientific, 6);
    std::string text(buf, result.ptr);
    if (!fixed) return text;
    const std::size_t point = text.find('.');
    std::size_t end = text.size();
    while (end > point + 2 && text[end - 1] == '0') --end;
    text.resize(end);
    return text == "-0.0" ? "0.0" : text;
}

std::string EscapeDxfText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte >= 0x80) {
            char escape[16];
            std::snprintf(escape, sizeof escape, "\\U+%04X", static_cast<unsigned>(byte));
            out += escape;
        } else if (byte < 0x20 || byte == 0x7F) {
            out += '?';
        } else {
            out += ch;
        }
    }
    return out;
}

DxfCanvas::DxfCanvas(const DxfOptions& options) : options_(options) {
    CheckOptions(options_);
    // Until a drawing sets its window, the surface counts in twips from the top-left corner.
    Scale(0, 0, Width(), Width());
}

double DxfCanvas::PixelSize() const {
    return std::fabs(ScaleWidth()) / options_.picturePx;
}

void DxfCanvas::SetPlotScale(double denominator) {
    plotScale_ = std::isfinite(denominator) && denominator > 0 ? denominator : 0;
}

double DxfCanvas::CapHeight(int colour) const {
    if (plotScale_ > 0)
        return (DxfLayerOf(colour) == kDxfNotesLayer ? kDxfNoteTextMm : kDxfDimensionTextMm) *
               plotScale_;
    return kCapHeightEm * options_.fontSizePx * PixelSize();
}

std::optional<DxfCanvas::Extent> DxfCanvas::DrawnExtent() const {
    if (empty_) return std::nullopt;
    return Extent{minX_, minY_, maxX_, maxY_};
}

double DxfCanvas::OutY(double y) const {
    return ScaleHeight() < 0 ? y : -y;
}

// Text is measured in the ForeColor it will be printed in: at a plot scale its height follows
// its role.
double DxfCanvas::TextWidth(std::string_view text) const {
    const double em =
        plotScale_ > 0 ? CapHeight(ForeColor()) / kCapHeightEm : options_.fontSizePx * PixelSize();
    return static_cast<double>(text.size()) * kCharWidthEm * em;
}

double DxfCanvas::TextHeight(std::string_view /*text*/) const {
    if (plotScale_ > 0)
        return kLineHeightEm * CapHeight(ForeColor()) / kCapHeightEm * (ScaleHeight() < 0 ? -1 : 1);
    return kLineHeightEm * options_.fontSizePx * ScaleHeight() / options_.picturePx;
}

void DxfCanvas::DoClear() {
    entities_.clear();
    empty_ = true;
    minX_ = minY_ = maxX_ = maxY_ = 0;
}

void DxfCanvas::Extend(double x, double y) {
    if (empty_) {
        minX_ = maxX_ = x;
        minY_ = maxY_ = y;
        empty_ = false;
        return;
    }
    minX_ = std::fmin(minX_, x);
    maxX_ = std::fmax(maxX_, x);
    minY_ = std::fmin(minY_, y);
    maxY_ = std::fmax(maxY_, y);
}

void DxfCanvas::StartEntity(std::string_view kind, int colour) {
    const std::string_view layer = DxfLayerOf(colour);
    Pair(entities_, 0, kind);
    Pair(entities_, 8, layer);
    // Entities take their layer's colour unless the drawing asked for another.
    const int aci = DxfColourOf(colour);
    if (aci != LayerColour(layer)) Pair(entities_, 62, aci);
}

void DxfCanvas::Point(int code, double x, double y) {
    const double outY = OutY(y);
    Point3(entities_, code, x, outY);
    Extend(x, outY);
}

void DxfCanvas::DoLine(double x1, double y1, double x2, double y2, int colour) {
    StartEntity("LINE", colour);
    Point(10, x1, y1);
    Point(11, x2, y2);
}

void DxfCanvas::DoBox(double x1, double y1, double x2, double y2, int colour) {
    // One closed outline per box, so a plate stays one object in CAD.
    StartEntity("POLYLINE", colour);
    Pair(entities_, 66, 1);
    Point3(entities_, 10, 0, 0);
    Pair(entities_, 70, 1);
    const std::string_view layer = DxfLayerOf(colour);
    const double corners[4][2] = {{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}};
    for (const auto& corner : corners) {
        Pair(entities_, 0, "VERTEX");
        Pair(entities_, 8, layer);
        Point(10, corner[0], corner[1]);
    }
    Pair(entities_, 0, "SEQEND");
    Pair(entities_, 8, layer);
}

void DxfCanvas::DoCircle(double cx, double cy, double radius, int colour) {
    const double pen = DrawWidth() > 1 ? DrawWidth() * PixelSize() : 0;
    const double outer = radius + pen / 2;
    StartEntity("CIRCLE", colour);
    Point(10, cx, cy);
    NumberPair(entities_, 40, outer);
    Extend(cx - outer, OutY(cy) - outer);
    Extend(cx + outer, OutY(cy) + outer);
}

void DxfCanvas::DoText(double x, double y, std::string_view text, int colour) {
    const double height = CapHeight(colour);
    const double top = OutY(y);
    StartEntity("TEXT", colour);
    // The first point is the baseline start, for readers that ignore the justification.
    Point3(entities_, 10, x, top - height);
    NumberPair(entities_, 40, height);
    Pair(entities_, 1, EscapeDxfText(text));
    Pair(entities_, 72, kJustifyLeft);
    Point3(entities_, 11, x, top);
    Pair(entities_, 73, kJustifyTop);
    Extend(x, top);
    const double em = plotScale_ > 0 ? height / kCapHeightEm : options_.fontSizePx * PixelSize();
    Extend(x + static_cast<double>(text.size()) * kCharWidthEm * em, top - height);
}

std::string DxfCanvas::Document() const {
    std::string doc;
    doc.reserve(entities_.size() + 2048);
    Header(doc, minX_, minY_, maxX_, maxY_);
    Tables(doc, plotScale_ > 0);
    Pair(doc, 0, "SECTION");
    Pair(doc, 2, "ENTITIES");
    doc += entities_;
    Pair(doc, 0, "ENDSEC");
    Pair(doc, 0, "EOF");
    return doc;
}

namespace {

// The detailed drawing at one plot scale with the scale written under it; false when it does
// not fit the sheet at that scale.
bool DrawAtScale(DxfCanvas& canvas, double denominator, ConnectionType type, const TextGrid& grid,
                 const ConnectionChoices& choices) {
    canvas.SetPlotScale(denominator);
    DrawConnection(canvas, type, grid, choices);
    const auto extent = canvas.DrawnExtent();
    if (!extent) return true;
    canvas.SetForeColor(kNoteColour);
    const double line = std::fabs(canvas.TextHeight("0"));
    const double width = extent->maxX - extent->minX;
    const double height = extent->maxY - extent->minY + 2 * line;
    canvas.SetCurrentX(extent->minX);
    canvas.SetCurrentY(extent->minY - line);
    canvas.Print("SCALE 1:" + FormatPlain(denominator) + " (A4 LANDSCAPE)");
    canvas.SetForeColor(kLightBlue);
    return width <= kDxfSheetWidthMm * denominator && height <= kDxfSheetHeightMm * denominator;
}

}  // namespace

std::string DrawConnectionDxf(ConnectionType type, const TextGrid& grid,
                              const ConnectionChoices& choices, const DxfOptions& options) {
    if (type == ConnectionType::None)
        throw DesignError("No connection type is chosen: choose a connection type before drawing.");
    DxfCanvas canvas(options);
    if (options.classic) {
        DrawClassicConnection(canvas, type, grid, choices);
        return canvas.Document();
    }
    // The largest scale at which the drawing fits the sheet; the smallest scale of the series
    // when none does.
    for (const double denominator : kDxfPlotScales)
        if (DrawAtScale(canvas, denominator, type, grid, choices)) break;
    return canvas.Document();
}

void WriteConnectionDxf(const std::string& path, ConnectionType type, const TextGrid& grid,
                        const ConnectionChoices& choices, const DxfOptions& options) {
    WriteTextFileAtomically(path, DrawConnectionDxf(type, grid, choices, options));
}

}  // namespace jw
