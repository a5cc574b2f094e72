// Looking up the rows of a form, and the faces' names.
#include "ui/forms/FormTable.h"

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

} // namespace quillon::forms
