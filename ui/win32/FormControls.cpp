// Creating a form's controls with CreateWindowExW, and placing them at a DPI.
#include "ui/win32/FormControls.h"

#include "run/WideText.h"
#include "ui/win32/KeyboardLink.h"

#include <algorithm>

namespace quillon::ui::win32 {

namespace {

using forms::ControlKind;

struct WindowKind {
    const wchar_t* className;
    DWORD style;
    DWORD extendedStyle;
};

WindowKind windowKindOf(const forms::ControlRow& row)
{
    switch (row.kind) {
    case ControlKind::Frame:
        return {L"BUTTON", BS_GROUPBOX, 0};
    case ControlKind::OptionButton:
        return {L"BUTTON", BS_AUTORADIOBUTTON | WS_TABSTOP, 0};
    case ControlKind::PushButton:
        return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0};
    case ControlKind::TextBox:
        return {L"EDIT", ES_AUTOHSCROLL | ES_READONLY | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case ControlKind::Label:
    case ControlKind::Link:
        break;
    }
    const bool centred = row.alignment == forms::TextAlignment::Centre;
    const DWORD tabStop = row.kind == ControlKind::Link ? WS_TABSTOP : 0;
    // SS_NOTIFY lets a label take clicks and show a tool tip.
    return {L"STATIC", static_cast<DWORD>((centred ? SS_CENTER : SS_LEFT) | SS_NOPREFIX | SS_NOTIFY) | tabStop, 0};
}

// The height a label's text needs at its width, or the width and height of one line of it.
SIZE textExtent(HWND control, HFONT font, bool wrapped, int width)
{
    wchar_t text[512] = {};
    GetWindowTextW(control, text, 512);
    HDC dc = GetDC(control);
    const HGDIOBJ old = SelectObject(dc, font);
    RECT box{0, 0, width, 0};
    DrawTextW(dc, text, -1, &box, DT_CALCRECT | DT_NOPREFIX | (wrapped ? DT_WORDBREAK : DT_SINGLELINE));
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return {box.right - box.left, box.bottom - box.top};
}

} // namespace

std::vector<const forms::ControlRow*> creationOrder(forms::FormTable table)
{
    std::vector<const forms::ControlRow*> order;
    for (const std::string_view name : forms::focusOrder(table)) {
        order.push_back(forms::findRow(table, name));
    }
    for (const forms::ControlRow& row : table) {
        if (row.kind != ControlKind::Frame && std::ranges::find(order, &row) == order.end()) {
            order.push_back(&row);
        }
    }
    for (auto row = table.rbegin(); row != table.rend(); ++row) {
        if (row->kind == ControlKind::Frame) {
            order.push_back(&*row);
        }
    }
    return order;
}

void sizeToInnerArea(HWND window, const forms::TwipsRect& inner, DWORD style, bool hasMenu, DWORD extendedStyle,
                     int dpi)
{
    const forms::PixelRect area = forms::pixelRect(inner, dpi);
    RECT outer{0, 0, area.width, area.height};
    AdjustWindowRectExForDpi(&outer, style, hasMenu ? TRUE : FALSE, extendedStyle, static_cast<UINT>(dpi));
    SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HFONT makeFont(const forms::FontSpec& wanted, int pixels)
{
    return CreateFontW(-pixels, 0, 0, 0, wanted.bold ? FW_BOLD : FW_NORMAL, wanted.italic, FALSE, FALSE,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_SWISS, run::wideText(forms::faceName(wanted.face)).c_str());
}

forms::PixelSize lineExtent(HFONT font, std::string_view text)
{
    HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, font);
    RECT box{};
    DrawTextW(dc, run::wideText(text).c_str(), -1, &box, DT_CALCRECT | DT_NOPREFIX | DT_SINGLELINE);
    SelectObject(dc, old);
    DeleteDC(dc);
    return {static_cast<int>(box.right - box.left), static_cast<int>(box.bottom - box.top)};
}

HFONT makeFittedFont(const forms::FontSpec& wanted, std::string_view text, int dpi)
{
    const int pixels = forms::fittedFontPixels(wanted, dpi, [&](int tried) {
        HFONT font = makeFont(wanted, tried);
        const forms::PixelSize extent = lineExtent(font, text);
        DeleteObject(font);
        return extent;
    });
    return makeFont(wanted, pixels);
}

FormControls::~FormControls()
{
    dropFonts();
}

void FormControls::create(HWND form, forms::FormTable table, int dpi, int firstId)
{
    m_form = form;
    m_table = table;
    m_firstId = firstId;
    bool previousWasOption = false;
    const forms::ControlRow* previous = nullptr;
    for (const forms::ControlRow* row : creationOrder(table)) {
        const WindowKind kind = windowKindOf(*row);
        // A group of option buttons runs from the first of a frame's options to the next control that is none.
        const bool option = row->kind == ControlKind::OptionButton;
        const bool startsGroup = !option || !previousWasOption || previous->parent != row->parent;
        const DWORD style = WS_CHILD | WS_VISIBLE | kind.style | (startsGroup ? WS_GROUP : 0);
        const auto id = static_cast<INT_PTR>(m_firstId + (row - table.data()));
        HWND window = CreateWindowExW(kind.extendedStyle, kind.className, run::wideText(row->text).c_str(), style, 0, 0,
                                      0, 0, form, reinterpret_cast<HMENU>(id), GetModuleHandleW(nullptr), nullptr);
        if (row->kind == ControlKind::Link) {
            makeKeyboardLink(window);
        }
        m_made.push_back({row, window, nullptr});
        previousWasOption = option;
        previous = row;
    }
    layOut(dpi);
}

// The new font is in place before the old one is deleted.
void FormControls::layOut(int dpi)
{
    for (Made& made : m_made) {
        HFONT old = made.font;
        made.font = makeFittedFont(made.row->font, made.row->text, dpi);
        SendMessageW(made.window, WM_SETFONT, reinterpret_cast<WPARAM>(made.font), FALSE);
        if (old != nullptr) {
            DeleteObject(old);
        }
        place(made, dpi);
    }
    InvalidateRect(m_form, nullptr, TRUE);
}

// Labels grow downwards where the local font needs more height, or take the size of their text.
void FormControls::place(const Made& made, int dpi) const
{
    const forms::PixelRect box = forms::pixelRect(forms::formBox(m_table, *made.row), dpi);
    int width = box.width;
    int height = box.height;
    if (forms::isLabel(made.row->kind) && made.row->fit != forms::Fit::Box) {
        const bool toText = made.row->fit == forms::Fit::ToText;
        const bool wrapped = made.row->alignment == forms::TextAlignment::Centre;
        const SIZE text = textExtent(made.window, made.font, wrapped && !toText, width);
        width = toText ? static_cast<int>(text.cx) : width;
        height = toText ? static_cast<int>(text.cy) : std::max(height, static_cast<int>(text.cy));
    }
    SetWindowPos(made.window, nullptr, box.left, box.top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormControls::dropFonts()
{
    for (Made& made : m_made) {
        if (made.font != nullptr) {
            DeleteObject(made.font);
            made.font = nullptr;
        }
    }
}

HWND FormControls::control(std::string_view name) const
{
    const auto found = std::ranges::find_if(m_made, [name](const Made& made) { return made.row->name == name; });
    return found == m_made.end() ? nullptr : found->window;
}

const forms::ControlRow* FormControls::rowOf(int id) const
{
    const int index = id - m_firstId;
    if (index < 0 || static_cast<std::size_t>(index) >= m_table.size()) {
        return nullptr;
    }
    return &m_table[static_cast<std::size_t>(index)];
}

int FormControls::idOf(std::string_view name) const
{
    const forms::ControlRow* row = forms::findRow(m_table, name);
    return row == nullptr ? 0 : m_firstId + static_cast<int>(row - m_table.data());
}

} // namespace quillon::ui::win32
