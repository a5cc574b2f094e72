// The correction window's controls at their places in twips: one row of label, box and reason per field.
#include "ui/shared/forms/CorrectionForm.h"

#include "engine/FieldReasons.h"

#include <array>
#include <string>
#include <vector>

namespace quillon::forms {

namespace {

using enum ControlKind;

constexpr int kFirstRow = 480;
constexpr int kRowHeight = 315;
constexpr int kBottom = kFirstRow + kRowHeight * static_cast<int>(engine::kFieldCount);
constexpr FontSpec kHeadFont{ControlFace::Arial, 9.75, true};
constexpr FontSpec kLabelFont{ControlFace::MsSansSerif, 8.25, true};

struct RowNames {
    std::array<std::string, engine::kFieldCount> label;
    std::array<std::string, engine::kFieldCount> box;
    std::array<std::string, engine::kFieldCount> reason;
};

const RowNames& rowNames()
{
    static const RowNames names = [] {
        RowNames made;
        for (std::size_t i = 0; i < engine::kFieldCount; ++i) {
            const std::string number = std::to_string(i + 1);
            made.label[i] = "lblField" + number;
            made.box[i] = "txtField" + number;
            made.reason[i] = "lblReason" + number;
        }
        return made;
    }();
    return names;
}

std::vector<ControlRow> makeRows()
{
    const RowNames& names = rowNames();
    std::vector<ControlRow> rows;
    rows.push_back({"lblContact", Label, "", "", {120, 120, 11280, 255}, -1, kHeadFont});
    for (std::size_t i = 0; i < engine::kFieldCount; ++i) {
        const int top = kFirstRow + kRowHeight * static_cast<int>(i);
        const auto field = static_cast<engine::Field>(i);
        rows.push_back(
            {names.label[i], Label, "", engine::fieldLabel(field), {120, top + 30, 1200, 255}, -1, kLabelFont});
        rows.push_back(
            {names.box[i], TextBox, "", "", {1380, top, 2760, 285}, static_cast<int>(i), kWindowDefaultFont});
        rows.push_back({names.reason[i],
                        Label,
                        "",
                        "",
                        {4260, top + 30, 7140, 255},
                        -1,
                        kWindowDefaultFont,
                        TextAlignment::Left,
                        &kProblemColour});
    }
    const int tab = static_cast<int>(engine::kFieldCount);
    rows.push_back({kLineBox, TextBox, "", "", {120, kFirstRow, 11280, 285}, tab, kWindowDefaultFont});
    rows.push_back({kLineReason,
                    Label,
                    "",
                    "",
                    {120, kFirstRow + 360, 11280, 510},
                    -1,
                    kWindowDefaultFont,
                    TextAlignment::Left,
                    &kProblemColour});
    rows.push_back({"lblStatus", Label, "", "", {120, kBottom + 90, 11280, 255}, -1, kLabelFont});
    rows.push_back(
        {"cbPrevious", PushButton, "", "&Previous", {120, kBottom + 450, 1215, 375}, tab + 1, kWindowDefaultFont});
    rows.push_back({"cbNext", PushButton, "", "&Next", {1455, kBottom + 450, 1215, 375}, tab + 2, kWindowDefaultFont});
    rows.push_back({"cbSave", PushButton, "", "&Save", {8820, kBottom + 450, 1215, 375}, tab + 3, kWindowDefaultFont});
    rows.push_back(
        {"cbClose", PushButton, "", "Close", {10185, kBottom + 450, 1215, 375}, tab + 4, kWindowDefaultFont});
    return rows;
}

} // namespace

FormTable correctionControls()
{
    static const std::vector<ControlRow> rows = makeRows();
    return rows;
}

std::string_view fieldLabelName(engine::Field field)
{
    return rowNames().label[static_cast<std::size_t>(field)];
}

std::string_view fieldBoxName(engine::Field field)
{
    return rowNames().box[static_cast<std::size_t>(field)];
}

std::string_view fieldReasonName(engine::Field field)
{
    return rowNames().reason[static_cast<std::size_t>(field)];
}

bool fieldOfBox(std::string_view control, engine::Field& field)
{
    for (std::size_t i = 0; i < engine::kFieldCount; ++i) {
        if (rowNames().box[i] == control) {
            field = static_cast<engine::Field>(i);
            return true;
        }
    }
    return false;
}

} // namespace quillon::forms
