// The text box as a dialog made from a template in memory, in dialog units, with the system's message font.
#include "ui/win32/TextPrompt.h"

#include "run/WideText.h"

#include <vector>

namespace quillon::ui::win32 {

namespace {

constexpr WORD kPromptId = 100;
constexpr WORD kEditId = 101;

struct Prompt {
    std::wstring text;
    std::wstring answer;
};

// Appends to a template: WORD-aligned words, a text as UTF-16 with its zero, and DWORD alignment for items.
class DialogTemplate
{
public:
    void words(std::initializer_list<WORD> values) { m_words.insert(m_words.end(), values); }
    void text(const std::wstring& value)
    {
        m_words.insert(m_words.end(), value.begin(), value.end());
        m_words.push_back(0);
    }
    void alignItem()
    {
        if (m_words.size() % 2 != 0) {
            m_words.push_back(0);
        }
    }
    // One control: style, box in dialog units, id, a predefined class by its atom, and its text.
    void item(DWORD style, short x, short y, short cx, short cy, WORD id, WORD atom, const std::wstring& caption)
    {
        alignItem();
        words({LOWORD(style), HIWORD(style), 0, 0, static_cast<WORD>(x), static_cast<WORD>(y), static_cast<WORD>(cx),
               static_cast<WORD>(cy), id, 0xFFFF, atom});
        text(caption);
        words({0});
    }
    const DLGTEMPLATE* data() const { return reinterpret_cast<const DLGTEMPLATE*>(m_words.data()); }

private:
    std::vector<WORD> m_words;
};

INT_PTR CALLBACK promptProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* prompt = reinterpret_cast<Prompt*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        SetDlgItemTextW(dialog, kPromptId, reinterpret_cast<Prompt*>(lParam)->text.c_str());
        SetDlgItemTextW(dialog, kEditId, reinterpret_cast<Prompt*>(lParam)->answer.c_str());
        SendDlgItemMessageW(dialog, kEditId, EM_SETSEL, 0, -1);
        SetFocus(GetDlgItem(dialog, kEditId));
        return FALSE; // the focus is set
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            const int length = GetWindowTextLengthW(GetDlgItem(dialog, kEditId));
            prompt->answer.assign(static_cast<std::size_t>(length) + 1, L'\0');
            GetDlgItemTextW(dialog, kEditId, prompt->answer.data(), length + 1);
            prompt->answer.resize(static_cast<std::size_t>(length));
            EndDialog(dialog, IDOK);
        } else if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, IDCANCEL);
        }
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

std::optional<std::string> askForText(HWND owner, const std::string& title, const std::string& prompt,
                                      const std::string& initial)
{
    constexpr WORD kButton = 0x0080;
    constexpr WORD kEdit = 0x0081;
    constexpr WORD kStatic = 0x0082;
    DialogTemplate form;
    const DWORD style = DS_MODALFRAME | DS_SETFONT | DS_SHELLFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU;
    form.words({LOWORD(style), HIWORD(style), 0, 0, 4, 0, 0, 220, 78, 0, 0});
    form.text(run::wideText(title));
    form.words({8});
    form.text(L"MS Shell Dlg");
    form.item(WS_CHILD | WS_VISIBLE | SS_LEFT, 7, 7, 206, 24, kPromptId, kStatic, L"");
    form.item(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 7, 34, 206, 14, kEditId, kEdit, L"");
    form.item(WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 109, 56, 50, 14, IDOK, kButton, L"OK");
    form.item(WS_CHILD | WS_VISIBLE | WS_TABSTOP, 163, 56, 50, 14, IDCANCEL, kButton, L"Cancel");
    Prompt asked{run::wideText(prompt), run::wideText(initial)};
    const INT_PTR result = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), form.data(), owner, promptProcedure,
                                                   reinterpret_cast<LPARAM>(&asked));
    if (result != IDOK) {
        return std::nullopt;
    }
    return run::utf8Text(asked.answer);
}

} // namespace quillon::ui::win32
