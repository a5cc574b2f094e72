// quillon.exe: the converter window for Windows. It reads log.asc in its log folder and writes log.adi and bad.adi
// there; `quillon.exe FOLDER` or `quillon.exe LOG` names another.
#include "engine/ProgramInfo.h"
#include "run/WideText.h"
#include "ui/shared/WindowArguments.h"
#include "ui/win32/ConverterWindow.h"
#include "ui/win32/Places.h"

#include <commctrl.h>
#include <objbase.h>
#include <string>
#include <vector>
#include <windows.h>

namespace {

using namespace quillon;

// A program without a console answers --help, --version and a wrong argument in a message box.
int answerInBox(const forms::WindowArguments& arguments, int status)
{
    std::string text;
    UINT style = MB_OK;
    switch (arguments.action) {
    case forms::WindowAction::Help:
        text = std::string(forms::windowUsage());
        break;
    case forms::WindowAction::Version:
        text = forms::windowVersionLine();
        break;
    case forms::WindowAction::UsageError:
    case forms::WindowAction::Open:
        text = forms::windowErrorLine(arguments);
        style |= MB_ICONHAND;
        break;
    }
    MessageBoxW(nullptr, run::wideText(text).c_str(), run::wideText(engine::kApplicationTitle).c_str(), style);
    return status;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand)
{
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i) {
        arguments.push_back(run::utf8Text(wide[i]));
    }
    LocalFree(wide);
    const forms::WindowArguments parsed = forms::parseWindowArguments(arguments, ui::win32::WindowsPathProbe());
    if (const auto status = forms::exitStatusOf(parsed)) {
        return answerInBox(parsed, *status);
    }

    // The folder dialog is a COM object of the shell, made on this thread.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    int status = 1;
    {
        // A run may still be on the stack when the window closes, so the window lives until the loop ends.
        ui::win32::ConverterWindow window;
        window.session().useArguments(parsed, ui::win32::programFolder());
        if (window.open(showCommand)) {
            status = window.runMessageLoop();
        }
    }
    CoUninitialize();
    return status;
}
