#pragma once

#include <QPageLayout>
#include <QRectF>
#include <QSize>

class QImage;
class QPainter;

// Where an image goes on a printed page: as large as the printable area allows, proportions
// kept, centred; the page turned landscape for an image wider than tall.
class PageGeometry {
public:
    static QPageLayout::Orientation orientation(QSize image);
    // In the painter's coordinates, whose origin is the top left of the printable area.
    static QRectF target(QSize image, QSizeF printable);
    // Draws every pixel of the image into its target, whatever the image's device pixel ratio.
    static void paint(QPainter& painter, const QImage& image, QSizeF printable);
};
