#include "widgets/picturebox.h"

PictureBox::PictureBox(QWidget* parent)
    : QLabel(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setAlignment(Qt::AlignCenter);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureBox::setPicture(const QImage& picture)
{
    setPixmap(QPixmap::fromImage(picture));
    const int border = 2 * frameWidth();
    resize(picture.size() + QSize(border, border));
}
