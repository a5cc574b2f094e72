// The Win32 converter window's handlers, its message loop, and the services it gives a conversion run.
#include "ui/win32/ConverterWindow.h"

#include "engine/ProgramInfo.h"
#include "run/RunTexts.h"
#include "run/WideText.h"
#include "ui/forms/ConverterForm.h"
#include "ui/win32/AboutDialog.h"
#include "ui/win32/FolderDialog.h"
#include "ui/win32/Messages.h"
#include "ui/win32/Places.h"
#include "ui/win32/UserGuideWindow.h"

#include <utility>

namespace quillon::ui::win32 {

ConverterWindow::ConverterWindow(std::string logFolder, std::string logFile)
    : m_logFolder(std::move(logFolder))
    , m_logFile(std::move(logFile))
    , m_names(run::LocaleNames::fromLocale())
    , m_run(*this, *m_files, m_clock, m_names)
{
}

// The run closes whatever file is still open as it goes.
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

void ConverterWindow::Form_Load()
{
    SetWindowTextW(m_window, run::wideText(engine::mainCaption()).c_str());
    EnableWindow(m_controls.control("cbStart"), m_state.startEnabled());
    setStatusText(run::kIdleStatus);
    SendMessageW(m_controls.control(forms::kDefaultBandOption), BM_SETCHECK, BST_CHECKED, 0);
    readOptions();
    showPaths();
}

// A run in its record loop sees its files closed and ends quietly; the close itself is never refused.
void ConverterWindow::Form_Unload()
{
    AboutDialog::closeShowing();
    m_run.closeFiles();
}

void ConverterWindow::dateOption_Click()
{
    m_state.dateOptionChosen();
    EnableWindow(m_controls.control("cbStart"), m_state.startEnabled());
}

// A press during a run is turned away by the run itself. Afterwards the counter shows the exact final count,
// whatever redraws were skipped on the way. The folder stays put while a run works in it.
void ConverterWindow::cbStart_Click()
{
    EnableMenuItem(m_menu, menuId(forms::MenuCommand::OpenFolder),
                   MF_BYCOMMAND | (forms::ConverterState::openFolderEnabled(true) ? MF_ENABLED : MF_GRAYED));
    m_run.start();
    const bool enabled = forms::ConverterState::openFolderEnabled(m_run.isRunning());
    EnableMenuItem(m_menu, menuId(forms::MenuCommand::OpenFolder), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
    showCount();
    showPaths();
}

// Help, About: while the box is up, the window and a run paused in its event processing wait for it.
void ConverterWindow::About_Click()
{
    AboutDialog::show(m_window);
}

// File, Open Folder: the chosen folder becomes the log folder, now and at the next start.
void ConverterWindow::openFolder()
{
    const std::string chosen = askForFolder(m_window, m_logFolder);
    if (chosen.empty()) {
        return;
    }
    m_logFolder = cleanPath(chosen);
    m_logFile.clear();
    rememberLogFolder(m_logFolder);
    showPaths();
}

void ConverterWindow::command(int id, int notification)
{
    if (id >= static_cast<int>(menuId({}))) {
        switch (static_cast<forms::MenuCommand>(id - static_cast<int>(menuId({})))) {
        case forms::MenuCommand::OpenFolder:
            openFolder();
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
        }
        return;
    }
    const forms::ControlRow* row = m_controls.rowOf(id);
    if (row == nullptr || notification != BN_CLICKED) {
        return;
    }
    if (row->kind == forms::ControlKind::OptionButton) {
        readOptions();
        if (forms::isDateOption(row->name)) {
            dateOption_Click();
        }
    } else if (row->name == "cbStart") {
        cbStart_Click();
    }
}

// The options change only through clicks and keys that this window handles, so the run reads them from here.
void ConverterWindow::readOptions()
{
    const auto selected = [this](std::string_view option) {
        return SendMessageW(m_controls.control(option), BM_GETCHECK, 0, 0) == BST_CHECKED;
    };
    m_dateLayout = forms::chosenDateLayout(selected);
    m_bandFormat = forms::chosenBandFormat(selected);
}

std::string ConverterWindow::caption() const
{
    wchar_t text[256] = {};
    GetWindowTextW(m_window, text, 256);
    return run::utf8Text(text);
}

void ConverterWindow::setStatusText(std::string_view text)
{
    SetWindowTextW(m_controls.control("lblStatus"), run::wideText(text).c_str());
}

// Called for every record: only remembered here, drawn when the window next handles its events.
void ConverterWindow::setRecordCount(std::int64_t count)
{
    m_state.setRecordCount(count);
}

// The counter is brought up to date first, so a message about a bad record shows the records read before it.
void ConverterWindow::showMessage(const run::Message& message)
{
    showCount();
    showMessageBox(IsWindow(m_window) ? m_window : nullptr, message);
}

void ConverterWindow::showCount()
{
    if (const auto count = m_state.takePendingCount()) {
        SetWindowTextW(m_controls.control("Text1"), std::to_wstring(*count).c_str());
    }
}

} // namespace quillon::ui::win32
