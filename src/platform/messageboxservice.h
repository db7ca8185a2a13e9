#pragma once

#include <QString>

class QWidget;

// A modal message box with an OK button only and no icon; returns once it is dismissed. It
// belongs to the window that raises it and stays in front of it. Lines are separated by CR LF.
class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    virtual void show(QWidget& window, const QString& prompt) = 0;

    // The text of an error message: the heading every one of them starts with, then its lines.
    static QString error(const QString& lines) { return QStringLiteral("Error!!\r\n") + lines; }
};
