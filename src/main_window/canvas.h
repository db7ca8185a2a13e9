#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRect>

// The window's persistent drawing: an image kept in memory with a current position and a pen
// width. Points are in twips; each drawing call returns the rectangle, in pixels, it changed.
class Canvas {
public:
    explicit Canvas(QColor background);

    // Grows the image to cover a window of this size; the image never shrinks, so nothing
    // drawn is lost when the window is made smaller and larger again.
    void ensureSize(QSize pixels, qreal devicePixelRatio);

    QRect Cls();
    QRect PSet(QPointF twips, QColor colour);
    QRect Line(QPointF twips, QColor colour);

    void setDrawWidth(int pixels) { drawWidth = pixels; }
    int DrawWidth() const { return drawWidth; }
    QPointF current() const { return currentTwips; }
    const QImage& image() const { return picture; }

private:
    QRect touched(QPointF from, QPointF to) const;

    QColor background;
    QImage picture;
    QPointF currentTwips;
    int drawWidth = 1;
};
