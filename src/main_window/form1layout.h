#pragma once

#include "widgets/layoutbuilder.h"

// The main window's controls. The names are the program's own: cmd = button, lbl = label,
// cbo = combo box; iro (色) is colour, sen/senn (線) is line.
struct Form1Controls {
    QPushButton* cmdclr;   // 消去: clears the drawing
    QPushButton* cmdend;   // 終了: ends the program
    QLabel* lblsenn;       // caption of the width box
    QLabel* Label1;        // caption of the colour box
    QLabel* lblsen;        // hint: colours go up to 15
    ClickLabel* lblver;    // opens the About dialog
    ClickLabel* lblhelp;   // shows the usage message
    QLabel* lbldate;       // today's date
    QLabel* lbltime;       // the time
    QComboBox* cboIro;     // colour box: 0 to 15 of the palette
    QPushButton* cmdprint; // opens the print dialog
    QComboBox* cbosenn;    // width box: pen width in pixels
};

// In tab order, positions in twips.
inline constexpr LayoutTable<Form1Controls, 12> form1Layout = {{
    {&Form1Controls::cmdclr, "消去(&C)", 7200, 7080, 975, 375},
    {&Form1Controls::cmdend, "終了(&E)", 8400, 7080, 975, 375},
    {&Form1Controls::lblsenn, "線の太さ", 240, 6600, 735, 255},
    {&Form1Controls::Label1, "線の色", 240, 7080, 735, 255},
    {&Form1Controls::lblsen, "線の色は15まで", 1920, 7200, 1335, 255},
    {&Form1Controls::lblver, "バージョン", 8640, 240, 975, 255, Qt::AlignHCenter},
    {&Form1Controls::lblhelp, "使い方", 7800, 240, 615, 255, Qt::AlignHCenter},
    {&Form1Controls::lbldate, "", 240, 120, 2175, 255},
    {&Form1Controls::lbltime, "", 2640, 120, 975, 255},
    {&Form1Controls::cboIro, "1", 1200, 7080, 615, 300},
    {&Form1Controls::cmdprint, "印刷(&P)", 6120, 7080, 855, 375},
    {&Form1Controls::cbosenn, "1", 1200, 6600, 615, 300},
}};

// Client area in twips.
inline constexpr int form1Width = 9735;
inline constexpr int form1Height = 7635;
