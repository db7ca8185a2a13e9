#include "widgets/frameupdater.h"

#include <QScreen>
#include <QWidget>

FrameUpdater::FrameUpdater(QWidget& widget)
    : QObject(&widget)
    , widget(widget)
{
    frame.setSingleShot(true);
    frame.setTimerType(Qt::PreciseTimer);
    connect(&frame, &QTimer::timeout, this, &FrameUpdater::paint);
}

void FrameUpdater::changed(const QRect& area)
{
    pending |= area;
    if (frame.isActive())
        return;
    const qreal hertz = widget.screen() ? widget.screen()->refreshRate() : 0;
    const auto period = static_cast<qint64>(1000 / (hertz >= 1 ? hertz : 60));
    const qint64 since = sinceLastPaint.isValid() ? sinceLastPaint.elapsed() : period;
    frame.start(static_cast<int>(std::max<qint64>(0, period - since)));
}

void FrameUpdater::paint()
{
    sinceLastPaint.start();
    widget.repaint(pending);
    pending = {};
}
