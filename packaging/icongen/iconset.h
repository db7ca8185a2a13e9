#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <array>

// The icon files kept in the source tree, all drawn from the main window's brush icon.
class IconSet {
public:
    // Paths relative to the source root.
    static constexpr const char* windowsIcon = "src/app/nubika.ico";
    static constexpr std::array<int, 2> windowsIconSizes{32, 16};
    static constexpr std::array<int, 5> themeSizes{16, 32, 48, 128, 256};
    static QString themeIcon(int size);

    static QImage image(int size);
    static QByteArray windowsIconFile();
};
