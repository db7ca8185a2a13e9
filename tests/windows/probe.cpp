// A Windows program the journeys run under Wine beside ヌビカ: "probe foreground" prints the
// title of Windows' foreground window; "probe label TEXT X Y W H" prints whether that window
// shows, at X Y in its client area, a W x H label of TEXT as ヌビカ's About dialog shows its
// version ("same" or "different").
#include "widgets/japanesefont.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <cstdio>
#include <windows.h>

int main(int argc, char* argv[])
{
    QApplication qt(argc, argv);
    const QStringList args = QCoreApplication::arguments(); // not in the ANSI code page
    const HWND window = GetForegroundWindow();
    if (args.value(1) == "foreground") {
        wchar_t title[256] = L"";
        GetWindowTextW(window, title, 256);
        return std::puts(QString::fromWCharArray(title).toUtf8().constData()) < 0;
    }
    QLabel label(args.value(2));
    label.setFont(JapaneseFont::desktop());
    label.setAlignment(Qt::AlignTop);
    label.setWordWrap(true);
    label.setFixedSize(args.value(5).toInt(), args.value(6).toInt());
    const QPixmap shown = QGuiApplication::primaryScreen()->grabWindow(
        WId(window), args.value(3).toInt(), args.value(4).toInt(), label.width(), label.height());
    const auto rgb = [](const QPixmap& p) {
        return p.toImage().convertToFormat(QImage::Format_RGB32);
    };
    return std::puts(rgb(shown) == rgb(label.grab()) ? "same" : "different") < 0;
}
