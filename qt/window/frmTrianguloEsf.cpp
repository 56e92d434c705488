// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/window/frmTrianguloEsf.h"

#include "present/format.h"
#include "present/view.h"
#include "qt/navigation/frmNavegacion.h"
#include "qt/picture/diagram.h"
#include "qt/picture/drawingsurface.h"
#include "qt/picture/picturestyle.h"
#include "qt/window/accessibility.h"
#include "qt/window/controls.h"
#include "qt/window/design.h"
#include "qt/window/export.h"
#include "qt/window/fields.h"
#include "qt/window/help.h"
#include "qt/window/language.h"
#include "qt/window/measures.h"
#include "qt/window/workingwindow.h"

#include <QAccessible>
#include <QAction>
#include <QFocusEvent>
#include <QFontMetricsF>
#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <utility>

using esferica::fromStd;
namespace design = esferica::design;

namespace {

// The designed size of the window, the smallest it can be made, and the places of the picture, of
// the status label under it and of the buttons that open the working and the navigation window,
// which move as the window grows.
constexpr QSize kDesignedSize = design::pixels(design::kWindow).size();
constexpr QRect kPictureGeometry = design::pixels(design::control("Grafico").place);
constexpr QRect kStatusGeometry = design::pixels(design::control("Resolvergraf").place);
constexpr QRect kNavigationGeometry = design::pixels(design::control("cmdNavegacion").place);
constexpr QRect kWorkingGeometry = design::pixels(design::control("cmdProcedimiento").place);

// The gap between this window's frame and the navigation window's, in pixels.
constexpr int kNavigationOffset = 8;

// How much of a picture drawn for other data than the fields hold shows through.
constexpr qreal kStaleOpacity = 0.35;

// The smallest size that shrinkFontToFit goes down to, in points.
constexpr qreal kSmallestPointSize = 6;

// Every text the status label shows: one side c missing of one triangle, or of two, or both.
QStringList statusTexts(const esferica::Catalogue& words) {
    QStringList texts;
    for (const bool two : {false, true})
        for (const bool first : {false, true})
            for (const bool second : {false, true}) {
                esferica::SceneDrawing drawing;
                drawing.triangles = two ? 2 : 1;
                drawing.primarySideMissing = first;
                drawing.additionalSideMissing = two && second;
                if (const std::string_view text = esferica::statusText(drawing, words);
                    !text.empty())
                    texts << fromStd(text);
            }
    return texts;
}

// How much `font` must shrink for every caption to fit its label: the smallest ratio of the room a
// label has to the room its text takes, 1 or more when all fit. The status label `status` is
// measured with every text it shows.
qreal fitRatio(const QWidget& form, const QLabel& status, const QFont& font,
               const esferica::Catalogue& words) {
    const QFontMetricsF metrics(font);
    qreal ratio = 1;
    for (const QLabel* label : form.findChildren<QLabel*>()) {
        const QStringList texts =
            label == &status ? statusTexts(words) : QStringList{label->text()};
        for (const QString& text : texts) {
            if (text.isEmpty())
                continue;
            const QSizeF needed =
                label->wordWrap()
                    ? metrics.boundingRect(QRectF(label->rect()), Qt::TextWordWrap, text).size()
                    : QSizeF(metrics.horizontalAdvance(text), metrics.height());
            ratio = std::min(
                {ratio, label->width() / needed.width(), label->height() / needed.height()});
        }
    }
    return ratio;
}

// The layout was measured for an 8-point system font; a wider default font would cut captions
// such as "Ingrese los datos conocidos:" short. Keep the default family and style, and take the
// largest size, in half points and no larger than the default, at which every caption fits its
// label. Text does not scale exactly with the size, so the size that the first measurement
// suggests is checked, and lowered while it does not fit; each size tried costs a font engine,
// which is why the search does not start from the default.
void shrinkFontToFit(QWidget& form, const QLabel& status, const esferica::Catalogue& words) {
    QFont font = form.font();
    if (font.pointSizeF() <= 0)
        return; // a pixel-sized default: left as the platform chose it
    const qreal ratio = fitRatio(form, status, font, words);
    if (ratio >= 1)
        return;
    font.setPointSizeF(std::max(kSmallestPointSize, std::floor(font.pointSizeF() * ratio * 2) / 2));
    while (fitRatio(form, status, font, words) < 1 && font.pointSizeF() - 0.5 >= kSmallestPointSize)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    form.setFont(font);
}

} // namespace

frmTrianguloEsf::frmTrianguloEsf(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Resolución de triángulos esféricos"));
    setMinimumSize(kDesignedSize);
    resize(kDesignedSize);

    // Created in the order of the design, which is their stacking order; setTabOrder below states
    // the keyboard focus order.
    constexpr auto inputCaptions = design::members<kInputFields>("lblInput");
    constexpr auto inputFields = design::members<kInputFields>("txtInput");
    for (int i = 0; i < kInputFields; ++i) {
        ui_.lblInput[i] = addLabel(inputCaptions[i]);
        ui_.txtInput[i] = addTextBox(inputFields[i]);
    }

    ui_.cmdCalcular = addButton(design::control("cmdCalcular"));
    // Return and Enter click it when it has the focus, as Space does.
    ui_.cmdCalcular->setAutoDefault(true);
    connect(ui_.cmdCalcular, &QPushButton::clicked, this, &frmTrianguloEsf::cmdCalcular_Click);

    ui_.Grafico = new esferica::DrawingSurface(this);
    ui_.Grafico->setObjectName(fromStd(design::control("Grafico").name));
    ui_.Grafico->setGeometry(kPictureGeometry);
    ui_.Grafico->setFocusPolicy(Qt::StrongFocus);
    connect(ui_.Grafico, &esferica::DrawingSurface::turnRequested, this,
            &frmTrianguloEsf::Grafico_Turn);
    connect(ui_.Grafico, &esferica::DrawingSurface::turnEnded, this,
            &frmTrianguloEsf::Grafico_TurnEnded);
    settle_ = new QTimer(this);
    settle_->setSingleShot(true);
    settle_->setInterval(kSettleMs);
    connect(settle_, &QTimer::timeout, this, &frmTrianguloEsf::Grafico_TurnEnded);

    constexpr auto optionCaptions = design::members<kOptionFields>("lblgrid");
    constexpr auto optionFields = design::members<kOptionFields>("txtGrid");
    for (int i = 0; i < kOptionFields; ++i) {
        ui_.lblgrid[i] = addLabel(optionCaptions[i]);
        ui_.txtGrid[i] = addTextBox(optionFields[i]);
    }

    ui_.cmdNavegacion = addButton(design::control("cmdNavegacion"));
    ui_.cmdNavegacion->setAutoDefault(true);
    connect(ui_.cmdNavegacion, &QPushButton::clicked, this, &frmTrianguloEsf::cmdNavegacion_Click);

    constexpr design::Control diagram = design::control("Picture1");
    ui_.Picture1 = new QLabel(this);
    ui_.Picture1->setObjectName(fromStd(diagram.name));
    ui_.Picture1->setGeometry(design::pixels(diagram.place));
    ui_.Picture1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ui_.Picture1->setLineWidth(2);
    ui_.Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ui_.Picture1->setFocusPolicy(Qt::StrongFocus);

    constexpr auto resultLetters = design::members<kResultLabels>("lblout");
    constexpr auto results = design::members<kResultLabels>("lblOutcome");
    for (int i = 0; i < kResultLabels; ++i) {
        ui_.lblout[i] = addLabel(resultLetters[i]);
        ui_.lblOutcome[i] = addLabel(results[i]);
    }

    ui_.Label1 = addLabel(design::control("Label1"));
    ui_.Label2 = addLabel(design::control("Label2"));
    ui_.lbladicional = addLabel(design::control("lbladicional"));
    ui_.lbladicional->setWordWrap(true);
    ui_.Label3 = addLabel(design::control("Label3"));
    ui_.Resolvergraf = addLabel(design::control("Resolvergraf"));
    // Naming the triangle of a missing side c takes two lines.
    ui_.Resolvergraf->setWordWrap(true);
    ui_.cmdProcedimiento = addButton(design::control("cmdProcedimiento"));
    connect(ui_.cmdProcedimiento, &QPushButton::clicked, this,
            &frmTrianguloEsf::cmdProcedimiento_Click);
    // What a screen reader announces after a click; it takes no room on the screen.
    lblAnuncio_ =
        esferica::addPlainLabel(*this, QStringLiteral("lblAnuncio"), QRect(0, 0, 0, 0), {});
    shrinkFontToFit(*this, *ui_.Resolvergraf, esferica::Catalogue::spanish());
    // Drawn in the window's own font, whose engine is already loaded.
    ui_.Picture1->setPixmap(esferica::triangleDiagram(devicePixelRatioF(), font()));

    QWidget* previous = ui_.txtInput[0];
    const auto follow = [&previous](QWidget* next) {
        setTabOrder(previous, next);
        previous = next;
    };
    for (int i = 1; i < kInputFields; ++i)
        follow(ui_.txtInput[i]);
    follow(ui_.cmdCalcular);
    follow(ui_.Grafico);
    for (QLineEdit* field : ui_.txtGrid)
        follow(field);
    follow(ui_.Picture1);
    follow(ui_.cmdProcedimiento);
    follow(ui_.cmdNavegacion);
    follow(ui_.txtInput[0]);

    exporter_ = new esferica::Exporter(*this, ui_);
    connect(exporter_, &esferica::Exporter::imageWanted, this, &frmTrianguloEsf::drawWholeNow);
    exporter_->setViewSource([this] { return command_.sceneView(); });
    marks_ = new esferica::FieldMarks(ui_.txtInput, ui_.txtGrid, this);
    measures_ = new esferica::MeasureLabels(*this);
    // Results and a picture shown for other data than the fields now hold are greyed, and cannot
    // be copied or saved, until the next click.
    for (QLineEdit* field : ui_.txtInput)
        connect(field, &QLineEdit::textChanged, this, [this] { showCurrent(false); });
    help_ = new QAction(QStringLiteral("Ayuda"), this);
    help_->setObjectName(QStringLiteral("actAyuda"));
    help_->setShortcut(QKeySequence::HelpContents);
    connect(help_, &QAction::triggered, this, [this] { showHelp(); });
    addAction(help_);
    working_ = new QAction(QStringLiteral("Procedimiento"), this);
    working_->setObjectName(QStringLiteral("actProcedimiento"));
    working_->setShortcut(QKeySequence(Qt::Key_F2));
    connect(working_, &QAction::triggered, this, &frmTrianguloEsf::cmdProcedimiento_Click);
    addAction(working_);
    face_ = new QAction(QStringLiteral("Mirar al triángulo"), this);
    face_->setObjectName(QStringLiteral("actMirarAlTriangulo"));
    face_->setShortcut(QKeySequence(Qt::Key_Home));
    face_->setShortcutContext(Qt::WidgetShortcut);
    connect(face_, &QAction::triggered, this, &frmTrianguloEsf::Grafico_Face);
    navigation_ = new QAction(QStringLiteral("Navegación…"), this);
    navigation_->setObjectName(QStringLiteral("actNavegacion"));
    navigation_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    connect(navigation_, &QAction::triggered, this, &frmTrianguloEsf::cmdNavegacion_Click);
    addAction(navigation_);
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    ui_.Grafico->addActions({separator, face_, navigation_});
    pictureStyle_ =
        new esferica::PictureStyleChoice(*this, *ui_.Grafico, {ui_.Label2, ui_.lbladicional});
    command_.setPictureStyle(pictureStyle_->style());
    command_.setSideNames(pictureStyle_->sideNames());
    connect(pictureStyle_, &esferica::PictureStyleChoice::changed, this,
            &frmTrianguloEsf::setPictureStyle);
    connect(pictureStyle_, &esferica::PictureStyleChoice::sideNamesChanged, this,
            &frmTrianguloEsf::setSideNames);
    esferica::nameForScreenReaders(ui_);
    // The language and the form of the angles, last in the picture's menu.
    choice_ = new esferica::PresentationChoice(*this, *ui_.Grafico);
    exporter_->setResultsMenuActions(choice_->formatActions());
    connect(choice_, &esferica::PresentationChoice::languageChanged, this, [this] {
        retranslate();
        rebind();
    });
    connect(choice_, &esferica::PresentationChoice::formatChanged, this, &frmTrianguloEsf::rebind);
    if (choice_->language() != esferica::Language::Spanish)
        retranslate();
    ui_.txtInput[0]->setFocus();
}

frmTrianguloEsf::~frmTrianguloEsf() = default;

void frmTrianguloEsf::cmdCalcular_Click() {
    // A turn or a resize still waiting is drawn by the click itself, whole.
    wantedView_.reset();
    redrawAsIs_ = false;
    moving_ = false;
    thinned_ = false;
    settle_->stop();
    present(command_.calculate(fieldTexts()));
}

esferica::Units frmTrianguloEsf::units() const {
    esferica::Units units;
    units.format = choice_ ? choice_->format() : esferica::AngleFormat::Decimal;
    units.decimalSeparator = decimalSeparator();
    return units;
}

const esferica::Catalogue& frmTrianguloEsf::words() const {
    return choice_ ? choice_->words() : esferica::Catalogue::spanish();
}

esferica::WorkingStyle frmTrianguloEsf::workingStyle() const {
    return esferica::workingStyle(words().language(), units(), esferica::ResultsShown::Labels);
}

esferica::View frmTrianguloEsf::bindView(const esferica::Calculation& calc, bool marks) {
    esferica::View view = esferica::present(calc, units(), words());
    for (int i = 0; i < kResultLabels; ++i) {
        QLabel* label = ui_.lblOutcome[i];
        label->setText(fromStd(view.results[static_cast<std::size_t>(i)].text));
        // The given elements in bold, the solved ones plain; a value longer than the label, in
        // the longer forms of an angle, in a smaller type until it fits.
        QFont font = this->font();
        font.setBold(view.bold[static_cast<std::size_t>(i % kInputFields)]);
        esferica::fitText(*label, font, kSmallestPointSize);
    }
    if (marks)
        marks_->show(view);
    measures_->show(view);
    return view;
}

void frmTrianguloEsf::rebind() {
    // A field changed since the click has lost its mark, which stays lost.
    const esferica::View view = bindView(command_.last(), current_);
    exporter_->refresh(view);
    measures_->setCurrent(current_);
    if (esferica::WorkingWindow* working = esferica::workingWindow(*this))
        working->showWorking(command_.last(), workingStyle());
    showStatus(lastDrawing_);
}

void frmTrianguloEsf::showHelp(const QString& anchor) {
    esferica::showHelp(*this, words().language(), anchor);
}

void frmTrianguloEsf::retranslate() {
    const esferica::Catalogue& w = words();
    using esferica::Text;
    setWindowTitle(fromStd(w.text(Text::WinTitle)));
    for (int i = 0; i < kInputFields; ++i)
        ui_.lblInput[i]->setText(fromStd(
            esferica::elementCaption(esferica::kAllElements[static_cast<std::size_t>(i)], w)));
    for (int i = 0; i < kOptionFields; ++i)
        ui_.lblgrid[i]->setText(
            fromStd(esferica::optionCaption(static_cast<esferica::OptionField>(i), w)));
    ui_.cmdCalcular->setText(fromStd(w.text(Text::WinCalculate)));
    ui_.Label1->setText(fromStd(w.text(Text::WinEnterData)));
    ui_.Label2->setText(fromStd(w.text(Text::SolutionHeading)));
    ui_.lbladicional->setText(fromStd(w.text(Text::WinAdditional)));
    ui_.Label3->setText(fromStd(w.text(Text::WinDrawingOptions)));
    ui_.cmdProcedimiento->setText(fromStd(w.text(Text::WinWorking)));
    ui_.cmdNavegacion->setText(fromStd(w.text(Text::WinNavigation)));
    help_->setText(fromStd(w.text(Text::ActHelp)));
    working_->setText(fromStd(w.text(Text::ActWorking)));
    face_->setText(fromStd(w.text(Text::ActFace)));
    navigation_->setText(fromStd(w.text(Text::ActNavigation)));
    exporter_->retranslate(w);
    measures_->retranslate(w);
    marks_->retranslate(w);
    pictureStyle_->retranslate(w);
    esferica::translateHelp(*this, w.language());
    esferica::nameForScreenReaders(ui_, w);
    if (navegacion_)
        navegacion_->retranslate(w);
    showStatus(lastDrawing_);
}

void frmTrianguloEsf::present(const esferica::Calculation& calc) {
    const std::string separator = decimalSeparator();
    const esferica::View view = bindView(calc);
    exporter_->show(calc, view, separator);
    if (esferica::WorkingWindow* working = esferica::workingWindow(*this))
        working->showWorking(calc, workingStyle());
    showCurrent(true);
    showStatus(command_.drawPicture(*ui_.Grafico));
    // The box runs an event loop that repaints the window: the picture must be final by then.
    ui_.Grafico->flush();
    announce(fromStd(view.announcement));
    if (!view.message.empty()) {
        QMessageBox box(QMessageBox::NoIcon, windowTitle(), fromStd(view.message), QMessageBox::Ok,
                        this);
        box.setInformativeText(fromStd(view.reason));
        box.exec();
        if (const auto& fault = view.fault) {
            // The whole text selected from its end back to its start, which the field then shows:
            // where a text not read whole went wrong.
            QLineEdit* field = marks_->lineEdit(*fault);
            field->setFocus(Qt::OtherFocusReason);
            field->setSelection(static_cast<int>(field->text().size()),
                                -static_cast<int>(field->text().size()));
        }
    }
}

void frmTrianguloEsf::calculateWith(const std::array<std::string, esferica::kElements>& inputs) {
    for (int i = 0; i < kInputFields; ++i)
        ui_.txtInput[i]->setText(fromStd(inputs[static_cast<std::size_t>(i)]));
    show();
    raise();
    activateWindow();
    cmdCalcular_Click();
}

void frmTrianguloEsf::cmdNavegacion_Click() {
    if (!navegacion_) {
        navegacion_ = std::make_unique<frmNavegacion>(*this, words());
        // Beside this window, to its right, where the screen has room for it; elsewhere where
        // the window manager puts it.
        const QRect beside(frameGeometry().topRight() + QPoint(kNavigationOffset, 0),
                           navegacion_->sizeHint());
        if (screen()->availableGeometry().contains(beside))
            navegacion_->move(beside.topLeft());
    }
    navegacion_->show();
    navegacion_->raise();
    navegacion_->activateWindow();
}

void frmTrianguloEsf::cmdProcedimiento_Click() {
    esferica::openWorking(*this, command_.last(), workingStyle());
}

void frmTrianguloEsf::showCurrent(bool current) {
    current_ = current;
    for (QLabel* label : ui_.lblOutcome)
        label->setEnabled(current);
    measures_->setCurrent(current);
    if (current) {
        ui_.Grafico->setGraphicsEffect(nullptr);
        return;
    }
    exporter_->outdate();
    if (!ui_.Grafico->graphicsEffect()) {
        // Faded towards the window's background, as the greyed results are.
        auto* faded = new QGraphicsOpacityEffect(ui_.Grafico);
        faded->setOpacity(kStaleOpacity);
        ui_.Grafico->setGraphicsEffect(faded);
    }
}

void frmTrianguloEsf::announce(const QString& text) {
    lblAnuncio_->setText(text);
    lblAnuncio_->setAccessibleName(text);
    QAccessibleEvent event(lblAnuncio_, QAccessible::Alert);
    QAccessible::updateAccessibility(&event);
}

void frmTrianguloEsf::Grafico_Turn(double inclinationDeg, double rotationDeg) {
    if (!command_.hasScene())
        return;
    moving_ = true;
    settle_->start();
    // A turn smaller than the fields show leaves the picture as it is, until it adds up.
    if (const esferica::ViewAngles view = command_.turnBy(inclinationDeg, rotationDeg);
        view != command_.sceneView() || wantedView_) {
        wantedView_ = view;
        queueRedraw();
    }
}

void frmTrianguloEsf::Grafico_TurnEnded() {
    if (!std::exchange(moving_, false))
        return;
    settle_->stop();
    if (thinned_ && command_.hasScene()) {
        redrawAsIs_ = true;
        queueRedraw();
    }
}

void frmTrianguloEsf::drawWholeNow() {
    if (!thinned_ || !command_.hasScene())
        return;
    moving_ = false;
    settle_->stop();
    redrawAsIs_ = true;
    redrawPicture();
}

void frmTrianguloEsf::setPictureStyle(esferica::PictureStyle style) {
    command_.setPictureStyle(style);
    redrawChoice();
}

void frmTrianguloEsf::setSideNames(bool named) {
    command_.setSideNames(named);
    redrawChoice();
}

void frmTrianguloEsf::redrawChoice() {
    if (!command_.hasScene())
        return;
    showStatus(command_.drawPicture(*ui_.Grafico));
    ui_.Grafico->flush();
    emit pictureRedrawn();
}

void frmTrianguloEsf::Grafico_Face() {
    if (!command_.hasScene())
        return;
    // One turn, drawn whole at once.
    moving_ = false;
    settle_->stop();
    wantedView_ = command_.turnToFace();
    queueRedraw();
}

void frmTrianguloEsf::queueRedraw() {
    if (std::exchange(redrawQueued_, true))
        return;
    QMetaObject::invokeMethod(this, &frmTrianguloEsf::redrawPicture, Qt::QueuedConnection);
}

void frmTrianguloEsf::redrawPicture() {
    redrawQueued_ = false;
    if (!command_.hasScene())
        return;
    const bool asIs = std::exchange(redrawAsIs_, false);
    if (const auto view = std::exchange(wantedView_, std::nullopt)) {
        // The fields show the view in tenths of a degree, and the picture is drawn under what
        // they read as, which is what the next click draws.
        using esferica::OptionField;
        const std::string separator = decimalSeparator();
        const std::string inclination = esferica::degreesText(view->inclination, separator);
        const std::string rotation = esferica::degreesText(view->rotation, separator);
        ui_.txtGrid[index(OptionField::Inclination)]->setText(fromStd(inclination));
        ui_.txtGrid[index(OptionField::Rotation)]->setText(fromStd(rotation));
        if (!command_.turnTo(inclination, rotation))
            return;
    } else if (!asIs) {
        return;
    }
    const esferica::SceneDrawing drawing = command_.drawPicture(
        *ui_.Grafico, moving_ ? esferica::GridThinning{static_cast<double>(ui_.Grafico->width())}
                              : esferica::GridThinning{});
    thinned_ = drawing.gridThinned;
    showStatus(drawing);
    ui_.Grafico->flush();
    emit pictureRedrawn();
}

void frmTrianguloEsf::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!ui_.Grafico)
        return; // not yet built
    // The picture takes the growth as a square from its designed top-left corner; the status label
    // keeps to its bottom edge.
    const int growth =
        std::max(0, std::min(width() - kDesignedSize.width(), height() - kDesignedSize.height()));
    const QRect picture(kPictureGeometry.topLeft(),
                        kPictureGeometry.size() + QSize(growth, growth));
    if (picture == ui_.Grafico->geometry())
        return;
    ui_.Grafico->setGeometry(picture);
    ui_.Resolvergraf->move(kStatusGeometry.topLeft() + QPoint(0, growth));
    ui_.cmdNavegacion->move(kNavigationGeometry.topLeft() + QPoint(0, growth));
    ui_.cmdProcedimiento->move(kWorkingGeometry.topLeft() + QPoint(0, growth));
    if (command_.hasScene()) {
        redrawAsIs_ = true;
        queueRedraw();
    }
}

void frmTrianguloEsf::txtInput_GotFocus(int index) {
    ui_.txtInput.at(index)->selectAll();
}

void frmTrianguloEsf::txtGrid_GotFocus(int index) {
    ui_.txtGrid.at(index)->selectAll();
}

bool frmTrianguloEsf::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::FocusIn: {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // Coming back to the window, or out of a field's context menu, returns to the text as the
        // user left it; every other way into a field selects its whole text.
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            break;
        if (fieldGotFocus(watched) && reason == Qt::MouseFocusReason)
            focusClick_ = watched;
        break;
    }
    case QEvent::FocusOut:
        if (watched == focusClick_)
            focusClick_ = nullptr;
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
        if (watched == focusClick_)
            return true;
        break;
    case QEvent::MouseButtonRelease:
        if (watched == focusClick_) {
            focusClick_ = nullptr;
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

bool frmTrianguloEsf::fieldGotFocus(QObject* field) {
    for (int i = 0; i < kInputFields; ++i)
        if (field == ui_.txtInput[i]) {
            txtInput_GotFocus(i);
            return true;
        }
    for (int i = 0; i < kOptionFields; ++i)
        if (field == ui_.txtGrid[i]) {
            txtGrid_GotFocus(i);
            return true;
        }
    return false;
}

esferica::FieldTexts frmTrianguloEsf::fieldTexts() const {
    esferica::FieldTexts fields;
    for (int i = 0; i < kInputFields; ++i)
        fields.inputs[static_cast<std::size_t>(i)] = ui_.txtInput[i]->text().toStdString();
    for (int i = 0; i < kOptionFields; ++i)
        fields.options[static_cast<std::size_t>(i)] = ui_.txtGrid[i]->text().toStdString();
    return fields;
}

void frmTrianguloEsf::showStatus(const esferica::SceneDrawing& drawing) {
    lastDrawing_ = drawing;
    ui_.Resolvergraf->setText(fromStd(esferica::statusText(drawing, words())));
    ui_.Resolvergraf->setAccessibleDescription(ui_.Resolvergraf->text());
    esferica::describePicture(*ui_.Grafico, drawing, command_.sceneView(), decimalSeparator(),
                              words());
}

std::string frmTrianguloEsf::decimalSeparator() const {
    return QLocale().decimalPoint().toStdString();
}

QLabel* frmTrianguloEsf::addLabel(const design::Control& row) {
    return esferica::addPlainLabel(*this, fromStd(row.name), design::pixels(row.place),
                                   fromStd(row.caption));
}

QPushButton* frmTrianguloEsf::addButton(const design::Control& row) {
    auto* button = new QPushButton(fromStd(row.caption), this);
    button->setObjectName(fromStd(row.name));
    button->setGeometry(design::pixels(row.place));
    return button;
}

QLineEdit* frmTrianguloEsf::addTextBox(const design::Control& row) {
    auto* field = new QLineEdit(fromStd(row.caption), this);
    field->setObjectName(fromStd(row.name));
    field->setGeometry(design::pixels(row.place));
    field->installEventFilter(this);
    // Enter in a field calculates, as it does on the button.
    connect(field, &QLineEdit::returnPressed, this, &frmTrianguloEsf::cmdCalcular_Click);
    return field;
}
