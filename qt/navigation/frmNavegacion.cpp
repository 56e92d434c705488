// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/navigation/frmNavegacion.h"

#include "command/numbers.h"
#include "navigation/picture.h"
#include "present/navigationtexts.h"
#include "present/view.h"
#include "qt/picture/drawingsurface.h"
#include "qt/window/controls.h"
#include "qt/window/frmTrianguloEsf.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFormLayout>
#include <QFrame>
#include <QGraphicsOpacityEffect>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <cmath>
#include <numbers>
#include <span>
#include <utility>

using esferica::fromStd;

namespace {

// The picture's side, in pixels: the main window's picture at its designed size.
constexpr int kPictureSide = 353;
// How much of a picture drawn for other data than the fields hold shows through, as in the main
// window.
constexpr qreal kStaleOpacity = 0.35;

QString captionOf(std::string_view name, const esferica::Catalogue& words) {
    return fromStd(esferica::navigationTexts(name, words).caption);
}

// The caption without its & and its colon, for a screen reader.
QString spokenName(const QString& caption) {
    QString name = caption;
    name.remove(QLatin1Char('&'));
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    return name;
}

constexpr std::size_t slot(frmNavegacion::Problem p) {
    return static_cast<std::size_t>(p);
}

} // namespace

frmNavegacion::frmNavegacion(frmTrianguloEsf& main, const esferica::Catalogue& words)
    : QWidget(nullptr, Qt::Window), main_(main), words_(&words) {
    setObjectName(QStringLiteral("frmNavegacion"));
    // Closing the main window ends the program even while this one is open.
    setAttribute(Qt::WA_QuitOnClose, false);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("tabProblemas"));

    // A tab: its fields, a rule, its results and the note under them.
    const auto addPage = [this](const char* name) {
        auto* page = new QWidget;
        page->setObjectName(QLatin1String(name));
        auto* layout = new QVBoxLayout(page);
        auto* fields = new QFormLayout;
        layout->addLayout(fields);
        tabs_->addTab(page, QString());
        return std::pair{page, fields};
    };
    const auto addRow = [this](QWidget& page, QFormLayout& fields, const char* caption,
                               const char* name) {
        QLineEdit* field = addField(page, name);
        fields.addRow(addCaption(page, caption, field), field);
        return field;
    };
    const auto addResults = [this](QWidget& page, Problem problem,
                                   std::span<const esferica::ResultName> names, const char* note) {
        auto* layout = static_cast<QVBoxLayout*>(page.layout());
        auto* rule = new QFrame(&page);
        rule->setFrameShape(QFrame::HLine);
        rule->setFrameShadow(QFrame::Sunken);
        layout->addWidget(rule);
        auto* rows = new QFormLayout;
        for (const esferica::ResultName& result : names) {
            auto* caption = new QLabel(&page);
            caption->setObjectName(QStringLiteral("lblTitulo") +
                                   fromStd(result.name.substr(3))); // without its "lbl"
            auto* value = new QLabel(&page);
            value->setObjectName(fromStd(result.name));
            value->setTextFormat(Qt::PlainText);
            value->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                           Qt::TextSelectableByKeyboard);
            rows->addRow(caption, value);
            results_[slot(problem)].push_back(value);
            resultCaptions_[slot(problem)].push_back(caption);
        }
        layout->addLayout(rows);
        notes_[slot(problem)] = new QLabel(&page);
        notes_[slot(problem)]->setObjectName(QLatin1String(note));
        notes_[slot(problem)]->setTextFormat(Qt::PlainText);
        notes_[slot(problem)]->setWordWrap(true);
        notes_[slot(problem)]->setMinimumHeight(esferica::kNoteLines *
                                                notes_[slot(problem)]->fontMetrics().lineSpacing());
        notes_[slot(problem)]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        layout->addWidget(notes_[slot(problem)]);
        layout->addStretch();
    };

    {
        auto [page, fields] = addPage("tabOrtodromica");
        txtSalida_ = addRow(*page, *fields, "lblSalida", "txtSalida");
        txtLlegada_ = addRow(*page, *fields, "lblLlegada", "txtLlegada");
        txtRadio_ = addRow(*page, *fields, "lblRadio", "txtRadio");
        addResults(*page, Problem::Sailing, esferica::kSailingResultNames, "lblNotaOrtodromica");
        for (QLineEdit* field : {txtSalida_, txtLlegada_, txtRadio_})
            connect(field, &QLineEdit::textChanged, this, [this] { outdate(Problem::Sailing); });
    }
    {
        auto [page, fields] = addPage("tabPosicion");
        constexpr std::array<std::pair<const char*, const char*>, esferica::kSightData> kFields{{
            {"lblLatitud", "txtLatitud"},
            {"lblDeclinacion", "txtDeclinacion"},
            {"lblHorario", "txtHorario"},
            {"lblHorarioGreenwich", "txtHorarioGreenwich"},
            {"lblLongitud", "txtLongitud"},
            {"lblObservada", "txtObservada"},
        }};
        for (std::size_t d = 0; d < esferica::kSightData; ++d) {
            txtSight_[d] = addRow(*page, *fields, kFields[d].first, kFields[d].second);
            connect(txtSight_[d], &QLineEdit::textChanged, this,
                    [this] { outdate(Problem::Sight); });
        }
        addResults(*page, Problem::Sight, esferica::kSightResultNames, "lblNotaPosicion");
    }

    const auto addButton = [this](const char* name) {
        auto* button = new QPushButton(this);
        button->setObjectName(QLatin1String(name));
        button->setAutoDefault(true);
        return button;
    };
    cmdCalcular_ = addButton("cmdCalcular");
    cmdVerTriangulo_ = addButton("cmdVerTriangulo");
    cmdCopiar_ = addButton("cmdCopiar");
    connect(cmdCalcular_, &QPushButton::clicked, this, &frmNavegacion::cmdCalcular_Click);
    connect(cmdVerTriangulo_, &QPushButton::clicked, this, &frmNavegacion::cmdVerTriangulo_Click);
    connect(cmdCopiar_, &QPushButton::clicked, this, &frmNavegacion::cmdCopiar_Click);

    Grafico_ = new esferica::DrawingSurface(this);
    Grafico_->setObjectName(QStringLiteral("Grafico"));
    Grafico_->setFixedSize(kPictureSide, kPictureSide);
    // The globe faces the problem: it does not turn.
    Grafico_->setFocusPolicy(Qt::NoFocus);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdCalcular_);
    buttons->addWidget(cmdVerTriangulo_);
    buttons->addWidget(cmdCopiar_);
    buttons->addStretch();
    auto* left = new QVBoxLayout;
    left->addWidget(tabs_);
    left->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addWidget(Grafico_, 0, Qt::AlignTop);

    connect(tabs_, &QTabWidget::currentChanged, this, [this] {
        drawProblem();
        updateButtons();
    });
    auto* help = new QAction(this);
    help->setShortcut(QKeySequence::HelpContents);
    connect(help, &QAction::triggered, this,
            [this] { main_.showHelp(QStringLiteral("navegacion")); });
    addAction(help);

    retranslate(words);
    txtSalida_->setFocus();
}

frmNavegacion::~frmNavegacion() = default;

void frmNavegacion::retranslate(const esferica::Catalogue& words) {
    words_ = &words;
    setWindowTitle(captionOf("frmNavegacion", words));
    tabs_->setTabText(0, captionOf("tabOrtodromica", words));
    tabs_->setTabText(1, captionOf("tabPosicion", words));
    // The fields' captions, which name their fields for a screen reader.
    for (QLabel* label : findChildren<QLabel*>()) {
        const QString caption = captionOf(label->objectName().toStdString(), words);
        if (caption.isEmpty())
            continue;
        label->setText(caption);
        if (QWidget* buddy = label->buddy())
            buddy->setAccessibleName(spokenName(caption));
    }
    for (QLineEdit* field : findChildren<QLineEdit*>()) {
        const esferica::NavigationCaption texts =
            esferica::navigationTexts(field->objectName().toStdString(), words);
        field->setToolTip(fromStd(texts.tip));
        field->setPlaceholderText(fromStd(texts.example));
    }
    for (QPushButton* button : {cmdCalcular_, cmdVerTriangulo_, cmdCopiar_}) {
        const esferica::NavigationCaption texts =
            esferica::navigationTexts(button->objectName().toStdString(), words);
        button->setText(fromStd(texts.caption));
        button->setToolTip(fromStd(texts.tip));
    }
    Grafico_->setToolTip(fromStd(esferica::navigationTexts("Grafico", words).tip));
    Grafico_->setAccessibleName(captionOf("Grafico", words));

    const QString longest = fromStd(esferica::longestResult(words));
    const auto nameResults = [&](Problem problem, std::span<const esferica::ResultName> names) {
        for (std::size_t i = 0; i < names.size(); ++i) {
            QLabel* caption = resultCaptions_[slot(problem)][i];
            QLabel* value = results_[slot(problem)][i];
            caption->setText(fromStd(words.text(names[i].caption)));
            value->setAccessibleName(spokenName(caption->text()));
            value->setMinimumWidth(value->fontMetrics().horizontalAdvance(longest));
        }
    };
    nameResults(Problem::Sailing, esferica::kSailingResultNames);
    nameResults(Problem::Sight, esferica::kSightResultNames);
    showResults(Problem::Sailing);
    showResults(Problem::Sight);
}

QLineEdit* frmNavegacion::addField(QWidget& page, const char* name) const {
    auto* field = new QLineEdit(&page);
    field->setObjectName(QLatin1String(name));
    // Enter in a field calculates, as it does on the button.
    connect(field, &QLineEdit::returnPressed, this, &frmNavegacion::cmdCalcular_Click);
    return field;
}

QLabel* frmNavegacion::addCaption(QWidget& page, const char* name, QWidget* buddy) {
    auto* label = new QLabel(&page);
    label->setObjectName(QLatin1String(name));
    label->setBuddy(buddy);
    return label;
}

frmNavegacion::Problem frmNavegacion::problem() const {
    return tabs_->currentIndex() == 0 ? Problem::Sailing : Problem::Sight;
}

frmNavegacion::Solved& frmNavegacion::solved(Problem problem) {
    return solved_[slot(problem)];
}

void frmNavegacion::showProblem(Problem problem) {
    tabs_->setCurrentIndex(static_cast<int>(slot(problem)));
}

void frmNavegacion::cmdCalcular_Click() {
    if (problem() == Problem::Sailing)
        calculateSailing();
    else
        calculateSight();
}

void frmNavegacion::calculateSailing() {
    const std::string separator = decimalSeparator();
    // The radius is read first, for the distance, but a position not read is told first, as the
    // fields stand.
    const QString radiusText = txtRadio_->text().trimmed();
    const std::optional<double> radiusKm = radiusText.isEmpty()
                                               ? esferica::kMeanEarthRadiusKm
                                               : esferica::readRadius(radiusText.toStdString());
    const esferica::RouteReading route =
        esferica::readRoute(txtSalida_->text().toStdString(), txtLlegada_->text().toStdString(),
                            radiusKm.value_or(esferica::kMeanEarthRadiusKm), separator, *words_);
    if (!route.sailing)
        return refuse(Problem::Sailing, route.fault == 0 ? txtSalida_ : txtLlegada_, route.reason);
    if (!radiusKm)
        return refuse(Problem::Sailing, txtRadio_,
                      esferica::radiusReason(txtRadio_->text().toStdString(), *words_));

    sailing_ = *route.sailing;
    solved(Problem::Sailing) = {esferica::triangleBehind(*sailing_), {}, true};
    showResults(Problem::Sailing);
}

void frmNavegacion::calculateSight() {
    using esferica::SightDatum;
    std::array<std::string, esferica::kSightData> typed;
    esferica::SightTexts texts;
    for (std::size_t d = 0; d < esferica::kSightData; ++d) {
        typed[d] = txtSight_[d]->text().toStdString();
        // A field of blanks only is a datum not given.
        if (!txtSight_[d]->text().trimmed().isEmpty())
            texts[d] = typed[d];
    }
    const esferica::SightReading reading = esferica::readSight(texts, decimalSeparator(), *words_);
    if (!reading.sight)
        return refuse(Problem::Sight, txtSight_[static_cast<std::size_t>(reading.fault)],
                      reading.reason);

    const esferica::Sight& s = *reading.sight;
    sight_ = s;
    // The grid under the observer's own meridian, when the longitude was given.
    sightLongitude_ = 0;
    if (const auto& longitude = texts[static_cast<std::size_t>(SightDatum::Longitude)]) {
        constexpr std::array kind{esferica::CoordinateKind::Longitude};
        sightLongitude_ = esferica::readCoordinates(*longitude, kind).degrees.at(0);
    }
    solved(Problem::Sight) = {esferica::triangleBehind(s), {}, true};
    showResults(Problem::Sight);
}

void frmNavegacion::showResults(Problem problem) {
    const std::string separator = decimalSeparator();
    Solved& solvedNow = solved(problem);
    std::vector<std::string> texts;
    std::string note;
    if (problem == Problem::Sailing && sailing_) {
        const auto values = esferica::sailingResultTexts(*sailing_, separator, *words_);
        texts.assign(values.begin(), values.end());
        note = esferica::sailingNote(*sailing_, separator, *words_);
        solvedNow.lines = esferica::sailingLines(*sailing_, *words_);
    } else if (problem == Problem::Sight && sight_) {
        const auto values = esferica::sightResultTexts(*sight_, separator, *words_);
        texts.assign(values.begin(), values.end());
        note = esferica::sightNote(*sight_, *words_);
        solvedNow.lines = esferica::sightLines(*sight_, *words_);
    }
    // Results of other data than the fields hold stay greyed in another language too.
    const bool enabled = solvedNow.current || texts.empty();
    std::vector<QLabel*>& labels = results_[slot(problem)];
    for (std::size_t i = 0; i < labels.size(); ++i) {
        labels[i]->setText(i < texts.size() ? fromStd(texts[i]) : QString());
        labels[i]->setEnabled(enabled);
    }
    notes_[slot(problem)]->setText(fromStd(note));
    notes_[slot(problem)]->setEnabled(enabled);
    drawProblem();
    updateButtons();
}

void frmNavegacion::refuse(Problem problem, QLineEdit* field, const std::string& reason) {
    solved(problem) = {};
    if (problem == Problem::Sailing)
        sailing_.reset();
    else
        sight_.reset();
    showResults(problem);
    QMessageBox box(QMessageBox::NoIcon, windowTitle(),
                    fromStd(esferica::messageText(esferica::Outcome::NotReadWhole, *words_)),
                    QMessageBox::Ok, this);
    box.setInformativeText(fromStd(reason));
    box.exec();
    // The whole text selected from its end back to its start, which the field then shows.
    field->setFocus(Qt::OtherFocusReason);
    const int length = static_cast<int>(field->text().size());
    field->setSelection(length, -length);
}

void frmNavegacion::drawProblem() {
    if (problem() == Problem::Sailing && sailing_)
        esferica::drawSailing(*Grafico_, *sailing_);
    else if (problem() == Problem::Sight && sight_)
        esferica::drawSight(*Grafico_, *sight_, sightLongitude_);
    else
        Grafico_->Cls();
    // A message box runs an event loop that repaints the window: the picture must be final.
    Grafico_->flush();
}

void frmNavegacion::outdate(Problem problem) {
    Solved& s = solved(problem);
    if (!std::exchange(s.current, false))
        return;
    for (QLabel* label : results_[slot(problem)])
        label->setEnabled(false);
    notes_[slot(problem)]->setEnabled(false);
    updateButtons();
}

void frmNavegacion::updateButtons() {
    const Solved& s = solved(problem());
    cmdCopiar_->setEnabled(s.current);
    cmdVerTriangulo_->setEnabled(s.current && s.triangle);
    cmdVerTriangulo_->setToolTip(fromStd(
        s.current && !s.triangle ? words_->text(esferica::Text::NavNoTriangle)
                                 : esferica::navigationTexts("cmdVerTriangulo", *words_).tip));
    // The picture of other data than the fields hold is faded, as the greyed results are.
    const bool drawn = problem() == Problem::Sailing ? sailing_.has_value() : sight_.has_value();
    if (s.current || !drawn) {
        Grafico_->setGraphicsEffect(nullptr);
    } else if (!Grafico_->graphicsEffect()) {
        auto* faded = new QGraphicsOpacityEffect(Grafico_);
        faded->setOpacity(kStaleOpacity);
        Grafico_->setGraphicsEffect(faded);
    }
}

void frmNavegacion::cmdVerTriangulo_Click() {
    const Solved& s = solved(problem());
    if (!s.current || !s.triangle)
        return;
    main_.calculateWith(s.triangle->fields.inputs);
}

void frmNavegacion::cmdCopiar_Click() {
    const Solved& s = solved(problem());
    if (s.current)
        QApplication::clipboard()->setText(fromStd(s.lines));
}

std::string frmNavegacion::decimalSeparator() const {
    return QLocale().decimalPoint().toStdString();
}
