#include "form/strokes.h"

#include <QPainter>

namespace esferica {

void StrokeRecord::clear(QSizeF frame) {
    strokes_.clear();
    frame_ = frame;
    segments_ = 0;
}

void StrokeRecord::addLines(const QColor& color, std::span<const QLineF> lines) {
    // The surface draws a long run of one colour in batches: keep the run as one stroke.
    if (strokes_.empty() || strokes_.back().lines.empty() || strokes_.back().color != color)
        strokes_.push_back({color, {}, {}, 0});
    strokes_.back().lines.insert(strokes_.back().lines.end(), lines.begin(), lines.end());
    segments_ += lines.size();
}

void StrokeRecord::addCircle(const QColor& color, QPointF centre, qreal radius) {
    strokes_.push_back({color, {}, centre, radius});
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
