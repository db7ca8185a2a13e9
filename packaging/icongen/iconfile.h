#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

// A Windows .ico file: each image a 32-bit device-independent bitmap with an alpha channel
// and the one-bit mask older Windows draws with.
class IconFile {
public:
    // Images of at most 256 pixels a side, in the order given.
    static QByteArray encode(const QList<QImage>& images);
};
