#pragma once

#include "widgets/layoutbuilder.h"

// The print confirmation's controls: its two buttons and its question.
struct print1Controls {
    QPushButton* cmdok;     // OK: prints the main window
    QPushButton* cmdcancel; // キャンセル: back to the main window
    QLabel* lblprint;       // 印刷しますか？
};

// In tab order, positions in twips.
inline constexpr LayoutTable<print1Controls, 3> print1Layout = {{
    {&print1Controls::cmdok, "OK(&P)", 240, 840, 1215, 495},
    {&print1Controls::cmdcancel, "キャンセル(&C)", 1680, 840, 1215, 495},
    {&print1Controls::lblprint, "印刷しますか？", 840, 240, 1695, 255, Qt::AlignHCenter},
}};

// Client area in twips.
inline constexpr int print1Width = 3195;
inline constexpr int print1Height = 1590;
