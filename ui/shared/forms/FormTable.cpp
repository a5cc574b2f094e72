// Looking up the rows of a form, and the faces' names.
#include "ui/shared/forms/FormTable.h"

#include <algorithm>

namespace quillon::forms {

std::string_view faceName(ControlFace face)
{
    switch (face) {
    case ControlFace::Arial:
        return "Arial";
    case ControlFace::ComicSansMs:
        return "Comic Sans MS";
    case ControlFace::WindowDefault:
    case ControlFace::MsSansSerif:
        break;
    }
    return "MS Sans Serif";
}

const ControlRow* findRow(FormTable table, std::string_view name)
{
    for (const ControlRow& row : table) {
        if (row.name == name) {
            return &row;
        }
    }
    return nullptr;
}

std::vector<std::string_view> focusOrder(FormTable table)
{
    std::vector<const ControlRow*> focusable;
    for (const ControlRow& row : table) {
        if (takesFocus(row.kind) && row.tabIndex >= 0) {
            focusable.push_back(&row);
        }
    }
    std::ranges::sort(focusable, {}, &ControlRow::tabIndex);
    std::vector<std::string_view> names;
    for (const ControlRow* row : focusable) {
        names.push_back(row->name);
    }
    return names;
}

TwipsRect formBox(FormTable table, const ControlRow& row)
{
    TwipsRect box = row.box;
    for (const ControlRow* parent = findRow(table, row.parent); parent != nullptr;
         parent = findRow(table, parent->parent)) {
        box.left += parent->box.left;
        box.top += parent->box.top;
    }
    return box;
}

} // namespace quillon::forms
