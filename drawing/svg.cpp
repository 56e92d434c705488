// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/svg.h"

#include "numeric/portable.h"

#include <array>
#include <cmath>
#include <map>
#include <optional>
#include <vector>

namespace esferica {

namespace {

// Coordinates to a hundredth of a pixel: finer than any screen shows, and short enough that the
// default picture stays well under 100 KB.
constexpr int kDecimals = 2;

struct Group {
    const char* id;
    SvgLayer layer;
};
constexpr Group kFarSide{"cara-oculta", SvgLayer::FarSide};
constexpr Group kGrid{"red", SvgLayer::Grid};
constexpr Group kSolution{"solucion", SvgLayer::Solution};
constexpr Group kAdditional{"solucion-adicional", SvgLayer::Additional};
constexpr Group kNames{"nombres", SvgLayer::Names};
constexpr Group kHalos{"fondo-nombres", SvgLayer::Halos};

const Group& groupOf(const RecordedStroke& stroke) {
    if (stroke.kind == RecordedStroke::Kind::Text)
        return kNames;
    if (stroke.kind == RecordedStroke::Kind::Halo)
        return kHalos;
    if (stroke.color == kFarGrey)
        return kFarSide;
    if (stroke.color == kBlue)
        return kAdditional;
    if (stroke.color == kRed)
        return kSolution;
    return kGrid;
}

// `v` to kDecimals decimals, without trailing zeros, and 0 rather than -0: rounded from the exact
// binary value with ties to even, as toChars does. A coordinate's hundredths are rounded from the
// product by 100 (below 1e9, where its rounding error is under 1e-7) unless that lies within 1e-6
// of a tie, where toChars decides: the C library of the WebAssembly build prints a double through
// long double arithmetic that it emulates, which made the numbers of a picture cost more than
// drawing it.
std::string number(double v) {
    constexpr double kHundreds = 100;
    const double scaled = v * kHundreds;
    const double below = std::floor(scaled);
    if (std::abs(scaled) < 1e9 && std::abs(scaled - below - 0.5) > 1e-6) {
        auto whole = static_cast<long long>(std::lround(scaled));
        std::string text;
        if (whole < 0) {
            text = "-";
            whole = -whole;
        }
        const long long units = whole / 100, hundredths = whole % 100;
        text += std::to_string(units);
        if (hundredths != 0) {
            text += '.';
            text += static_cast<char>('0' + hundredths / 10);
            if (hundredths % 10 != 0)
                text += static_cast<char>('0' + hundredths % 10);
        }
        return text == "-0" ? std::string("0") : text;
    }
    std::array<char, 64> buffer{};
    const auto [end, error] = toChars(buffer.data(), buffer.data() + buffer.size(), v,
                                      std::chars_format::fixed, kDecimals);
    std::string text = error == std::errc{} ? std::string(buffer.data(), end) : std::string("0");
    while (text.ends_with('0'))
        text.pop_back();
    if (text.ends_with('.'))
        text.pop_back();
    return text == "-0" ? std::string("0") : text;
}

std::string colourName(std::int32_t color) {
    constexpr std::string_view digits = "0123456789abcdef";
    const auto c = static_cast<std::uint32_t>(color);
    std::string name = "#";
    for (const int shift : {0, 8, 16}) {
        const unsigned byte = (c >> shift) & 0xFFu;
        name += digits[byte >> 4];
        name += digits[byte & 0xFu];
    }
    return name;
}

// An XML writer that lays its document out as the window's toolkit does: every element on a line
// of its own, indented a space a level, except those that follow text.
class Xml {
public:
    Xml() { out_ = R"(<?xml version="1.0" encoding="UTF-8"?>)"; }
    void start(std::string_view name, bool empty = false) {
        if (!finishStart(false) && autoFormatting_)
            indent(static_cast<int>(tags_.size()));
        out_ += '<';
        out_ += name;
        inStart_ = true;
        inEmpty_ = empty;
        lastWasStart_ = true;
        if (!empty)
            tags_.emplace_back(name);
    }
    void empty(std::string_view name) { start(name, true); }
    void attribute(std::string_view name, std::string_view value) {
        out_ += ' ';
        out_ += name;
        out_ += "=\"";
        escape(value, true);
        out_ += '"';
    }
    void characters(std::string_view text) {
        finishStart(true);
        escape(text, false);
    }
    void end() {
        std::string name = std::move(tags_.back());
        tags_.pop_back();
        if (inStart_ && !inEmpty_) {
            out_ += "/>";
            inStart_ = lastWasStart_ = false;
            return;
        }
        if (!finishStart(false) && !lastWasStart_ && autoFormatting_)
            indent(static_cast<int>(tags_.size()));
        out_ += "</" + name + ">";
        lastWasStart_ = false;
    }
    void textElement(std::string_view name, std::string_view text) {
        start(name);
        characters(text);
        end();
    }
    void setAutoFormatting(bool on) { autoFormatting_ = on; }
    std::string finish() {
        while (!tags_.empty())
            end();
        finishStart(false);
        out_ += '\n';
        return std::move(out_);
    }

private:
    bool finishStart(bool contents) {
        const bool hadSomethingWritten = wroteSomething_;
        wroteSomething_ = contents;
        if (!inStart_)
            return hadSomethingWritten;
        if (inEmpty_) {
            out_ += "/>";
            lastWasStart_ = false;
        } else {
            out_ += '>';
        }
        inStart_ = inEmpty_ = false;
        return hadSomethingWritten;
    }
    void indent(int level) {
        out_ += '\n';
        out_.append(static_cast<std::size_t>(level), ' ');
    }
    void escape(std::string_view text, bool whitespace) {
        for (const char c : text) {
            switch (c) {
            case '<':
                out_ += "&lt;";
                break;
            case '>':
                out_ += "&gt;";
                break;
            case '&':
                out_ += "&amp;";
                break;
            case '"':
                out_ += "&quot;";
                break;
            case '\t':
                out_ += whitespace ? "&#9;" : "\t";
                break;
            case '\n':
                out_ += whitespace ? "&#10;" : "\n";
                break;
            case '\r':
                out_ += whitespace ? "&#13;" : "\r";
                break;
            default:
                out_ += c;
            }
        }
    }

    std::string out_;
    std::vector<std::string> tags_;
    bool inStart_ = false, inEmpty_ = false, lastWasStart_ = false, wroteSomething_ = false;
    bool autoFormatting_ = true;
};

// Path data through `points`: a move, then one line through the rest. Repeated points are left
// out; empty when nothing would be drawn.
std::string pathData(const std::vector<PixelPoint>& points) {
    std::string d;
    std::optional<std::pair<std::string, std::string>> last;
    int drawn = 0;
    for (const PixelPoint& p : points) {
        std::string x = number(p.x), y = number(p.y);
        if (last && last->first == x && last->second == y)
            continue;
        d += d.empty() ? "M" : (drawn++ == 0 ? "L" : " ");
        d += x;
        d += ' ';
        d += y;
        last.emplace(std::move(x), std::move(y));
    }
    return drawn > 0 ? d : std::string();
}

void writePath(Xml& xml, const std::vector<PixelPoint>& points, bool dashed, int width) {
    const std::string d = pathData(points);
    if (d.empty())
        return;
    xml.empty("path");
    if (dashed) {
        xml.attribute("stroke-dasharray",
                      number(kDashLength * width) + ' ' + number(kDashGap * width));
        xml.attribute("stroke-linecap", "butt");
    }
    xml.attribute("d", d);
}

void writeStroke(Xml& xml, const RecordedStroke& s) {
    using Kind = RecordedStroke::Kind;
    switch (s.kind) {
    case Kind::Lines: {
        // Each run of segments that join end to start is one line of the drawing.
        std::vector<PixelPoint> run;
        for (std::size_t i = 0; i + 1 < s.segments.size(); i += 2) {
            if (run.empty() || run.back() != s.segments[i]) {
                writePath(xml, run, false, 1);
                run = {s.segments[i]};
            }
            run.push_back(s.segments[i + 1]);
        }
        writePath(xml, run, false, 1);
        break;
    }
    case Kind::Polylines:
        for (const auto& polyline : s.polylines)
            writePath(xml, polyline, s.dashed, s.width);
        break;
    case Kind::Circle:
        xml.empty("circle");
        xml.attribute("cx", number(s.centre.x));
        xml.attribute("cy", number(s.centre.y));
        xml.attribute("r", number(s.radius));
        break;
    case Kind::Text:
    case Kind::Halo: {
        xml.start("text");
        xml.attribute("x", number(s.centre.x));
        xml.attribute("y", number(s.centre.y));
        xml.attribute("fill", colourName(s.color));
        xml.attribute("font-family", s.font.family);
        xml.attribute("font-size", number(s.font.pixelSize) + "px");
        if (s.font.bold)
            xml.attribute("font-weight", "bold");
        if (s.font.italic)
            xml.attribute("font-style", "italic");
        if (s.kind == Kind::Halo) {
            // The picture's white halo, under the triangles' lines.
            xml.attribute("stroke", "#ffffff");
            xml.attribute("stroke-width", number(kHaloWidth));
            xml.attribute("stroke-linejoin", "round");
        }
        if (!isPrimedName(s.text)) {
            xml.characters(s.text);
            xml.end();
            break;
        }
        // The prime as the picture writes it: larger, lowered to the letter's top.
        xml.characters(primedLetters(s.text));
        xml.start("tspan");
        xml.attribute("font-size", number(s.primePixelSize) + "px");
        xml.attribute("dy", number(s.primeDrop));
        xml.characters(kPrime);
        xml.end();
        // No line break after the prime: it would be a space of the text.
        xml.setAutoFormatting(false);
        xml.end();
        xml.setAutoFormatting(true);
        break;
    }
    }
}

// Opens the group of `stroke`, with the pen that its lines share; `times` groups of the same part
// came before it.
void startGroup(Xml& xml, const Group& group, const RecordedStroke& stroke, int times,
                const SvgLayerNames& layers) {
    xml.start("g");
    const std::string id(group.id);
    xml.attribute("id", times == 0 ? id : id + '-' + std::to_string(times + 1));
    xml.attribute("inkscape:label", layers[static_cast<std::size_t>(group.layer)]);
    xml.attribute("inkscape:groupmode", "layer");
    if (&group == &kNames || &group == &kHalos)
        return;
    xml.attribute("fill", "none");
    xml.attribute("stroke", colourName(stroke.color));
    xml.attribute("stroke-width", number(stroke.width));
    xml.attribute("stroke-linecap", "round");
    xml.attribute("stroke-linejoin", "round");
}

} // namespace

std::string svgDocument(const PictureRecord& record, int width, int height, std::string_view title,
                        std::string_view description, const SvgLayerNames& layers) {
    Xml xml;
    xml.start("svg");
    xml.attribute("xmlns", "http://www.w3.org/2000/svg");
    xml.attribute("xmlns:inkscape", "http://www.inkscape.org/namespaces/inkscape");
    xml.attribute("version", "1.1");
    xml.attribute("width", number(width) + "px");
    xml.attribute("height", number(height) + "px");
    xml.attribute("viewBox", "0 0 " + number(record.width) + ' ' + number(record.height));
    xml.textElement("title", title);
    xml.textElement("desc", description);
    xml.empty("rect");
    xml.attribute("width", number(record.width));
    xml.attribute("height", number(record.height));
    xml.attribute("fill", "#ffffff");

    // One group for each run of strokes of one part, in the order painted. The pictures paint
    // their parts one after another, so each part is one group; were one to come back, its ids
    // would still be told apart.
    const Group* open = nullptr;
    std::map<const Group*, int> opened;
    for (const RecordedStroke& stroke : record.strokes) {
        const Group& group = groupOf(stroke);
        if (&group != open) {
            if (open)
                xml.end();
            startGroup(xml, group, stroke, opened[&group]++, layers);
            open = &group;
        }
        writeStroke(xml, stroke);
    }
    return xml.finish();
}

} // namespace esferica
