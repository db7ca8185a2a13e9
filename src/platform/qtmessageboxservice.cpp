#include "platform/qtmessageboxservice.h"

#include <QMessageBox>

QtMessageBoxService::QtMessageBoxService(QString caption)
    : caption(std::move(caption))
{
}

void QtMessageBoxService::show(const std::string& prompt)
{
    QMessageBox box(QMessageBox::NoIcon, caption, QString::fromStdString(prompt), QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}
