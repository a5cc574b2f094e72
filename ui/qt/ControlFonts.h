// The type faces the window's controls are drawn in, with stand-ins where a face is not installed.
#pragma once

#include "ui/shared/forms/FormTable.h"

#include <QFont>

namespace quillon::ui {

// Teaches Qt the nearest installed faces (Liberation Sans, DejaVu Sans, ...). Safe to call more than once.
void installFontSubstitutes();

// A font of the given face, size in points and style. The size becomes pixels at 96 dots per inch, the same
// scale as the layout, so text keeps its place in its box whatever the screen reports.
QFont controlFont(const forms::FontSpec& wanted);

} // namespace quillon::ui
