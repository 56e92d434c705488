// SPDX-License-Identifier: GPL-3.0-or-later
// Base fixture of the tests that drive the program's window offscreen, as a user would: a fresh
// window per test, shown and active, under an English locale (results with a decimal point), and
// its controls found by their object names.
#pragma once

#include "qt/picture/drawingsurface.h"
#include "qt/window/controls.h"
#include "qt/window/frmTrianguloEsf.h"
#include "tests/support/qt_test.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QStringList>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>

namespace esferica::testing {

// Runs `action`, handing every popup menu or modal dialog that it opens to `answer`, which must
// close it.
inline void whileOpen(const std::function<void()>& action,
                      const std::function<void(QWidget*)>& answer) {
    QTimer timer;
    timer.setInterval(0);
    QObject::connect(&timer, &QTimer::timeout, [&answer] {
        QWidget* open = QApplication::activePopupWidget();
        if (!open)
            open = QApplication::activeModalWidget();
        if (open)
            answer(open);
    });
    timer.start();
    action();
    timer.stop();
}

// The entries of the context menu that `widget` opens from the keyboard, without shortcuts.
inline QStringList contextMenu(QWidget* widget) {
    QStringList entries;
    whileOpen(
        [widget] {
            QContextMenuEvent event(QContextMenuEvent::Keyboard, widget->rect().center(),
                                    widget->mapToGlobal(widget->rect().center()));
            QApplication::sendEvent(widget, &event);
        },
        [&entries](QWidget* open) {
            if (auto* menu = qobject_cast<QMenu*>(open))
                for (const QAction* action : menu->actions())
                    entries << action->text().section(QLatin1Char('\t'), 0, 0);
            open->close();
        });
    return entries;
}

// Chooses the picture as a user does, through the entry "Dibujo clásico" of the picture's menu.
inline void choosePicture(const QWidget& form, PictureStyle style) {
    auto* classic = form.findChild<QAction*>(QStringLiteral("actDibujoClasico"));
    ASSERT_NE(classic, nullptr);
    classic->setChecked(style == PictureStyle::Classic);
}

// Every text of `form` that a user sees or a screen reader hears: the title, the captions, the
// labels, the buttons, the tabs, the fields' examples, the entries of its menus, and every
// tooltip, accessible name and description. The entry that names Spanish names it in Spanish.
inline QStringList everyText(const QWidget& form) {
    QStringList texts{form.windowTitle()};
    for (const QWidget* widget : form.findChildren<QWidget*>()) {
        texts << widget->toolTip() << widget->accessibleName() << widget->accessibleDescription();
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            texts << label->text();
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            texts << button->text();
        if (const auto* field = qobject_cast<const QLineEdit*>(widget))
            texts << field->placeholderText();
        if (const auto* tabs = qobject_cast<const QTabBar*>(widget))
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i);
    }
    for (const QAction* action : form.findChildren<QAction*>())
        if (action->objectName() != QLatin1String("actEspanol") && action->menu() == nullptr)
            texts << action->text() << action->toolTip();
    return texts;
}

class WindowTest : public QtTest {
protected:
    void SetUp() override {
        savedLocale_ = QLocale();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        forgetSettings();
        form_ = std::make_unique<frmTrianguloEsf>();
        form_->show();
        form_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    }

    void TearDown() override {
        form_.reset();
        QLocale::setDefault(savedLocale_);
    }

    template <class T> T* control(const QString& name) const {
        T* found = form_->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << qPrintable(name);
        return found;
    }
    QLineEdit* input(int i) const { return control<QLineEdit>(arrayName("txtInput", i)); }
    QLineEdit* option(int i) const { return control<QLineEdit>(arrayName("txtGrid", i)); }
    QLabel* outcome(int i) const { return control<QLabel>(arrayName("lblOutcome", i)); }
    QPushButton* button() const { return control<QPushButton>(QStringLiteral("cmdCalcular")); }
    DrawingSurface* picture() const { return control<DrawingSurface>(QStringLiteral("Grafico")); }

    // Sets the six input fields, a to C.
    void typeInputs(const std::array<const char*, 6>& texts) const {
        for (int i = 0; i < 6; ++i)
            input(i)->setText(QString::fromUtf8(texts[static_cast<std::size_t>(i)]));
    }

    std::unique_ptr<frmTrianguloEsf> form_;

private:
    QLocale savedLocale_;
};

} // namespace esferica::testing
