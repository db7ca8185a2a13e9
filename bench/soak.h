#pragma once

#include "platform/messageboxservice.h"

#include <QtGlobal>

class Form1;

// Feeds a long session of pointer events through the main window: strokes in widths 1..300 and
// all sixteen colours, pen-up moves between them, and a Clear every 10,000 events.
class Soak {
public:
    // Stands in for the message box: a session of valid entries should never show one.
    class Messages : public MessageBoxService {
    public:
        void show(QWidget&, const QString&) override { ++shown; }
        int shown = 0;
    };

    struct Figures {
        qint64 events = 0;
        qint64 clears = 0;
        double seconds = 0;
        qint64 residentStart = 0; // bytes
        qint64 residentEnd = 0;
        qint64 canvasBytes = 0;
        double eventsPerSecond() const { return seconds > 0 ? events / seconds : 0; }
    };

    // The window must be shown; the session starts with the pen up and ends with it up.
    static Figures run(Form1& form, qint64 events);
    // The resident memory of this process, or 0 where it cannot be read.
    static qint64 residentBytes();
};
