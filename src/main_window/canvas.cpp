#include "main_window/canvas.h"

#include "widgets/twips.h"

#include <QPainter>

namespace {

// Room to grow into, in pixels each way, as a window dragged larger grows a few pixels a step.
constexpr int slack = 128;

QPointF toPixels(QPointF twips)
{
    return twips / Twips::perPixel;
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

void Canvas::paint(QPainter& window, const QRegion& region) const
{
    const qreal ratio = picture.devicePixelRatio();
    for (const QRect& area : region)
        window.drawImage(area, picture,
                         QRectF(area.topLeft() * ratio, QSizeF(area.size()) * ratio));
}

QPainter& Canvas::painter(QColor colour)
{
    if (!open)
        open = std::make_unique<QPainter>(&picture);
    const QPen& pen = open->pen(); // set again only when it changes
    if (pen.color() != colour || pen.width() != penWidth || pen.capStyle() != Qt::RoundCap)
        open->setPen(roundPen(colour, penWidth));
    return *open;
}

void Canvas::ensureSize(QSize pixels, qreal devicePixelRatio)
{
    const QSize have = picture.deviceIndependentSize().toSize();
    if (!picture.isNull() && picture.devicePixelRatio() == devicePixelRatio &&
        have.expandedTo(pixels) == have)
        return;

    const QSize logical = have.expandedTo(pixels + QSize(slack, slack));
    QImage grown(logical * devicePixelRatio, QImage::Format_RGB32);
    if (grown.isNull())
        return; // no memory for it: the drawing stays, at its size
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
    return QRect(QPoint(0, 0), picture.deviceIndependentSize().toSize());
}

QRect Canvas::dot(QPointF twips, QColor colour)
{
    painter(colour).drawPoint(toPixels(twips));
    current = twips;
    return touched(twips, twips);
}

QRect Canvas::lineTo(QPointF twips, QColor colour)
{
    const QPointF from = toPixels(current);
    const QPointF to = toPixels(twips);
    // A line of no length draws nothing; a dot is what the user expects.
    if (from == to)
        painter(colour).drawPoint(to);
    else
        painter(colour).drawLine(from, to);
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
