#include "app/display_size.h"
#include "app/forms.h"
#include "app/introduction.h"
#include "app/single_instance.h"
#include "app/startup.h"
#include "ui/artwork.h"

#include <QApplication>
#include <QScreen>
#include <QStyleFactory>

int main(int argc, char **argv)
{
    using namespace tintara;
    QCoreApplication::setApplicationName(QStringLiteral("tintara"));
    // Decided before any window system connection, so a second start ends
    // at once and unseen.
    SingleInstance instance(SingleInstance::defaultName());
    endIfAlreadyRunning(instance);
    applyChosenSize();

    QApplication app(argc, argv);
    QApplication::setDesktopFileName(QStringLiteral("tintara"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(programIcon());

    Forms forms;
    Introduction splash;
    QObject::connect(&splash, &Introduction::unloaded,
                     [&] { showWorkingWindows(forms, splash.screen()); });
    splash.move(splash.screen()->availableGeometry().center() - splash.rect().center());
    splash.show();
    return app.exec();
}
