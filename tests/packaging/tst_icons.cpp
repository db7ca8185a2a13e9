// The committed icon files are the brush icon as drawn now, readable by Qt's own ICO reader.
#include "iconset.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QTest>

class TestIcons : public QObject {
    Q_OBJECT
private slots:
    void committedFilesAreTheBrush()
    {
        const auto source = [](const QString& path) { return NUBIKA_SOURCE_DIR "/" + path; };
        const char* stale = "stale icon files: cmake --build build --target nubika_icons";
        QFile ico(source(IconSet::windowsIcon));
        QVERIFY(ico.open(QIODevice::ReadOnly));
        QBuffer buffer;
        buffer.setData(ico.readAll());
        QVERIFY2(buffer.data() == IconSet::windowsIconFile(), stale);
        QImageReader reader(&buffer, "ico");
        for (int size : IconSet::windowsIconSizes) {
            QCOMPARE(reader.read().convertToFormat(QImage::Format_ARGB32), IconSet::image(size));
            reader.jumpToNextImage();
        }
        for (int size : IconSet::themeSizes)
            QVERIFY2(
                QImage(source(IconSet::themeIcon(size))).convertToFormat(QImage::Format_ARGB32) ==
                    IconSet::image(size),
                stale);
    }
};

QTEST_MAIN(TestIcons)
#include "tst_icons.moc"
