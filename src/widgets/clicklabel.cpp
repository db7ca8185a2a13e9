#include "widgets/clicklabel.h"

#include <QMouseEvent>

void ClickLabel::mousePressEvent(QMouseEvent* event)
{
    pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed = false;
    event->accept();
    if (click)
        emit clicked();
}

// The second press of a double click is not a new click.
void ClickLabel::mouseDoubleClickEvent(QMouseEvent* event)
{
    pressed = false;
    event->accept();
}
