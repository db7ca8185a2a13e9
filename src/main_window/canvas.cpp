#include "main_window/canvas.h"

#include "widgets/layoutbuilder.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <limits>

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
    const QPointF from = toPixels(current);
    const QPointF to = toPixels(twips);
    // A wide line of no length draws nothing; a dot is what the user expects.
    if (from == to) {
        painter(colour).drawPoint(to);
    } else if (penWidth <= 1) {
        painter(colour).drawLine(from, to);
    } else {
        // A flat-ended band with a dot at each end: the same as a wide line with round ends and
        // joins, at a fraction of the cost of Qt outlining one.
        band(from, to, colour);
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
    // The corner falls where Qt would place the stamp: on the nearest pixel.
    const QPoint corner = ((centre - QPointF(side / 2, side / 2)) * ratio).toPoint();
    for (int row = 0; row < int(discRows.size()); ++row)
        fillRow(corner.y() + row, corner.x() + discRows[row].first,
                corner.x() + discRows[row].second, colour.rgb());
}

// The rectangle as wide as the pen from one point to the other, filled as Qt fills a line with
// flat ends without antialiasing, but for an odd pixel on a slanted rim.
void Canvas::band(QPointF from, QPointF to, QColor colour)
{
    const qreal ratio = picture.devicePixelRatio();
    const QPointF along = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
    const QPointF across = QPointF(-along.y(), along.x()) * (penWidth * ratio / 2);
    const std::array<QPointF, 4> corners{from * ratio + across, to * ratio + across,
                                         to * ratio - across, from * ratio - across};
    const auto [low, high] =
        std::minmax({corners[0].y(), corners[1].y(), corners[2].y(), corners[3].y()});
    // A pixel is filled when its centre lies inside, or on a right or bottom edge.
    const auto first = [](qreal edge) { return int(std::floor(edge + 0.5)); };
    for (int y = first(low); y < first(high); ++y) {
        const qreal centre = y + 0.5;
        qreal left = std::numeric_limits<qreal>::max(), right = -left;
        for (std::size_t i = 0; i < corners.size(); ++i) {
            const QPointF a = corners[i], b = corners[(i + 1) % corners.size()];
            if ((a.y() < centre) != (b.y() < centre)) {
                const qreal x = a.x() + (centre - a.y()) * (b.x() - a.x()) / (b.y() - a.y());
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
        if (left < right)
            fillRow(y, first(left), first(right), colour.rgb());
    }
}

// Written straight into the image, clipped to it. Any painter open on the image has it to
// itself (the image is never handed out while one is), so these are the rows it draws on too.
void Canvas::fillRow(int y, int begin, int end, QRgb pixel)
{
    if (y < 0 || y >= picture.height())
        return;
    begin = std::max(0, begin);
    end = std::min(picture.width(), end);
    if (begin < end) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
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
