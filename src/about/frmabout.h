#pragma once

#include <QDialog>

// Tells which program this is and which version runs.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);
};
