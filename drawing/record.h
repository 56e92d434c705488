// SPDX-License-Identifier: GPL-3.0-or-later
// The picture as a record of what was drawn, without a toolkit: the segments, polylines, circles,
// names and halos in the order drawn, with their pens, in pixels of a picture of a given size. The
// picture's SVG document (drawing/svg.h) is written from such a record, whoever drew it: the
// window's picture hands its own record over (qt/picture/svgpicture.h), and RecordingSurface below
// draws straight into one, for the browser edition.
//
// Names are placed by their ink, which needs the metrics of their font. The window measures them
// with its toolkit; RecordingSurface takes them from a NameMetrics, by default the built-in table
// of the picture font's glyphs (TableNameMetrics).
#pragma once

#include "drawing/surface.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace esferica {

struct PixelPoint {
    double x = 0, y = 0;
    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// The box of a name's letters, in pixels, y down.
struct PixelBox {
    double left = 0, top = 0, right = 0, bottom = 0;
    double width() const { return right - left; }
    double height() const { return bottom - top; }
};

// The font a name is written in, sized in pixels.
struct NameFont {
    std::string family;
    int pixelSize = 0;
    bool bold = false, italic = false;
};

// A name's trailing prime (U+2032) is written this many times the size of its letter, so that at
// the screen's size it is a plain stroke rather than a hairline, and lowered to stand level with
// the letter's top.
inline constexpr double kPrimeScale = 1.6;
// The white halo around a name, in pixels: the width of the outline stroked around its letters.
inline constexpr double kHaloWidth = 3;
// Whether `text` ends in a prime after at least one letter.
bool isPrimedName(std::string_view text);
// `text` without its trailing prime.
std::string_view primedLetters(std::string_view text);
// The prime of `text`, as written.
inline constexpr std::string_view kPrime = "\u2032";

struct RecordedStroke {
    enum class Kind {
        Lines,     // thin solid segments, one pixel wide: the grid and the classic picture
        Polylines, // wide or dashed lines, each polyline stroked as one: the readable triangles
        Circle,    // a thin solid outline
        Text,      // a name
        Halo,      // the white halo that clears the lines under a name, drawn before the triangles
    };
    Kind kind = Kind::Lines;
    std::int32_t color = kBlack; // red + 256 * green + 65536 * blue
    int width = kThinLine;
    bool dashed = false;
    std::vector<PixelPoint> segments;               // Lines: start and end of each, in turn
    std::vector<std::vector<PixelPoint>> polylines; // Polylines
    PixelPoint centre;                              // of a circle; a name's baseline origin
    double radius = 0;
    std::string text; // UTF-8
    NameFont font;
    // A primed name's prime: its size in pixels and how far below the baseline it stands (up is
    // negative).
    int primePixelSize = 0;
    double primeDrop = 0;
};

// What a picture of `width` by `height` pixels drew.
struct PictureRecord {
    double width = 0, height = 0;
    std::vector<RecordedStroke> strokes;
    std::size_t segmentCount() const;
};

// The metrics of the fonts that names are written in.
class NameMetrics {
public:
    virtual ~NameMetrics() = default;
    // The font of `name`, whose letters are `letterPixels` high in the picture's font: bold and a
    // quarter larger, a side's name (lower case) in italics.
    virtual NameFont font(std::string_view name) const = 0;
    // The width that `letters` advance the pen in `font`.
    virtual double advance(std::string_view letters, const NameFont& font) const = 0;
    // The ink of `letters` written in `font` from the baseline origin (0, 0).
    virtual PixelBox ink(std::string_view letters, const NameFont& font) const = 0;
    // The height of a capital letter in `font`.
    virtual double capHeight(const NameFont& font) const = 0;
};

// The font of a trailing prime after letters in `font`, and how far below the baseline it stands.
NameFont primeFontOf(const NameFont& font);
double primeDropOf(const NameMetrics& metrics, const NameFont& font);
// The ink of a whole name, prime included, from its baseline origin.
PixelBox nameInkOf(const NameMetrics& metrics, std::string_view name, const NameFont& font);

// The metrics of DejaVu Sans Bold and Bold Oblique, the picture font of the desktop on Debian and
// of the page in Debian's browsers, from a table of its glyphs' advances and ink (letters outside
// the table are measured as an 'M'). Names are written in `family` at `pixelSize`.
class TableNameMetrics : public NameMetrics {
public:
    explicit TableNameMetrics(std::string family = kFamily, int pixelSize = kPixelSize);
    NameFont font(std::string_view name) const override;
    double advance(std::string_view letters, const NameFont& font) const override;
    PixelBox ink(std::string_view letters, const NameFont& font) const override;
    double capHeight(const NameFont& font) const override;

    // As the desktop writes the names by default.
    static constexpr const char* kFamily = "DejaVu Sans";
    static constexpr int kPixelSize = 15;

private:
    std::string family_;
    int pixelSize_;
};

// A name's place: a name whose ink is `ink` (from its baseline origin) written beside `point`
// (pixels), clear of it by `gap` pixels on the side that `away` points to (pixels, y down;
// straight up when it is zero), and wholly inside a picture of `width` by `height` pixels, at
// least `margin` from its edges. Returns the baseline origin.
PixelPoint nameBaseline(const PixelBox& ink, PixelPoint point, PixelPoint away, double width,
                        double height);

// A surface that draws into a PictureRecord of a fixed size in pixels, as the window's picture
// draws on the screen: thin solid lines as segments, wide or dashed ones as polylines of the
// segments that join end to start, names placed by their ink.
class RecordingSurface : public Surface {
public:
    RecordingSurface(double width, double height,
                     std::shared_ptr<const NameMetrics> metrics = nullptr);

    void Scale(float left, float top, float right, float bottom) override;
    void Cls() override;
    void setForeColor(std::int32_t color) override;
    void setDrawWidth(int width) override;
    void setDrawStyle(DrawStyle style) override;
    void setCurrentX(float x) override;
    void setCurrentY(float y) override;
    void Line(float x, float y) override;
    void Circle(float x, float y, float r) override;
    void Name(float x, float y, float dx, float dy, std::string_view text) override;
    void NameHalo(float x, float y, float dx, float dy, std::string_view text) override;
    Box nameBox(float x, float y, float dx, float dy, std::string_view text) const override;
    float onePixel() const override;

    // Everything drawn since the last Cls.
    const PictureRecord& record();

private:
    PixelPoint toPixels(float x, float y) const;
    void recordPending();
    RecordedStroke named(RecordedStroke::Kind kind, float x, float y, float dx, float dy,
                         std::string_view text) const;
    PixelPoint baselineOf(float x, float y, float dx, float dy, std::string_view text,
                          const NameFont& font) const;

    PictureRecord record_;
    std::shared_ptr<const NameMetrics> metrics_;
    std::vector<PixelPoint> pending_; // thin solid segments, not yet recorded
    std::vector<std::vector<PixelPoint>> pendingPolylines_;
    bool polylineOpen_ = false;
    float polylineEndX_ = 0, polylineEndY_ = 0; // user coordinates where the last one ends
    std::int32_t foreColor_ = kBlack;
    int drawWidth_ = kThinLine;
    DrawStyle drawStyle_ = DrawStyle::Solid;
    double userLeft_ = 0, userTop_ = 0;
    double scaleX_ = 1, scaleY_ = 1;
    float currentX_ = 0, currentY_ = 0;
};

} // namespace esferica
