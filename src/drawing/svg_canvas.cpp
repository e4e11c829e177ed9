#include "drawing/svg_canvas.h"

#include <cmath>
#include <cstdio>

#include "data/atomic_file.h"
#include "data/design_error.h"
#include "data/numbers.h"
#include "drawing/connection_drawings.h"

namespace jw {
namespace {

constexpr double kLineHeightEm = 1.15;

// The advance of a character in a proportional sans-serif font, in ems: the wider of the common
// faces a viewer may substitute (Arial, Helvetica, DejaVu Sans), so labels and callouts that
// are laid out apart stay apart whichever face shows them.
struct WidthClass {
    std::string_view characters;
    double em;
};
constexpr WidthClass kWidthClasses[] = {{" .,:;'!|", 0.34}, {"IJijl", 0.3}, {"ft-()/[]", 0.4},
                                        {"r", 0.42},        {"MWmw", 0.99}, {"=+<>~", 0.84}};

double CharWidthEm(char ch) {
    for (const WidthClass& c : kWidthClasses)
        if (c.characters.find(ch) != std::string_view::npos) return c.em;
    return ch >= 'A' && ch <= 'Z' ? 0.78 : 0.64;
}

// The classic drawing measures text as it always has: half an em and a little more for every
// character, enough to centre a number on its line.
constexpr double kClassicCharWidthEm = 0.55;

constexpr int kMaxPicturePx = 100000;
constexpr double kMaxFontPx = 1000;

// Coordinates to a hundredth of a pixel, with "." whatever the locale.
std::string Num(double value) {
    return FormatFixed(value, 2);
}

std::string HexColour(int index) {
    const Rgb rgb = PaletteColour(index);
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", static_cast<unsigned>(rgb.red),
                  static_cast<unsigned>(rgb.green), static_cast<unsigned>(rgb.blue));
    return text;
}

void CheckOptions(const SvgOptions& o) {
    const bool sizeOk = o.widthPx >= 1 && o.widthPx <= kMaxPicturePx && o.heightPx >= 1 &&
                        o.heightPx <= kMaxPicturePx;
    const bool fontOk =
        std::isfinite(o.fontSizePx) && o.fontSizePx > 0 && o.fontSizePx <= kMaxFontPx;
    if (!sizeOk || !fontOk)
        throw DesignError("The SVG picture needs a size of 1 to " + std::to_string(kMaxPicturePx) +
                          " pixels each way and a font size above 0.");
}

}  // namespace

std::string EscapeXml(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        switch (ch) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&apos;";
                break;
            default:
                if (byte >= 0x80) {
                    out += "&#" + std::to_string(byte) + ";";
                } else if (byte < 0x20 && ch != '\t' && ch != '\n' && ch != '\r') {
                    out += '?';
                } else {
                    out += ch;
                }
        }
    }
    return out;
}

SvgCanvas::SvgCanvas(const SvgOptions& options) : options_(options) {
    CheckOptions(options_);
    // Until a drawing sets its window, the surface counts in twips from the top-left corner.
    Scale(0, 0, options_.widthPx * kTwipsPerPixel, options_.heightPx * kTwipsPerPixel);
}

double SvgCanvas::PixelX(double x) const {
    return (x - ScaleLeft()) / ScaleWidth() * options_.widthPx;
}

double SvgCanvas::PixelY(double y) const {
    return (y - ScaleTop()) / ScaleHeight() * options_.heightPx;
}

std::string SvgCanvas::Stroke(int colour) const {
    return "stroke=\"" + HexColour(colour) + "\" stroke-width=\"" + std::to_string(DrawWidth()) +
           "\"";
}

double SvgCanvas::TextWidth(std::string_view text) const {
    double ems = 0;
    for (const char ch : text) ems += options_.classic ? kClassicCharWidthEm : CharWidthEm(ch);
    const double px = ems * options_.fontSizePx;
    return px * std::fabs(ScaleWidth()) / options_.widthPx;
}

double SvgCanvas::TextHeight(std::string_view /*text*/) const {
    return kLineHeightEm * options_.fontSizePx * ScaleHeight() / options_.heightPx;
}

void SvgCanvas::DoLine(double x1, double y1, double x2, double y2, int colour) {
    elements_.push_back("<line x1=\"" + Num(PixelX(x1)) + "\" y1=\"" + Num(PixelY(y1)) +
                        "\" x2=\"" + Num(PixelX(x2)) + "\" y2=\"" + Num(PixelY(y2)) + "\" " +
                        Stroke(colour) + "/>");
}

void SvgCanvas::DoBox(double x1, double y1, double x2, double y2, int colour) {
    const double left = std::fmin(PixelX(x1), PixelX(x2));
    const double top = std::fmin(PixelY(y1), PixelY(y2));
    const double width = std::fabs(PixelX(x2) - PixelX(x1));
    const double height = std::fabs(PixelY(y2) - PixelY(y1));
    elements_.push_back("<rect x=\"" + Num(left) + "\" y=\"" + Num(top) + "\" width=\"" +
                        Num(width) + "\" height=\"" + Num(height) + "\" " + Stroke(colour) + "/>");
}

void SvgCanvas::DoCircle(double cx, double cy, double radius, int colour) {
    const double r = radius / std::fabs(ScaleWidth()) * options_.widthPx;
    elements_.push_back("<circle cx=\"" + Num(PixelX(cx)) + "\" cy=\"" + Num(PixelY(cy)) +
                        "\" r=\"" + Num(r) + "\" " + Stroke(colour) + "/>");
}

void SvgCanvas::DoText(double x, double y, std::string_view text, int colour) {
    // (x, y) is the text's top-left corner; SVG places text by its baseline, about one em lower.
    elements_.push_back("<text x=\"" + Num(PixelX(x)) + "\" y=\"" +
                        Num(PixelY(y) + options_.fontSizePx) + "\" fill=\"" + HexColour(colour) +
                        "\">" + EscapeXml(text) + "</text>");
}

std::string SvgCanvas::Document() const {
    const std::string w = std::to_string(options_.widthPx);
    const std::string h = std::to_string(options_.heightPx);
    std::string doc = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    doc += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + w +
           "\" height=\"" + h + "\" viewBox=\"0 0 " + w + " " + h + "\">\n";
    doc += "<rect x=\"0\" y=\"0\" width=\"" + w + "\" height=\"" + h + "\" fill=\"#FFFFFF\"/>\n";
    doc +=
        "<g fill=\"none\" stroke-linecap=\"round\" stroke-linejoin=\"round\" "
        "font-family=\"Arial, Helvetica, sans-serif\" font-size=\"" +
        Num(options_.fontSizePx) + "\">\n";
    for (const std::string& element : elements_) doc += element + "\n";
    doc += "</g>\n</svg>\n";
    return doc;
}

std::string DrawConnectionSvg(ConnectionType type, const TextGrid& grid,
                              const ConnectionChoices& choices, const SvgOptions& options) {
    if (type == ConnectionType::None)
        throw DesignError("No connection type is chosen: choose a connection type before drawing.");
    SvgCanvas canvas(options);
    if (options.classic)
        DrawClassicConnection(canvas, type, grid, choices);
    else
        DrawConnection(canvas, type, grid, choices);
    return canvas.Document();
}

void WriteConnectionSvg(const std::string& path, ConnectionType type, const TextGrid& grid,
                        const ConnectionChoices& choices, const SvgOptions& options) {
    WriteTextFileAtomically(path, DrawConnectionSvg(type, grid, choices, options));
}

}  // namespace jw
