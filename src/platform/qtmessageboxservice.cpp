#include "platform/qtmessageboxservice.h"

#include <QMessageBox>

QtMessageBoxService::QtMessageBoxService(QString caption)
    : caption(std::move(caption))
{
}

void QtMessageBoxService::show(QWidget& window, const QString& prompt)
{
    // Owned by the window: no taskbar button of its own, and kept in front of it.
    QMessageBox box(QMessageBox::NoIcon, caption, prompt, QMessageBox::Ok, window.window());
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}
