// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/picture/picturestyle.h"

#include "drawing/readable.h"
#include "present/catalogue.h"
#include "qt/picture/strokes.h"
#include "qt/window/controls.h"

#include <QAction>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QSettings>

namespace esferica {

namespace {

const QString kSettingsKey = QStringLiteral("dibujo/clasico");
const QString kSideNamesKey = QStringLiteral("dibujo/nombresLados");

// A cue is a short stroke of the triangle's pen, kCueLength pixels long, kCueGap pixels to the
// left of its heading and level with the heading's first line.
constexpr int kCueLength = 14;
constexpr int kCueHeight = 8;
constexpr int kCueGap = 3;

class ColourCue : public QWidget {
public:
    ColourCue(QColor colour, QWidget* parent) : QWidget(parent), colour_(colour) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(widePen(colour_, kTriangleWidth, false));
        const qreal middle = height() / 2.0, inset = kTriangleWidth / 2.0;
        painter.drawLine(QPointF(inset, middle), QPointF(width() - inset, middle));
    }

private:
    QColor colour_;
};

// The two headings, in the order the window hands them.
struct Heading {
    std::int32_t colour;
    const char* cue;  // the object name of its cue
    Text description; // what a screen reader hears of the heading beside its text
};
constexpr std::array<Heading, 2> kHeadings{{
    {kSolutionColor, "colorSolucion", Text::CueRed},
    {kAdditionalColor, "colorAdicional", Text::CueBlue},
}};

} // namespace

PictureStyleChoice::PictureStyleChoice(QWidget& form, QWidget& picture,
                                       const std::array<QLabel*, 2>& headings)
    : QObject(&form), headings_(headings) {
    for (std::size_t i = 0; i < kHeadings.size(); ++i) {
        const Heading& heading = kHeadings[i];
        const QLabel* label = headings_[i];
        auto* cue = new ColourCue(fromForeColor(heading.colour), &form);
        cue->setObjectName(QString::fromLatin1(heading.cue));
        const int line = label->fontMetrics().height();
        cue->setGeometry(label->x() - kCueGap - kCueLength, label->y() + (line - kCueHeight) / 2,
                         kCueLength, kCueHeight);
        cue->setAccessibleName(fromStd(words_->text(heading.description)));
        cues_[i] = cue;
    }

    classic_ = new QAction(fromStd(words_->text(Text::ActClassic)), &form);
    classic_->setObjectName(QStringLiteral("actDibujoClasico"));
    classic_->setCheckable(true);
    classic_->setChecked(QSettings().value(kSettingsKey, false).toBool());
    sideNames_ = new QAction(fromStd(words_->text(Text::ActSideNames)), &form);
    sideNames_->setObjectName(QStringLiteral("actNombresLados"));
    sideNames_->setCheckable(true);
    sideNames_->setChecked(QSettings().value(kSideNamesKey, true).toBool());
    auto* separator = new QAction(&form);
    separator->setSeparator(true);
    picture.addActions({separator, sideNames_, classic_});
    connect(classic_, &QAction::toggled, this, &PictureStyleChoice::choose);
    connect(sideNames_, &QAction::toggled, this, &PictureStyleChoice::nameSides);
    showCues(!classic_->isChecked());
}

void PictureStyleChoice::retranslate(const Catalogue& words) {
    words_ = &words;
    classic_->setText(fromStd(words.text(Text::ActClassic)));
    sideNames_->setText(fromStd(words.text(Text::ActSideNames)));
    for (std::size_t i = 0; i < kHeadings.size(); ++i)
        cues_[i]->setAccessibleName(fromStd(words.text(kHeadings[i].description)));
    showCues(!classic_->isChecked());
}

PictureStyle PictureStyleChoice::style() const {
    return classic_->isChecked() ? PictureStyle::Classic : PictureStyle::Readable;
}

bool PictureStyleChoice::sideNames() const {
    return sideNames_->isChecked();
}

void PictureStyleChoice::nameSides(bool named) {
    QSettings().setValue(kSideNamesKey, named);
    emit sideNamesChanged(named);
}

void PictureStyleChoice::choose(bool classic) {
    QSettings().setValue(kSettingsKey, classic);
    showCues(!classic);
    emit changed(style());
}

void PictureStyleChoice::showCues(bool shown) {
    for (std::size_t i = 0; i < kHeadings.size(); ++i) {
        cues_[i]->setVisible(shown);
        headings_[i]->setAccessibleDescription(
            shown ? fromStd(words_->text(kHeadings[i].description)) : QString());
    }
}

} // namespace esferica
