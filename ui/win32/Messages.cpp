// Message boxes through MessageBoxW.
#include "ui/win32/Messages.h"

#include "run/WideText.h"
#include "ui/shared/ConverterState.h"

namespace quillon::ui::win32 {

UINT messageBoxStyle(run::MessageStyle style)
{
    switch (style) {
    case run::MessageStyle::Stop:
        return MB_OK | MB_ICONHAND;
    case run::MessageStyle::Exclamation:
        return MB_OK | MB_ICONEXCLAMATION;
    case run::MessageStyle::Information:
        return MB_OK | MB_ICONINFORMATION;
    case run::MessageStyle::Plain:
        break;
    }
    return MB_OK;
}

void showMessageBox(HWND owner, const run::Message& message)
{
    const run::Message shown = forms::titled(message);
    MessageBoxW(owner, run::wideText(shown.boxText()).c_str(), run::wideText(shown.title).c_str(),
                messageBoxStyle(shown.style));
}

} // namespace quillon::ui::win32
