// The modal message boxes of a run, and the hook that lets tests take their place.
#pragma once

#include "run/RunHost.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace quillon::ui {

// Shows one message over `owner` and returns when it has been dismissed.
using MessagePresenter = std::function<void(QWidget* owner, const run::Message& message)>;

// A modal box with one OK button: style 16 shows the stop icon, 48 the exclamation icon, 0 none.
void showMessageBox(QWidget* owner, const run::Message& message);

// Asks a question with one button for each answer, the first the default; the index of the answer chosen, or
// `escapeAnswer` when the box is closed with Esc.
using AnswerChooser = std::function<std::size_t(QWidget* owner, const run::Message& question,
                                                const std::vector<std::string>& answers, std::size_t escapeAnswer)>;
std::size_t askInMessageBox(QWidget* owner, const run::Message& question, const std::vector<std::string>& answers,
                            std::size_t escapeAnswer);

} // namespace quillon::ui
