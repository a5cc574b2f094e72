// quillon: the converter window. Its folder holds log.asc and receives log.adi and bad.adi.
#include "ui/MainWindow.h"
#include "ui/platform/LinuxPlatform.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillon"));
    QApplication::setDesktopFileName(QStringLiteral("quillon"));
    // A run may still be on the stack when the window closes, so the window lives until the event loop ends.
    quillon::ui::platform::LinuxPlatform platform;
    quillon::ui::MainWindow window(QCoreApplication::applicationDirPath(), platform);
    platform.setOwner(&window);
    window.show();
    return QApplication::exec();
}
