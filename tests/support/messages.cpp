// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/messages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace esferica::testing {

std::vector<SeenMessage> answerMessages(const std::function<void()>& action) {
    std::vector<SeenMessage> seen;
    QTimer closer;
    closer.setInterval(0);
    QObject::connect(&closer, &QTimer::timeout, [&seen] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box) {
            SeenMessage other;
            other.text = QStringLiteral("<not a QMessageBox>");
            seen.push_back(other);
            modal->close();
            return;
        }
        QAbstractButton* ok = box->button(QMessageBox::Ok);
        QStringList outcomes;
        if (const QWidget* window = box->parentWidget())
            for (int i = 0; i < kResultLabels; ++i)
                if (const auto* label =
                        window->findChild<QLabel*>(QStringLiteral("lblOutcome(%1)").arg(i)))
                    outcomes << label->text();
        seen.push_back({box->text(), box->windowTitle(), static_cast<int>(box->buttons().size()),
                        ok != nullptr, box->icon(), ok ? ok->text() : QString(), outcomes,
                        box->informativeText()});
        if (ok)
            ok->click();
        else
            box->reject();
    });
    closer.start();
    action();
    closer.stop();
    return seen;
}

void typeInto(QWidget& window, const Texts& inputs, const Options& options) {
    const auto type = [&](const char* field, int i, const std::string& text) {
        window.findChild<QLineEdit*>(QStringLiteral("%1(%2)").arg(QLatin1String(field)).arg(i))
            ->setText(QString::fromStdString(text));
    };
    for (int i = 0; i < kElements; ++i)
        type("txtInput", i, inputs[static_cast<std::size_t>(i)]);
    for (int i = 0; i < kOptionFields; ++i)
        type("txtGrid", i, options[static_cast<std::size_t>(i)]);
}

} // namespace esferica::testing
