#include "qt/strokes.h"

#include <QPainter>

namespace esferica {

void StrokeRecord::clear(QSizeF frame) {
    strokes_.clear();
    frame_ = frame;
    segments_ = 0;
}

void StrokeRecord::addLines(const QColor& color, std::vector<QLineF>&& lines) {
    segments_ += lines.size();
    strokes_.push_back({color, std::move(lines), {}, 0});
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
