#include "iconfile.h"

#include <QtEndian>

namespace {

void put16(QByteArray& out, quint16 value)
{
    const quint16 little = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&little), sizeof little);
}

void put32(QByteArray& out, quint32 value)
{
    const quint32 little = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&little), sizeof little);
}

QByteArray bitmap(const QImage& source)
{
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int width = image.width();
    const int height = image.height();
    const int maskStride = ((width + 31) / 32) * 4;

    QByteArray out;
    put32(out, 40); // BITMAPINFOHEADER
    put32(out, quint32(width));
    put32(out, quint32(height * 2)); // colour rows, then mask rows
    put16(out, 1);
    put16(out, 32);
    put32(out, 0); // uncompressed
    put32(out, quint32(height * (width * 4 + maskStride)));
    for (int i = 0; i < 4; ++i)
        put32(out, 0);

    // Rows run from the bottom up, pixels as blue, green, red, alpha.
    for (int y = height - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            out.append(char(qBlue(row[x])));
            out.append(char(qGreen(row[x])));
            out.append(char(qRed(row[x])));
            out.append(char(qAlpha(row[x])));
        }
    }
    // A set mask bit leaves the screen as it was.
    for (int y = height - 1; y >= 0; --y) {
        QByteArray mask(maskStride, '\0');
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < width; ++x)
            if (qAlpha(row[x]) == 0)
                mask[x / 8] = char(mask[x / 8] | (0x80 >> (x % 8)));
        out.append(mask);
    }
    return out;
}

} // namespace

QByteArray IconFile::encode(const QList<QImage>& images)
{
    QList<QByteArray> bitmaps;
    for (const QImage& image : images)
        bitmaps.append(bitmap(image));

    QByteArray out;
    put16(out, 0);
    put16(out, 1); // icon
    put16(out, quint16(images.size()));
    quint32 offset = quint32(6 + 16 * images.size());
    for (qsizetype i = 0; i < images.size(); ++i) {
        // 256 is written as 0.
        out.append(char(images[i].width() & 0xFF));
        out.append(char(images[i].height() & 0xFF));
        out.append(char(0)); // no palette
        out.append(char(0));
        put16(out, 1);  // planes
        put16(out, 32); // bits per pixel
        put32(out, quint32(bitmaps[i].size()));
        put32(out, offset);
        offset += quint32(bitmaps[i].size());
    }
    for (const QByteArray& data : bitmaps)
        out.append(data);
    return out;
}
