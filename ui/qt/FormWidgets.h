// Qt widgets made from the rows of a form, at their places in pixels.
#pragma once

#include "ui/shared/forms/FormTable.h"

#include <QRect>
#include <QString>

#include <string_view>

class QWidget;

namespace quillon::ui {

// At 96 dots per inch; Qt's high-DPI scaling takes it from there on denser screens.
QRect pixelQRect(const forms::TwipsRect& box);

inline QString qtText(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The control of `row` as a child of `parent`: a group box, option button, push button, line edit or label,
// named, lettered, placed and coloured as the row says.
QWidget* makeControl(const forms::ControlRow& row, QWidget* parent);

// A control whose row grows downwards, grown again for the text it shows now: the status label is made with
// blanks, and "Processing....." reaches lower at the denser scales.
void growToText(QWidget* control, const forms::ControlRow& row);

} // namespace quillon::ui
