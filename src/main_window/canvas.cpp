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

Canvas::~Canvas() = default;

const QImage& Canvas::image() const
{
    open.reset();
    return picture;
}

QPainter& Canvas::painter(QColor colour)
{
    if (!open)
        open = std::make_unique<QPainter>(&picture);
    open->setPen(roundPen(colour, penWidth));
    return *open;
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
    open.reset();
    if (!picture.isNull())
        QPainter(&grown).drawImage(QPointF(0, 0), picture);
    picture = std::move(grown);
}

QRect Canvas::clear()
{
    open.reset();
    picture.fill(background);
    current = QPointF(0, 0);
    roundAtCurrent = false;
    return QRect(QPoint(0, 0), picture.deviceIndependentSize().toSize());
}

QRect Canvas::dot(QPointF twips, QColor colour)
{
    painter(colour).drawPoint(toPixels(twips));
    current = twips;
    roundAtCurrent = true;
    return touched(twips, twips);
}

QRect Canvas::lineTo(QPointF twips, QColor colour)
{
    QPainter& painter = this->painter(colour);
    const QPointF from = toPixels(current);
    const QPointF to = toPixels(twips);
    // A wide line of no length draws nothing; a dot is what the user expects.
    if (from == to) {
        painter.drawPoint(to);
    } else if (penWidth <= 1) {
        painter.drawLine(from, to);
    } else {
        // A flat-ended band with a dot at each end: the same as a wide line with round ends and
        // joins, at a fraction of the cost of Qt outlining one.
        painter.setPen(QPen(colour, penWidth, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(from, to);
        if (!roundAtCurrent)
            disc(painter, from, colour);
        disc(painter, to, colour);
    }
    const QRect changed = touched(current, twips);
    current = twips;
    roundAtCurrent = true;
    return changed;
}

// A dot as wide as the pen, drawn by Qt once for each width and colour, then copied.
void Canvas::disc(QPainter& painter, QPointF centre, QColor colour)
{
    const int side = penWidth + 2;
    const qreal ratio = picture.devicePixelRatio();
    if (dotStamp.width() != qRound(side * ratio) || dotStamp.devicePixelRatio() != ratio ||
        dotStampColour != colour) {
        dotStamp = QImage(QSize(side, side) * ratio, QImage::Format_ARGB32_Premultiplied);
        dotStamp.setDevicePixelRatio(ratio);
        dotStamp.fill(Qt::transparent);
        QPainter drawing(&dotStamp);
        drawing.setPen(roundPen(colour, penWidth));
        drawing.drawPoint(side / 2, side / 2);
        dotStampColour = colour;
    }
    painter.drawImage(centre - QPointF(side / 2, side / 2), dotStamp);
}

QRect Canvas::touched(QPointF from, QPointF to) const
{
    const qreal margin = penWidth / 2 + 2;
    return QRectF(toPixels(from), toPixels(to))
        .normalized()
        .adjusted(-margin, -margin, margin, margin)
        .toAlignedRect();
}
