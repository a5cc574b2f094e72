// quillon: the converter window. It reads log.asc in its log folder and writes log.adi and bad.adi there.
#include "ui/LogFolder.h"
#include "ui/MainWindow.h"
#include "ui/TextConversion.h"
#include "ui/WindowCommandLine.h"
#include "ui/platform/NativePlatform.h"

#include <QApplication>

int main(int argc, char** argv)
{
    using namespace quillon::ui;
    // Help, the version and a wrong folder need no display, so they are answered before the application exists.
    if (const WindowCommandLine early = parseWindowCommandLine(argc, argv); !early.foreignOption) {
        if (const auto status = answerCommandLine(early, stdout, stderr)) {
            return *status;
        }
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillon"));
    QApplication::setDesktopFileName(QStringLiteral("org.norva.quillon"));
    // Qt has taken its own options out of argv by now; anything else unknown is an error.
    const WindowCommandLine command = parseWindowCommandLine(argc, argv);
    if (const auto status = answerCommandLine(command, stdout, stderr)) {
        return *status;
    }
    const QString folder =
        chooseLogFolder(fromRunText(command.folder), QCoreApplication::applicationDirPath(), isWritableFolder);
    // A run may still be on the stack when the window closes, so the window lives until the event loop ends.
    MainWindow window(folder);
    window.setPlatformMaker(platform::makeNativePlatform); // the registry and shell on Windows
    if (!command.logFile.empty()) {
        window.setLogFileName(fromRunText(command.logFile));
    }
    window.show();
    return QApplication::exec();
}
