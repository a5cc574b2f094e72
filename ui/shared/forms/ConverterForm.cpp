// The converter window's controls at their places in twips, its menus, and the meaning of its option buttons.
#include "ui/shared/forms/ConverterForm.h"

#include <algorithm>

namespace quillon::forms {

namespace {

constexpr FontSpec kFrameFont{ControlFace::Arial, 9.75, true};
constexpr FontSpec kOptionFont{ControlFace::MsSansSerif, 8.25, true};
constexpr FontSpec kNoteFont{ControlFace::Arial, 9, true};
constexpr FontSpec kLabelFont{ControlFace::Arial, 11.25, true};

using enum ControlKind;

// Option buttons and labels grow downwards where the local font needs more height, so boxes that share a top
// edge still share their text's line. The caption of Label1 begins with a blank; Label2's ends with one.
constexpr ControlRow kControls[] = {
    {"Frame1", Frame, "", "", {120, 0, 4335, 4935}, 0, kFrameFont},
    {"Frame3", Frame, "Frame1", "Chose BAND Format", {480, 1680, 3255, 735}, 11, kFrameFont},
    {"bandMHZ", OptionButton, "Frame3", "Mhz", {1800, 360, 1215, 195}, 13, kOptionFont, {}, {}, Fit::GrowDown},
    {"bandMETERS", OptionButton, "Frame3", "Meters", {360, 360, 1335, 195}, 12, kOptionFont, {}, {}, Fit::GrowDown},
    {"Frame2", Frame, "Frame1", "Chose DATE Format", {480, 240, 3255, 1095}, 6, kFrameFont},
    {"dateOption4",
     OptionButton,
     "Frame2",
     optionLabel("dateOption4"),
     {1800, 720, 1335, 255},
     10,
     kOptionFont,
     {},
     {},
     Fit::GrowDown},
    {"dateOption3",
     OptionButton,
     "Frame2",
     optionLabel("dateOption3"),
     {1800, 360, 1335, 255},
     9,
     kOptionFont,
     {},
     {},
     Fit::GrowDown},
    {"dateOption2",
     OptionButton,
     "Frame2",
     optionLabel("dateOption2"),
     {240, 720, 1455, 195},
     8,
     kOptionFont,
     {},
     {},
     Fit::GrowDown},
    {"dateOption1",
     OptionButton,
     "Frame2",
     optionLabel("dateOption1"),
     {240, 360, 1455, 255},
     7,
     kOptionFont,
     {},
     {},
     Fit::GrowDown},
    {"cbStart", PushButton, "Frame1", "Start", {1560, 4080, 1215, 375}, 3, kWindowDefaultFont},
    {"Text1", TextBox, "Frame1", "", {2880, 3600, 972, 288}, 1, kWindowDefaultFont},
    {"lblStatus", Label, "Frame1", "    ", {1440, 4560, 1695, 255}, 15, kLabelFont, {}, {}, Fit::GrowDown},
    {"Label4",
     Label,
     "Frame1",
     "Chose for BAND field, not for FREQ field.",
     {480, 2520, 3735, 255},
     14,
     kNoteFont,
     {},
     {},
     Fit::GrowDown},
    {"Label1", Label, "Frame1", kInputLabel, {1080, 2880, 2655, 255}, 5, kLabelFont, {}, {}, Fit::GrowDown},
    {"Label2", Label, "Frame1", kOutputLabel, {960, 3120, 2655, 255}, 4, kLabelFont, {}, {}, Fit::GrowDown},
    {"Label3", Label, "Frame1", "Records Processed:", {720, 3600, 2415, 375}, 2, kLabelFont, {}, {}, Fit::GrowDown},
};

constexpr MenuItem kFileItems[] = {
    {"OpenFolder", "&Open Folder...", MenuCommand::OpenFolder, Shortcut::CtrlO},
    {"CorrectBadContacts", "&Correct Bad Contacts\u2026", MenuCommand::CorrectBadContacts, Shortcut::CtrlE},
    {"Exit", "E&xit", MenuCommand::Exit, Shortcut::CtrlQ}};
constexpr MenuItem kHelpItems[] = {{"UserGuide", "&User Guide", MenuCommand::UserGuide, Shortcut::F1},
                                   {"About", "&About", MenuCommand::About}};
// The output, then the log's code page and the call signs, which only ADIF 3 writes.
constexpr MenuItem kOptionsItems[] = {
    {"ClassicOutput", "&Classic output", MenuCommand::ClassicOutput, Shortcut::None, 1},
    {"Adif3Output", "&ADIF 3 for today's logbooks", MenuCommand::Adif3Output, Shortcut::None, 1},
    {"CodePageDos437", "Log text in DOS &437", MenuCommand::CodePageDos437, Shortcut::None, 2, true},
    {"CodePageDos850", "Log text in DOS &850", MenuCommand::CodePageDos850, Shortcut::None, 2},
    {"CodePageWindows1252", "Log text in &Windows-1252", MenuCommand::CodePageWindows1252, Shortcut::None, 2},
    {"CodePageLatin1", "Log text in &ISO-8859-1", MenuCommand::CodePageLatin1, Shortcut::None, 2},
    {"CodePageUtf8", "Log text in &UTF-8", MenuCommand::CodePageUtf8, Shortcut::None, 2},
    {"StationCallsign", "&My Call Sign...", MenuCommand::StationCallsign, Shortcut::None, 0, true},
    {"OperatorCallsign", "&Operator...", MenuCommand::OperatorCallsign},
};
constexpr Menu kMenus[] = {
    {"File", "&File", kFileItems}, {"Options", "&Options", kOptionsItems}, {"Help", "&Help", kHelpItems}};

} // namespace

FormTable converterControls()
{
    return kControls;
}

std::span<const Menu> converterMenus()
{
    return kMenus;
}

std::string_view shortcutText(Shortcut shortcut)
{
    switch (shortcut) {
    case Shortcut::CtrlO:
        return "Ctrl+O";
    case Shortcut::CtrlE:
        return "Ctrl+E";
    case Shortcut::CtrlQ:
        return "Ctrl+Q";
    case Shortcut::F1:
        return "F1";
    case Shortcut::None:
        break;
    }
    return {};
}

engine::DateLayout chosenDateLayout(const OptionTest& selected)
{
    for (const DateOption& option : kDateOptions) {
        if (selected(option.control)) {
            return option.layout;
        }
    }
    return engine::DateLayout::YyMmDd;
}

engine::BandFormat chosenBandFormat(const OptionTest& selected)
{
    for (const BandOption& option : kBandOptions) {
        if (selected(option.control)) {
            return option.format;
        }
    }
    return engine::BandFormat::Meters;
}

bool isDateOption(std::string_view control)
{
    return std::ranges::any_of(kDateOptions, [control](const DateOption& option) { return option.control == control; });
}

FileToolTips fileToolTips(const run::RunInput& input, const std::string& folder, const run::OutputNames& outputs)
{
    std::string inputs;
    for (const std::string& candidate : input.candidates.empty() ? std::vector{input.path} : input.candidates) {
        inputs += (inputs.empty() ? "" : "\n") + candidate;
    }
    return {inputs, run::pathIn(folder, outputs.log) + '\n' + run::pathIn(folder, outputs.bad)};
}

FileLabels fileLabels(const std::string& logFile, const run::OutputNames& outputs)
{
    if (logFile.empty()) {
        return {std::string(kInputLabel), std::string(kOutputLabel)};
    }
    return {" Input File: " + logFile, "Output File: " + outputs.log + " "};
}

} // namespace quillon::forms
