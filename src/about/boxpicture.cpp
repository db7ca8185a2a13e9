#include "about/boxpicture.h"

#include <QPainter>
#include <QPainterPath>

QImage BoxPicture::image()
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);

    const QColor black(0, 0, 0);
    const QColor grey(128, 128, 128);
    const QColor purple(128, 0, 128);
    const QColor cyan(0, 255, 255);
    const QColor green(0, 128, 0);
    const QColor yellow(255, 255, 0);

    // Blocks resting on the box.
    painter.setPen(black);
    painter.setBrush(green);
    painter.drawRect(6, 6, 8, 7);
    painter.setBrush(yellow);
    painter.drawRect(16, 2, 9, 11);

    // The box, its cyan lid edge and grey dots.
    painter.setBrush(Qt::white);
    painter.drawRect(2, 13, 27, 17);
    painter.fillRect(3, 14, 26, 2, cyan);
    for (int y = 18; y < 30; y += 3)
        for (int x = 4 + (y / 3) % 2 * 2; x < 29; x += 4)
            painter.fillRect(x, y, 1, 1, grey);

    // The arched opening at the front.
    QPainterPath arch;
    arch.moveTo(10, 30);
    arch.lineTo(10, 23);
    arch.arcTo(10, 19, 11, 8, 180, -180);
    arch.lineTo(21, 30);
    arch.closeSubpath();
    painter.setBrush(purple);
    painter.drawPath(arch);
    return image;
}
