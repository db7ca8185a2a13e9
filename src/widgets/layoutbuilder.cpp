#include "widgets/layoutbuilder.h"

#include <QComboBox>
#include <QEvent>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace {

// Places a window so that its frame, once the window manager has put one around it, is
// centred; the user's own moves afterwards are left alone.
class FrameCentring : public QObject {
public:
    FrameCentring(QWidget& window, QSize client)
        : QObject(&window)
        , window(window)
        , client(client)
    {
        window.resize(client);
        centre();
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if ((event->type() == QEvent::Move || event->type() == QEvent::Show) && frame() != placed) {
            centre();
            if (!placed.isNull()) {
                window.removeEventFilter(this);
                deleteLater();
            }
        }
        return false;
    }

private:
    QMargins frame() const
    {
        const QRect outer = window.frameGeometry();
        const QRect inner = window.geometry();
        return {inner.left() - outer.left(), inner.top() - outer.top(),
                outer.right() - inner.right(), outer.bottom() - inner.bottom()};
    }

    void centre()
    {
        placed = frame();
        const QScreen* screen =
            window.screen() ? window.screen() : QGuiApplication::primaryScreen();
        const QSize outer = QRect(QPoint(), client).marginsAdded(placed).size();
        // move() places the frame's corner, wherever the frame is known.
        window.move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, outer,
                                        screen->availableGeometry())
                        .topLeft());
    }

    QWidget& window;
    QSize client;
    QMargins placed;
};

} // namespace

QRect LayoutBuilder::toPixels(int left, int top, int width, int height)
{
    return {left / Twips::perPixel, top / Twips::perPixel, width / Twips::perPixel,
            height / Twips::perPixel};
}

void LayoutBuilder::prepare(QPushButton& button, const QString& text, Qt::Alignment)
{
    button.setText(text);
    // Enter presses the focused button, as Space does.
    button.setAutoDefault(true);
}

void LayoutBuilder::prepare(QLabel& label, const QString& text, Qt::Alignment align)
{
    label.setText(text);
    label.setAlignment(align | Qt::AlignTop);
    label.setFocusPolicy(Qt::NoFocus);
    // Opaque, so drawings beneath a label stay hidden behind it.
    label.setAutoFillBackground(true);
}

void LayoutBuilder::prepare(QComboBox& combo, const QString& text, Qt::Alignment)
{
    combo.setEditable(true);
    combo.setInsertPolicy(QComboBox::NoInsert);
    combo.setEditText(text);
}

void LayoutBuilder::prepare(PictureBox&, const QString&, Qt::Alignment) {}

void LayoutBuilder::place(QWidget& control, QRect pixels, QWidget*& previousInTabOrder)
{
    control.setGeometry(pixels);
    control.setAttribute(Qt::WA_NoMousePropagation);
    if (control.focusPolicy() == Qt::NoFocus)
        return;
    if (previousInTabOrder)
        QWidget::setTabOrder(previousInTabOrder, &control);
    previousInTabOrder = &control;
}

void LayoutBuilder::centreOnScreen(QWidget& window, QSize client)
{
    new FrameCentring(window, client);
}
