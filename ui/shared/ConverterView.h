// What the converter session asks of a toolkit's window: the few things only a toolkit can do. Each front end
// implements it over its own controls, which it names as the converter form does (cbStart, Text1, lblStatus).
#pragma once

#include "run/RunHost.h"
#include "ui/shared/forms/ConverterForm.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillon::ui {

class ConverterView
{
public:
    virtual ~ConverterView() = default;

    virtual void setCaption(const std::string& text) = 0;
    virtual void setControlText(std::string_view control, const std::string& text) = 0;
    // One full path to a line.
    virtual void setToolTip(std::string_view control, const std::string& text) = 0;
    virtual void enableControl(std::string_view control, bool enabled) = 0;
    virtual void enableMenuItem(forms::MenuCommand command, bool enabled) = 0;
    // Shows or clears the check beside a menu item of a group.
    virtual void checkMenuItem(forms::MenuCommand command, bool checked) = 0;

    virtual bool isOptionSelected(std::string_view control) const = 0;
    // Selects the option button, which clears the others of its group.
    virtual void selectOption(std::string_view control) = 0;

    // The folder the user picks in the toolkit's folder dialog, starting at `start`; empty when cancelled.
    virtual std::string askForFolder(const std::string& start) = 0;
    // A line of text the user types, starting from `initial`, in a modal box titled `title` over `prompt`; nothing
    // when cancelled.
    virtual std::optional<std::string> askText(const std::string& title, const std::string& prompt,
                                               const std::string& initial) = 0;
    // A modal question with one button for each answer, the first the default; the index of the answer chosen, or
    // `escapeAnswer` when the box is closed with Esc or its close box. The message's title is filled in.
    virtual std::size_t askChoice(const run::Message& question, const std::vector<std::string>& answers,
                                  std::size_t escapeAnswer) = 0;
    // Modal, one OK button; returns when dismissed. The message's title is filled in.
    virtual void showMessage(const run::Message& message) = 0;
    // Repaints and lets the user act, from inside a run.
    virtual void processEvents() = 0;
    // Closes the About box, when it is up.
    virtual void closeAboutBox() = 0;
    // Opens the window that corrects the bad contacts of the last run, as File > Correct Bad Contacts does.
    virtual void openCorrectionWindow() = 0;
};

} // namespace quillon::ui
