// The converter window as both front ends build it: its inner area, its controls, its menus, and what its
// option buttons mean.
#pragma once

#include "engine/DateLayout.h"
#include "run/RunInput.h"
#include "ui/shared/forms/FormTable.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quillon::forms {

inline constexpr TwipsRect kConverterClientArea{0, 0, 4590, 5055};

// The controls in the order of the window's definition. Option buttons and frames name their frame as parent.
FormTable converterControls();

// Labels are drawn beneath the controls that have windows of their own (the counter box runs over the end of
// "Records Processed:").
constexpr bool drawnOverLabels(ControlKind kind)
{
    return kind == ControlKind::TextBox || kind == ControlKind::PushButton;
}

// The menus. A text's '&' marks its access key.
enum class MenuCommand { OpenFolder, CorrectBadContacts, Exit, UserGuide, About };
enum class Shortcut { None, CtrlO, CtrlE, CtrlQ, F1 };

struct MenuItem {
    std::string_view name;
    std::string_view text;
    MenuCommand command;
    Shortcut shortcut = Shortcut::None;
};

struct Menu {
    std::string_view name;
    std::string_view text;
    std::span<const MenuItem> items;
};

std::span<const Menu> converterMenus();

// "Ctrl+O", "F1"; empty for none.
std::string_view shortcutText(Shortcut shortcut);

inline constexpr std::string_view kUserGuideTitle = "Quillon User Guide";
inline constexpr std::string_view kOpenFolderTitle = "Open Folder";

// The option buttons of the two groups with what each means.
struct DateOption {
    std::string_view control;
    engine::DateLayout layout;
};
struct BandOption {
    std::string_view control;
    engine::BandFormat format;
};
inline constexpr DateOption kDateOptions[] = {{"dateOption1", engine::DateLayout::YyMmDd},
                                              {"dateOption2", engine::DateLayout::MmDdYy},
                                              {"dateOption3", engine::DateLayout::YyDdMm},
                                              {"dateOption4", engine::DateLayout::DdMmYy}};
inline constexpr BandOption kBandOptions[] = {{"bandMETERS", engine::BandFormat::Meters},
                                              {"bandMHZ", engine::BandFormat::Mhz}};
// A date option's label is the name of its layout.
constexpr std::string_view optionLabel(std::string_view control)
{
    for (const DateOption& option : kDateOptions) {
        if (option.control == control) {
            return engine::dateLayoutName(option.layout);
        }
    }
    return {};
}
// Selected when the window opens; no date option is.
inline constexpr std::string_view kDefaultBandOption = "bandMETERS";

// Asks a front end whether the option button of that name is selected.
using OptionTest = std::function<bool(std::string_view control)>;

// The layout of the selected date option; YY-MM-DD while none is, when Start cannot be pressed anyway.
engine::DateLayout chosenDateLayout(const OptionTest& selected);
engine::BandFormat chosenBandFormat(const OptionTest& selected);

// Whether the control is one of the date options, whose choice enables Start.
bool isDateOption(std::string_view control);

// The tool tips of "Input File:" and "Output File:", one full path to a line: the log a run would read now (every
// candidate when several names stand for log.asc), and the two outputs in `folder`.
struct FileToolTips {
    std::string input;
    std::string output;
};
FileToolTips fileToolTips(const run::RunInput& input, const std::string& folder);

} // namespace quillon::forms
