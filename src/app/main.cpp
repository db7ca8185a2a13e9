#include "app/application.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication qt(argc, argv);
    Application nubika;
    nubika.start();
    return qt.exec();
}
