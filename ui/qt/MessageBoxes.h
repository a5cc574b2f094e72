// The modal message boxes of a run, and the hook that lets tests take their place.
#pragma once

#include "run/RunHost.h"

#include <functional>

class QWidget;

namespace quillon::ui {

// Shows one message over `owner` and returns when it has been dismissed.
using MessagePresenter = std::function<void(QWidget* owner, const run::Message& message)>;

// A modal box with one OK button: style 16 shows the stop icon, 48 the exclamation icon, 0 none.
void showMessageBox(QWidget* owner, const run::Message& message);

} // namespace quillon::ui
