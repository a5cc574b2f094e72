// Win32 controls made from the rows of a form, at the pixels their twips come to at the window's DPI.
#pragma once

#include "ui/shared/forms/FontFit.h"
#include "ui/shared/forms/FormTable.h"

#include <string_view>
#include <vector>
#include <windows.h>

namespace quillon::ui::win32 {

// The order to create a form's controls in, where the control created first lies on top and Tab and the arrow
// keys follow that order: the controls that take the focus in their tab order, then the others as defined,
// then the frames, innermost first, so that no frame hides its members.
std::vector<const forms::ControlRow*> creationOrder(forms::FormTable table);

// A font of the row's face and style, `pixels` pixels to the em; the caller deletes it.
HFONT makeFont(const forms::FontSpec& wanted, int pixels);

// The width and height of `text` on one line in `font`.
forms::PixelSize lineExtent(HFONT font, std::string_view text);

// The font of a control with that text at `dpi`: as large as its points come to, and no larger than lets the text
// take the room it takes at 96 dpi.
HFONT makeFittedFont(const forms::FontSpec& wanted, std::string_view text, int dpi);

// Sizes a top-level window so that its inner area is `inner` at `dpi`, with its frame, caption and (if it has
// one) menu bar around it; its position stays.
void sizeToInnerArea(HWND window, const forms::TwipsRect& inner, DWORD style, bool hasMenu, DWORD extendedStyle,
                     int dpi);

// The controls of one form, all children of the form's window, with their fonts.
class FormControls
{
public:
    FormControls() = default;
    FormControls(const FormControls&) = delete;
    FormControls& operator=(const FormControls&) = delete;
    ~FormControls();

    // Creates every control of `table` in `form`; a control's id is its row's place in the table plus `firstId`.
    void create(HWND form, forms::FormTable table, int dpi, int firstId);
    // Places the controls and sets their fonts again for another DPI.
    void layOut(int dpi);

    HWND control(std::string_view name) const;
    // The row of a control's id; null when the id is not one of this form's.
    const forms::ControlRow* rowOf(int id) const;
    int idOf(std::string_view name) const;

private:
    struct Made {
        const forms::ControlRow* row;
        HWND window;
        HFONT font;
    };
    void place(const Made& made, int dpi) const;
    void dropFonts();

    HWND m_form = nullptr;
    forms::FormTable m_table;
    int m_firstId = 0;
    std::vector<Made> m_made;
};

} // namespace quillon::ui::win32
