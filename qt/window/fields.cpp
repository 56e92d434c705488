// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/window/fields.h"

#include "present/view.h"
#include "qt/window/controls.h"

#include <QAction>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextDocument>
#include <QToolButton>
#include <algorithm>

namespace esferica {

namespace {

// The side of the warning sign, in pixels: drawn twice as large and scaled down, crisp on a dense
// screen too.
constexpr int kSignSize = 32;
// The room between the text and the sign, in pixels: the last glyph never touches it.
constexpr int kSignMargin = 3;
// The margin the line edit keeps on each side of its text, inside its contents (Qt's own).
constexpr int kLineEditMargin = 2;

// A warning sign: an amber triangle with an exclamation mark, read by its shape as well as by its
// colour. Drawn here rather than taken from the style, whose icon may be looked up in the
// desktop's icon themes, which would slow the window's start-up.
QIcon warningSign() {
    QPixmap sign(kSignSize, kSignSize);
    sign.fill(Qt::transparent);
    QPainter p(&sign);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = kSignSize;
    const QPolygonF triangle{QPointF(s / 2, s * 0.06), QPointF(s * 0.97, s * 0.92),
                             QPointF(s * 0.03, s * 0.92)};
    p.setPen(QPen(QColor(0x5a, 0x3c, 0x00), s / 16, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0xf5, 0xb8, 0x00));
    p.drawPolygon(triangle);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawRoundedRect(QRectF(s * 0.45, s * 0.33, s * 0.1, s * 0.32), s * 0.04, s * 0.04);
    p.drawEllipse(QPointF(s / 2, s * 0.77), s * 0.06, s * 0.06);
    p.end();
    return QIcon(sign);
}

// The width the text of `field` has to show itself in: its contents, less the margins of the text
// and the sign at its end when one is shown.
int textRoom(const QLineEdit& field) {
    QStyleOptionFrame option;
    option.initFrom(&field);
    option.rect = field.rect();
    option.lineWidth =
        field.hasFrame() ? field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &field)
                         : 0;
    QRect room = field.style()
                     ->subElementRect(QStyle::SE_LineEditContents, &option, &field)
                     .marginsRemoved(field.textMargins());
    for (const QToolButton* sign : field.findChildren<QToolButton*>())
        if (sign->isVisibleTo(&field) && sign->geometry().left() > room.center().x())
            room.setRight(std::min(room.right(), sign->geometry().left() - 1));
    return room.width() - 2 * kLineEditMargin;
}

} // namespace

FieldMarks::FieldMarks(const std::array<QLineEdit*, kElements>& inputs,
                       const std::array<QLineEdit*, kOptionFields>& options, QObject* parent)
    : QObject(parent) {
    for (std::size_t i = 0; i < marks_.size(); ++i) {
        Mark& m = marks_[i];
        m.field = i < inputs.size() ? inputs[i] : options[i - inputs.size()];
        if (i < inputs.size())
            m.help = fromStd(Catalogue::spanish().text(Text::InputForms));
        m.field->setToolTip(m.help);
        // The mark stays until the text changes, whoever changes it.
        connect(m.field, &QLineEdit::textChanged, this, [this, i] {
            unmark(marks_[i]);
            showTip(marks_[i]);
        });
    }
}

void FieldMarks::show(const View& view) {
    for (std::size_t i = 0; i < marks_.size(); ++i) {
        const std::string& note = view.notes[i];
        if (note.empty())
            unmark(marks_[i]);
        else
            mark(marks_[i], fromStd(note));
    }
}

void FieldMarks::retranslate(const Catalogue& words) {
    words_ = &words;
    for (std::size_t i = 0; i < kElements; ++i) {
        marks_[i].help = fromStd(words.text(Text::InputForms));
        showTip(marks_[i]);
    }
}

QLineEdit* FieldMarks::lineEdit(const Field& field) const {
    if (const auto* e = std::get_if<Element>(&field))
        return marks_[index(*e)].field;
    return marks_[kElements + index(std::get<OptionField>(field))].field;
}

void FieldMarks::mark(Mark& m, const QString& note) {
    // The sign is made the first time a field is marked: most fields never are.
    if (!m.sign) {
        if (sign_.isNull())
            sign_ = warningSign();
        m.sign = m.field->addAction(sign_, QLineEdit::TrailingPosition);
        m.sign->setObjectName(QStringLiteral("actMarca"));
    }
    m.sign->setToolTip(note);
    m.sign->setVisible(true);
    m.note = note;
    m.field->setTextMargins(0, 0, kSignMargin, 0);
    if (!m.field->hasFocus())
        m.field->setCursorPosition(0);
    showTip(m);
    m.field->setAccessibleDescription(note);
}

void FieldMarks::unmark(Mark& m) {
    if (!m.sign || !m.sign->isVisible())
        return;
    m.sign->setVisible(false);
    m.note.clear();
    m.field->setTextMargins(0, 0, 0, 0);
    showTip(m);
    m.field->setAccessibleDescription({});
}

void FieldMarks::showTip(Mark& m) {
    QString tip = m.note.isEmpty() ? m.help : m.note;
    const QString text = m.field->text();
    if (m.field->fontMetrics().horizontalAdvance(text) > textRoom(*m.field))
        tip =
            fromStd(words_->quoted(text.toStdString())) + (tip.isEmpty() ? QString() : u'\n' + tip);
    // A typed text that looks like markup is shown as it is.
    if (Qt::mightBeRichText(tip))
        tip = QStringLiteral("<p style='white-space:pre-wrap'>%1</p>").arg(tip.toHtmlEscaped());
    m.field->setToolTip(tip);
}

} // namespace esferica
