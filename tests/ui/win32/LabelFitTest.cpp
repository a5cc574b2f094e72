// The texts of the Win32 converter window and About box at the usual screen densities: each in the font its control
// gets there, measured with the system's own fonts, clear of the controls drawn over it and no further into the
// line below than at 96 dpi.
#include "ui/shared/forms/AboutForm.h"
#include "ui/shared/forms/ConverterForm.h"
#include "ui/win32/FormControls.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

namespace {

using namespace quillon::forms;
using quillon::ui::win32::lineExtent;
using quillon::ui::win32::makeFittedFont;

// Where a control's text stands at `dpi`: at the top-left corner of its box, one line of it.
PixelRect textRect(FormTable table, const ControlRow& row, int dpi)
{
    const PixelRect box = pixelRect(formBox(table, row), dpi);
    HFONT font = makeFittedFont(row.font, row.text, dpi);
    const PixelSize extent = lineExtent(font, row.text);
    DeleteObject(font);
    return {box.left, box.top, extent.width, extent.height};
}

PixelRect common(const PixelRect& a, const PixelRect& b)
{
    const int left = std::max(a.left, b.left);
    const int top = std::max(a.top, b.top);
    const int right = std::min(a.left + a.width, b.left + b.width);
    const int bottom = std::min(a.top + a.height, b.top + b.height);
    return right <= left || bottom <= top ? PixelRect{} : PixelRect{left, top, right - left, bottom - top};
}

// The rows of the text of `row` that lie in the box of a label below it.
int rowsInto(FormTable table, const ControlRow& row, const ControlRow& below, int dpi)
{
    return common(textRect(table, row, dpi), pixelRect(formBox(table, below), dpi)).height;
}

} // namespace

TEST(LabelFit, TextsClearTheCounterAndTheLineBelowAtEveryDensity)
{
    const FormTable table = converterControls();
    for (const int dpi : {96, 120, 144, 192}) {
        for (const ControlRow& label : table) {
            if (label.kind != ControlKind::Label) {
                continue;
            }
            SCOPED_TRACE(std::string(label.name) + " at " + std::to_string(dpi) + " dpi");
            const PixelRect text = textRect(table, label, dpi);
            for (const ControlRow& other : table) {
                if (drawnOverLabels(other.kind)) {
                    EXPECT_EQ(common(text, pixelRect(formBox(table, other), dpi)), PixelRect{})
                        << "under " << other.name;
                } else if (other.kind == ControlKind::Label && formBox(table, other).top > formBox(table, label).top) {
                    EXPECT_LE(rowsInto(table, label, other, dpi), rowsInto(table, label, other, 96)) << other.name;
                }
            }
        }
    }
}

// A text that takes its room at 96 dpi keeps its designed size there, and no text grows beyond its points.
TEST(LabelFit, DesignedSizeAt96DpiAndNeverLarger)
{
    struct Case {
        FormTable table;
        const char* name;
    };
    for (const Case& form : {Case{converterControls(), "converter"}, Case{aboutControls(), "about"}}) {
        for (const ControlRow& row : form.table) {
            SCOPED_TRACE(std::string(form.name) + ": " + std::string(row.name));
            for (const int dpi : {96, 120, 144, 192}) {
                HFONT font = makeFittedFont(row.font, row.text, dpi);
                LOGFONTW made{};
                GetObjectW(font, sizeof(made), &made);
                DeleteObject(font);
                EXPECT_LE(-made.lfHeight, scaledFontPixels(row.font, dpi)) << dpi;
                if (dpi == 96) {
                    EXPECT_EQ(-made.lfHeight, scaledFontPixels(row.font, dpi));
                }
            }
        }
    }
}

// The status label's widest texts after a run fit its width in the font it gets at every density.
TEST(LabelFit, StatusTextsFitTheStatusLabel)
{
    const FormTable table = converterControls();
    const ControlRow* status = findRow(table, "lblStatus");
    ASSERT_NE(status, nullptr);
    for (const int dpi : {96, 120, 144, 192}) {
        HFONT font = makeFittedFont(status->font, status->text, dpi);
        for (const std::string_view text :
             {"Processing.....", "Done: 999 bad", "No contacts", "ADIF 3: 999 bad", "ADIF 3: none"}) {
            EXPECT_LE(lineExtent(font, text).width, pixelRect(formBox(table, *status), dpi).width)
                << text << " at " << dpi << " dpi";
        }
        DeleteObject(font);
    }
}
