#include "app/application.h"
#include "widgets/japanesefont.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // On X11, Qt's shared-memory path waits on the server before each repaint of an area it has
    // just sent; for the small repaints of a stroke, every frame, sending the pixels costs less.
    // Read as the connection is made, and not passed on to the programs started from here.
    const bool userChoice = qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM");
    if (!userChoice)
        qputenv("QT_XCB_NO_MITSHM", "1");
    QApplication qt(argc, argv);
    if (!userChoice)
        qunsetenv("QT_XCB_NO_MITSHM");
    // Every pointer sample becomes a segment: merged motion would cut the corners of a quick
    // stroke. Set after the application is made, since the X11 back end turns it on then.
    QCoreApplication::setAttribute(Qt::AA_CompressHighFrequencyEvents, false);
    QApplication::setFont(JapaneseFont::desktop());
    Application nubika;
    nubika.start();
    return qt.exec();
}
