#include "support/modalinterceptor.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

ModalInterceptor::ModalInterceptor(int giveUpMs)
    : ticksLeft(giveUpMs / 10)
{
    connect(&timer, &QTimer::timeout, this, &ModalInterceptor::poll);
    timer.start(10);
}

void ModalInterceptor::poll()
{
    if (--ticksLeft <= 0) {
        timer.stop();
        return;
    }
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible())
        return;
    seen.append({box->windowTitle(), box->text(), box->icon(), box->standardButtons()});
    if (whileShown)
        whileShown(*box);
    QAbstractButton* ok = box->button(QMessageBox::Ok);
    if (ok)
        ok->click();
    else
        box->done(0);
}

bool ModalInterceptor::waitForBox()
{
    while (seen.isEmpty() && timer.isActive())
        QTest::qWait(10);
    return !seen.isEmpty();
}
