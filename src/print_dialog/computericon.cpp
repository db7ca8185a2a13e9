#include "print_dialog/computericon.h"

#include "widgets/windowicon.h"

#include <QPainter>
#include <QPainterPath>
#include <climits>

namespace {

// The sixteen colours, darkest first, as the classic 4-bit palette orders them.
const QList<QRgb> sixteen = {
    qRgb(0, 0, 0),       qRgb(0, 0, 128),   qRgb(0, 128, 0),   qRgb(0, 128, 128),
    qRgb(128, 0, 0),     qRgb(128, 0, 128), qRgb(128, 128, 0), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(0, 0, 255),   qRgb(0, 255, 0),   qRgb(0, 255, 255),
    qRgb(255, 0, 0),     qRgb(255, 0, 255), qRgb(255, 255, 0), qRgb(255, 255, 255),
};

// Index into the palette, or 16 (transparent) for a pixel left mostly uncovered.
uint nearest(QRgb pixel)
{
    if (qAlpha(pixel) < 128)
        return 16;
    uint best = 0;
    int bestDistance = INT_MAX;
    for (uint i = 0; i < uint(sixteen.size()); ++i) {
        const int r = qRed(pixel) - qRed(sixteen[i]);
        const int g = qGreen(pixel) - qGreen(sixteen[i]);
        const int b = qBlue(pixel) - qBlue(sixteen[i]);
        const int distance = r * r + g * g + b * b;
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

QColor colour(int index)
{
    return QColor(sixteen[index]);
}

void drawComputer(QPainter& painter)
{
    const QPen outline(colour(0), 0); // cosmetic: one pixel at either size
    painter.setPen(outline);

    // Monitor: light grey case, navy screen with a cyan glint, green power lamp.
    painter.setBrush(colour(7));
    painter.drawRect(QRectF(3, 1, 21, 18));
    painter.setBrush(colour(1));
    painter.drawRect(QRectF(6, 4, 15, 11));
    painter.setPen(QPen(colour(11), 0));
    painter.drawLine(QPointF(8, 6), QPointF(12, 6));
    painter.drawLine(QPointF(8, 8), QPointF(10, 8));
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour(10));
    painter.drawRect(QRectF(20, 16, 2, 2));

    // Stand.
    painter.setPen(outline);
    painter.setBrush(colour(8));
    painter.drawRect(QRectF(11, 19, 5, 2));
    painter.drawRect(QRectF(7, 21, 13, 2));

    // Keyboard with three rows of keys.
    painter.setBrush(colour(7));
    painter.drawRect(QRectF(1, 24, 23, 6));
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour(8));
    for (int row = 0; row < 3; ++row)
        for (int key = 0; key < 7; ++key)
            painter.drawRect(QRectF(3 + key * 3, 25.5 + row * 1.5, 2, 1));

    // Mouse on its cord.
    painter.setPen(outline);
    painter.setBrush(Qt::NoBrush);
    QPainterPath cord;
    cord.moveTo(28, 23);
    cord.cubicTo(28, 18, 27, 14, 24, 14);
    painter.drawPath(cord);
    painter.setBrush(colour(15));
    painter.drawRoundedRect(QRectF(26, 23, 5, 8), 2, 2);
    painter.drawLine(QPointF(26, 26), QPointF(31, 26));
}

} // namespace

QImage ComputerIcon::image(int size)
{
    QImage art(size, size, QImage::Format_ARGB32);
    art.fill(Qt::transparent);
    QPainter painter(&art);
    painter.scale(size / 32.0, size / 32.0);
    drawComputer(painter);
    painter.end();

    // Sixteen colours and a transparent index for the background.
    QImage icon(size, size, QImage::Format_Indexed8);
    QList<QRgb> table = sixteen;
    table.append(qRgba(0, 0, 0, 0));
    icon.setColorTable(table);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            icon.setPixel(x, y, nearest(art.pixel(x, y)));
    return icon;
}

QIcon ComputerIcon::make()
{
    return WindowIcon::fromDrawing(&ComputerIcon::image);
}
