#include "print_dialog/print1.h"

print1::print1(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
}
