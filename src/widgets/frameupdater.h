#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QRect>
#include <QTimer>

class QWidget;

// Repaints a widget at most once per display frame: the rectangles changed since the last
// frame are painted together, at the latest one frame after the first of them.
class FrameUpdater : public QObject {
public:
    explicit FrameUpdater(QWidget& widget);

    void changed(const QRect& area);

private:
    void paint();
    qint64 periodNs() const;

    QWidget& widget;
    QRect pending; // covers every change since the last frame
    bool queued = false;
    QTimer deadline;
    QElapsedTimer sinceLastPaint;
};
