// File, Open Folder: the modern folder dialog of Windows.
#pragma once

#include <string>
#include <windows.h>

namespace quillon::ui::win32 {

// Asks for a folder, starting at `start`; empty when the user cancels. IFileOpenDialog with FOS_PICKFOLDERS
// takes a typed path and Enter, which the older SHBrowseForFolderW does not. Needs COM on the calling thread.
std::string askForFolder(HWND owner, const std::string& start);

} // namespace quillon::ui::win32
