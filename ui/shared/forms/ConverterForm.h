// The converter window as both front ends build it: its inner area, its controls, its menus, and what its
// option buttons mean.
#pragma once

#include "engine/AdifVersion.h"
#include "engine/DateLayout.h"
#include "run/OutputNames.h"
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

// Enter presses it wherever the focus is in the window, once it is enabled (a date option is chosen).
inline constexpr std::string_view kDefaultButton = "cbStart";

// Labels are drawn beneath the controls that have windows of their own (the counter box runs over the end of
// "Records Processed:").
constexpr bool drawnOverLabels(ControlKind kind)
{
    return kind == ControlKind::TextBox || kind == ControlKind::PushButton;
}

// The menus. A text's '&' marks its access key.
enum class MenuCommand {
    OpenFolder,
    CorrectBadContacts,
    Exit,
    UserGuide,
    About,
    ClassicOutput,
    Adif3Output,
    CodePageDos437,
    CodePageDos850,
    CodePageWindows1252,
    CodePageLatin1,
    CodePageUtf8,
    StationCallsign,
    OperatorCallsign,
};
enum class Shortcut { None, CtrlO, CtrlE, CtrlQ, F1 };

struct MenuItem {
    std::string_view name;
    std::string_view text;
    MenuCommand command;
    Shortcut shortcut = Shortcut::None;
    // Items of one group show a check on the one chosen; 0 is an item without a check.
    int group = 0;
    // A line between this item and the one above.
    bool separatorBefore = false;
};

// Exit, the user guide, the About box and the correction window are the front end's own; every other command goes to
// the session.
constexpr bool isFrontEndCommand(MenuCommand command)
{
    return command == MenuCommand::Exit || command == MenuCommand::UserGuide || command == MenuCommand::About ||
           command == MenuCommand::CorrectBadContacts;
}

// What the output and code-page items of the Options menu choose.
struct OutputChoice {
    MenuCommand command;
    engine::AdifVersion version;
};
inline constexpr OutputChoice kOutputChoices[] = {{MenuCommand::ClassicOutput, engine::AdifVersion::Classic},
                                                  {MenuCommand::Adif3Output, engine::AdifVersion::Adif3}};
struct CodePageChoice {
    MenuCommand command;
    engine::CodePage page;
};
inline constexpr CodePageChoice kCodePageChoices[] = {{MenuCommand::CodePageDos437, engine::CodePage::Dos437},
                                                      {MenuCommand::CodePageDos850, engine::CodePage::Dos850},
                                                      {MenuCommand::CodePageWindows1252, engine::CodePage::Windows1252},
                                                      {MenuCommand::CodePageLatin1, engine::CodePage::Latin1},
                                                      {MenuCommand::CodePageUtf8, engine::CodePage::Utf8}};

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
FileToolTips fileToolTips(const run::RunInput& input, const std::string& folder, const run::OutputNames& outputs);

// The captions of "Input File:" and "Output File:" for log.asc, and for a log named otherwise, whose own name and
// the name of its clean output take the place of log.asc and log.adi (without the wide gap, for room).
inline constexpr std::string_view kInputLabel = " Input File:     log.asc";
inline constexpr std::string_view kOutputLabel = "Output File:     log.adi ";
struct FileLabels {
    std::string input;
    std::string output;
};
FileLabels fileLabels(const std::string& logFile, const run::OutputNames& outputs);

} // namespace quillon::forms
