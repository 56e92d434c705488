// SPDX-License-Identifier: GPL-3.0-or-later
// What the drawing surface has drawn since it was last cleared, kept so that the picture can be
// taken out as vectors: the very segments, polylines, circles and names it painted, with their
// pens and in the order painted, in the surface's pixel coordinates.
#pragma once

#include "drawing/record.h"

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QPen>
#include <QPolygonF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <cstdint>
#include <vector>

class QImage;
class QPainter;

namespace esferica {

class StrokeRecord {
public:
    // The kinds of the toolkit-free record, which the picture's files are written from.
    using Kind = RecordedStroke::Kind;
    struct Stroke {
        Kind kind = Kind::Lines;
        QColor color;
        int width = 1; // in thin lines
        bool dashed = false;
        std::vector<QLineF> lines;
        std::vector<QPolygonF> polylines;
        QPointF centre; // of a circle; a text's baseline origin
        qreal radius = 0;
        QString text;
        QFont font;
        qreal tallest = 0; // the greatest height of a segment, in the coordinates' pixels
    };

    // Forgets everything; later strokes are in pixels of a picture of size `frame`.
    void clear(QSizeF frame);
    // Takes the batch of segments over: the surface hands over a full buffer rather than copy it,
    // so that recording a fine grid costs little more than drawing it.
    void addLines(const QColor& color, std::vector<QLineF>&& lines);
    void addPolylines(const QColor& color, int width, bool dashed,
                      std::vector<QPolygonF>&& polylines);
    void addCircle(const QColor& color, QPointF centre, qreal radius);
    void addText(const QColor& color, QPointF baseline, const QString& text, const QFont& font);
    void addHalo(QPointF baseline, const QString& text, const QFont& font);

    // The size of the picture that the coordinates refer to.
    QSizeF frame() const { return frame_; }
    std::size_t segmentCount() const { return segments_; }
    const std::vector<Stroke>& strokes() const { return strokes_; }
    // Paints every stroke again, in order, with the pens the surface used.
    void replay(QPainter& painter) const;

    // How many strokes are recorded.
    std::size_t strokeCount() const { return strokes_.size(); }
    // Paints strokes `from` to the last onto `image` (ARGB32 premultiplied, whose device pixels
    // the coordinates scaled by its device pixel ratio address), antialiased, with the pens of
    // replay(), to exactly the pixels that replay() paints. Segments are painted in horizontal
    // bands, one per core, each band on its own copy of its rows: every pixel still receives the
    // same segments in the same order.
    void paint(QImage& image, std::size_t from) const;

private:
    // Paints strokes [from, to), all of segments, in bands.
    void paintBanded(QImage& image, std::size_t from, std::size_t to) const;
    std::vector<Stroke> strokes_;
    QSizeF frame_;
    std::size_t segments_ = 0;
};

// The colour of a ForeColor value, red + 256 * green + 65536 * blue.
QColor fromForeColor(std::int32_t color);

// The pen of a thin line or circle: one pixel of the picture wide, that is `ratio` device pixels
// (one at a ratio of 1, as the picture has always been drawn there), so that the lines look alike
// on every screen and one through a pixel's centre covers that pixel wholly.
QPen surfacePen(const QColor& color, qreal ratio);
// The pen of a wide or dashed line: `width` pixels of the picture, round at its ends, or dashed
// (kDashLength, kDashGap) with square-cut dashes.
QPen widePen(const QColor& color, int width, bool dashed);

// The prime (kPrimeScale, drawing/record.h) of a name written in `font`: its font, and where it
// stands from the name's baseline origin when it follows `letters`.
QFont primeFont(const QFont& font);
QPointF primeOffset(const QString& letters, const QFont& font);
// Whether `text` ends in a prime, and its letters before it.
bool isPrimed(const QString& text);
// The ink of `text` written as a name in `font` from the baseline origin (0, 0), prime included.
QRectF nameInk(const QString& text, const QFont& font);

} // namespace esferica
