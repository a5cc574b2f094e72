// quillon: the converter window. It reads log.asc in its log folder and writes log.adi and bad.adi there.
#include "ui/qt/MainWindow.h"
#include "ui/qt/TextConversion.h"
#include "ui/qt/WindowCommandLine.h"

#include <QApplication>

int main(int argc, char** argv)
{
    using namespace quillon;
    using namespace quillon::ui;
    // Help, the version and a wrong folder need no display, so they are answered before the application exists.
    if (const forms::WindowArguments early = parseWindowCommandLine(argc, argv); !early.foreignOption) {
        if (const auto status = answerCommandLine(early, stdout, stderr)) {
            return *status;
        }
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillon"));
    QApplication::setDesktopFileName(QStringLiteral("org.norva.quillon"));
    // Qt has taken its own options out of argv by now; anything else unknown is an error.
    const forms::WindowArguments command = parseWindowCommandLine(argc, argv);
    if (const auto status = answerCommandLine(command, stdout, stderr)) {
        return *status;
    }
    // A run may still be on the stack when the window closes, so the window lives until the event loop ends.
    MainWindow window;
    window.session().useArguments(command, toRunText(QCoreApplication::applicationDirPath()));
    window.show();
    return QApplication::exec();
}
