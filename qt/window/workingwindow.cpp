// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/window/workingwindow.h"

#include "qt/window/controls.h"
#include "working/text.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

namespace esferica {

namespace {

// The size the window opens at, in pixels: room for a formula with its numbers on one line.
constexpr QSize kWorkingSize(720, 560);

} // namespace

WorkingWindow::WorkingWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmProcedimiento"));
    setWindowTitle(QStringLiteral("Procedimiento"));
    setModal(false);
    setSizeGripEnabled(true);
    resize(kWorkingSize);

    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("txtProcedimiento"));
    text_->setReadOnly(true);
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text_->setAccessibleName(QStringLiteral("Procedimiento"));

    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("txtBuscar"));
    search_->setPlaceholderText(QStringLiteral("Buscar en el procedimiento"));
    search_->setAccessibleName(QStringLiteral("Buscar"));
    search_->setClearButtonEnabled(true);
    next_ = new QPushButton(QStringLiteral("Buscar &siguiente"), this);
    auto* next = next_;
    next->setObjectName(QStringLiteral("cmdBuscarSiguiente"));
    next->setAutoDefault(false);
    print_ = new QPushButton(QStringLiteral("&Imprimir…"), this);
    auto* printing = print_;
    printing->setObjectName(QStringLiteral("cmdImprimir"));
    printing->setAutoDefault(false);
    connect(search_, &QLineEdit::returnPressed, this, &WorkingWindow::findNext);
    connect(next, &QPushButton::clicked, this, &WorkingWindow::findNext);
    connect(printing, &QPushButton::clicked, this, &WorkingWindow::print);

    auto* bar = new QHBoxLayout;
    bar->addWidget(search_, 1);
    bar->addWidget(next);
    bar->addWidget(printing);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_, 1);
    layout->addLayout(bar);
}

void WorkingWindow::showWorking(const Calculation& calc, const WorkingStyle& style) {
    const Catalogue& words = Catalogue::of(style.language);
    setWindowTitle(fromStd(words.text(Text::WorkingTitle)));
    text_->setAccessibleName(windowTitle());
    search_->setPlaceholderText(fromStd(words.text(Text::WorkingSearchHint)));
    search_->setAccessibleName(fromStd(words.text(Text::WorkingSearch)));
    next_->setText(fromStd(words.text(Text::WorkingFindNext)));
    print_->setText(fromStd(words.text(Text::WorkingPrint)));
    text_->setPlainText(fromStd(renderWorking(workingOf(calc), style)));
}

bool WorkingWindow::findNext() {
    const QString wanted = search_->text();
    if (wanted.isEmpty())
        return false;
    if (text_->find(wanted))
        return true;
    // From the top again.
    QTextCursor top = text_->textCursor();
    top.movePosition(QTextCursor::Start);
    text_->setTextCursor(top);
    return text_->find(wanted);
}

void WorkingWindow::print() {
    QPrinter printer;
    printer.setDocName(windowTitle());
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        text_->print(&printer);
}

WorkingWindow& openWorking(QWidget& form, const Calculation& calc, const WorkingStyle& style) {
    WorkingWindow* window = workingWindow(form);
    if (!window)
        window = new WorkingWindow(&form);
    window->showWorking(calc, style);
    window->show();
    window->raise();
    window->activateWindow();
    return *window;
}

WorkingWindow* workingWindow(const QWidget& form) {
    return form.findChild<WorkingWindow*>(QStringLiteral("frmProcedimiento"),
                                          Qt::FindDirectChildrenOnly);
}

} // namespace esferica
