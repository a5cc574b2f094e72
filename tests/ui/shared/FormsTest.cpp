// The shared description of both forms: twips to pixels, the tab order, what the options mean, the About box's
// place and texts, and the window's rules.
#include "engine/ProgramInfo.h"
#include "ui/shared/ConverterState.h"
#include "ui/shared/forms/AboutForm.h"
#include "ui/shared/forms/ConverterForm.h"

#include <cctype>
#include <chrono>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

using namespace quillon::forms;

// Edges are rounded, so neighbours meet; at 144 dots per inch every box is half as large again.
TEST(Twips, PixelRectsAtTwoScreenDensities)
{
    EXPECT_EQ(pixelRect({1560, 4080, 1215, 375}), (PixelRect{104, 272, 81, 25}));
    EXPECT_EQ(pixelRect({2880, 3600, 972, 288}), (PixelRect{192, 240, 65, 19}));
    EXPECT_EQ(pixelRect({1560, 4080, 1215, 375}, 144), (PixelRect{156, 408, 122, 38}));
    EXPECT_EQ(pixelRect(kConverterClientArea), (PixelRect{0, 0, 306, 337}));
    EXPECT_EQ(pixelRect(kAboutClientArea, 192), (PixelRect{0, 0, 764, 474}));
}

TEST(Forms, TabOrderFollowsTheTabIndex)
{
    const std::vector<std::string_view> converter{"Text1",       "cbStart",     "dateOption1", "dateOption2",
                                                  "dateOption3", "dateOption4", "bandMETERS",  "bandMHZ"};
    EXPECT_EQ(focusOrder(converterControls()), converter);
    EXPECT_EQ(focusOrder(aboutControls()), (std::vector<std::string_view>{"cmdOK", "cmdSysInfo", "Label2"}));
}

// Every parent is a frame defined before its members, names are unique, and every box lies in its parent.
TEST(Forms, RowsAreConsistent)
{
    for (const FormTable table : {converterControls(), aboutControls()}) {
        std::set<std::string_view> names;
        for (const ControlRow& row : table) {
            EXPECT_TRUE(names.insert(row.name).second) << row.name;
            if (row.parent.empty()) {
                continue;
            }
            const ControlRow* parent = findRow(table.first(static_cast<std::size_t>(&row - table.data())), row.parent);
            ASSERT_NE(parent, nullptr) << row.name;
            EXPECT_EQ(parent->kind, ControlKind::Frame);
            EXPECT_LE(row.box.left + row.box.width, parent->box.width) << row.name;
            EXPECT_LE(row.box.top + row.box.height, parent->box.height) << row.name;
        }
    }
}

// Alt and a letter opens each menu, and a letter chooses each item that has one; no two share a letter.
TEST(Forms, MenusHaveTheirOwnAccessKeys)
{
    const auto accessKey = [](std::string_view text) {
        const auto mark = text.find('&');
        return mark == std::string_view::npos || mark + 1 == text.size()
                   ? '\0'
                   : static_cast<char>(std::tolower(text[mark + 1]));
    };
    std::set<char> menuKeys;
    for (const Menu& menu : converterMenus()) {
        SCOPED_TRACE(menu.name);
        EXPECT_TRUE(menuKeys.insert(accessKey(menu.text)).second);
        std::set<char> itemKeys;
        for (const MenuItem& item : menu.items) {
            EXPECT_TRUE(itemKeys.insert(accessKey(item.text)).second) << item.name;
        }
    }
    EXPECT_EQ(menuKeys, (std::set<char>{'f', 'o', 'h'}));
}

TEST(Forms, OptionsGiveTheirLayoutAndFormat)
{
    using quillon::engine::BandFormat;
    using quillon::engine::DateLayout;
    const auto only = [](std::string_view chosen) {
        return [chosen](std::string_view name) { return name == chosen; };
    };
    EXPECT_EQ(chosenDateLayout(only("")), DateLayout::YyMmDd);
    EXPECT_EQ(chosenDateLayout(only("dateOption2")), DateLayout::MmDdYy);
    EXPECT_EQ(chosenDateLayout(only("dateOption3")), DateLayout::YyDdMm);
    EXPECT_EQ(chosenDateLayout(only("dateOption4")), DateLayout::DdMmYy);
    EXPECT_EQ(chosenBandFormat(only("bandMHZ")), BandFormat::Mhz);
    EXPECT_EQ(chosenBandFormat(only(kDefaultBandOption)), BandFormat::Meters);
    EXPECT_TRUE(isDateOption("dateOption4"));
    EXPECT_FALSE(isDateOption("bandMHZ"));
}

// The tool tips name the log read and the outputs of that log; a named log's own name and output stand in the
// labels, while log.asc keeps the labels as they always were.
TEST(Forms, FileLabelsAndToolTipsNameTheLogAndItsOutputs)
{
    using quillon::run::outputNamesFor;
    using quillon::run::pathIn;
    using quillon::run::RunInput;
    const RunInput log{RunInput::Status::Found, "/logs/LOG.ASC", {}};
    const FileToolTips found = fileToolTips(log, "/logs", outputNamesFor("LOG.ASC"));
    EXPECT_EQ(found.input, "/logs/LOG.ASC");
    EXPECT_EQ(found.output, pathIn("/logs", "log.adi") + "\n" + pathIn("/logs", "bad.adi"));
    const RunInput ambiguous{RunInput::Status::Ambiguous, "/logs/log.asc", {"/logs/LOG.ASC", "/logs/Log.asc"}};
    EXPECT_EQ(fileToolTips(ambiguous, "/logs", outputNamesFor("")).input, "/logs/LOG.ASC\n/logs/Log.asc");
    EXPECT_EQ(fileToolTips(log, "/logs", outputNamesFor("contest98.asc")).output,
              pathIn("/logs", "contest98.adi") + "\n" + pathIn("/logs", "contest98-bad.adi"));

    EXPECT_EQ(fileLabels("", outputNamesFor("")).input, " Input File:     log.asc");
    EXPECT_EQ(fileLabels("", outputNamesFor("")).output, "Output File:     log.adi ");
    EXPECT_EQ(fileLabels("contest98.asc", outputNamesFor("contest98.asc")).input, " Input File: contest98.asc");
    EXPECT_EQ(fileLabels("contest98.asc", outputNamesFor("contest98.asc")).output, "Output File: contest98.adi ");
}

// A box of 5820 by 3975 twips on a screen of 800 by 600 pixels stands at 3090, 2512.5: the half is not rounded.
TEST(AboutForm, CentredByOuterSizeAndVersionInPlainDecimal)
{
    const Position centred = centredPosition(12000, 9000, 5820, 3975);
    EXPECT_DOUBLE_EQ(centred.left, 3090);
    EXPECT_DOUBLE_EQ(centred.top, 2512.5);
    EXPECT_EQ(versionLabelText(1, 0, 12), "Version 1.0.12");
    EXPECT_EQ(aboutCaption(), "About Quillon");
}

TEST(ConverterState, StartWaitsForADateOptionAndOpenFolderForTheRunsEnd)
{
    ConverterState state;
    EXPECT_FALSE(state.startEnabled());
    state.dateOptionChosen();
    EXPECT_TRUE(state.startEnabled());
    EXPECT_FALSE(ConverterState::openFolderEnabled(true));
    EXPECT_TRUE(ConverterState::openFolderEnabled(false));
}

// The first stop always handles events; after that each waits out its interval, the counter's timed at the
// events'. Only a count not yet shown is handed out.
TEST(ConverterState, StopsArePacedAndTheCountShownOnce)
{
    ConverterState hourly({std::chrono::hours(1), std::chrono::hours(1)});
    ConverterState always({{}, std::chrono::hours(1)});
    const auto stops = [](ConverterState& state) {
        const ConverterState::Stop first = state.stop();
        const ConverterState::Stop second = state.stop();
        return std::vector<bool>{first.handleEvents, first.redrawCounter, second.handleEvents, second.redrawCounter};
    };
    EXPECT_EQ(stops(hourly), (std::vector<bool>{true, true, false, false}));
    EXPECT_EQ(stops(always), (std::vector<bool>{true, true, true, false}));

    EXPECT_EQ(always.takePendingCount(), std::nullopt);
    always.setRecordCount(7);
    always.setRecordCount(8);
    EXPECT_EQ(always.takePendingCount(), 8);
    EXPECT_EQ(always.takePendingCount(), std::nullopt);
}

TEST(ConverterState, UntitledMessageGetsTheApplicationTitle)
{
    EXPECT_EQ(titled({"Hello", "", quillon::run::MessageStyle::Plain}).title, quillon::engine::kApplicationTitle);
    EXPECT_EQ(titled({"Hello", "URL Failed", quillon::run::MessageStyle::Exclamation}).title, "URL Failed");
}
