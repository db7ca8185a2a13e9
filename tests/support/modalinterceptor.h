#pragma once

#include <QMessageBox>
#include <QObject>
#include <QTimer>
#include <functional>

// Armed before an action that may open modal message boxes: records each box that comes up
// and presses its OK button. Gives up after a while, so a box that never comes fails a test
// instead of hanging it.
class ModalInterceptor : public QObject {
    Q_OBJECT
public:
    struct Box {
        QString title;
        QString text;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
    };

    explicit ModalInterceptor(int giveUpMs = 10000);

    // Called while a box is up, before it is dismissed.
    std::function<void(QMessageBox&)> whileShown;

    const QList<Box>& boxes() const { return seen; }
    // Processes events until a box has been seen or the interceptor gave up.
    bool waitForBox();

private:
    void poll();

    QTimer timer;
    QList<Box> seen;
    int ticksLeft;
};
