#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QRegion>
#include <QTimer>

class QWidget;

// Repaints a widget at most once per display frame: the rectangles changed since the last
// frame are gathered and painted together, at the latest one frame after the first of them.
class FrameUpdater : public QObject {
public:
    explicit FrameUpdater(QWidget& widget);

    void changed(const QRect& area);

private:
    void paint();

    QWidget& widget;
    QRegion pending;
    QTimer frame;
    QElapsedTimer sinceLastPaint;
};
