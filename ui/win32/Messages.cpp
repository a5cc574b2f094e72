// Message boxes through MessageBoxW, and questions with answers of their own through the task dialog of the common
// controls.
#include "ui/win32/Messages.h"

#include "run/WideText.h"
#include "ui/shared/ConverterState.h"

#include <commctrl.h>

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

std::size_t askChoiceInBox(HWND owner, const run::Message& question, const std::vector<std::string>& answers,
                           std::size_t escapeAnswer)
{
    constexpr int kFirstAnswerId = 100;
    const run::Message asked = forms::titled(question);
    const std::wstring title = run::wideText(asked.title);
    const std::wstring text = run::wideText(asked.boxText());
    std::vector<std::wstring> texts;
    for (const std::string& answer : answers) {
        texts.push_back(run::wideText(answer));
    }
    std::vector<TASKDIALOG_BUTTON> buttons;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        buttons.push_back({kFirstAnswerId + static_cast<int>(i), texts[i].c_str()});
    }
    TASKDIALOGCONFIG config{};
    config.cbSize = sizeof(config);
    config.hwndParent = owner;
    config.dwFlags = TDF_ALLOW_DIALOG_CANCELLATION | TDF_POSITION_RELATIVE_TO_WINDOW;
    config.pszWindowTitle = title.c_str();
    config.pszMainIcon = asked.style == run::MessageStyle::Stop          ? TD_ERROR_ICON
                         : asked.style == run::MessageStyle::Exclamation ? TD_WARNING_ICON
                         : asked.style == run::MessageStyle::Information ? TD_INFORMATION_ICON
                                                                         : nullptr;
    config.pszContent = text.c_str();
    config.cButtons = static_cast<UINT>(buttons.size());
    config.pButtons = buttons.data();
    config.nDefaultButton = kFirstAnswerId;
    int pressed = 0;
    if (FAILED(TaskDialogIndirect(&config, &pressed, nullptr, nullptr)) || pressed < kFirstAnswerId ||
        pressed >= kFirstAnswerId + static_cast<int>(buttons.size())) {
        return escapeAnswer;
    }
    return static_cast<std::size_t>(pressed - kFirstAnswerId);
}

} // namespace quillon::ui::win32
