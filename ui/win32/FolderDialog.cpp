// The folder dialog through IFileOpenDialog.
#include "ui/win32/FolderDialog.h"

#include "run/WideText.h"
#include "ui/shared/forms/ConverterForm.h"

#include <shobjidl.h>

namespace quillon::ui::win32 {

namespace {

// Releases a COM interface when it goes out of scope.
template <typename Interface> struct Released {
    Interface* pointer = nullptr;
    ~Released()
    {
        if (pointer != nullptr) {
            pointer->Release();
        }
    }
};

} // namespace

std::string askForFolder(HWND owner, const std::string& start)
{
    Released<IFileOpenDialog> dialog;
    if (FAILED(CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&dialog.pointer)))) {
        return {};
    }
    FILEOPENDIALOGOPTIONS options = 0;
    dialog.pointer->GetOptions(&options);
    dialog.pointer->SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST);
    dialog.pointer->SetTitle(run::wideText(forms::kOpenFolderTitle).c_str());
    Released<IShellItem> startItem;
    if (SUCCEEDED(
            SHCreateItemFromParsingName(run::wideText(start).c_str(), nullptr, IID_PPV_ARGS(&startItem.pointer)))) {
        dialog.pointer->SetFolder(startItem.pointer);
    }
    if (FAILED(dialog.pointer->Show(owner))) {
        return {};
    }
    Released<IShellItem> chosen;
    if (FAILED(dialog.pointer->GetResult(&chosen.pointer))) {
        return {};
    }
    PWSTR path = nullptr;
    std::string folder;
    if (SUCCEEDED(chosen.pointer->GetDisplayName(SIGDN_FILESYSPATH, &path))) {
        folder = run::utf8Text(path);
    }
    CoTaskMemFree(path);
    return folder;
}

} // namespace quillon::ui::win32
