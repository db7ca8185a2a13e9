#include "widgets/frameupdater.h"

#include <QScreen>
#include <QWidget>

FrameUpdater::FrameUpdater(QWidget& widget)
    : QObject(&widget)
    , widget(widget)
{
    deadline.setSingleShot(true);
    deadline.setTimerType(Qt::PreciseTimer);
    connect(&deadline, &QTimer::timeout, this, &FrameUpdater::paint);
}

void FrameUpdater::changed(const QRect& area)
{
    pending |= area;
    if (queued)
        return;
    // Once a frame has passed, the change is painted as soon as the events at hand are handled.
    // While changes keep coming, that is how every frame is painted: the deadline, one frame
    // after the first change, only serves when none follows, and so rarely wakes the program.
    const qint64 period = periodNs();
    if (!sinceLastPaint.isValid() || sinceLastPaint.nsecsElapsed() >= period) {
        queued = true;
        deadline.stop();
        QMetaObject::invokeMethod(this, &FrameUpdater::paint, Qt::QueuedConnection);
    } else if (!deadline.isActive()) {
        deadline.start(static_cast<int>((period + 999'999) / 1'000'000));
    }
}

qint64 FrameUpdater::periodNs() const
{
    const qreal hertz = widget.screen() ? widget.screen()->refreshRate() : 0;
    return static_cast<qint64>(1e9 / (hertz >= 1 ? hertz : 60));
}

void FrameUpdater::paint()
{
    queued = false;
    deadline.stop();
    sinceLastPaint.start();
    widget.repaint(pending);
    pending = {};
}
