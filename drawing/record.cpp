// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/record.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace esferica {

namespace {

// A name: its font a quarter larger than the picture's, kNameGap pixels clear of its point, and
// at least kNameMargin pixels inside the picture's edges.
constexpr double kNameGap = 3;
constexpr double kNameMargin = 2;

// A glyph of DejaVu Sans Bold (upright and oblique), in units of 2048 to the pixel size: how far
// it advances the pen, and its ink from the baseline origin, y down.
struct Glyph {
    std::string_view text;
    double advance, left, top, right, bottom;
};
constexpr double kUnitsPerEm = 2048;
constexpr double kCapHeight = 1493;
constexpr std::array<Glyph, 8> kUpright{{
    {"A", 1585, 10, -1493, 1575, 0},
    {"B", 1561, 188, -1493, 1417, 0},
    {"C", 1503, 102, -1520, 1372, 29},
    {"a", 1382, 88, -1147, 1221, 29},
    {"b", 1466, 172, -1556, 1374, 29},
    {"c", 1214, 88, -1147, 1077, 29},
    {"M", 2038, 188, -1493, 1849, 0},
    {kPrime, 540, 40, -1493, 491, 0},
}};
constexpr std::array<Glyph, 8> kOblique{{
    {"A", 1585, -133, -1493, 1415, 0},
    {"B", 1561, 43, -1493, 1432, 0},
    {"C", 1503, 74, -1520, 1483, 29},
    {"a", 1382, 35, -1147, 1251, 29},
    {"b", 1466, 63, -1556, 1386, 29},
    {"c", 1214, 76, -1147, 1190, 29},
    {"M", 2038, 43, -1493, 1995, 0},
    {kPrime, 540, 4, -1493, 527, 0},
}};

// The length in bytes of the UTF-8 character that begins with `lead`.
std::size_t characterLength(unsigned char lead) {
    return lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
}

const Glyph& glyphOf(std::string_view character, bool italic) {
    const auto& table = italic ? kOblique : kUpright;
    const auto found = std::find_if(table.begin(), table.end(),
                                    [&](const Glyph& g) { return g.text == character; });
    return found != table.end() ? *found : table[6];
}

// Calls `each` with every character of `text` and the pen's place before it, in units.
template <typename Each> double walk(std::string_view text, bool italic, Each each) {
    double pen = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n =
            std::min(text.size() - i, characterLength(static_cast<unsigned char>(text[i])));
        const Glyph& g = glyphOf(text.substr(i, n), italic);
        each(g, pen);
        pen += g.advance;
        i += n;
    }
    return pen;
}

PixelBox united(const PixelBox& a, const PixelBox& b) {
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

} // namespace

bool isPrimedName(std::string_view text) {
    return text.size() > kPrime.size() && text.ends_with(kPrime);
}

std::string_view primedLetters(std::string_view text) {
    return isPrimedName(text) ? text.substr(0, text.size() - kPrime.size()) : text;
}

std::size_t PictureRecord::segmentCount() const {
    std::size_t count = 0;
    for (const RecordedStroke& s : strokes) {
        count += s.segments.size() / 2;
        for (const auto& polyline : s.polylines)
            count += polyline.empty() ? 0 : polyline.size() - 1;
    }
    return count;
}

NameFont primeFontOf(const NameFont& font) {
    NameFont prime = font;
    prime.pixelSize = static_cast<int>(std::lround(font.pixelSize * kPrimeScale));
    return prime;
}

double primeDropOf(const NameMetrics& metrics, const NameFont& font) {
    return (kPrimeScale - 1) * metrics.capHeight(font);
}

PixelBox nameInkOf(const NameMetrics& metrics, std::string_view name, const NameFont& font) {
    if (!isPrimedName(name))
        return metrics.ink(name, font);
    const std::string_view letters = primedLetters(name);
    PixelBox prime = metrics.ink(kPrime, primeFontOf(font));
    const double dx = metrics.advance(letters, font), dy = primeDropOf(metrics, font);
    prime = {prime.left + dx, prime.top + dy, prime.right + dx, prime.bottom + dy};
    return united(metrics.ink(letters, font), prime);
}

TableNameMetrics::TableNameMetrics(std::string family, int pixelSize)
    : family_(std::move(family)), pixelSize_(pixelSize) {}

NameFont TableNameMetrics::font(std::string_view name) const {
    const bool side = !name.empty() && name.front() >= 'a' && name.front() <= 'z';
    return {family_, pixelSize_, true, side};
}

double TableNameMetrics::advance(std::string_view letters, const NameFont& font) const {
    return walk(letters, font.italic, [](const Glyph&, double) {}) * font.pixelSize / kUnitsPerEm;
}

PixelBox TableNameMetrics::ink(std::string_view letters, const NameFont& font) const {
    PixelBox box;
    bool first = true;
    walk(letters, font.italic, [&](const Glyph& g, double pen) {
        const PixelBox glyph{pen + g.left, g.top, pen + g.right, g.bottom};
        box = first ? glyph : united(box, glyph);
        first = false;
    });
    const double unit = font.pixelSize / kUnitsPerEm;
    return {box.left * unit, box.top * unit, box.right * unit, box.bottom * unit};
}

double TableNameMetrics::capHeight(const NameFont& font) const {
    return kCapHeight * font.pixelSize / kUnitsPerEm;
}

PixelPoint nameBaseline(const PixelBox& ink, PixelPoint point, PixelPoint away, double width,
                        double height) {
    // How far the box's centre must go along the direction for the box to clear the point.
    const double norm = std::hypot(away.x, away.y);
    away = norm > 0 && std::isfinite(norm) ? PixelPoint{away.x / norm, away.y / norm}
                                           : PixelPoint{0, -1};
    const double halfWidth = ink.width() / 2, halfHeight = ink.height() / 2;
    const double reach = std::min(away.x != 0 ? halfWidth / std::abs(away.x) : halfHeight,
                                  away.y != 0 ? halfHeight / std::abs(away.y) : halfWidth);
    const double centreX = point.x + away.x * (kNameGap + reach),
                 centreY = point.y + away.y * (kNameGap + reach);
    // Inside the picture, however near its edge the point lies.
    const double left = std::clamp(centreX - halfWidth, kNameMargin,
                                   std::max(kNameMargin, width - kNameMargin - ink.width()));
    const double top = std::clamp(centreY - halfHeight, kNameMargin,
                                  std::max(kNameMargin, height - kNameMargin - ink.height()));
    return {left - ink.left, top - ink.top};
}

RecordingSurface::RecordingSurface(double width, double height,
                                   std::shared_ptr<const NameMetrics> metrics)
    : metrics_(metrics ? std::move(metrics) : std::make_shared<TableNameMetrics>()) {
    record_.width = width;
    record_.height = height;
}

void RecordingSurface::Scale(float left, float top, float right, float bottom) {
    // A zero-width or zero-height range maps nothing anywhere; keep the previous mapping.
    if (!(right != left && bottom != top))
        return;
    userLeft_ = left;
    userTop_ = top;
    scaleX_ = record_.width / (static_cast<double>(right) - left);
    scaleY_ = record_.height / (static_cast<double>(bottom) - top);
}

void RecordingSurface::Cls() {
    pending_.clear();
    pendingPolylines_.clear();
    polylineOpen_ = false;
    drawWidth_ = kThinLine;
    drawStyle_ = DrawStyle::Solid;
    record_.strokes.clear();
}

void RecordingSurface::setForeColor(std::int32_t color) {
    if (color == foreColor_)
        return;
    recordPending();
    foreColor_ = color;
}

void RecordingSurface::setDrawWidth(int width) {
    width = std::max(width, kThinLine);
    if (width == drawWidth_)
        return;
    recordPending();
    drawWidth_ = width;
}

void RecordingSurface::setDrawStyle(DrawStyle style) {
    if (style == drawStyle_)
        return;
    recordPending();
    drawStyle_ = style;
}

void RecordingSurface::setCurrentX(float x) {
    currentX_ = x;
}

void RecordingSurface::setCurrentY(float y) {
    currentY_ = y;
}

void RecordingSurface::Line(float x, float y) {
    if (drawWidth_ == kThinLine && drawStyle_ == DrawStyle::Solid) {
        pending_.push_back(toPixels(currentX_, currentY_));
        pending_.push_back(toPixels(x, y));
    } else {
        if (!polylineOpen_ || polylineEndX_ != currentX_ || polylineEndY_ != currentY_)
            pendingPolylines_.push_back({toPixels(currentX_, currentY_)});
        pendingPolylines_.back().push_back(toPixels(x, y));
        polylineOpen_ = true;
        polylineEndX_ = x;
        polylineEndY_ = y;
    }
    currentX_ = x;
    currentY_ = y;
}

void RecordingSurface::Circle(float x, float y, float r) {
    recordPending();
    RecordedStroke stroke;
    stroke.kind = RecordedStroke::Kind::Circle;
    stroke.color = foreColor_;
    stroke.centre = toPixels(x, y);
    // Aspect 1: the radius is measured along x and the outline is round.
    stroke.radius = std::abs(r * scaleX_);
    record_.strokes.push_back(std::move(stroke));
}

PixelPoint RecordingSurface::baselineOf(float x, float y, float dx, float dy, std::string_view text,
                                        const NameFont& font) const {
    // The direction in pixels (user y may point up).
    const PixelPoint away{dx * (scaleX_ < 0 ? -1.0 : 1.0), dy * (scaleY_ < 0 ? -1.0 : 1.0)};
    return nameBaseline(nameInkOf(*metrics_, text, font), toPixels(x, y), away, record_.width,
                        record_.height);
}

RecordedStroke RecordingSurface::named(RecordedStroke::Kind kind, float x, float y, float dx,
                                       float dy, std::string_view text) const {
    RecordedStroke stroke;
    stroke.kind = kind;
    stroke.color = kind == RecordedStroke::Kind::Halo ? 0xFFFFFF : foreColor_;
    stroke.font = metrics_->font(text);
    stroke.centre = baselineOf(x, y, dx, dy, text, stroke.font);
    stroke.text = text;
    if (isPrimedName(text)) {
        stroke.primePixelSize = primeFontOf(stroke.font).pixelSize;
        stroke.primeDrop = primeDropOf(*metrics_, stroke.font);
    }
    return stroke;
}

void RecordingSurface::Name(float x, float y, float dx, float dy, std::string_view text) {
    recordPending();
    record_.strokes.push_back(named(RecordedStroke::Kind::Text, x, y, dx, dy, text));
}

void RecordingSurface::NameHalo(float x, float y, float dx, float dy, std::string_view text) {
    recordPending();
    record_.strokes.push_back(named(RecordedStroke::Kind::Halo, x, y, dx, dy, text));
}

Surface::Box RecordingSurface::nameBox(float x, float y, float dx, float dy,
                                       std::string_view text) const {
    const NameFont font = metrics_->font(text);
    const PixelBox ink = nameInkOf(*metrics_, text, font);
    const PixelPoint at = baselineOf(x, y, dx, dy, text, font);
    const auto userX = [&](double px) {
        return userLeft_ + (px + at.x) / scaleX_;
    };
    const auto userY = [&](double py) {
        return userTop_ + (py + at.y) / scaleY_;
    };
    const double x1 = userX(ink.left), x2 = userX(ink.right);
    const double y1 = userY(ink.top), y2 = userY(ink.bottom);
    return {static_cast<float>(std::min(x1, x2)), static_cast<float>(std::min(y1, y2)),
            static_cast<float>(std::max(x1, x2)), static_cast<float>(std::max(y1, y2))};
}

float RecordingSurface::onePixel() const {
    return static_cast<float>(std::abs(1 / scaleX_));
}

const PictureRecord& RecordingSurface::record() {
    recordPending();
    return record_;
}

PixelPoint RecordingSurface::toPixels(float x, float y) const {
    return {(x - userLeft_) * scaleX_, (y - userTop_) * scaleY_};
}

void RecordingSurface::recordPending() {
    if (!pendingPolylines_.empty()) {
        RecordedStroke stroke;
        stroke.kind = RecordedStroke::Kind::Polylines;
        stroke.color = foreColor_;
        stroke.width = drawWidth_;
        stroke.dashed = drawStyle_ == DrawStyle::Dashed;
        stroke.polylines = std::exchange(pendingPolylines_, {});
        record_.strokes.push_back(std::move(stroke));
        polylineOpen_ = false;
    }
    if (pending_.empty())
        return;
    RecordedStroke stroke;
    stroke.color = foreColor_;
    stroke.segments = std::exchange(pending_, {});
    record_.strokes.push_back(std::move(stroke));
}

} // namespace esferica
