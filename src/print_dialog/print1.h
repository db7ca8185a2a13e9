#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// Asks the user to confirm printing of the main window. Its buttons never close it: they hand
// the main window back to the front.
class print1 : public QWidget {
    Q_OBJECT
public:
    explicit print1(QWidget* parent = nullptr);

    void cmdok_Click();
    void cmdcancel_Click();

signals:
    void printRequested();
    void mainWindowRequested();

private:
    QPushButton* cmdok;
    QPushButton* cmdcancel;
    QLabel* lblprint;
};
