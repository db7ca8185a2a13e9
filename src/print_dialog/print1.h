#pragma once

#include "print_dialog/print1layout.h"

#include <QWidget>

// Asks the user to confirm printing of the main window. Its buttons never close it: they hand
// the main window back to the front.
class print1 : public QWidget {
    Q_OBJECT
public:
    explicit print1(QWidget* parent = nullptr);

    void cmdok_Click();
    void cmdcancel_Click();

    const print1Controls& controls() const { return ui; }

signals:
    void printMainWindowRequested();
    void mainWindowRequested();

private:
    print1Controls ui;
};
