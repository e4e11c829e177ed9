// The drawing surface shared by the screen pictures, the printed page and the file back ends.
//
// Drawings speak in world units (the connection's millimetres) through a world window that the
// surface maps onto itself; a window whose top is larger than its bottom has its y axis upward.
// Pen widths are device pixels and colours are indices of the classic 16-colour palette, so a
// drawing looks the same on every back end. The public operations check their arguments and
// keep the common state (window, pen, colour, text position); a back end only implements the
// protected hooks and its text metric.
#pragma once

#include <array>
#include <string_view>

namespace jw {

// The three palette colours the classic connection drawings use.
inline constexpr int kBlack = 0;      // members, plates, section outlines
inline constexpr int kLightBlue = 9;  // dimension lines, their labels and notes
inline constexpr int kLightRed = 12;  // bolt symbols and shanks
// And what the detailed drawings add: callouts, weld symbols and view titles; warnings of a
// geometry that cannot be built; the hatching of cut parts.
inline constexpr int kNoteColour = 1;     // dark blue
inline constexpr int kWarningColour = 4;  // dark red
inline constexpr int kHatchColour = 8;    // grey

struct Rgb {
    unsigned char red = 0;
    unsigned char green = 0;
    unsigned char blue = 0;
};

inline constexpr int kPaletteSize = 16;
// 0 black, 1 blue, 2 green, 3 cyan, 4 red, 5 magenta, 6 yellow, 7 white (light grey), 8 grey,
// 9 to 14 the light variants of 1 to 6, 15 bright white.
inline constexpr std::array<Rgb, kPaletteSize> kPalette = {{
    {0, 0, 0},
    {0, 0, 128},
    {0, 128, 0},
    {0, 128, 128},
    {128, 0, 0},
    {128, 0, 128},
    {128, 128, 0},
    {192, 192, 192},
    {128, 128, 128},
    {0, 0, 255},
    {0, 255, 0},
    {0, 255, 255},
    {255, 0, 0},
    {255, 0, 255},
    {255, 255, 0},
    {255, 255, 255},
}};

// The colour of a palette index; throws DesignError for an index outside 0..15.
Rgb PaletteColour(int index);

// Surface sizes are kept in twips, 1/1440 inch; a screen pixel is 15 twips at 96 dots per inch.
inline constexpr double kTwipsPerInch = 1440.0;
inline constexpr double kTwipsPerPixel = 15.0;

// The widest pen a surface accepts, in pixels.
inline constexpr int kMaxPenWidth = 32767;

class DrawingCanvas {
  public:
    virtual ~DrawingCanvas() = default;

    // Erases the surface. The window, pen and colour stay as they are.
    void Cls();

    // Maps the world window onto the whole surface. A top larger than the bottom gives an
    // upward y axis (and a negative ScaleHeight). Throws DesignError for a window without extent
    // or with a coordinate that is not finite.
    void Scale(double xLeft, double yTop, double xRight, double yBottom);
    double ScaleLeft() const { return left_; }
    double ScaleTop() const { return top_; }
    double ScaleWidth() const { return width_; }
    double ScaleHeight() const { return height_; }

    // A straight segment in the ForeColor or in a colour of its own.
    void Line(double x1, double y1, double x2, double y2);
    void Line(double x1, double y1, double x2, double y2, int colour);
    // An outline rectangle with opposite corners (x1, y1) and (x2, y2).
    void Box(double x1, double y1, double x2, double y2, int colour);
    // A circle outline drawn with the current pen width.
    void Circle(double cx, double cy, double radius, int colour);

    // Extent of a text in world units with the current font. TextHeight carries the sign of
    // ScaleHeight, so it is negative in an upward window and "one line down" is always
    // CurrentY + TextHeight.
    virtual double TextWidth(std::string_view text) const = 0;
    virtual double TextHeight(std::string_view text) const = 0;

    // Draws the text in the ForeColor with its top-left corner at (CurrentX, CurrentY), then
    // moves one line down and back to the window's left edge.
    void Print(std::string_view text);

    double CurrentX() const { return currentX_; }
    double CurrentY() const { return currentY_; }
    void SetCurrentX(double x);
    void SetCurrentY(double y);

    // Pen width in device pixels; values below 1 give 1, values above kMaxPenWidth are capped.
    int DrawWidth() const { return drawWidth_; }
    void SetDrawWidth(int pixels);

    // Palette index used by Line without a colour and by Print.
    int ForeColor() const { return foreColor_; }
    void SetForeColor(int index);

    // The physical width of the surface in twips.
    virtual double Width() const = 0;

    // Fonts and pages matter only to the printed sheet; other surfaces ignore them.
    virtual void SetFontName(std::string_view /*name*/) {}
    virtual void SetFontSize(double /*points*/) {}
    virtual void SetFontBold(bool /*bold*/) {}
    virtual void SetFontUnderline(bool /*underline*/) {}
    virtual void NewPage() {}
    virtual void EndDocument() {}

  protected:
    DrawingCanvas() = default;
    // Only a whole back end is copied, never its canvas part alone.
    DrawingCanvas(const DrawingCanvas&) = default;
    DrawingCanvas& operator=(const DrawingCanvas&) = default;

    // Back-end hooks. Coordinates are world units under the current window, already checked to
    // be finite; colours are valid palette indices; DrawWidth holds the pen for the call.
    virtual void DoClear() = 0;
    virtual void DoWindowChanged() {}
    virtual void DoLine(double x1, double y1, double x2, double y2, int colour) = 0;
    virtual void DoBox(double x1, double y1, double x2, double y2, int colour) = 0;
    virtual void DoCircle(double cx, double cy, double radius, int colour) = 0;
    virtual void DoText(double x, double y, std::string_view text, int colour) = 0;

  private:
    double left_ = 0;
    double top_ = 0;
    double width_ = 1;
    double height_ = 1;
    double currentX_ = 0;
    double currentY_ = 0;
    int drawWidth_ = 1;
    int foreColor_ = kBlack;
};

}  // namespace jw
