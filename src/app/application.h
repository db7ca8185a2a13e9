#pragma once

#include "about/frmabout.h"
#include "about/sysinfolauncher.h"
#include "app/windowinstance.h"
#include "main_window/form1.h"
#include "platform/nativeservices.h"
#include "platform/printerservice.h"
#include "platform/qtmessageboxservice.h"
#include "print_dialog/print1.h"

#include <QObject>
#include <memory>

// Owns the three windows and carries what each one asks for to the others.
class Application : public QObject {
    Q_OBJECT
    // The services come first: the windows, which hold references to them, go before them.
    QtMessageBoxService messages;
    // What the System Information launcher reads, tests and starts through. Where there is no
    // registry, the tool is KDE's Info Center or hardinfo, whichever is installed.
    std::unique_ptr<RegistryService> registry = NativeServices::registry(
        SysInfoLauncher::toolPathKey, SysInfoLauncher::toolPathValue, {"kinfocenter", "hardinfo"});
    std::unique_ptr<ProgramStartService> programs = NativeServices::programStarter();
    std::unique_ptr<FileExistsService> files = NativeServices::fileTest();
    SysInfoLauncher sysInfo{*registry, *files, *programs, messages};
    // Owns the About dialog, never shown: a window owned so gets no taskbar button of its own,
    // and is not kept above the main window as one owned by it would be.
    QWidget aboutOwner;

public:
    Application();

    void start();

    // The default printer; a fake one may stand in for it.
    std::unique_ptr<PrinterService> printer;
    WindowInstance<Form1> mainWindow;
    WindowInstance<print1> printDialog;
    WindowInstance<frmAbout> aboutDialog;

    // Makes a window visible and brings it to the front, without an owner.
    static void Show(QWidget& window);

private:
    Form1* loadMainWindow();
    print1* loadPrintDialog();
    frmAbout* loadAboutDialog();
    // Ends the program once the last of the windows is unloaded.
    template <typename Window> Window* watch(Window* window);
    void unloaded();
};
