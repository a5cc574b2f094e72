// The Win32 converter window's view for the session: its controls' texts, states and options, the dialogs it asks
// with, and its commands.
#include "ui/win32/ConverterWindow.h"

#include "run/WideText.h"
#include "ui/win32/AboutDialog.h"
#include "ui/win32/CorrectionWindow.h"
#include "ui/win32/FolderDialog.h"
#include "ui/win32/Messages.h"
#include "ui/win32/TextPrompt.h"
#include "ui/win32/UserGuideWindow.h"

#include <commctrl.h>

namespace quillon::ui::win32 {

ConverterWindow::ConverterWindow()
    : m_session(*this, m_places, m_settings)
{
}

// A run may still be on the stack when the window closes; the session closes its files as it goes.
ConverterWindow::~ConverterWindow()
{
    if (m_accelerators != nullptr) {
        DestroyAcceleratorTable(m_accelerators);
    }
    for (HICON icon : m_icons) {
        if (icon != nullptr) {
            DestroyIcon(icon);
        }
    }
}

// Help, About: while the box is up, the window and a run paused in its event processing wait for it.
void ConverterWindow::About_Click()
{
    AboutDialog::show(m_window);
}

void ConverterWindow::command(int id, int notification)
{
    if (id >= static_cast<int>(menuId({}))) {
        switch (const auto chosen = static_cast<forms::MenuCommand>(id - static_cast<int>(menuId({})))) {
        case forms::MenuCommand::CorrectBadContacts: // not while a run works on the log
            if (!m_session.isRunning()) {
                CorrectionWindow::show(m_window, m_session);
            }
            break;
        case forms::MenuCommand::Exit: // closes the window as its close box does
            PostMessageW(m_window, WM_CLOSE, 0, 0);
            break;
        case forms::MenuCommand::UserGuide:
            showUserGuide(m_window);
            break;
        case forms::MenuCommand::About:
            About_Click();
            break;
        default:
            m_session.menu_Click(chosen);
            break;
        }
        return;
    }
    const forms::ControlRow* row = m_controls.rowOf(id);
    if (row == nullptr || notification != BN_CLICKED) {
        return;
    }
    if (row->kind == forms::ControlKind::OptionButton) {
        m_session.option_Click(row->name);
    } else if (row->name == "cbStart") {
        m_session.cbStart_Click();
    }
}

void ConverterWindow::setCaption(const std::string& text)
{
    SetWindowTextW(m_window, run::wideText(text).c_str());
}

void ConverterWindow::setControlText(std::string_view control, const std::string& text)
{
    SetWindowTextW(m_controls.control(control), run::wideText(text).c_str());
}

void ConverterWindow::setToolTip(std::string_view control, const std::string& text)
{
    std::wstring wide = run::wideText(text);
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = m_window;
    tool.uId = reinterpret_cast<UINT_PTR>(m_controls.control(control));
    tool.lpszText = wide.data();
    SendMessageW(m_toolTips, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void ConverterWindow::enableControl(std::string_view control, bool enabled)
{
    EnableWindow(m_controls.control(control), enabled);
}

void ConverterWindow::enableMenuItem(forms::MenuCommand command, bool enabled)
{
    EnableMenuItem(m_menu, menuId(command), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void ConverterWindow::checkMenuItem(forms::MenuCommand command, bool checked)
{
    CheckMenuItem(m_menu, menuId(command), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

bool ConverterWindow::isOptionSelected(std::string_view control) const
{
    return SendMessageW(m_controls.control(control), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// Auto option buttons clear the others of their group only when clicked, so this does it for them.
void ConverterWindow::selectOption(std::string_view control)
{
    const forms::ControlRow* chosen = m_controls.rowOf(m_controls.idOf(control));
    for (const forms::ControlRow& row : forms::converterControls()) {
        if (row.kind == forms::ControlKind::OptionButton && row.parent == chosen->parent) {
            SendMessageW(m_controls.control(row.name), BM_SETCHECK, row.name == control ? BST_CHECKED : BST_UNCHECKED,
                         0);
        }
    }
}

std::string ConverterWindow::askForFolder(const std::string& start)
{
    return win32::askForFolder(m_window, start);
}

std::optional<std::string> ConverterWindow::askText(const std::string& title, const std::string& prompt,
                                                    const std::string& initial)
{
    return askForText(m_window, title, prompt, initial);
}

std::size_t ConverterWindow::askChoice(const run::Message& question, const std::vector<std::string>& answers,
                                       std::size_t escapeAnswer)
{
    return askChoiceInBox(m_window, question, answers, escapeAnswer);
}

void ConverterWindow::openCorrectionWindow()
{
    CorrectionWindow::show(m_window, m_session);
}

void ConverterWindow::showMessage(const run::Message& message)
{
    showMessageBox(IsWindow(m_window) ? m_window : nullptr, message);
}

void ConverterWindow::closeAboutBox()
{
    AboutDialog::closeShowing();
}

} // namespace quillon::ui::win32
