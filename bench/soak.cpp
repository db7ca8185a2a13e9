#include "soak.h"

#include "main_window/form1.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMouseEvent>
#include <QRandomGenerator>
#ifdef Q_OS_LINUX
#include <unistd.h>
#endif

namespace {

// Each event goes through Qt's dispatch to the window, as one from the window system would.
void send(Form1& form, QEvent::Type type, QPointF pixels, Qt::MouseButton button,
          Qt::MouseButtons held)
{
    QMouseEvent event(type, pixels, form.mapToGlobal(pixels), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(&form, &event);
}

} // namespace

qint64 Soak::residentBytes()
{
#ifndef Q_OS_LINUX
    return 0;
#else
    QFile statm("/proc/self/statm");
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * sysconf(_SC_PAGESIZE) : 0;
#endif
}

Soak::Figures Soak::run(Form1& form, qint64 events)
{
    QComboBox* widthBox = form.controls().cbosenn;
    QComboBox* colourBox = form.controls().cboIro;
    // The same session every run.
    QRandomGenerator random(20261206);
    const auto anywhere = [&random, &form] {
        return QPointF(random.bounded(form.width()), random.bounded(form.height()));
    };

    QCoreApplication::processEvents();
    Figures figures;
    figures.residentStart = residentBytes();
    QElapsedTimer clock;
    clock.start();

    int stroke = 0;
    while (figures.events < events) {
        widthBox->setEditText(QString::number(1 + stroke % 300));
        colourBox->setEditText(QString::number(stroke % 16));
        ++stroke;

        QPointF at = anywhere();
        send(form, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        ++figures.events;
        for (int left = random.bounded(5, 60); left > 0 && figures.events < events; --left) {
            at = (at + anywhere() * 0.25) / 1.25; // short, wandering segments
            send(form, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
            ++figures.events;
        }
        if (figures.events < events) {
            send(form, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
            ++figures.events;
        }
        for (int left = random.bounded(1, 10); left > 0 && figures.events < events; --left) {
            send(form, QEvent::MouseMove, anywhere(), Qt::NoButton, Qt::NoButton);
            ++figures.events;
        }

        if (figures.events / 10000 > figures.clears) {
            form.cmdclr_Click();
            ++figures.clears;
        }
        // Repaint now and then, as the event loop would between bursts of input.
        if (stroke % 8 == 0)
            QCoreApplication::processEvents();
    }
    // A session cut short in a stroke still lifts the pen.
    if (form.penDown())
        send(form, QEvent::MouseButtonRelease, QPointF(), Qt::LeftButton, Qt::NoButton);
    QCoreApplication::processEvents();

    figures.seconds = clock.nsecsElapsed() / 1e9;
    figures.residentEnd = residentBytes();
    figures.canvasBytes = form.canvas().image().sizeInBytes();
    return figures;
}
