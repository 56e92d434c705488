// SPDX-License-Identifier: GPL-3.0-or-later
// The surface the drawing draws on: the picture of the window, or a recording fake in the tests.
// The Qt picture (qt/picture/drawingsurface.h) implements it.
#pragma once

#include <cstdint>
#include <string_view>

namespace esferica {

// Colours, red + 256 * green + 65536 * blue: the sphere and its grid in black, the triangles in
// red. The readable picture (drawing/scene.h) adds a light grey for the far side of the grid, and
// a blue for the additional triangle that stays apart from red under the common colour-vision
// deficiencies (the blue of the Okabe-Ito palette, 0, 114, 178).
inline constexpr std::int32_t kBlack = 0;
inline constexpr std::int32_t kRed = 255;
inline constexpr std::int32_t kFarGrey = 176 + 256 * 176 + 65536 * 176;
inline constexpr std::int32_t kBlue = 0 + 256 * 114 + 65536 * 178;

// The width of a line, in thin lines: a thin line is the finest the surface draws, one pixel wide
// at the picture's designed scale.
inline constexpr int kThinLine = 1;

// Solid lines have round ends. Dashed lines begin with a dash at the start of every polyline
// (a run of Line calls that join end to start): dashes of kDashLength widths of the line, gaps of
// kDashGap, each dash cut square at its ends, so that at the picture's designed scale a dash and a
// gap are four pixels each and read as dashes, not as a line.
enum class DrawStyle { Solid, Dashed };
inline constexpr double kDashLength = 2;
inline constexpr double kDashGap = 2;

// A picture used as a drawing surface. Coordinates are single precision user coordinates set by
// Scale; colours are red + 256 * green + 65536 * blue. Every operation takes effect before the
// next one is called.
class Surface {
public:
    virtual ~Surface() = default;

    // (left, top) becomes the top-left corner and (right, bottom) the bottom-right corner; a
    // larger top than bottom makes y point up.
    virtual void Scale(float left, float top, float right, float bottom) = 0;
    // Erase everything to the background colour; later lines are thin and solid again.
    virtual void Cls() = 0;
    // The colour of later lines, circles and names.
    virtual void setForeColor(std::int32_t color) = 0;
    // The width of later lines, in thin lines (kThinLine and up).
    virtual void setDrawWidth(int width) = 0;
    // Whether later lines are solid or dashed. The dashes of consecutive Line calls that join end
    // to start run on from one segment to the next.
    virtual void setDrawStyle(DrawStyle style) = 0;
    // Move the current point.
    virtual void setCurrentX(float x) = 0;
    virtual void setCurrentY(float y) = 0;
    // A straight segment from the current point to (x, y); (x, y) becomes the current point.
    virtual void Line(float x, float y) = 0;
    // The outline of the circle of radius r about (x, y), full turn, aspect 1, thin and solid.
    virtual void Circle(float x, float y, float r) = 0;
    // Writes `text` (UTF-8) in the toolkit's font and the ForeColor beside the point (x, y): clear
    // of it on the side that the direction (dx, dy) points to (straight up when it is zero), and
    // wholly inside the picture. A trailing prime (U+2032) is written large enough to be told at a
    // glance from a plain letter.
    virtual void Name(float x, float y, float dx, float dy, std::string_view text) = 0;
    // The white halo that clears what lies under the letters that Name with the same arguments
    // writes, a little around them: drawn before the lines that the name must not cut.
    virtual void NameHalo(float x, float y, float dx, float dy, std::string_view text) = 0;
    // Where Name with the same arguments puts the letters: their box, in user coordinates.
    struct Box {
        float left, bottom, right, top;
    };
    virtual Box nameBox(float x, float y, float dx, float dy, std::string_view text) const = 0;
    // The length of one pixel of the picture in user coordinates, along x.
    virtual float onePixel() const = 0;
};

} // namespace esferica
