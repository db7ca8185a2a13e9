// A Windows program the journeys run under Wine beside ヌビカ: "probe foreground" prints the
// title of Windows' foreground window; "probe label W H TEXT" shows TEXT in a W x H window
// titled "probe", in a label as ヌビカ's About dialog shows its version.
#include "widgets/japanesefont.h"

#include <QApplication>
#include <QLabel>
#include <cstdio>
#include <windows.h>

int main(int argc, char* argv[])
{
    QApplication qt(argc, argv);
    const QStringList args = QCoreApplication::arguments(); // not in the ANSI code page
    if (args.value(1) == "foreground") {
        wchar_t title[256] = L"";
        GetWindowTextW(GetForegroundWindow(), title, 256);
        std::puts(QString::fromWCharArray(title).toUtf8().constData());
        return 0;
    }
    QLabel label(args.value(4));
    label.setFont(JapaneseFont::desktop());
    label.setAlignment(Qt::AlignTop);
    label.setWordWrap(true);
    label.setFixedSize(args.value(2).toInt(), args.value(3).toInt());
    label.setWindowTitle(QStringLiteral("probe"));
    label.show();
    return QApplication::exec();
}
