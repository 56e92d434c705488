// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/picture/diagram.h"

#include <QPainter>

namespace esferica {

QPixmap triangleDiagram(qreal ratio, const QFont& font) {
    constexpr int kWidth = 52, kHeight = 98;
    QPixmap pixmap(QSize(kWidth, kHeight) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::white);

    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const QPointF A(12, 58), B(42, 80), C(27, 17);
    p.setPen(QPen(Qt::black, 1.2));
    p.drawPolygon(QList<QPointF>{A, B, C});

    // Each letter is centred in a small box placed outside the triangle, next to what it names.
    const auto letter = [&p](QPointF centre, const QString& text) {
        p.drawText(QRectF(centre - QPointF(7, 7), QSizeF(14, 14)), Qt::AlignCenter, text);
    };
    // The window's font: a face or size of its own would cost a font engine at start-up.
    p.setFont(font);
    letter({6, 58}, QStringLiteral("A"));
    letter({45, 90}, QStringLiteral("B"));
    letter({27, 7}, QStringLiteral("C"));
    letter({43, 45}, QStringLiteral("a")); // between B and C
    letter({12, 34}, QStringLiteral("b")); // between A and C
    letter({23, 78}, QStringLiteral("c")); // between A and B
    return pixmap;
}

} // namespace esferica
