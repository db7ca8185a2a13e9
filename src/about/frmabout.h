#pragma once

#include "about/frmaboutlayout.h"

#include <QDialog>

class SysInfoLauncher;

// Tells which program this is and which version runs. Closing it, also with Esc, unloads it.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(SysInfoLauncher& launcher, QWidget* parent = nullptr);

    void cmdOK_Click();
    void cmdSysInfo_Click();

    const frmAboutControls& controls() const { return ui; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Form_Load();

    SysInfoLauncher& launcher;
    frmAboutControls ui;
};
