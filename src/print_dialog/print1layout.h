#pragma once

#include "platform/layoutbuilder.h"

#include <array>

// The print confirmation's controls in tab order, positions in twips.
inline constexpr std::array<ControlSpec, 3> print1Layout = {{
    {"cmdok", ControlKind::Button, "OK(&P)", 240, 840, 1215, 495},
    {"cmdcancel", ControlKind::Button, "キャンセル(&C)", 1680, 840, 1215, 495},
    {"lblprint", ControlKind::Label, "印刷しますか？", 840, 240, 1695, 255, Qt::AlignHCenter},
}};

// Client area in twips.
inline constexpr int print1Width = 3195;
inline constexpr int print1Height = 1590;
