#pragma once

#include "widgets/layoutbuilder.h"

// The About dialog's controls.
struct frmAboutControls {
    QPushButton* cmdOK;      // closes the dialog; also Esc, and Enter elsewhere
    PictureBox* picIcon;     // the program's picture
    QPushButton* cmdSysInfo; // starts the system information tool
    QLabel* lblDescription;  // who made it
    QLabel* lblDisclaimer;   // 警告:
    QLabel* lblTitle;        // the program's title, set at load
    QLabel* lblVersion;      // its version, set at load
};

// In tab order, positions in twips.
inline constexpr LayoutTable<frmAboutControls, 7> frmAboutLayout = {{
    {&frmAboutControls::cmdOK, "OK", 4245, 2625, 1380, 345},
    {&frmAboutControls::picIcon, "", 240, 240, 540, 540},
    {&frmAboutControls::cmdSysInfo, "ｼｽﾃﾑ情報(&S)...", 4260, 3075, 1380, 345},
    {&frmAboutControls::lblDescription,
     "開発者: ヌビカ開発チーム\n線を引いて遊べるお絵かきソフトです。", 1050, 1125, 3885, 1170},
    {&frmAboutControls::lblDisclaimer, "警告:", 255, 2625, 3870, 825},
    {&frmAboutControls::lblTitle, "", 1050, 240, 3885, 480},
    {&frmAboutControls::lblVersion, "ﾊﾞｰｼﾞｮﾝ", 1050, 780, 3885, 225},
}};

// Client area and its place on the screen, in twips.
inline constexpr int frmAboutLeft = 4965;
inline constexpr int frmAboutTop = 4335;
inline constexpr int frmAboutWidth = 5730;
inline constexpr int frmAboutHeight = 3555;

// The etched separator Line1: a grey line over a white one, in twips.
struct SeparatorLine {
    int x1;
    int y1;
    int x2;
    int y2;
    unsigned rgb;
    int pixels;
};
inline constexpr std::array<SeparatorLine, 2> frmAboutLine1 = {{
    {105, 2460, 5654, 2460, 0xFFFFFF, 2},
    {90, 2445, 5654, 2445, 0x808080, 1},
}};
