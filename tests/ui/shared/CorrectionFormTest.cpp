// The correction form: one labelled row per field in the log's order, every control inside the window, and the
// Tab key through the 18 boxes before the buttons.
#include "ui/shared/forms/CorrectionForm.h"

#include "engine/FieldReasons.h"

#include <gtest/gtest.h>
#include <set>

namespace quillon::forms {
namespace {

TEST(CorrectionFormTest, HasALabelledRowPerFieldInsideTheWindow)
{
    const FormTable table = correctionControls();
    std::set<std::string_view> names;
    for (const ControlRow& row : table) {
        EXPECT_TRUE(names.insert(row.name).second) << row.name;
        EXPECT_GE(row.box.left, 0);
        EXPECT_LE(row.box.left + row.box.width, kCorrectionClientArea.width) << row.name;
        EXPECT_LE(row.box.top + row.box.height, kCorrectionClientArea.height) << row.name;
    }
    for (std::size_t i = 0; i < engine::kFieldCount; ++i) {
        const auto field = static_cast<engine::Field>(i);
        const ControlRow* label = findRow(table, fieldLabelName(field));
        const ControlRow* box = findRow(table, fieldBoxName(field));
        ASSERT_TRUE(label && box && findRow(table, fieldReasonName(field)));
        EXPECT_EQ(label->text, engine::fieldLabel(field));
        EXPECT_EQ(label->box.top, box->box.top + 30);
        engine::Field found = engine::Field::Time;
        EXPECT_TRUE(fieldOfBox(box->name, found));
        EXPECT_EQ(found, field);
    }
    const auto order = focusOrder(table);
    ASSERT_EQ(order.size(), engine::kFieldCount + 5);
    EXPECT_EQ(order.front(), "txtField1");
    EXPECT_EQ(order[engine::kFieldCount - 1], "txtField18");
    EXPECT_EQ(order[engine::kFieldCount], kLineBox);
    EXPECT_EQ(order.back(), "cbClose");
}

} // namespace
} // namespace quillon::forms
