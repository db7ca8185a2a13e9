#include "app/application.h"

#include "platform/qtprinterservice.h"
#include "print_dialog/printjob.h"
#include "record/applicationrecord.h"

#include <QApplication>

Application::Application()
    : messages(QString::fromUtf8(ApplicationRecord::title))
    , printer(std::make_unique<QtPrinterService>(QString::fromUtf8(ApplicationRecord::title)))
    , mainWindow([this] { return watch(loadMainWindow()); })
    , printDialog([this] { return watch(loadPrintDialog()); })
    , aboutDialog([this] { return watch(loadAboutDialog()); })
{
    aboutOwner.winId(); // a native window, so that the system records it as the owner
    // The program ends when its last window is unloaded. Qt would not count the About dialog,
    // which has an owner.
    QApplication::setQuitOnLastWindowClosed(false);
}

void Application::start()
{
    Show(mainWindow());
}

void Application::Show(QWidget& window)
{
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
}

Form1* Application::loadMainWindow()
{
    auto* window = new Form1(messages);
    connect(window, &Form1::printDialogRequested, this, [this] { Show(printDialog()); });
    connect(window, &Form1::aboutRequested, this, [this] { Show(aboutDialog()); });
    // Ends at once: no window is asked to close.
    connect(window, &Form1::endRequested, this, [] { QCoreApplication::exit(0); });
    return window;
}

print1* Application::loadPrintDialog()
{
    auto* window = new print1;
    // The main window is grabbed as it stands, loaded afresh if it had been closed.
    connect(window, &print1::printMainWindowRequested, this, [this, window] {
        PrintJob(*printer, messages).print(mainWindow().grab().toImage(), *window);
    });
    connect(window, &print1::mainWindowRequested, this, [this] { Show(mainWindow()); });
    return window;
}

frmAbout* Application::loadAboutDialog()
{
    return new frmAbout(sysInfo, &aboutOwner);
}

template <typename Window> Window* Application::watch(Window* window)
{
    connect(window, &QObject::destroyed, this, &Application::unloaded, Qt::QueuedConnection);
    return window;
}

void Application::unloaded()
{
    if (!mainWindow.isLoaded() && !printDialog.isLoaded() && !aboutDialog.isLoaded())
        QCoreApplication::exit(0);
}
