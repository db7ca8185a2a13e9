#include "about/warningicon.h"

#include "widgets/windowicon.h"

#include <QPainter>
#include <QPolygonF>

QImage WarningIcon::image(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    // Sixteen-colour icons have hard edges.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.scale(size / 32.0, size / 32.0);

    const QPolygonF triangle({{15, 1}, {30, 28}, {0, 28}});
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(128, 128, 128));
    painter.drawPolygon(triangle.translated(2, 2));
    painter.setPen(QPen(Qt::black, 0)); // one pixel at either size
    painter.setBrush(QColor(255, 255, 0));
    painter.drawPolygon(triangle);

    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawRect(QRectF(13.5, 9, 3, 11));
    painter.drawRect(QRectF(13.5, 22, 3, 3));
    return image;
}

QIcon WarningIcon::make()
{
    return WindowIcon::fromDrawing(&WarningIcon::image);
}
