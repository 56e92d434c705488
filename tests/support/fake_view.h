// SPDX-License-Identifier: GPL-3.0-or-later
// A recording stand-in for the window: input and option fields as plain strings, and a presenter
// that shows each click's value as the window does, recording the result labels, the message and
// the status, and drawing on a surface that logs every call. The calculate command runs against
// it headless.
#pragma once

#include "command/calculate.h"
#include "present/format.h"
#include "present/view.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace esferica::testing {

class FakeSurface : public Surface {
public:
    enum class Op {
        Scale,
        Cls,
        ForeColor,
        DrawWidth,
        DrawStyle,
        CurrentX,
        CurrentY,
        Line,
        Circle,
        Name,
        Halo
    };
    struct Call {
        Op op;
        float x = 0, y = 0, r = 0, w = 0; // a Name's direction is (r, w)
        std::int32_t color = 0;
        int width = kThinLine;
        DrawStyle style = DrawStyle::Solid;
        std::string text{};
    };
    struct Segment {
        float x0, y0, x1, y1;
        std::int32_t color;
        int width = kThinLine;
        DrawStyle style = DrawStyle::Solid;
    };
    // The pixel of the picture at its designed size, 353 pixels for 2.4 units.
    static constexpr float kDesignedPixel = 2.4f / 353;
    // The picture's edges: -kExtent to kExtent on both axes.
    static constexpr float kExtent = 1.2f;

    void Scale(float left, float top, float right, float bottom) override {
        add({Op::Scale, left, top, right, bottom});
    }
    void Cls() override {
        add({Op::Cls});
        segments.clear();
        circles.clear();
        names.clear();
        width = kThinLine;
        style = DrawStyle::Solid;
        drawnSinceCls = 0;
    }
    void setForeColor(std::int32_t c) override {
        color = c;
        add({Op::ForeColor, 0, 0, 0, 0, c});
    }
    void setDrawWidth(int w) override {
        width = w;
        add({.op = Op::DrawWidth, .width = w});
    }
    void setDrawStyle(DrawStyle s) override {
        style = s;
        add({.op = Op::DrawStyle, .style = s});
    }
    void setCurrentX(float x) override {
        cx = x;
        add({Op::CurrentX, x});
    }
    void setCurrentY(float y) override {
        cy = y;
        add({Op::CurrentY, 0, y});
    }
    void Line(float x, float y) override {
        add({Op::Line, x, y, 0, 0, color, width, style});
        ++drawnSinceCls;
        if (record)
            segments.push_back({cx, cy, x, y, color, width, style});
        cx = x;
        cy = y;
    }
    void Circle(float x, float y, float r) override {
        add({Op::Circle, x, y, r, 0, color});
        ++drawnSinceCls;
        if (record)
            circles.push_back(calls.back());
    }
    void Name(float x, float y, float dx, float dy, std::string_view text) override {
        add({Op::Name, x, y, dx, dy, color, width, style, std::string(text)});
        ++drawnSinceCls;
        if (record)
            names.push_back(calls.back());
    }
    void NameHalo(float x, float y, float dx, float dy, std::string_view text) override {
        add({Op::Halo, x, y, dx, dy, color, width, style, std::string(text)});
    }
    // A name's box as a picture at the designed size places it, its letters kGlyph pixels wide
    // and kGlyphHeight high, a prime counting as one: kNameGap pixels from its point towards the
    // direction, kNameMargin inside the edges.
    Box nameBox(float x, float y, float dx, float dy, std::string_view text) const override {
        constexpr float kGlyph = 10, kGlyphHeight = 12, kNameGap = 3, kNameMargin = 2;
        float glyphs = 0;
        for (const char ch : text)
            glyphs += (static_cast<unsigned char>(ch) & 0xC0) != 0x80; // UTF-8 lead bytes
        const float half = glyphs * kGlyph * pixel / 2, halfHeight = kGlyphHeight * pixel / 2;
        const float norm = std::hypot(dx, dy);
        const float ux = norm > 0 ? dx / norm : 0, uy = norm > 0 ? dy / norm : 1;
        const float reach = std::min(ux != 0 ? half / std::abs(ux) : halfHeight,
                                     uy != 0 ? halfHeight / std::abs(uy) : half);
        const float edge = kExtent - kNameMargin * pixel;
        const float cx = std::clamp(x + ux * (kNameGap * pixel + reach), -edge + half, edge - half);
        const float cy =
            std::clamp(y + uy * (kNameGap * pixel + reach), -edge + halfHeight, edge - halfHeight);
        return {cx - half, cy - halfHeight, cx + half, cy + halfHeight};
    }
    float onePixel() const override { return pixel; }

    int count(Op op) const {
        int n = 0;
        for (const Call& c : calls)
            n += c.op == op;
        return n;
    }
    std::vector<Segment> segmentsIn(std::int32_t c) const {
        std::vector<Segment> out;
        for (const Segment& s : segments)
            if (s.color == c)
                out.push_back(s);
        return out;
    }
    void clear() { calls.clear(), segments.clear(), circles.clear(), names.clear(); }

    // With `record` false only the counters and the flags below are kept, so that a grid of
    // millions of lines costs no memory.
    bool record = true;
    std::vector<Call> calls;       // every call, in order
    std::vector<Segment> segments; // what is on the picture since the last Cls
    std::vector<Call> circles;
    std::vector<Call> names;
    std::int32_t color = 0;
    int width = kThinLine;
    DrawStyle style = DrawStyle::Solid;
    float cx = 0, cy = 0;
    float pixel = kDesignedPixel; // what onePixel() answers
    long callCount = 0;           // every call, recorded or not
    long drawnSinceCls = 0;       // lines, circles and names since the last Cls
    bool allFinite = true;        // no call has had a non-finite coordinate, radius or direction

private:
    void add(const Call& call) {
        ++callCount;
        allFinite = allFinite && std::isfinite(call.x) && std::isfinite(call.y) &&
                    std::isfinite(call.r) && std::isfinite(call.w);
        if (record)
            calls.push_back(call);
    }
};

// What the six input fields (a to C) and the four option fields hold.
using Texts = std::array<std::string, kElements>;
using Options = std::array<std::string, kOptionFields>;

// The option texts of a window that has just opened.
inline Options defaultOptions() {
    return FieldTexts{}.options;
}

class FakeView {
public:
    // Sets the six input fields, a to C.
    void type(Texts texts) { inputs = std::move(texts); }

    // A click on "&Calcular": the value of the fields, presented as the window presents it.
    const Calculation& click(Calculator& form) {
        moving = false;
        const Calculation& calc = form.calculate(FieldTexts{inputs, options});
        Units units;
        units.decimalSeparator = separator;
        const View view = present(calc, units, *words);
        for (std::size_t i = 0; i < results.size(); ++i)
            results[i] = view.results[i].text;
        drawing = form.drawPicture(*picture);
        status = statusText(drawing, *words);
        if (!view.message.empty())
            messages.push_back(calc.outcome);
        reason = view.reason;
        notes.assign(view.notes.begin(), view.notes.end());
        return calc;
    }

    // A turn of the picture to `angles`, as the window makes it: the fields of the inclination
    // and the rotation show the view, and the picture is drawn under what they read as.
    bool turnTo(Calculator& form, ViewAngles angles) {
        if (!form.hasScene())
            return false;
        std::string& inclination = options[index(OptionField::Inclination)];
        std::string& rotation = options[index(OptionField::Rotation)];
        inclination = degreesText(angles.inclination, separator);
        rotation = degreesText(angles.rotation, separator);
        if (!form.turnTo(inclination, rotation))
            return false;
        return redraw(form);
    }
    // The picture drawn again as it stands, as when the window changes size; while the sphere
    // moves, with the grid thinned for a picture pictureWidth pixels wide.
    bool redraw(Calculator& form) {
        if (!form.hasScene())
            return false;
        drawing = form.drawPicture(*picture, moving ? GridThinning{pictureWidth} : GridThinning{});
        status = statusText(drawing, *words);
        return true;
    }

    // A drag or an arrow key turning the sphere by the given degrees, as the window answers it:
    // the command adds the turn to the view's travel, and a turn that changes what the fields
    // show is drawn as turnTo draws it, while the sphere moves.
    bool turnBy(Calculator& form, double inclinationDeg, double rotationDeg) {
        if (!form.hasScene())
            return false;
        moving = true;
        const ViewAngles angles = form.turnBy(inclinationDeg, rotationDeg);
        return angles == form.sceneView() || turnTo(form, angles);
    }

    Texts inputs;
    Options options = defaultOptions();
    std::array<std::string, kResultLabels> results;
    std::vector<Outcome> messages;  // the outcome of every click that showed a message
    std::string reason;             // why the last click showed its message
    std::vector<std::string> notes; // what each of the ten fields' marks says, or nothing
    SceneDrawing drawing;           // the sides left out by the last drawing
    std::string status;             // the status label under the picture
    std::string separator = ".";
    const Catalogue* words = &Catalogue::spanish();
    bool moving = false;       // turned by hand since the last click
    double pictureWidth = 353; // the picture's width in pixels, at the window's designed size
    FakeSurface surface;
    Surface* picture = &surface; // where the picture is drawn
};

} // namespace esferica::testing
