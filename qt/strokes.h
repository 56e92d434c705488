// SPDX-License-Identifier: GPL-3.0-or-later
// What the drawing surface has drawn since it was last cleared, kept so that the picture can be
// taken out as vector lines: the very segments and circles it painted, in their colours and in
// the order painted, in the surface's pixel coordinates.
#pragma once

#include <QColor>
#include <QLineF>
#include <QPen>
#include <QSizeF>
#include <vector>

class QImage;
class QPainter;

namespace esferica {

class StrokeRecord {
public:
    // Forgets everything; later strokes are in pixels of a picture of size `frame`.
    void clear(QSizeF frame);
    // Takes the batch of segments over: the surface hands over a full buffer rather than copy it,
    // so that recording a fine grid costs little more than drawing it.
    void addLines(const QColor& color, std::vector<QLineF>&& lines);
    void addCircle(const QColor& color, QPointF centre, qreal radius);

    // The size of the picture that the coordinates refer to.
    QSizeF frame() const { return frame_; }
    std::size_t segmentCount() const { return segments_; }
    // Paints every stroke again, in order, with the pens the surface used.
    void replay(QPainter& painter) const;

    // How many strokes (batches of segments, circles) are recorded.
    std::size_t strokeCount() const { return strokes_.size(); }
    // Paints strokes `from` to the last onto `image` (ARGB32 premultiplied, whose device pixels
    // the coordinates scaled by its device pixel ratio address), antialiased, with the pens of
    // replay(), to exactly the pixels that replay() paints. Segments are painted in horizontal
    // bands, one per core, each band on its own copy of its rows: every pixel still receives the
    // same segments in the same order.
    void paint(QImage& image, std::size_t from) const;

private:
    struct Stroke {
        QColor color;
        std::vector<QLineF> lines; // empty for a circle
        QPointF centre;
        qreal radius = 0;
        qreal tallest = 0; // the greatest height of a segment, in the coordinates' pixels
    };
    // Paints strokes [from, to), all of segments, in bands.
    void paintBanded(QImage& image, std::size_t from, std::size_t to) const;
    std::vector<Stroke> strokes_;
    QSizeF frame_;
    std::size_t segments_ = 0;
};

// The pen of every line and circle of the surface: one device pixel wide at any scale.
QPen surfacePen(const QColor& color);

} // namespace esferica
