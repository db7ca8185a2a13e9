#include "about/frmabout.h"

frmAbout::frmAbout(QWidget* parent)
    : QDialog(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
}
