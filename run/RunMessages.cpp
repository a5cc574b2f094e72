// Texts and titles of the run's failure messages; all carry the stop icon.
#include "run/RunMessages.h"

namespace quillon::run {

namespace {

// "line 4 holds 19 fields; ..." as a sentence of its own.
std::string sentence(std::string text)
{
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') {
        text[0] = static_cast<char>(text[0] - 'a' + 'A');
    }
    return text + ".";
}

} // namespace

Message missingInputMessage(const std::string& inputPath, const std::string& shown)
{
    return {"The file: " + inputPath + " doesn't exist.", "Missing " + shown, MessageStyle::Stop};
}

Message ambiguousInputMessage(const std::vector<std::string>& inputPaths)
{
    return {"The files: " + listedNames(inputPaths) + " all stand for LOG.ASC. Rename or remove all but one.",
            "Ambiguous LOG.ASC", MessageStyle::Stop};
}

Message badInputMessage(std::int64_t recordLine, const std::vector<engine::LogReader::OddLine>& oddLines,
                        const OutputNames& names)
{
    std::string text = "   The program detected an invalid number of fields in the input file.\n"
                       "Each record MUST have 18 fields and MUST be in the proper format.\n"
                       "Check the file " +
                       names.logShown +
                       " for the end of normal ADIF records to help you\n"
                       "                locate where the problem is in the input file.\n"
                       "The incomplete contact begins on line " +
                       std::to_string(recordLine) + ".";
    if (!oddLines.empty()) {
        text.append("\n").append(sentence(oddLineText(oddLines.front())));
    }
    return {text, "Bad " + names.input + " File", MessageStyle::Stop};
}

std::string oddLineText(const engine::LogReader::OddLine& line)
{
    return "line " + std::to_string(line.line) + " holds " + counted(static_cast<std::int64_t>(line.fields), "field") +
           "; the contacts after it are shifted";
}

Message unreadableInputMessage(const std::string& inputPath, const std::string& reason, const std::string& shown)
{
    return {"The file: " + inputPath + " could not be read.", "Cannot read " + shown, MessageStyle::Stop, reason};
}

Message cannotWriteMessage(const std::string& shown, const std::string& path, const std::string& reason)
{
    return {"The file: " + path + " could not be written.", "Cannot write " + shown, MessageStyle::Stop, reason};
}

Message readOnlyOutputMessage(const std::string& shown, const std::string& path)
{
    return {"The file: " + path +
                " is read-only, so it is not replaced, and nothing was converted. Make it writable, "
                "or move it away, and convert again.",
            "Read-only " + shown, MessageStyle::Stop};
}

Message emptyLogNote(const OutputNames& names, bool cutShort)
{
    return {names.input + (cutShort ? " holds no complete contact, so " : " holds no contacts, so ") + names.logShown +
                " and " + names.badShown + " hold none.",
            "No contacts", MessageStyle::Information};
}

Message keptOutputNote(const KeptOutput& kept, const std::string& newName)
{
    const std::string why = kept.edited ? " was changed after Quillon wrote it"
                                        : " may hold your own work (Quillon has no record of writing it)";
    return {kept.name + why + ", so it is kept as " + kept.keptName + " beside the new " + newName + ".",
            "Your file is kept", MessageStyle::Information};
}

std::string moreOddLinesText(const RunResult& result)
{
    const auto more = result.oddLineCount - static_cast<std::int64_t>(result.oddLines.size());
    if (more <= 0) {
        return {};
    }
    return "and " + counted(more, "more line") + (more == 1 ? " that does" : " that do") + " not hold 18 fields";
}

// One note shows as it is; several go under one title, each led by its own. After a log that ended inside a
// contact, the message that said so has named the lines already.
std::vector<Message> runNotes(const RunResult& result)
{
    std::vector<Message> notes = result.notes;
    if (!result.oddLines.empty() && result.outcome == RunOutcome::Completed) {
        std::string text;
        for (const auto& line : result.oddLines) {
            text.append(text.empty() ? "" : "\n").append(sentence(oddLineText(line)));
        }
        if (const std::string more = moreOddLinesText(result); !more.empty()) {
            text.append("\n").append(sentence(more));
        }
        notes.push_back({text, "Check the field counts", MessageStyle::Information});
    }
    return notes;
}

std::string notesUnderTitles(const std::vector<Message>& notes)
{
    std::string text;
    for (const Message& note : notes) {
        text.append(text.empty() ? "" : "\n\n").append(note.title).append(":\n").append(note.text);
    }
    return text;
}

std::optional<Message> runNotesMessage(const RunResult& result)
{
    const std::vector<Message> notes = runNotes(result);
    if (notes.size() <= 1) {
        return notes.empty() ? std::nullopt : std::optional<Message>(notes.front());
    }
    return Message{notesUnderTitles(notes), "Check the conversion", MessageStyle::Information};
}

} // namespace quillon::run
