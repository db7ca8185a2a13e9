#include "main_window/canvas.h"

#include "widgets/layoutbuilder.h"

#include <QPainter>

namespace {

QPointF toPixels(QPointF twips)
{
    return twips / LayoutBuilder::twipsPerPixel;
}

QPen roundPen(QColor colour, int width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

} // namespace

Canvas::Canvas(QColor background)
    : background(background)
{
}

void Canvas::ensureSize(QSize pixels, qreal devicePixelRatio)
{
    const QSize have = picture.deviceIndependentSize().toSize();
    if (!picture.isNull() && picture.devicePixelRatio() == devicePixelRatio &&
        have.expandedTo(pixels) == have)
        return;

    const QSize logical = have.expandedTo(pixels);
    QImage grown(logical * devicePixelRatio, QImage::Format_RGB32);
    grown.setDevicePixelRatio(devicePixelRatio);
    grown.fill(background);
    if (!picture.isNull()) {
        QPainter painter(&grown);
        painter.drawImage(QPointF(0, 0), picture);
    }
    picture = std::move(grown);
}

QRect Canvas::clear()
{
    picture.fill(background);
    current = QPointF(0, 0);
    return QRect(QPoint(0, 0), picture.deviceIndependentSize().toSize());
}

QRect Canvas::dot(QPointF twips, QColor colour)
{
    QPainter painter(&picture);
    painter.setPen(roundPen(colour, penWidth));
    painter.drawPoint(toPixels(twips));
    current = twips;
    return touched(twips, twips);
}

QRect Canvas::lineTo(QPointF twips, QColor colour)
{
    QPainter painter(&picture);
    painter.setPen(roundPen(colour, penWidth));
    const QPointF from = toPixels(current);
    const QPointF to = toPixels(twips);
    // A wide line of no length draws nothing; a dot is what the user expects.
    if (from == to)
        painter.drawPoint(to);
    else
        painter.drawLine(from, to);
    const QRect changed = touched(current, twips);
    current = twips;
    return changed;
}

QRect Canvas::touched(QPointF from, QPointF to) const
{
    const qreal margin = penWidth / 2 + 2;
    return QRectF(toPixels(from), toPixels(to))
        .normalized()
        .adjusted(-margin, -margin, margin, margin)
        .toAlignedRect();
}
