// SPDX-License-Identifier: GPL-3.0-or-later
// The surface the drawing draws on: the picture of the window, or a recording fake in the tests.
// The Qt picture (qt/drawingsurface.h) implements it.
#pragma once

#include <cstdint>

namespace esferica {

// Colours, red + 256 * green + 65536 * blue: the sphere and its grid in black, the triangles in
// red.
inline constexpr std::int32_t kBlack = 0;
inline constexpr std::int32_t kRed = 255;

// A picture used as a drawing surface. Coordinates are single precision user coordinates set by
// Scale; colours are red + 256 * green + 65536 * blue. Every operation takes effect before the
// next one is called.
class Surface {
public:
    virtual ~Surface() = default;

    // (left, top) becomes the top-left corner and (right, bottom) the bottom-right corner; a
    // larger top than bottom makes y point up.
    virtual void Scale(float left, float top, float right, float bottom) = 0;
    // Erase everything to the background colour.
    virtual void Cls() = 0;
    // The colour of later lines and circles.
    virtual void setForeColor(std::int32_t color) = 0;
    // Move the current point.
    virtual void setCurrentX(float x) = 0;
    virtual void setCurrentY(float y) = 0;
    // A straight segment from the current point to (x, y); (x, y) becomes the current point.
    virtual void Line(float x, float y) = 0;
    // The outline of the circle of radius r about (x, y), full turn, aspect 1.
    virtual void Circle(float x, float y, float r) = 0;
};

} // namespace esferica
