// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/window/export.h"

#include "numeric/angles.h"
#include "qt/picture/drawingsurface.h"
#include "qt/picture/picturefile.h"
#include "qt/picture/sheet.h"
#include "qt/window/controls.h"

#include <QAction>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QSaveFile>
#include <QStandardPaths>
#include <utility>

namespace esferica {

Exporter::Exporter(QWidget& form, const WindowControls& controls)
    : QObject(&form), form_(form), picture_(controls.Grafico), outcomes_(controls.lblOutcome) {
    for (QLabel* label : outcomes_) {
        label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        label->installEventFilter(this);
        label->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(label, &QWidget::customContextMenuRequested, this,
                [this, label](const QPoint& at) { showResultsMenu(label, at); });
    }
    // The captions of the results open the same menu.
    QList<QLabel*> captions = {controls.Label2, controls.lbladicional};
    for (QLabel* letter : controls.lblout)
        captions << letter;
    for (QLabel* caption : captions) {
        caption->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(caption, &QWidget::customContextMenuRequested, this,
                [this, caption](const QPoint& at) { showResultsMenu(caption, at); });
    }

    // A filled label takes the focus when it is clicked, so that the keyboard can then select in
    // it; Tab passes over the results, keeping the window's focus order.
    for (QLabel* label : outcomes_)
        label->setFocusPolicy(Qt::NoFocus); // until it shows a value

    copyResults_ = new QAction(fromStd(words_->text(Text::ActCopyResults)), &form);
    copyResults_->setObjectName(QStringLiteral("actCopiarResultados"));
    copyResults_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    copyResults_->setEnabled(false);
    connect(copyResults_, &QAction::triggered, this, &Exporter::copyResults);
    form.addAction(copyResults_);

    copyImage_ = new QAction(fromStd(words_->text(Text::ActCopyImage)), &form);
    copyImage_->setObjectName(QStringLiteral("actCopiarImagen"));
    copyImage_->setShortcut(QKeySequence::Copy);
    copyImage_->setShortcutContext(Qt::WidgetShortcut);
    copyImage_->setEnabled(false);
    connect(copyImage_, &QAction::triggered, this, &Exporter::copyImage);

    saveImage_ = new QAction(fromStd(words_->text(Text::ActSaveImage)), &form);
    saveImage_->setObjectName(QStringLiteral("actGuardarImagen"));
    saveImage_->setShortcut(QKeySequence::Save);
    saveImage_->setShortcutContext(Qt::WidgetShortcut);
    saveImage_->setEnabled(false);
    connect(saveImage_, &QAction::triggered, this, &Exporter::saveImage);

    exportSheet_ = new QAction(fromStd(words_->text(Text::ActExportSheet)), &form);
    exportSheet_->setObjectName(QStringLiteral("actExportarHoja"));
    exportSheet_->setEnabled(false);
    connect(exportSheet_, &QAction::triggered, this, &Exporter::exportSheet);

    auto* separator = new QAction(&form);
    separator->setSeparator(true);
    picture_->addActions({copyImage_, saveImage_, exportSheet_, separator, copyResults_});
    picture_->setContextMenuPolicy(Qt::ActionsContextMenu);
}

bool Exporter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        for (QLabel* label : outcomes_)
            if (watched == label) {
                label->setSelection(0, static_cast<int>(label->text().size()));
                return true;
            }
    }
    return QObject::eventFilter(watched, event);
}

void Exporter::show(const Calculation& calc, const View& view,
                    const std::string& decimalSeparator) {
    table_ = fromStd(view.table);
    for (int i = 0; i < kResultLabels; ++i) {
        QLabel* label = outcomes_[static_cast<std::size_t>(i)];
        const QString tip = fromStd(view.results[static_cast<std::size_t>(i)].tooltip);
        label->setToolTip(tip);
        label->setFocusPolicy(tip.isEmpty() ? Qt::NoFocus : Qt::ClickFocus);
    }
    const bool drawn = calc.outcome == Outcome::Solved;
    if (drawn)
        shown_ = calc;
    else
        shown_.reset();
    separator_ = decimalSeparator;
    for (QAction* action : {copyResults_, copyImage_, saveImage_, exportSheet_})
        action->setEnabled(drawn);
}

void Exporter::refresh(const View& view) {
    table_ = fromStd(view.table);
    for (std::size_t i = 0; i < outcomes_.size(); ++i)
        outcomes_[i]->setToolTip(fromStd(view.results[i].tooltip));
}

void Exporter::retranslate(const Catalogue& words) {
    words_ = &words;
    copyResults_->setText(fromStd(words.text(Text::ActCopyResults)));
    copyImage_->setText(fromStd(words.text(Text::ActCopyImage)));
    saveImage_->setText(fromStd(words.text(Text::ActSaveImage)));
    exportSheet_->setText(fromStd(words.text(Text::ActExportSheet)));
}

void Exporter::setResultsMenuActions(QList<QAction*> actions) {
    resultsMenuActions_ = std::move(actions);
}

void Exporter::outdate() {
    for (QAction* action : {copyResults_, copyImage_, saveImage_, exportSheet_})
        action->setEnabled(false);
}

QString Exporter::resultsTable() const {
    return table_;
}

void Exporter::copyResults() const {
    const QString table = resultsTable();
    if (!table.isEmpty())
        QGuiApplication::clipboard()->setText(table);
}

void Exporter::copyImage() {
    emit imageWanted();
    QGuiApplication::clipboard()->setImage(picture_->image());
}

QString Exporter::writeImage(const QString& path, int times) const {
    const StrokeRecord& strokes = picture_->strokes();
    const QSizeF frame = strokes.frame().isEmpty() ? QSizeF(picture_->size()) : strokes.frame();
    // A PNG at the picture's own device pixels, or that many times as many; vectors at its size.
    const qreal ratio =
        pictureFormatOf(path) == PictureFormat::Png ? picture_->devicePixelRatioF() * times : 1;
    return writePicture(path, strokes, frame, ratio,
                        {picture_->accessibleName(), picture_->accessibleDescription()}, *words_);
}

void Exporter::saveImage() {
    emit imageWanted();
    QFileDialog dialog(&form_, fromStd(words_->text(Text::DialogSaveImage)));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A PNG at each scale, named by its size in pixels.
    QStringList filters;
    for (const int times : kImageScales) {
        const QSize pixels =
            (QSizeF(picture_->size()) * picture_->devicePixelRatioF() * times).toSize();
        filters << fromStd(
            words_->fill(Text::FilterPng, {{"width", std::to_string(pixels.width())},
                                           {"height", std::to_string(pixels.height())}}));
    }
    const QString svg = fromStd(words_->text(Text::FilterSvg));
    dialog.setNameFilters(filters + QStringList{svg});
    dialog.setDefaultSuffix(QStringLiteral("png"));
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, svg](const QString& filter) {
        dialog.setDefaultSuffix(filter == svg ? QStringLiteral("svg") : QStringLiteral("png"));
    });
    dialog.setDirectory(lastFolder_.isEmpty()
                            ? QStandardPaths::writableLocation(QStandardPaths::PicturesLocation)
                            : lastFolder_);
    // No suffix: the chosen type adds its own.
    dialog.selectFile(fromStd(words_->text(Text::FileImage)));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();
    lastFolder_ = QFileInfo(path).absolutePath();
    const auto scale = filters.indexOf(dialog.selectedNameFilter());
    const int times = scale < 0 ? 1 : kImageScales[static_cast<std::size_t>(scale)];
    if (const QString failure = writeImage(path, times); !failure.isEmpty())
        QMessageBox::warning(&form_, form_.windowTitle(), failure);
}

void Exporter::setViewSource(std::function<ViewAngles()> view) {
    view_ = std::move(view);
}

QString Exporter::writeSheet(const QString& path) const {
    if (!shown_)
        return pictureWriteFailure(path, QFileDevice::UnspecifiedError, *words_);
    const StrokeRecord& strokes = picture_->strokes();
    const QSizeF frame = strokes.frame().isEmpty() ? QSizeF(picture_->size()) : strokes.frame();
    const ViewAngles view = view_ ? view_() : shown_->view;
    const QByteArray pdf = sheetPdf(
        sheetTexts(*shown_, view, QDate::currentDate(), separator_, *words_), strokes, frame);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return pictureWriteFailure(path, file.error(), *words_);
    if (file.write(pdf) != pdf.size()) {
        QString failure = pictureWriteFailure(path, file.error(), *words_);
        file.cancelWriting(); // any file at `path` stays as it was
        return failure;
    }
    return file.commit() ? QString() : pictureWriteFailure(path, file.error(), *words_);
}

void Exporter::exportSheet() {
    emit imageWanted();
    QFileDialog dialog(&form_, fromStd(words_->text(Text::DialogExportSheet)));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({fromStd(words_->text(Text::FilterPdf))});
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.setDirectory(lastFolder_.isEmpty()
                            ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                            : lastFolder_);
    dialog.selectFile(fromStd(words_->text(Text::FileSheet)));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();
    lastFolder_ = QFileInfo(path).absolutePath();
    if (const QString failure = writeSheet(path); !failure.isEmpty())
        QMessageBox::warning(&form_, form_.windowTitle(), failure);
}

void Exporter::showResultsMenu(QLabel* label, const QPoint& at) {
    QMenu menu(label);
    if (label->textInteractionFlags() & Qt::TextSelectableByMouse) {
        QAction* copy = menu.addAction(fromStd(words_->text(Text::ActCopy)));
        copy->setEnabled(label->hasSelectedText());
        connect(copy, &QAction::triggered, label,
                [label] { QGuiApplication::clipboard()->setText(label->selectedText()); });
        QAction* all = menu.addAction(fromStd(words_->text(Text::ActSelectAll)));
        all->setEnabled(!label->text().isEmpty());
        connect(all, &QAction::triggered, label,
                [label] { label->setSelection(0, static_cast<int>(label->text().size())); });
        menu.addSeparator();
    }
    menu.addAction(copyResults_);
    if (!resultsMenuActions_.isEmpty()) {
        menu.addSeparator();
        menu.addActions(resultsMenuActions_);
    }
    menu.exec(label->mapToGlobal(at));
}

} // namespace esferica
