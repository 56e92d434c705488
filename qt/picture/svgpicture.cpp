// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/picture/svgpicture.h"

#include "drawing/svg.h"

namespace esferica {

namespace {

std::int32_t foreColorOf(const QColor& color) {
    return color.red() + 256 * color.green() + 65536 * color.blue();
}

PixelPoint pointOf(QPointF p) {
    return {p.x(), p.y()};
}

} // namespace

PictureRecord pictureRecord(const StrokeRecord& strokes, QSizeF frame) {
    using Kind = StrokeRecord::Kind;
    PictureRecord record;
    record.width = frame.width();
    record.height = frame.height();
    record.strokes.reserve(strokes.strokes().size());
    for (const StrokeRecord::Stroke& s : strokes.strokes()) {
        RecordedStroke& r = record.strokes.emplace_back();
        r.kind = s.kind;
        r.color = foreColorOf(s.color);
        r.width = s.width;
        r.dashed = s.dashed;
        r.segments.reserve(2 * s.lines.size());
        for (const QLineF& line : s.lines) {
            r.segments.push_back(pointOf(line.p1()));
            r.segments.push_back(pointOf(line.p2()));
        }
        for (const QPolygonF& polyline : s.polylines) {
            auto& points = r.polylines.emplace_back();
            points.reserve(static_cast<std::size_t>(polyline.size()));
            for (const QPointF& p : polyline)
                points.push_back(pointOf(p));
        }
        r.centre = pointOf(s.centre);
        r.radius = s.radius;
        if (s.kind != Kind::Text && s.kind != Kind::Halo)
            continue;
        r.text = s.text.toStdString();
        r.font = {s.font.family().toStdString(), s.font.pixelSize(), s.font.bold(),
                  s.font.italic()};
        if (isPrimed(s.text)) {
            r.primePixelSize = primeFont(s.font).pixelSize();
            r.primeDrop = primeOffset(s.text.chopped(1), s.font).y();
        }
    }
    return record;
}

QByteArray svgPicture(const StrokeRecord& strokes, QSizeF frame, QSize size, const QString& title,
                      const QString& description, const SvgLayerNames& layers) {
    return QByteArray::fromStdString(svgDocument(pictureRecord(strokes, frame), size.width(),
                                                 size.height(), title.toStdString(),
                                                 description.toStdString(), layers));
}

} // namespace esferica
