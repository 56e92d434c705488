// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/strokes.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <thread>

namespace esferica {

namespace {

// Rows above and below its own that a band paints too, in device pixels. A segment that reaches a
// band's own rows must lie wholly in its image, unclipped, for its pixels to come out as on the
// whole picture; so only segments shorter than the margin (less kSlack) are painted in bands, which
// all segments of the drawing are: the grid and the sides step a few pixels at a time.
constexpr int kBandMargin = 24;
// How far beyond its end points an antialiased segment may touch pixels.
constexpr int kSlack = 3;

struct Band {
    int keepTop, keepBottom; // the rows the band paints for the picture
    int top, bottom;         // the rows of its image: those and the margins
};

} // namespace

void StrokeRecord::clear(QSizeF frame) {
    strokes_.clear();
    frame_ = frame;
    segments_ = 0;
}

void StrokeRecord::addLines(const QColor& color, std::vector<QLineF>&& lines) {
    segments_ += lines.size();
    qreal tallest = 0;
    for (const QLineF& line : lines)
        tallest = std::max(tallest, std::abs(line.y2() - line.y1()));
    strokes_.push_back({color, std::move(lines), {}, 0, tallest});
}

void StrokeRecord::addCircle(const QColor& color, QPointF centre, qreal radius) {
    strokes_.push_back({color, {}, centre, radius, 0});
}

void StrokeRecord::paint(QImage& image, std::size_t from) const {
    const qreal ratio = image.devicePixelRatio();
    // A segment taller than the margin could be clipped at a band's edge: painted whole instead.
    const auto bandable = [&](const Stroke& s) {
        return !s.lines.empty() && s.tallest * ratio < kBandMargin - 2 * kSlack;
    };
    std::size_t i = from;
    while (i < strokes_.size()) {
        std::size_t j = i;
        while (j < strokes_.size() && bandable(strokes_[j]))
            ++j;
        if (j > i) {
            paintBanded(image, i, j);
            i = j;
            continue;
        }
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(Qt::NoBrush);
        const Stroke& s = strokes_[i];
        painter.setPen(surfacePen(s.color));
        if (s.lines.empty())
            painter.drawEllipse(s.centre, s.radius, s.radius);
        else
            painter.drawLines(s.lines.data(), static_cast<int>(s.lines.size()));
        ++i;
    }
}

void StrokeRecord::paintBanded(QImage& image, std::size_t from, std::size_t to) const {
    const qreal ratio = image.devicePixelRatio();
    const int height = image.height();
    // A band is shifted by a whole number of device pixels, which a fractional pixel ratio cannot
    // express exactly in the painter's coordinates: such a picture is painted in one piece.
    const int count = ratio != std::floor(ratio)
                          ? 1
                          : std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1,
                                       std::max(1, height / (4 * kBandMargin)));
    std::vector<Band> bands;
    bands.reserve(static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k) {
        const int keepTop = height * k / count, keepBottom = height * (k + 1) / count;
        bands.push_back({keepTop, keepBottom, std::max(0, keepTop - kBandMargin),
                         std::min(height, keepBottom + kBandMargin)});
    }
    // Each band's image starts as its rows of the picture; copied before any band paints.
    std::vector<QImage> images;
    images.reserve(bands.size());
    for (const Band& band : bands)
        images.push_back(band.top == 0 && band.bottom == height
                             ? image
                             : image.copy(0, band.top, image.width(), band.bottom - band.top));

    const auto paintBand = [&](std::size_t k) {
        const Band& band = bands[k];
        QImage& target = images[k];
        target.setDevicePixelRatio(ratio);
        QPainter painter(&target);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(Qt::NoBrush);
        // A whole number of device pixels: the segments land on the same pixel grid, shifted.
        painter.translate(0, -band.top / ratio);
        const qreal low = (band.keepTop - kSlack) / ratio,
                    high = (band.keepBottom + kSlack) / ratio;
        for (std::size_t i = from; i < to; ++i) {
            const Stroke& s = strokes_[i];
            painter.setPen(surfacePen(s.color));
            const auto reaches = [&](const QLineF& l) {
                return std::max(l.y1(), l.y2()) >= low && std::min(l.y1(), l.y2()) <= high;
            };
            // Runs of consecutive segments that reach the band's own rows, drawn as they come.
            auto it = s.lines.begin();
            while (it != s.lines.end()) {
                it = std::find_if(it, s.lines.end(), reaches);
                const auto end = std::find_if_not(it, s.lines.end(), reaches);
                if (end != it)
                    painter.drawLines(&*it, static_cast<int>(end - it));
                it = end;
            }
        }
    };
    std::vector<std::thread> helpers;
    for (std::size_t k = 1; k < bands.size(); ++k)
        helpers.emplace_back(paintBand, k);
    paintBand(0);
    for (std::thread& helper : helpers)
        helper.join();

    if (bands.size() == 1) {
        image = images[0];
        return;
    }
    const auto rowBytes = static_cast<std::size_t>(image.bytesPerLine());
    for (std::size_t k = 0; k < bands.size(); ++k) {
        const Band& band = bands[k];
        for (int y = band.keepTop; y < band.keepBottom; ++y)
            std::memcpy(image.scanLine(y), images[k].constScanLine(y - band.top), rowBytes);
    }
}

void StrokeRecord::replay(QPainter& painter) const {
    painter.setBrush(Qt::NoBrush);
    for (const Stroke& stroke : strokes_) {
        painter.setPen(surfacePen(stroke.color));
        if (stroke.lines.empty())
            painter.drawEllipse(stroke.centre, stroke.radius, stroke.radius);
        else
            painter.drawLines(stroke.lines.data(), static_cast<int>(stroke.lines.size()));
    }
}

QPen surfacePen(const QColor& color) {
    QPen pen(color, 1);
    pen.setCosmetic(true);
    return pen;
}

} // namespace esferica
