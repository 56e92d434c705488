// SPDX-License-Identifier: GPL-3.0-or-later
// A recording stand-in for the window: input and option fields as plain strings, result labels,
// status and messages as recorded values, and a drawing surface that logs every call. The
// calculate command runs against it headless.
#pragma once

#include "command/view.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace esferica::testing {

class FakeSurface : public Surface {
public:
    enum class Op { Scale, Cls, ForeColor, CurrentX, CurrentY, Line, Circle };
    struct Call {
        Op op;
        float x = 0, y = 0, r = 0, w = 0;
        std::int32_t color = 0;
    };
    struct Segment {
        float x0, y0, x1, y1;
        std::int32_t color;
    };

    void Scale(float left, float top, float right, float bottom) override {
        calls.push_back({Op::Scale, left, top, right, bottom});
    }
    void Cls() override {
        calls.push_back({Op::Cls});
        segments.clear();
        circles.clear();
    }
    void setForeColor(std::int32_t c) override {
        color = c;
        calls.push_back({Op::ForeColor, 0, 0, 0, 0, c});
    }
    void setCurrentX(float x) override {
        cx = x;
        calls.push_back({Op::CurrentX, x});
    }
    void setCurrentY(float y) override {
        cy = y;
        calls.push_back({Op::CurrentY, 0, y});
    }
    void Line(float x, float y) override {
        calls.push_back({Op::Line, x, y, 0, 0, color});
        segments.push_back({cx, cy, x, y, color});
        cx = x;
        cy = y;
    }
    void Circle(float x, float y, float r) override {
        calls.push_back({Op::Circle, x, y, r, 0, color});
        circles.push_back(calls.back());
    }

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
    void clear() { calls.clear(), segments.clear(), circles.clear(); }

    std::vector<Call> calls;       // every call, in order
    std::vector<Segment> segments; // what is on the picture since the last Cls
    std::vector<Call> circles;
    std::int32_t color = 0;
    float cx = 0, cy = 0;
};

// What the six input fields (a to C) and the four option fields hold.
using Texts = std::array<std::string, FormView::kInputFields>;
using Options = std::array<std::string, FormView::kOptionFields>;

// The option texts of a window that has just opened.
inline Options defaultOptions() {
    Options texts;
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = FormView::kDefaultOptionTexts[i];
    return texts;
}

class FakeView : public FormView {
public:
    std::string inputText(int i) const override { return inputs.at(static_cast<std::size_t>(i)); }
    std::string optionText(int i) const override { return options.at(static_cast<std::size_t>(i)); }
    void setOptionText(int i, std::string_view text) override {
        options.at(static_cast<std::size_t>(i)) = text;
    }
    void setResult(int i, std::string_view caption) override {
        results.at(static_cast<std::size_t>(i)) = caption;
    }
    void setGraphStatus(GraphStatus s) override {
        status = s;
        statusWrites.push_back(s);
    }
    void showMessage(Message m) override { messages.push_back(m); }
    std::string decimalSeparator() const override { return separator; }
    Surface& picture() override { return surface; }

    // Sets the six input fields, a to C.
    void type(Texts texts) { inputs = std::move(texts); }

    Texts inputs;
    Options options = defaultOptions();
    std::array<std::string, 12> results;
    GraphStatus status = GraphStatus::Clear;
    std::vector<GraphStatus> statusWrites;
    std::vector<Message> messages;
    std::string separator = ".";
    FakeSurface surface;
};

} // namespace esferica::testing
