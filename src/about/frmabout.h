#pragma once

#include "about/frmaboutlayout.h"

#include <QDialog>

class SysInfoLauncher;

// Tells which program this is and which version runs. Closing it unloads it.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(SysInfoLauncher& launcher, QWidget* parent = nullptr);

    void cmdOK_Click();
    void cmdSysInfo_Click();

    const frmAboutControls& controls() const { return ui; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Esc: the OK button is also the cancel button.
    void reject() override;

private:
    void Form_Load();

    SysInfoLauncher& launcher;
    frmAboutControls ui;
};
