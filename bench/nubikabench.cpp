// Prints how long the pen takes per segment (drawing plus repainting the changed rectangle), with
// an empty canvas and after 100,000 segments, and how long the main window takes to appear.
#include "main_window/form1.h"
#include "soak.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QTest>
#include <cstdio>
#include <memory>

namespace {

// A zigzag across the canvas, so segments vary in direction and length.
QPointF pointAt(int i)
{
    return QPointF(30 + (i * 37) % 580, 30 + (i * 53) % 370) * 15;
}

double microsecondsPerSegment(Form1& form, int segments, int first)
{
    QElapsedTimer clock;
    clock.start();
    for (int i = first; i < first + segments; ++i) {
        form.Form_MouseMove({}, {}, pointAt(i));
        QCoreApplication::processEvents(); // the repaint of the changed rectangle
    }
    return clock.nsecsElapsed() / 1000.0 / segments;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    Soak::Messages messages;

    QElapsedTimer startup;
    startup.start();
    auto form = std::make_unique<Form1>(messages);
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get()))
        return 1;
    std::printf("start-up to first shown window: %.1f ms\n", startup.nsecsElapsed() / 1e6);

    std::printf("%6s %22s %26s\n", "width", "us/segment (empty)", "us/segment (after 100k)");
    for (int width : {1, 30, 300}) {
        form = std::make_unique<Form1>(messages);
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            return 1;
        form->controls().cbosenn->setEditText(QString::number(width));
        form->Form_MouseDown(Qt::LeftButton, {}, pointAt(0));
        const double empty = microsecondsPerSegment(*form, 2000, 1);
        for (int i = 0; i < 100000; ++i)
            form->Form_MouseMove({}, {}, pointAt(i));
        QCoreApplication::processEvents();
        const double full = microsecondsPerSegment(*form, 2000, 1);
        std::printf("%6d %22.1f %26.1f\n", width, empty, full);
    }
    return 0;
}
