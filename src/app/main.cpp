#include "AppInfo.h"
#include "Application.h"
#include "Features.h"
#include "MainWindow.h"
#include "RegionalFromLocale.h"
#include "SingleInstance.h"
#include "Splash.h"

#include <QLocale>
#include <QPointer>
#include <clocale>

using namespace kelvarin;

// No command-line argument is read: documents open only through File Open and Reopen.
int main(int argc, char** argv) {
    app::Application application(argc, argv);
    // Number texts are our own; keep the C library's number format fixed whatever the locale.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setFont(QFont(QStringLiteral("Arial"), 8));

    QPointer<app::Splash> splash = new app::Splash;
    splash->show();
    splash->repaint();
    QApplication::processEvents();

    QApplication::setApplicationName(QString::fromLatin1(app::kApplicationTitle));

    app::SingleInstance instance;
    if (instance.start() == app::SingleInstance::Result::Second)
        return 0;

    app::MainWindow window(app::regionalFromLocale(QLocale::system()));
    app::installFeatures(window);
    window.FormCreate();
    window.errors().dispatch(window.hooks().startup.restoreRecentFiles);
    QApplication::processEvents();
    window.errors().dispatch(window.hooks().startup.createHiddenWindows);
    QApplication::processEvents();

    QObject::connect(&instance, &app::SingleInstance::raiseRequested, &window,
                     [&window] { window.errors().dispatch([&window] { window.bringToFront(); }); });
    window.show();
    window.activateWindow();
    // Without a window manager nothing keeps the splash above the window that opened after it.
    if (splash)
        splash->raise();
    return QApplication::exec();
}
