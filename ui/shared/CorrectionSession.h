// The correction window's logic, once for every front end: the bad contacts of the log, one at a time, checked
// again as they are corrected, and saved into the log, after which the folder is converted again.
#pragma once

#include "run/BadContacts.h"
#include "run/FileSystem.h"
#include "ui/shared/ConverterSession.h"
#include "ui/shared/CorrectionView.h"
#include "ui/shared/forms/CorrectionForm.h"

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace quillon::ui {

// A front end builds its controls from the correction form, implements the view and forwards its events here:
// a box left (or changed) to fieldLeft, Page Down and Page Up to nextContact and previousContact, Ctrl+S to save,
// Esc and the close button to closeRequested.
class CorrectionSession
{
public:
    // Reads the dates and bands with the converter's current options, converts again through it after a save,
    // and mends the log through `files`.
    CorrectionSession(CorrectionView& view, ConverterSession& converter, run::FileSystem& files);

    // Reads the bad contacts of the converter's log and shows the first. False, with a message shown, when there
    // is nothing to correct: the window is then not to be shown.
    bool open();

    // Checks the contact shown again with the current options, as the user left `control` or changed it.
    void fieldLeft(std::string_view control);
    void nextContact();
    void previousContact();
    void key(forms::CorrectionKey key);
    // Writes every corrected line into the log, then converts the folder again and shows the new result. A
    // failure keeps everything typed and says why. True when the log was saved.
    bool save();
    // Asks first when something is unsaved; closes unless the user cancels or a save fails.
    void closeRequested();

    bool hasUnsavedChanges();
    std::size_t contactCount() const { return m_contacts.size(); }
    std::size_t currentIndex() const { return m_current; }

private:
    struct Edit {
        engine::ContactFields values; // what the user typed, a whole contact's fields
        std::string line;             // what the user typed, a line mended as one text
    };

    bool load();
    void takeTyped();
    void show();
    void showContact();
    void showChecks(bool focus);
    std::vector<engine::FieldProblem> problemsOf(std::size_t index) const;
    std::optional<std::string> typedInLog(std::size_t index, std::size_t field) const;
    std::optional<std::string> typedLineInLog(std::size_t index) const;
    std::string notInLogReason(std::string_view typed) const;
    bool refuseUnwritable(std::size_t index, std::string_view control, const std::string& what);
    bool isChanged(std::size_t index) const;
    bool collectLines(std::map<std::int64_t, std::string>& lines);
    void showSaved();
    void moveTo(std::size_t index);
    engine::CheckChoices checkChoices() const;
    std::string logName() const;

    CorrectionView& m_view;
    ConverterSession& m_converter;
    run::FileSystem& m_files;
    run::BadContactList m_list;
    std::vector<run::BadContact>& m_contacts = m_list.contacts;
    std::vector<Edit> m_shown; // the log's text as shown, in UTF-8
    std::vector<Edit> m_edits;
    std::size_t m_current = 0;
    std::string m_savedNote; // the result of the last save
    bool m_busy = false;     // converting again after a save, or changing the controls: the handlers wait
};

} // namespace quillon::ui
