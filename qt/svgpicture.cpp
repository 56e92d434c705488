// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/svgpicture.h"

#include "drawing/surface.h"

#include <QXmlStreamWriter>
#include <map>
#include <optional>

namespace esferica {

namespace {

// Coordinates to a hundredth of a pixel: finer than any screen shows, and short enough that the
// default picture stays well under 100 KB.
constexpr int kDecimals = 2;

struct Group {
    const char* id;
    const char* label;
};
constexpr Group kFarSide{"cara-oculta", "Cara oculta"};
constexpr Group kGrid{"red", "Red"};
constexpr Group kSolution{"solucion", "Solución"};
constexpr Group kAdditional{"solucion-adicional", "Solución adicional"};
constexpr Group kNames{"nombres", "Nombres"};
constexpr Group kHalos{"fondo-nombres", "Fondo de los nombres"};

const Group& groupOf(const StrokeRecord::Stroke& stroke) {
    if (stroke.kind == StrokeRecord::Kind::Text)
        return kNames;
    if (stroke.kind == StrokeRecord::Kind::Halo)
        return kHalos;
    if (stroke.color == fromForeColor(kFarGrey))
        return kFarSide;
    if (stroke.color == fromForeColor(kBlue))
        return kAdditional;
    if (stroke.color == fromForeColor(kRed))
        return kSolution;
    return kGrid;
}

QString number(qreal v) {
    QString text = QString::number(v, 'f', kDecimals);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

// Path data through `points`: a move, then one line through the rest. Repeated points are left
// out; empty when nothing would be drawn.
QString pathData(const std::vector<QPointF>& points) {
    QString d;
    std::optional<QPointF> last;
    int drawn = 0;
    for (const QPointF& p : points) {
        const QString x = number(p.x()), y = number(p.y());
        const QString at = x + QLatin1Char(' ') + y;
        if (last && number(last->x()) == x && number(last->y()) == y)
            continue;
        d += d.isEmpty() ? QStringLiteral("M") + at
                         : (drawn++ == 0 ? QStringLiteral("L") : QStringLiteral(" ")) + at;
        last = p;
    }
    return drawn > 0 ? d : QString();
}

void writePath(QXmlStreamWriter& xml, const std::vector<QPointF>& points, bool dashed, int width) {
    const QString d = pathData(points);
    if (d.isEmpty())
        return;
    xml.writeEmptyElement(QStringLiteral("path"));
    if (dashed) {
        xml.writeAttribute(QStringLiteral("stroke-dasharray"), number(kDashLength * width) +
                                                                   QLatin1Char(' ') +
                                                                   number(kDashGap * width));
        xml.writeAttribute(QStringLiteral("stroke-linecap"), QStringLiteral("butt"));
    }
    xml.writeAttribute(QStringLiteral("d"), d);
}

void writeStroke(QXmlStreamWriter& xml, const StrokeRecord::Stroke& s) {
    using Kind = StrokeRecord::Kind;
    switch (s.kind) {
    case Kind::Lines: {
        // Each run of segments that join end to start is one line of the drawing.
        std::vector<QPointF> run;
        for (const QLineF& segment : s.lines) {
            if (run.empty() || run.back() != segment.p1()) {
                writePath(xml, run, false, 1);
                run = {segment.p1()};
            }
            run.push_back(segment.p2());
        }
        writePath(xml, run, false, 1);
        break;
    }
    case Kind::Polylines:
        for (const QPolygonF& polyline : s.polylines)
            writePath(xml, {polyline.begin(), polyline.end()}, s.dashed, s.width);
        break;
    case Kind::Circle:
        xml.writeEmptyElement(QStringLiteral("circle"));
        xml.writeAttribute(QStringLiteral("cx"), number(s.centre.x()));
        xml.writeAttribute(QStringLiteral("cy"), number(s.centre.y()));
        xml.writeAttribute(QStringLiteral("r"), number(s.radius));
        break;
    case Kind::Text:
    case Kind::Halo: {
        const bool halo = s.kind == Kind::Halo;
        xml.writeStartElement(QStringLiteral("text"));
        xml.writeAttribute(QStringLiteral("x"), number(s.centre.x()));
        xml.writeAttribute(QStringLiteral("y"), number(s.centre.y()));
        xml.writeAttribute(QStringLiteral("fill"), s.color.name());
        xml.writeAttribute(QStringLiteral("font-family"), s.font.family());
        xml.writeAttribute(QStringLiteral("font-size"),
                           number(s.font.pixelSize()) + QLatin1String("px"));
        if (s.font.bold())
            xml.writeAttribute(QStringLiteral("font-weight"), QStringLiteral("bold"));
        if (s.font.italic())
            xml.writeAttribute(QStringLiteral("font-style"), QStringLiteral("italic"));
        if (halo) {
            // The picture's white halo, under the triangles' lines.
            xml.writeAttribute(QStringLiteral("stroke"), QStringLiteral("#ffffff"));
            xml.writeAttribute(QStringLiteral("stroke-width"), number(kHaloWidth));
            xml.writeAttribute(QStringLiteral("stroke-linejoin"), QStringLiteral("round"));
        }
        if (!isPrimed(s.text)) {
            xml.writeCharacters(s.text);
        } else {
            // The prime as the picture writes it: larger, lowered to the letter's top.
            const QString letters = s.text.chopped(1);
            xml.writeCharacters(letters);
            xml.writeStartElement(QStringLiteral("tspan"));
            xml.writeAttribute(QStringLiteral("font-size"),
                               number(primeFont(s.font).pixelSize()) + QLatin1String("px"));
            xml.writeAttribute(QStringLiteral("dy"), number(primeOffset(letters, s.font).y()));
            xml.writeCharacters(s.text.right(1));
            xml.writeEndElement();
            // No line break after the prime: it would be a space of the text.
            xml.setAutoFormatting(false);
            xml.writeEndElement();
            xml.setAutoFormatting(true);
            break;
        }
        xml.writeEndElement();
        break;
    }
    }
}

// Opens the group of `stroke`, with the pen that its lines share; `times` groups of the same part
// came before it.
void startGroup(QXmlStreamWriter& xml, const Group& group, const StrokeRecord::Stroke& stroke,
                int times) {
    xml.writeStartElement(QStringLiteral("g"));
    const QString id = QString::fromLatin1(group.id);
    xml.writeAttribute(QStringLiteral("id"),
                       times == 0 ? id : id + QStringLiteral("-%1").arg(times + 1));
    xml.writeAttribute(QStringLiteral("inkscape:label"), QString::fromUtf8(group.label));
    xml.writeAttribute(QStringLiteral("inkscape:groupmode"), QStringLiteral("layer"));
    if (&group == &kNames || &group == &kHalos)
        return;
    xml.writeAttribute(QStringLiteral("fill"), QStringLiteral("none"));
    xml.writeAttribute(QStringLiteral("stroke"), stroke.color.name());
    xml.writeAttribute(QStringLiteral("stroke-width"), number(stroke.width));
    xml.writeAttribute(QStringLiteral("stroke-linecap"), QStringLiteral("round"));
    xml.writeAttribute(QStringLiteral("stroke-linejoin"), QStringLiteral("round"));
}

} // namespace

QByteArray svgPicture(const StrokeRecord& strokes, QSizeF frame, QSize size, const QString& title,
                      const QString& description) {
    QByteArray out;
    QXmlStreamWriter xml(&out);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(1);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("svg"));
    xml.writeDefaultNamespace(QStringLiteral("http://www.w3.org/2000/svg"));
    xml.writeNamespace(QStringLiteral("http://www.inkscape.org/namespaces/inkscape"),
                       QStringLiteral("inkscape"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.1"));
    xml.writeAttribute(QStringLiteral("width"), number(size.width()) + QLatin1String("px"));
    xml.writeAttribute(QStringLiteral("height"), number(size.height()) + QLatin1String("px"));
    xml.writeAttribute(
        QStringLiteral("viewBox"),
        QStringLiteral("0 0 %1 %2").arg(number(frame.width()), number(frame.height())));
    xml.writeTextElement(QStringLiteral("title"), title);
    xml.writeTextElement(QStringLiteral("desc"), description);
    xml.writeEmptyElement(QStringLiteral("rect"));
    xml.writeAttribute(QStringLiteral("width"), number(frame.width()));
    xml.writeAttribute(QStringLiteral("height"), number(frame.height()));
    xml.writeAttribute(QStringLiteral("fill"), QStringLiteral("#ffffff"));

    // One group for each run of strokes of one part, in the order painted. The pictures paint
    // their parts one after another, so each part is one group; were one to come back, its ids
    // would still be told apart.
    const Group* open = nullptr;
    std::map<const Group*, int> opened;
    for (const StrokeRecord::Stroke& stroke : strokes.strokes()) {
        const Group& group = groupOf(stroke);
        if (&group != open) {
            if (open)
                xml.writeEndElement();
            startGroup(xml, group, stroke, opened[&group]++);
            open = &group;
        }
        writeStroke(xml, stroke);
    }
    if (open)
        xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    return out;
}

} // namespace esferica
