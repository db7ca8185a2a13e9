#include "platform/pagegeometry.h"

#include <QImage>
#include <QPainter>

QPageLayout::Orientation PageGeometry::orientation(QSize image)
{
    return image.width() > image.height() ? QPageLayout::Landscape : QPageLayout::Portrait;
}

QRectF PageGeometry::target(QSize image, QSizeF printable)
{
    if (image.isEmpty() || printable.isEmpty())
        return {};
    const QSizeF fitted = QSizeF(image).scaled(printable, Qt::KeepAspectRatio);
    const QPointF corner((printable.width() - fitted.width()) / 2,
                         (printable.height() - fitted.height()) / 2);
    return {corner, fitted};
}

void PageGeometry::paint(QPainter& painter, const QImage& image, QSizeF printable)
{
    // An explicit source rectangle in pixels: a grab at 2x would otherwise be drawn at its
    // logical size and cover only part of the target.
    painter.drawImage(target(image.size(), printable), image, QRectF(image.rect()));
}
