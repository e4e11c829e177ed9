// A canvas that builds a standalone SVG document, and the functions that draw a connection into
// one: a drawing that any browser shows and any document can hold.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "data/connection_input.h"
#include "data/text_grid.h"
#include "drawing/canvas.h"

namespace jw {

struct SvgOptions {
    int widthPx = 800;  // the picture, in CSS pixels of 1/96 inch
    int heightPx = 800;
    double fontSizePx = 14;  // labels and notes
    bool classic = false;    // the classic drawing, with its text measure, instead of the detailed
};

// The world window is mapped onto the picture "0 0 widthPx heightPx" with y upward when the
// window's top is its larger y. Pen widths are pixels of the picture; colours come from the
// 16-colour palette.
class SvgCanvas : public DrawingCanvas {
  public:
    // Throws DesignError for a picture or font size that is not a positive, sensible number.
    explicit SvgCanvas(const SvgOptions& options = {});

    // The whole document: XML declaration, a white background and every element drawn since the
    // last Cls.
    std::string Document() const;

    double TextWidth(std::string_view text) const override;
    double TextHeight(std::string_view text) const override;
    double Width() const override { return options_.widthPx * kTwipsPerPixel; }

  protected:
    void DoClear() override { elements_.clear(); }
    void DoLine(double x1, double y1, double x2, double y2, int colour) override;
    void DoBox(double x1, double y1, double x2, double y2, int colour) override;
    void DoCircle(double cx, double cy, double radius, int colour) override;
    void DoText(double x, double y, std::string_view text, int colour) override;

  private:
    double PixelX(double x) const;
    double PixelY(double y) const;
    std::string Stroke(int colour) const;

    SvgOptions options_;
    std::vector<std::string> elements_;
};

// Text made safe for XML character data and attribute values. Control characters XML cannot
// carry become "?"; bytes above 127 are taken as Latin-1 and written as character references.
std::string EscapeXml(std::string_view text);

// The drawing of a connection as an SVG document. Throws DesignError when the connection
// cannot be drawn (see DrawConnection) or when no type is given.
std::string DrawConnectionSvg(ConnectionType type, const TextGrid& grid,
                              const ConnectionChoices& choices, const SvgOptions& options = {});

// Draws the connection and writes the document to `path`. The drawing is finished before the
// file is touched, and the file is written under a temporary name in the same folder and then
// renamed, so a failure leaves any earlier file at `path` as it was and no partial file behind.
// Throws DesignError naming the path when writing fails.
void WriteConnectionSvg(const std::string& path, ConnectionType type, const TextGrid& grid,
                        const ConnectionChoices& choices, const SvgOptions& options = {});

}  // namespace jw
