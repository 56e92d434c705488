#include "tests/support/messages.h"

#include <QAbstractButton>
#include <QApplication>
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
        seen.push_back({box->text(), box->windowTitle(), static_cast<int>(box->buttons().size()),
                        ok != nullptr, box->icon(), ok ? ok->text() : QString()});
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

} // namespace esferica::testing
