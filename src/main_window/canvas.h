#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRect>
#include <memory>

class QPainter;

// The window's persistent drawing: an image kept in memory with a current position and a pen
// width. Points are in twips; each drawing call returns the rectangle, in pixels, it changed.
class Canvas {
public:
    explicit Canvas(QColor background);
    ~Canvas();

    // Grows the image to cover a window of this size, with room to spare; the image never
    // shrinks, so nothing drawn is lost when the window is made smaller and larger again. When
    // there is no memory for a larger image, the drawing keeps the size it has.
    void ensureSize(QSize pixels, qreal devicePixelRatio);

    // Erases everything and moves the current position to the origin.
    QRect clear();
    // A round dot as wide as the pen; the point becomes the current position.
    QRect dot(QPointF twips, QColor colour);
    // A line from the current position, with round ends; its end becomes the current position.
    QRect lineTo(QPointF twips, QColor colour);

    void setPenWidth(int pixels) { penWidth = pixels; }
    const QImage& image() const;
    // Paints the drawing's part under each rectangle of the region, in window pixels.
    void paint(QPainter& window, const QRegion& region) const;

private:
    QPainter& painter(QColor colour);
    QRect touched(QPointF from, QPointF to) const;

    QColor background;
    QImage picture;
    // Kept open from one segment to the next, and while the window shows the image, since opening
    // a painter costs more than drawing a short segment; closed whenever the image is handed out,
    // so that no copy of it is drawn on.
    mutable std::unique_ptr<QPainter> open;
    QPointF current;
    int penWidth = 1;
};
