#include "main_window/brushicon.h"

#include "main_window/qbcolor.h"
#include "widgets/windowicon.h"

#include <QPainter>
#include <QPainterPath>

QImage BrushIcon::image(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.scale(size / 32.0, size / 32.0);
    painter.translate(16, 16);
    painter.rotate(-45);

    // Drawn along the x axis, tip at the left; the rotation slants it up to the right.
    const struct {
        QRectF body;
        int fill;
    } parts[] = {
        {{-15, -3, 9, 6}, 10},  // bristles, light green
        {{-6, -3.5, 4, 7}, 8},  // ferrule, grey
        {{-2, -2.5, 17, 5}, 15} // handle, white
    };
    // One device pixel at either size, so the small icon keeps to the sixteen colours.
    QPen outline(QBColor(0), 1);
    outline.setCosmetic(true);
    painter.setPen(outline);
    for (const auto& part : parts) {
        painter.setBrush(QBColor(part.fill));
        painter.drawRect(part.body);
    }
    QPainterPath tip;
    tip.moveTo(-15, -3);
    tip.quadTo(-18, 0, -15, 3);
    painter.setBrush(QBColor(2));
    painter.drawPath(tip);
    return image;
}

QIcon BrushIcon::make()
{
    return WindowIcon::fromDrawing(&BrushIcon::image);
}
