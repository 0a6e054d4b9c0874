#include "support/ModalDialogs.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <gtest/gtest.h>

namespace qm::test {

void onNextModal(std::function<void(QWidget *)> action)
{
    QWidget *const before = QApplication::activeModalWidget();
    auto *timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, before, action] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == before)
            return;
        timer->stop();
        timer->deleteLater();
        action(modal);
    });
    timer->start();
}

void failWrongModal(QWidget *modal, const char *expectedClass)
{
    ADD_FAILURE() << "expected a " << expectedClass << ", got a " << modal->metaObject()->className();
    if (auto *dialog = qobject_cast<QDialog *>(modal))
        dialog->reject();
}

} // namespace qm::test
