// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/picture/strokes.h"

#include "drawing/surface.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <iterator>
#include <thread>

namespace esferica {

namespace {

// Rows above and below its own that a band paints too, in device pixels. A segment that reaches a
// band's own rows must lie wholly in its image, unclipped, for its pixels to come out as on the
// whole picture; so only segments shorter than the margin (less kSlack) are painted in bands, which
// all segments of the drawing are: the grid and the sides step a few pixels at a time.
constexpr int kBandMargin = 24;
// How far beyond its end points an antialiased segment may touch pixels, at a pixel ratio of up to
// 2: half its width, as much again for its square cap, and one for the antialiasing.
constexpr int kSlack = 3;

// The slack at the pixel ratio `ratio`, in device pixels.
int slackAt(qreal ratio) {
    return std::max(kSlack, 1 + static_cast<int>(std::ceil(ratio)));
}

// The halo around a name is the name drawn in white this many times around its place.
constexpr int kHaloSteps = 8;
constexpr qreal kHaloPi = 3.14159265358979323846;

struct Band {
    int keepTop, keepBottom; // the rows the band paints for the picture
    int top, bottom;         // the rows of its image: those and the margins
};

// Paints one stroke whole.
void paintStroke(QPainter& painter, const StrokeRecord::Stroke& s) {
    using Kind = StrokeRecord::Kind;
    switch (s.kind) {
    case Kind::Lines:
        painter.setPen(surfacePen(s.color, painter.device()->devicePixelRatioF()));
        painter.drawLines(s.lines.data(), static_cast<int>(s.lines.size()));
        break;
    case Kind::Polylines:
        painter.setPen(widePen(s.color, s.width, s.dashed));
        for (const QPolygonF& polyline : s.polylines)
            painter.drawPolyline(polyline);
        break;
    case Kind::Circle:
        painter.setPen(surfacePen(s.color, painter.device()->devicePixelRatioF()));
        painter.drawEllipse(s.centre, s.radius, s.radius);
        break;
    case Kind::Text:
    case Kind::Halo: {
        // The halo is the name drawn in white around its place, under the triangles' lines.
        // (Stroking the outline of the letters would draw the same halo, but Qt strokes a glyph's
        // outline the first time slightly otherwise than later, and a picture must come out the
        // same whenever it is drawn.)
        const auto write = [&](QPointF at) {
            if (!isPrimed(s.text)) {
                painter.setFont(s.font);
                painter.drawText(at, s.text);
                return;
            }
            const QString letters = s.text.chopped(1);
            painter.setFont(s.font);
            painter.drawText(at, letters);
            painter.setFont(primeFont(s.font));
            painter.drawText(at + primeOffset(letters, s.font), s.text.right(1));
        };
        if (s.kind == Kind::Halo) {
            painter.setPen(Qt::white);
            for (int k = 0; k < kHaloSteps; ++k) {
                const qreal angle = 2 * kHaloPi * k / kHaloSteps;
                write(s.centre + QPointF(std::cos(angle), std::sin(angle)) * kHaloWidth / 2);
            }
            break;
        }
        painter.setPen(s.color);
        write(s.centre);
        break;
    }
    }
}

} // namespace

void StrokeRecord::clear(QSizeF frame) {
    strokes_.clear();
    frame_ = frame;
    segments_ = 0;
}

void StrokeRecord::addLines(const QColor& color, std::vector<QLineF>&& lines) {
    segments_ += lines.size();
    Stroke stroke;
    stroke.color = color;
    for (const QLineF& line : lines)
        stroke.tallest = std::max(stroke.tallest, std::abs(line.y2() - line.y1()));
    stroke.lines = std::move(lines);
    strokes_.push_back(std::move(stroke));
}

void StrokeRecord::addPolylines(const QColor& color, int width, bool dashed,
                                std::vector<QPolygonF>&& polylines) {
    Stroke stroke;
    stroke.kind = Kind::Polylines;
    stroke.color = color;
    stroke.width = width;
    stroke.dashed = dashed;
    for (const QPolygonF& polyline : polylines)
        segments_ += static_cast<std::size_t>(std::max<qsizetype>(0, polyline.size() - 1));
    stroke.polylines = std::move(polylines);
    strokes_.push_back(std::move(stroke));
}

void StrokeRecord::addCircle(const QColor& color, QPointF centre, qreal radius) {
    Stroke stroke;
    stroke.kind = Kind::Circle;
    stroke.color = color;
    stroke.centre = centre;
    stroke.radius = radius;
    strokes_.push_back(std::move(stroke));
}

void StrokeRecord::addText(const QColor& color, QPointF baseline, const QString& text,
                           const QFont& font) {
    Stroke stroke;
    stroke.kind = Kind::Text;
    stroke.color = color;
    stroke.centre = baseline;
    stroke.text = text;
    stroke.font = font;
    strokes_.push_back(std::move(stroke));
}

void StrokeRecord::addHalo(QPointF baseline, const QString& text, const QFont& font) {
    addText(Qt::white, baseline, text, font);
    strokes_.back().kind = Kind::Halo;
}

bool isPrimed(const QString& text) {
    return text.size() > 1 && text.endsWith(QChar(0x2032));
}

QFont primeFont(const QFont& font) {
    QFont prime = font;
    prime.setPixelSize(static_cast<int>(std::lround(font.pixelSize() * kPrimeScale)));
    return prime;
}

QPointF primeOffset(const QString& letters, const QFont& font) {
    const QFontMetricsF metrics(font);
    return {metrics.horizontalAdvance(letters), (kPrimeScale - 1) * metrics.capHeight()};
}

QRectF nameInk(const QString& text, const QFont& font) {
    if (!isPrimed(text))
        return QFontMetricsF(font).tightBoundingRect(text);
    const QString letters = text.chopped(1);
    return QFontMetricsF(font).tightBoundingRect(letters).united(
        QFontMetricsF(primeFont(font))
            .tightBoundingRect(text.right(1))
            .translated(primeOffset(letters, font)));
}

void StrokeRecord::paint(QImage& image, std::size_t from) const {
    const qreal ratio = image.devicePixelRatio();
    // A segment taller than the margin could be clipped at a band's edge: painted whole instead.
    const auto bandable = [&](const Stroke& s) {
        return s.kind == Kind::Lines && !s.lines.empty() &&
               s.tallest * ratio < kBandMargin - 2 * slackAt(ratio);
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
        // The strokes painted whole, up to the next that is painted in bands, with one painter.
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(Qt::NoBrush);
        for (; i < strokes_.size() && !bandable(strokes_[i]); ++i)
            paintStroke(painter, strokes_[i]);
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
    // Lines wider than a device pixel are stroked as outlines, whose rounding a shift would change:
    // each band of such a picture paints on a whole copy of it, unshifted.
    const bool whole = ratio > 1;
    std::vector<Band> bands;
    bands.reserve(static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k) {
        const int keepTop = height * k / count, keepBottom = height * (k + 1) / count;
        bands.push_back({keepTop, keepBottom, whole ? 0 : std::max(0, keepTop - kBandMargin),
                         whole ? height : std::min(height, keepBottom + kBandMargin)});
    }
    // Each band's image starts as its rows of the picture; copied before any band paints.
    std::vector<QImage> images;
    images.reserve(bands.size());
    for (const Band& band : bands)
        images.push_back(band.top == 0 && band.bottom == height && images.empty()
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
        const qreal low = (band.keepTop - slackAt(ratio)) / ratio,
                    high = (band.keepBottom + slackAt(ratio)) / ratio;
        std::vector<QLineF> reaching;
        for (std::size_t i = from; i < to; ++i) {
            const Stroke& s = strokes_[i];
            painter.setPen(surfacePen(s.color, ratio));
            const auto reaches = [&](const QLineF& l) {
                return std::max(l.y1(), l.y2()) >= low && std::min(l.y1(), l.y2()) <= high;
            };
            if (ratio > 1) {
                // A line wider than a device pixel is stroked as the outline of all the segments
                // of one call together: the segments that reach the band's rows, in one call, are
                // all that cover those rows, and cover them as the whole stroke does.
                reaching.clear();
                std::copy_if(s.lines.begin(), s.lines.end(), std::back_inserter(reaching), reaches);
                if (!reaching.empty())
                    painter.drawLines(reaching.data(), static_cast<int>(reaching.size()));
                continue;
            }
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
    for (const Stroke& stroke : strokes_)
        paintStroke(painter, stroke);
}

QColor fromForeColor(std::int32_t color) {
    const auto c = static_cast<std::uint32_t>(color);
    return QColor(static_cast<int>(c & 0xFFu), static_cast<int>((c >> 8) & 0xFFu),
                  static_cast<int>((c >> 16) & 0xFFu));
}

QPen surfacePen(const QColor& color, qreal ratio) {
    QPen pen(color, ratio);
    pen.setCosmetic(true);
    return pen;
}

QPen widePen(const QColor& color, int width, bool dashed) {
    // Mitred joints: a line turns by a plotter's step at most, where a mitre is as round as a
    // round joint, which costs twice as much to stroke.
    QPen pen(color, width, Qt::SolidLine, dashed ? Qt::FlatCap : Qt::RoundCap, Qt::MiterJoin);
    if (dashed)
        pen.setDashPattern({kDashLength, kDashGap});
    return pen;
}

} // namespace esferica
