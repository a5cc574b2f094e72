// What the correction session asks of a toolkit's correction window: the few things only a toolkit can do. Each
// front end implements it over controls named as the correction form names them (txtField1, lblReason1, txtLine).
#pragma once

#include "run/RunHost.h"

#include <string>
#include <string_view>

namespace quillon::ui {

// The answer to "Save the corrections before closing?".
enum class UnsavedAnswer { Save, Discard, Cancel };

class CorrectionView
{
public:
    virtual ~CorrectionView() = default;

    virtual void setControlText(std::string_view control, const std::string& text) = 0;
    // What the user has typed into a text box.
    virtual std::string controlText(std::string_view control) const = 0;
    virtual void showControl(std::string_view control, bool shown) = 0;
    virtual void enableControl(std::string_view control, bool enabled) = 0;
    // Marks a field's box as failed (drawn in the problem colour) or clears the mark.
    virtual void setFailed(std::string_view control, bool failed) = 0;
    // Gives the box the keyboard focus with all its text selected, so typing replaces it.
    virtual void focusAndSelect(std::string_view control) = 0;

    // Modal, one OK button. The message's title is filled in.
    virtual void showMessage(const run::Message& message) = 0;
    // Modal, with Save, Discard and Cancel.
    virtual UnsavedAnswer askAboutUnsaved(const run::Message& question) = 0;
    // Closes the window, without asking.
    virtual void closeWindow() = 0;
};

} // namespace quillon::ui
