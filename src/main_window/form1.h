#pragma once

#include "main_window/canvas.h"
#include "main_window/form1layout.h"
#include "main_window/pen.h"
#include "platform/systemclock.h"

#include <QTimer>
#include <QWidget>

class FrameUpdater;
class MessageBoxService;

// The main window: a canvas for the freehand pen with its controls laid over it.
class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(MessageBoxService& messages, const ClockService& clock = SystemClock::shared());

    // Mouse handlers of the client area; coordinates in twips. The button and the modifiers
    // are never looked at: any button draws and any release lifts the pen.
    void Form_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPointF twips);
    void Form_MouseMove(Qt::MouseButtons button, Qt::KeyboardModifiers shift, QPointF twips);
    void Form_MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPointF twips);
    void cmdclr_Click();
    void cmdend_Click();
    void cmdprint_Click();
    void lblver_Click();
    void lblhelp_Click();
    void tmrclock_Timer();

    const Form1Controls& controls() const { return ui; }
    const Canvas& canvas() const { return drawing; }
    bool penDown() const { return pen.isDown(); }

signals:
    void printDialogRequested();
    void aboutRequested();
    void endRequested();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Form_Load();
    int accept(const Pen::Choice& choice, QComboBox& box);
    void armClock();

    MessageBoxService& messages;
    const ClockService& clock;
    Pen pen;
    Canvas drawing;
    Form1Controls ui;
    FrameUpdater* updater;
    QTimer tmrclock;
};
