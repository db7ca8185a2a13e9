#pragma once

#include <QWidget>

// Asks the user to confirm printing of the main window.
class print1 : public QWidget {
    Q_OBJECT
public:
    explicit print1(QWidget* parent = nullptr);

signals:
    void printRequested();
    void mainWindowRequested();
};
