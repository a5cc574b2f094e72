// The About box's controls at their places in twips, its etched rule, and its loading texts.
#include "ui/shared/forms/AboutForm.h"

#include "engine/ProgramInfo.h"

#include <array>

namespace quillon::forms {

namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kBlue{0, 0, 255};
constexpr FontSpec kTitleFont{ControlFace::ComicSansMs, 9.75, true};
constexpr FontSpec kDisclaimerFont{ControlFace::MsSansSerif, 8.25, true, true};

constexpr LineRow kLines[] = {{{90, 2445}, {5654, 2445}, {128, 128, 128}, 1},
                              {{105, 2460}, {5654, 2460}, {255, 255, 255}, 2}};

const std::string& authorLine()
{
    static const std::string line = "Written by " + std::string(engine::kAuthorName) + ", " +
                                    std::string(engine::kAuthorCall) + " - email " + std::string(engine::kAuthorEmail);
    return line;
}

} // namespace

// Centred labels wrap and grow downwards where the local font needs more room; the web address and the line
// above it are sized to their text. lblVersion's text is set while the box loads.
FormTable aboutControls()
{
    using enum ControlKind;
    using enum TextAlignment;
    static const std::array<ControlRow, 9> rows{{
        {"cmdOK", PushButton, "", "OK", {4245, 2640, 1260, 345}, 0, kWindowDefaultFont},
        {"cmdSysInfo", PushButton, "", "&System Info...", {4260, 3075, 1245, 345}, 1, kWindowDefaultFont},
        {"Label3",
         Label,
         "",
         "For program documentation, see QUILLON.DOC",
         {960, 1560, 3885, 330},
         8,
         kWindowDefaultFont,
         Centre,
         &kBlack,
         Fit::GrowDown},
        {"Label2",
         Link,
         "",
         engine::kWebAddress,
         {240, 3120, 2430, 195},
         7,
         kWindowDefaultFont,
         Left,
         &kBlue,
         Fit::ToText},
        {"Label1",
         Label,
         "",
         authorLine(),
         {960, 2040, 3885, 330},
         6,
         kWindowDefaultFont,
         Centre,
         &kBlack,
         Fit::GrowDown},
        {"lblDescription",
         Label,
         "",
         "For Windows 95/98/NT",
         {960, 1125, 3885, 330},
         2,
         kWindowDefaultFont,
         Centre,
         &kBlack,
         Fit::GrowDown},
        {"lblTitle",
         Label,
         "",
         "Quillon Converter",
         {120, 240, 5565, 480},
         4,
         kTitleFont,
         Centre,
         &kBlack,
         Fit::GrowDown},
        {"lblVersion", Label, "", "", {960, 780, 3885, 225}, 5, kWindowDefaultFont, Centre, nullptr, Fit::GrowDown},
        {"lblDisclaimer",
         Label,
         "",
         "Click URL to Visit NORVA on the internet at:",
         {240, 2760, 3840, 195},
         3,
         kDisclaimerFont,
         Left,
         &kBlack,
         Fit::ToText},
    }};
    return rows;
}

std::span<const LineRow> aboutLines()
{
    return kLines;
}

Position centredPosition(double screenWidth, double screenHeight, double outerWidth, double outerHeight)
{
    return {(screenWidth - outerWidth) / 2, (screenHeight - outerHeight) / 2};
}

std::string aboutCaption()
{
    return "About " + std::string(engine::kApplicationTitle);
}

std::string versionLabelText(int major, int minor, int revision)
{
    return "Version " + std::to_string(major) + '.' + std::to_string(minor) + '.' + std::to_string(revision);
}

} // namespace quillon::forms
