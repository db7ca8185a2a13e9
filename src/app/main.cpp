#include "app/application.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication qt(argc, argv);
    // The windows were laid out for a Japanese desktop's 12-pixel UI font; the usual Linux
    // default is larger and cuts off captions.
    QFont font;
    font.setFamilies({"MS UI Gothic", "ＭＳ Ｐゴシック", "IPAPGothic", "Noto Sans CJK JP"});
    font.setPixelSize(12);
    QApplication::setFont(font);
    Application nubika;
    nubika.start();
    return qt.exec();
}
