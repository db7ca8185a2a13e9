// A long drawing session through the main window, offscreen: prints the events per second and
// the resident memory before and after. The count of events may be given; 1,000,000 otherwise.
#include "main_window/form1.h"
#include "soak.h"

#include <QApplication>
#include <QTest>
#include <algorithm>
#include <cstdio>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const qint64 events = argc > 1 ? QByteArray(argv[1]).toLongLong() : 1000000;

    Soak::Messages messages;
    Form1 form(messages);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;
    // In slices of 100,000, so that a creeping growth shows apart from a one-time one.
    Soak::Figures figures;
    double seconds = 0;
    qint64 clears = 0;
    for (qint64 done = 0; done < events;) {
        const Soak::Figures slice = Soak::run(form, std::min<qint64>(100000, events - done));
        if (done == 0)
            figures = slice;
        done += slice.events;
        seconds += slice.seconds;
        clears += slice.clears;
        std::printf("after %8lld events: resident %.2f MiB\n", done, slice.residentEnd / 1048576.0);
        figures.events = done;
        figures.residentEnd = slice.residentEnd;
    }
    figures.seconds = seconds;
    figures.clears = clears;

    std::printf("events:          %lld (%lld clears)\n", figures.events, figures.clears);
    std::printf("events/s:        %.0f\n", figures.eventsPerSecond());
    std::printf("resident start:  %.1f MiB\n", figures.residentStart / 1048576.0);
    std::printf("resident end:    %.1f MiB\n", figures.residentEnd / 1048576.0);
    std::printf("canvas:          %.1f MiB\n", figures.canvasBytes / 1048576.0);
    std::printf("messages shown:  %d\n", messages.shown);
    const bool bounded = figures.residentEnd - figures.residentStart <= figures.canvasBytes;
    std::printf("growth within the canvas size: %s\n", bounded ? "yes" : "NO");
    return bounded && messages.shown == 0 ? 0 : 1;
}
