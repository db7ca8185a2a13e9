// The committed icon files are the brush icon as drawn now, and readable by an ICO reader
// that is not ours.
#include "iconset.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QTest>

namespace {

QString sourcePath(const QString& relative)
{
    return QStringLiteral(NUBIKA_SOURCE_DIR "/") + relative;
}

const char* regenerate = "stale icon files: cmake --build build --target nubika_icons";

} // namespace

class TestPackageIcons : public QObject {
    Q_OBJECT
private slots:
    void windowsIconIsTheBrush();
    void themeIconsAreTheBrush();
};

void TestPackageIcons::windowsIconIsTheBrush()
{
    QFile file(sourcePath(IconSet::windowsIcon));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray committed = file.readAll();
    QVERIFY2(committed == IconSet::windowsIconFile(), regenerate);

    // Qt's own reader sees every size, with the alpha channel and the mask agreeing.
    QBuffer buffer;
    buffer.setData(committed);
    QImageReader reader(&buffer, "ico");
    QCOMPARE(reader.imageCount(), int(IconSet::windowsIconSizes.size()));
    for (int size : IconSet::windowsIconSizes) {
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.size(), QSize(size, size));
        QCOMPARE(image.convertToFormat(QImage::Format_ARGB32), IconSet::image(size));
        reader.jumpToNextImage();
    }
}

void TestPackageIcons::themeIconsAreTheBrush()
{
    for (int size : IconSet::themeSizes) {
        const QImage committed(sourcePath(IconSet::themeIcon(size)), "PNG");
        QVERIFY2(!committed.isNull(), qPrintable(IconSet::themeIcon(size)));
        QVERIFY2(committed.convertToFormat(QImage::Format_ARGB32) == IconSet::image(size),
                 regenerate);
    }
    // Drawn, not empty: some pixels opaque, the corners clear.
    const QImage large = IconSet::image(256);
    QCOMPARE(qAlpha(large.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(large.pixel(128, 128)), 255);
}

QTEST_MAIN(TestPackageIcons)
#include "tst_package_icons.moc"
