#pragma once

#include "platform/layoutbuilder.h"

#include <array>

// The main window's controls in tab order, positions in twips.
inline constexpr std::array<ControlSpec, 12> form1Layout = {{
    {"cmdclr", ControlKind::Button, "消去(&C)", 7200, 7080, 975, 375},
    {"cmdend", ControlKind::Button, "終了(&E)", 8400, 7080, 975, 375},
    {"lblsenn", ControlKind::Label, "線の太さ", 240, 6600, 735, 255},
    {"Label1", ControlKind::Label, "線の色", 240, 7080, 735, 255},
    {"lblsen", ControlKind::Label, "線の色は15まで", 1920, 7200, 1335, 255},
    {"lblver", ControlKind::ClickLabel, "バージョン", 8640, 240, 975, 255, Qt::AlignHCenter},
    {"lblhelp", ControlKind::ClickLabel, "使い方", 7800, 240, 615, 255, Qt::AlignHCenter},
    {"lbldate", ControlKind::Label, "", 240, 120, 2175, 255},
    {"lbltime", ControlKind::Label, "", 2640, 120, 975, 255},
    {"cboIro", ControlKind::ComboBox, "1", 1200, 7080, 615, 300},
    {"cmdprint", ControlKind::Button, "印刷(&P)", 6120, 7080, 855, 375},
    {"cbosenn", ControlKind::ComboBox, "1", 1200, 6600, 615, 300},
}};

// Client area in twips.
inline constexpr int form1Width = 9735;
inline constexpr int form1Height = 7635;
