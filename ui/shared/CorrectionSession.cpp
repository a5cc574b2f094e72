// The correction window's steps: show a contact, check it again, move on, save into the log and convert again.
#include "ui/shared/CorrectionSession.h"

#include "engine/CodePageText.h"
#include "run/PathText.h"
#include "run/RunInput.h"
#include "run/RunTexts.h"

#include <algorithm>
#include <utility>

namespace quillon::ui {

namespace {

using engine::Field;

constexpr std::string_view kKeysHint = "Page Down: next contact    Page Up: previous    Ctrl+S: save    Esc: close";
constexpr std::string_view kCleanNote = "No problem left: this contact goes to log.adi once saved.";

Field fieldAt(std::size_t i)
{
    return static_cast<Field>(i);
}

run::Message message(std::string text, run::MessageStyle style)
{
    return {std::move(text), std::string(forms::kCorrectionTitle), style};
}

} // namespace

CorrectionSession::CorrectionSession(CorrectionView& view, ConverterSession& converter, run::FileSystem& files)
    : m_view(view)
    , m_converter(converter)
    , m_files(files)
{
}

bool CorrectionSession::open()
{
    if (m_converter.lastRun().outcome == run::RunOutcome::None) {
        m_view.showMessage(message("Convert the log first: choose its date layout and press Start. The contacts that "
                                   "go to bad.adi can then be corrected here.",
                                   run::MessageStyle::Information));
        return false;
    }
    if (!load()) {
        m_view.showMessage(message(m_list.failure, run::MessageStyle::Stop));
        return false;
    }
    if (m_contacts.empty()) {
        m_view.showMessage(message("No contact of " + logName() + " goes to bad.adi with the options chosen now.",
                                   run::MessageStyle::Information));
        return false;
    }
    show();
    return true;
}

// The log is read as the converter would read it now: its folder, its log, its options.
bool CorrectionSession::load()
{
    const run::RunInput input = run::chooseInput(m_files, m_converter.logFolder(), m_converter.logFileName());
    if (input.status != run::RunInput::Status::Found) {
        m_list = {};
        m_list.failure = "There is no log to correct in " + m_converter.logFolder() + ".";
        m_shown.clear();
        m_edits.clear();
        return false;
    }
    m_list = run::findBadContacts(m_files, input.path, checkChoices());
    m_shown.clear();
    for (const run::BadContact& contact : m_contacts) {
        Edit shown{{}, engine::utf8FromLogText(contact.text, m_list.textPage)};
        for (std::size_t i = 0; i < engine::kFieldCount; ++i) {
            shown.values[i] = engine::utf8FromLogText(contact.fields[i], m_list.textPage);
        }
        m_shown.push_back(std::move(shown));
    }
    m_edits = m_shown;
    m_current = 0;
    return m_list.failure.empty();
}

// The converter's options as they are now: a change of layout, band format or output applies at once.
engine::CheckChoices CorrectionSession::checkChoices() const
{
    return {m_converter.dateLayout(), m_converter.bandFormat(), m_converter.adifVersion(),
            m_converter.adif3Options().codePage};
}

std::string CorrectionSession::logName() const
{
    return run::textFromPath(run::pathFromText(m_list.logPath).filename());
}

void CorrectionSession::takeTyped()
{
    if (m_current >= m_contacts.size()) {
        return;
    }
    Edit& edit = m_edits[m_current];
    if (!m_contacts[m_current].wholeContact) {
        edit.line = m_view.controlText(forms::kLineBox);
        return;
    }
    for (std::size_t i = 0; i < engine::kFieldCount; ++i) {
        edit.values[i] = m_view.controlText(forms::fieldBoxName(fieldAt(i)));
    }
}

// While the controls change, a box that loses the focus or is hidden is not the user leaving it.
void CorrectionSession::show()
{
    const bool wasBusy = std::exchange(m_busy, true);
    showContact();
    m_busy = wasBusy;
}

void CorrectionSession::showContact()
{
    const bool any = m_current < m_contacts.size();
    const bool whole = any && m_contacts[m_current].wholeContact;
    for (std::size_t i = 0; i < engine::kFieldCount; ++i) {
        for (const std::string_view control :
             {forms::fieldLabelName(fieldAt(i)), forms::fieldBoxName(fieldAt(i)), forms::fieldReasonName(fieldAt(i))}) {
            m_view.showControl(control, whole);
        }
        m_view.setControlText(forms::fieldBoxName(fieldAt(i)), whole ? m_edits[m_current].values[i] : "");
    }
    m_view.showControl(forms::kLineBox, any && !whole);
    m_view.showControl(forms::kLineReason, any && !whole);
    m_view.setControlText(forms::kLineBox, any && !whole ? m_edits[m_current].line : "");
    std::string heading;
    if (any) {
        heading = "Contact " + std::to_string(m_current + 1) + " of " + std::to_string(m_contacts.size()) + ": line " +
                  std::to_string(m_contacts[m_current].line) + " of " + logName() +
                  (whole ? "" : ", to be mended as one line");
    }
    m_view.setControlText("lblContact", heading);
    m_view.enableControl("cbPrevious", any && m_current > 0);
    m_view.enableControl("cbNext", m_current + 1 < m_contacts.size());
    showChecks(true);
}

// A value typed into a field, in the bytes of the log's code page; a value left as it was shown keeps the bytes
// it was read from. None when a character of it has no byte in that code page.
std::optional<std::string> CorrectionSession::typedInLog(std::size_t index, std::size_t field) const
{
    const std::string& typed = m_edits[index].values[field];
    return typed == m_shown[index].values[field] ? m_contacts[index].fields[field]
                                                 : engine::logTextFromUtf8(typed, m_list.textPage);
}

std::optional<std::string> CorrectionSession::typedLineInLog(std::size_t index) const
{
    const std::string& typed = m_edits[index].line;
    return typed == m_shown[index].line ? m_contacts[index].text : engine::logTextFromUtf8(typed, m_list.textPage);
}

std::string CorrectionSession::notInLogReason(std::string_view typed) const
{
    return engine::notInCodePageReason(engine::firstCharacterNotIn(typed, m_list.textPage), m_list.textPage);
}

// The checks read what would be written into the log; a character the log cannot hold is a problem of its own.
std::vector<engine::FieldProblem> CorrectionSession::problemsOf(std::size_t index) const
{
    const Edit& edit = m_edits[index];
    const run::BadContact& contact = m_contacts[index];
    if (!contact.wholeContact) {
        const auto line = typedLineInLog(index);
        return line ? run::lineProblems(*line, contact.line, checkChoices())
                    : std::vector<engine::FieldProblem>{{Field::Call, notInLogReason(edit.line)}};
    }
    engine::ContactFields values;
    std::map<Field, std::string> unwritable;
    for (std::size_t i = 0; i < engine::kFieldCount; ++i) {
        const auto value = typedInLog(index, i);
        values[i] = value.value_or(edit.values[i]);
        if (!value) {
            unwritable[fieldAt(i)] = notInLogReason(edit.values[i]);
        }
    }
    auto problems = engine::contactProblems(values, checkChoices());
    std::erase_if(problems, [&](const engine::FieldProblem& p) { return unwritable.count(p.field) != 0; });
    for (auto& [field, reason] : unwritable) {
        problems.push_back({field, reason});
    }
    std::sort(problems.begin(), problems.end(), [](const auto& a, const auto& b) { return a.field < b.field; });
    return problems;
}

// Every field is checked again, not only the one left: a county's check reads the state.
void CorrectionSession::showChecks(bool focus)
{
    if (m_current >= m_contacts.size()) {
        m_view.setControlText("lblStatus", m_savedNote.empty() ? "No contact is left to correct." : m_savedNote);
        return;
    }
    const auto problems = problemsOf(m_current);
    std::string_view firstFailed = forms::fieldBoxName(Field::Call);
    if (m_contacts[m_current].wholeContact) {
        std::array<std::string, engine::kFieldCount> reasons;
        for (const auto& problem : problems) {
            reasons[static_cast<std::size_t>(problem.field)] = problem.reason;
        }
        for (std::size_t i = 0; i < engine::kFieldCount; ++i) {
            m_view.setControlText(forms::fieldReasonName(fieldAt(i)), reasons[i]);
            m_view.setFailed(forms::fieldBoxName(fieldAt(i)), !reasons[i].empty());
        }
        firstFailed = problems.empty() ? firstFailed : forms::fieldBoxName(problems.front().field);
    } else {
        std::string reasons;
        for (const auto& problem : problems) {
            reasons += (reasons.empty() ? "" : "\n") + problem.reason;
        }
        m_view.setControlText(forms::kLineReason, reasons);
        m_view.setFailed(forms::kLineBox, !problems.empty());
        firstFailed = forms::kLineBox;
    }
    m_view.setControlText("lblStatus", std::string(problems.empty()      ? kCleanNote
                                                   : m_savedNote.empty() ? kKeysHint
                                                                         : m_savedNote));
    if (focus) {
        m_view.focusAndSelect(firstFailed);
    }
}

void CorrectionSession::fieldLeft(std::string_view)
{
    if (m_busy) {
        return;
    }
    takeTyped();
    showChecks(false);
}

void CorrectionSession::moveTo(std::size_t index)
{
    if (m_busy || index >= m_contacts.size()) {
        return;
    }
    takeTyped();
    m_current = index;
    show();
}

void CorrectionSession::nextContact()
{
    moveTo(m_current + 1);
}

void CorrectionSession::previousContact()
{
    if (m_current > 0) {
        moveTo(m_current - 1);
    }
}

void CorrectionSession::key(forms::CorrectionKey key)
{
    switch (key) {
    case forms::CorrectionKey::PageDown:
        nextContact();
        break;
    case forms::CorrectionKey::PageUp:
        previousContact();
        break;
    case forms::CorrectionKey::CtrlS:
        save();
        break;
    case forms::CorrectionKey::Escape:
        closeRequested();
        break;
    }
}

bool CorrectionSession::isChanged(std::size_t index) const
{
    const Edit& edit = m_edits[index];
    return m_contacts[index].wholeContact ? edit.values != m_shown[index].values : edit.line != m_shown[index].line;
}

bool CorrectionSession::hasUnsavedChanges()
{
    takeTyped();
    for (std::size_t i = 0; i < m_contacts.size(); ++i) {
        if (isChanged(i)) {
            return true;
        }
    }
    return false;
}

// Moves to the contact, says why the log was not changed and puts the cursor where the fault is.
bool CorrectionSession::refuseUnwritable(std::size_t index, std::string_view control, const std::string& what)
{
    moveTo(index);
    m_view.showMessage(message("The log was not changed: " + what, run::MessageStyle::Exclamation));
    m_view.focusAndSelect(control);
    return false;
}

// A value that no text of the log can hold stops the save at that field, with what was typed kept.
bool CorrectionSession::collectLines(std::map<std::int64_t, std::string>& lines)
{
    constexpr std::string_view kNoQuotes = " cannot be written into the log. A value that holds a comma cannot "
                                           "hold a double quote, nor can one start with it, and no value can hold "
                                           "a line end.";
    for (std::size_t i = 0; i < m_contacts.size(); ++i) {
        if (!isChanged(i)) {
            continue;
        }
        const run::BadContact& contact = m_contacts[i];
        const std::string where = " on line " + std::to_string(contact.line);
        if (!contact.wholeContact) {
            const auto line = typedLineInLog(i);
            if (!line) {
                return refuseUnwritable(i, forms::kLineBox,
                                        "the line" + where + ": " + notInLogReason(m_edits[i].line));
            }
            if (line->find_first_of("\r\n") != std::string::npos) {
                return refuseUnwritable(i, forms::kLineBox, "the line" + where + std::string(kNoQuotes));
            }
            lines.emplace(contact.line, *line);
            continue;
        }
        engine::ContactFields values;
        for (std::size_t f = 0; f < engine::kFieldCount; ++f) {
            const auto value = typedInLog(i, f);
            if (!value) {
                return refuseUnwritable(i, forms::fieldBoxName(fieldAt(f)),
                                        std::string(engine::fieldLabel(fieldAt(f))) + where + ": " +
                                            notInLogReason(m_edits[i].values[f]));
            }
            values[f] = *value;
        }
        Field unwritable = Field::Call;
        const auto line = run::mendedLine(contact, values, unwritable);
        if (!line) {
            return refuseUnwritable(i, forms::fieldBoxName(unwritable),
                                    std::string(engine::fieldLabel(unwritable)) + where + std::string(kNoQuotes));
        }
        lines.emplace(contact.line, *line);
    }
    return true;
}

bool CorrectionSession::save()
{
    if (m_busy) {
        return false;
    }
    takeTyped();
    std::map<std::int64_t, std::string> lines;
    if (!collectLines(lines)) {
        return false;
    }
    if (lines.empty()) {
        m_view.setControlText("lblStatus", "Nothing has been corrected yet.");
        return true;
    }
    const run::MendResult result = run::mendLog(m_files, m_list.logPath, m_list.snapshot, lines);
    if (!result.saved) {
        m_view.showMessage({result.failure, "Cannot Save " + logName(), run::MessageStyle::Stop});
        return false;
    }
    m_busy = true; // the run lets the window handle events while it converts
    m_converter.cbStart_Click();
    m_busy = false;
    showSaved();
    return true;
}

// The list is read again from the mended log: what is still bad is shown from its first contact.
void CorrectionSession::showSaved()
{
    const run::RunResult& run = m_converter.lastRun();
    m_savedNote = run.outcome == run::RunOutcome::Completed
                      ? "Saved and converted again: " + run::counted(run.records, "contact") + ", " +
                            std::to_string(run.logRecords) + " to log.adi, " + std::to_string(run.badRecords) +
                            " to bad.adi."
                      : std::string("Saved, but converting again did not finish: see the converter window.");
    if (!load()) {
        m_savedNote += " " + m_list.failure;
    }
    show();
}

void CorrectionSession::closeRequested()
{
    if (m_busy) {
        return;
    }
    if (hasUnsavedChanges()) {
        const auto answer = m_view.askAboutUnsaved(
            message("Save the corrections to " + logName() + " before closing?", run::MessageStyle::Exclamation));
        if (answer == UnsavedAnswer::Cancel || (answer == UnsavedAnswer::Save && !save())) {
            return;
        }
    }
    m_view.closeWindow();
}

} // namespace quillon::ui
