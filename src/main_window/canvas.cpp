#include "main_window/canvas.h"

#include "widgets/layoutbuilder.h"

#include <QPainter>
#include <algorithm>
#include <iterator>

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

void Canvas::paint(QPainter& window, const QRegion& region) const
{
    const qreal ratio = picture.devicePixelRatio();
    for (const QRect& area : region)
        window.drawImage(area, picture,
                         QRectF(area.topLeft() * ratio, QSizeF(area.size()) * ratio));
}

QPainter& Canvas::painter(QColor colour, Qt::PenCapStyle cap)
{
    if (!open) {
        open = std::make_unique<QPainter>(&picture);
        openPen = open->pen();
    }
    if (openPen.color() != colour || openPen.width() != penWidth || openPen.capStyle() != cap) {
        openPen = QPen(colour, penWidth, Qt::SolidLine, cap, Qt::RoundJoin);
        open->setPen(openPen);
    }
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
    painter(colour, Qt::RoundCap).drawPoint(toPixels(twips));
    current = twips;
    roundAtCurrent = true;
    return touched(twips, twips);
}

QRect Canvas::lineTo(QPointF twips, QColor colour)
{
    const QPointF from = toPixels(current);
    const QPointF to = toPixels(twips);
    // A wide line of no length draws nothing; a dot is what the user expects.
    if (from == to) {
        painter(colour, Qt::RoundCap).drawPoint(to);
    } else if (penWidth <= 1) {
        painter(colour, Qt::RoundCap).drawLine(from, to);
    } else {
        // A flat-ended band with a dot at each end: the same as a wide line with round ends and
        // joins, at a fraction of the cost of Qt outlining one.
        painter(colour, Qt::FlatCap).drawLine(from, to);
        if (!roundAtCurrent)
            disc(from, colour);
        disc(to, colour);
    }
    const QRect changed = touched(current, twips);
    current = twips;
    roundAtCurrent = true;
    return changed;
}

// A dot as wide as the pen, drawn by Qt once for each width and ratio and kept as the run of
// pixels it covers on each row; filling those runs in costs a fraction of drawing it again.
void Canvas::disc(QPointF centre, QColor colour)
{
    const int side = penWidth + 2;
    const qreal ratio = picture.devicePixelRatio();
    if (discWidth != penWidth || discRatio != ratio) {
        QImage stamp(QSize(side, side) * ratio, QImage::Format_ARGB32_Premultiplied);
        stamp.setDevicePixelRatio(ratio);
        stamp.fill(Qt::transparent);
        QPainter drawing(&stamp);
        drawing.setPen(roundPen(Qt::black, penWidth));
        drawing.drawPoint(side / 2, side / 2);
        drawing.end();
        discRows.clear();
        for (int y = 0; y < stamp.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(stamp.constScanLine(y));
            const auto covered = [](QRgb pixel) { return qAlpha(pixel) != 0; };
            const auto first = std::find_if(line, line + stamp.width(), covered);
            const auto last = std::find_if(std::reverse_iterator(line + stamp.width()),
                                           std::reverse_iterator(first), covered);
            discRows.push_back({int(first - line), int(last.base() - line)});
        }
        discWidth = penWidth;
        discRatio = ratio;
    }
    // Written straight into the image: the painter drawing the band has it open, so it is shared
    // with no copy. The corner falls where Qt would place the stamp: on the nearest pixel.
    const QPoint corner = ((centre - QPointF(side / 2, side / 2)) * ratio).toPoint();
    const QRgb pixel = colour.rgb();
    const int top = std::max(0, -corner.y());
    const int bottom = std::min<int>(discRows.size(), picture.height() - corner.y());
    for (int row = top; row < bottom; ++row) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(corner.y() + row));
        const int begin = std::max(0, corner.x() + discRows[row].first);
        const int end = std::min(picture.width(), corner.x() + discRows[row].second);
        if (begin < end)
            std::fill(line + begin, line + end, pixel);
    }
}

QRect Canvas::touched(QPointF from, QPointF to) const
{
    const qreal margin = penWidth / 2 + 2;
    return QRectF(toPixels(from), toPixels(to))
        .normalized()
        .adjusted(-margin, -margin, margin, margin)
        .toAlignedRect();
}
