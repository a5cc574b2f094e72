// Reading back the bad contacts: the real reader and converter decide, the log's lines say where each contact is.
#include "run/BadContacts.h"

#include "engine/CodePageText.h"
#include "engine/LineFields.h"
#include "engine/LogLines.h"
#include "engine/LogReader.h"
#include "engine/RecordConverter.h"
#include "engine/TextRules.h"
#include "run/RunMessages.h"

#include <algorithm>
#include <cstring>
#include <map>

namespace quillon::run {

namespace {

class BytesSource : public engine::ByteSource
{
public:
    explicit BytesSource(std::string_view bytes)
        : m_bytes(bytes)
    {
    }
    long read(char* buffer, std::size_t size) override
    {
        const std::size_t count = std::min(size, m_bytes.size());
        std::memcpy(buffer, m_bytes.data(), count);
        m_bytes.remove_prefix(count);
        return static_cast<long>(count);
    }

private:
    std::string_view m_bytes;
};

// The lines that the fields [first, first + count) of the log stand on, by the fields each line holds.
class FieldLines
{
public:
    explicit FieldLines(const std::vector<std::size_t>& counts)
    {
        std::size_t total = 0;
        for (std::size_t i = 0; i < counts.size(); ++i) {
            total += counts[i];
            m_ends.push_back(total);
        }
    }
    // The index of the line that holds field `field`, counted from 0.
    std::size_t lineOf(std::size_t field) const
    {
        return static_cast<std::size_t>(std::upper_bound(m_ends.begin(), m_ends.end(), field) - m_ends.begin());
    }

private:
    std::vector<std::size_t> m_ends; // fields up to and with each line
};

constexpr std::string_view kReadWithOthers = "the fields of this line are read together with those of the lines "
                                             "around it, since a line above holds other than 18 fields";

BadContact contactOf(const engine::LogLines& lines, std::size_t index, std::size_t fieldCount)
{
    BadContact contact;
    contact.line = static_cast<std::int64_t>(index) + 1;
    contact.text = std::string(lines.text(contact.line));
    contact.fieldCount = fieldCount;
    return contact;
}

// The fields a line holds as the reader counts them; line by line, empty fields after the 18th are not counted.
std::size_t fieldCountOf(std::string_view text, engine::AdifVersion output)
{
    const auto raw = engine::rawFieldsOf(text);
    std::size_t count = raw.size();
    if (output == engine::AdifVersion::Adif3) {
        while (count > engine::kFieldCount && engine::trimmedBlanks(engine::fieldValueOf(raw[count - 1])).empty()) {
            --count;
        }
    }
    return count;
}

std::string lineByLineText(std::int64_t line, std::size_t count)
{
    return "line " + std::to_string(line) + " holds " + std::to_string(count) + " fields, not 18";
}

// The values of the 18 fields as the reader took them, before the converter normalises them in place.
engine::ContactFields valuesOf(engine::ContactRecord& record)
{
    engine::ContactFields fields;
    for (std::size_t f = 0; f < engine::kFieldCount; ++f) {
        fields[f] = std::string(record.atInputPosition(f).view());
    }
    return fields;
}

// ADIF 3 reads a contact a line, so each bad record is one line: a contact, or a line of other than 18 fields.
std::vector<BadContact> badLinesOneByOne(std::string_view bytes, const engine::CheckChoices& choices)
{
    const engine::LogLines lines(bytes);
    BytesSource source(bytes);
    engine::LogReader reader(source);
    reader.setLineByLine(true);
    engine::RecordConverter converter;
    converter.setOutput(engine::AdifVersion::Adif3, {choices.codePage, {}, {}});
    const engine::FixedFormats formats(choices.layout, choices.format);
    engine::ContactRecord record;
    std::vector<BadContact> found;
    while (!reader.atEnd()) {
        const engine::ReadResult read = reader.readRecord(record);
        if (read != engine::ReadResult::Complete && read != engine::ReadResult::OddLine) {
            break;
        }
        const auto index = static_cast<std::size_t>(reader.recordLine() - 1);
        BadContact contact = contactOf(lines, index, engine::kFieldCount);
        if (read == engine::ReadResult::OddLine) {
            contact.wholeContact = false;
            contact.fieldCount = reader.oddLineFields().size();
            contact.problems = lineProblems(contact.text, contact.line, choices);
            found.push_back(std::move(contact));
            continue;
        }
        contact.fields = valuesOf(record);
        if (converter.convert(record, formats) == engine::Destination::BadFile) {
            contact.problems = engine::contactProblems(contact.fields, choices);
            found.push_back(std::move(contact));
        }
    }
    return found;
}

// The classic output reads the log as one stream of fields, so a line of other than 18 fields shifts the contacts
// after it: such a line, and each line of a bad contact read across lines, is to be mended as one text.
std::vector<BadContact> badContactsOfStream(std::string_view bytes, const engine::CheckChoices& choices)
{
    const engine::LogLines lines(bytes);
    std::vector<std::size_t> counts;
    for (std::int64_t line = 1; line <= lines.count(); ++line) {
        counts.push_back(engine::rawFieldsOf(lines.text(line)).size());
    }
    const FieldLines fieldLines(counts);
    std::map<std::size_t, BadContact> found; // by line index
    for (std::size_t i = 0; i < counts.size(); ++i) {
        if (counts[i] != 0 && counts[i] != engine::kFieldCount) {
            BadContact contact = contactOf(lines, i, counts[i]);
            contact.wholeContact = false;
            contact.problems = lineProblems(contact.text, contact.line, choices);
            found.emplace(i, std::move(contact));
        }
    }
    BytesSource source(bytes);
    engine::LogReader reader(source);
    engine::ContactRecord record;
    engine::RecordConverter converter;
    const engine::FixedFormats formats(choices.layout, choices.format);
    for (std::size_t first = 0; !reader.atEnd(); first += engine::kFieldCount) {
        if (reader.readRecord(record) != engine::ReadResult::Complete) {
            break;
        }
        const engine::ContactFields fields = valuesOf(record);
        if (converter.convert(record, formats) != engine::Destination::BadFile) {
            continue;
        }
        const std::size_t from = fieldLines.lineOf(first);
        const std::size_t to = fieldLines.lineOf(first + engine::kFieldCount - 1);
        const bool whole = from == to && counts[from] == engine::kFieldCount;
        for (std::size_t i = from; i <= to && i < counts.size(); ++i) {
            if (found.count(i) != 0) {
                continue;
            }
            BadContact contact = contactOf(lines, i, counts[i]);
            contact.wholeContact = whole;
            if (whole) {
                contact.fields = fields;
                contact.problems = engine::contactProblems(fields, choices);
            } else {
                contact.problems = {{engine::Field::Call, std::string(kReadWithOthers)}};
            }
            found.emplace(i, std::move(contact));
        }
    }
    std::vector<BadContact> contacts;
    for (auto& [index, contact] : found) {
        contacts.push_back(std::move(contact));
    }
    return contacts;
}

} // namespace

engine::ContactFields contactFieldsOf(std::string_view text)
{
    engine::ContactFields fields;
    const auto raw = engine::rawFieldsOf(text);
    for (std::size_t i = 0; i < engine::kFieldCount && i < raw.size(); ++i) {
        fields[i] = std::string(engine::fieldValueOf(raw[i]));
    }
    return fields;
}

std::optional<std::string> mendedLine(const BadContact& contact, const engine::ContactFields& values,
                                      engine::Field& unwritable)
{
    const auto raw = engine::rawFieldsOf(contact.text);
    std::string line;
    for (std::size_t i = 0; i < engine::kFieldCount; ++i) {
        line += i == 0 ? "" : ",";
        if (values[i] == contact.fields[i] && i < raw.size()) {
            line += raw[i];
        } else if (const auto written = engine::rawFieldFor(values[i])) {
            line += *written;
        } else {
            unwritable = static_cast<engine::Field>(i);
            return std::nullopt;
        }
    }
    for (std::size_t i = engine::kFieldCount; i < raw.size(); ++i) {
        line.append(",").append(raw[i]);
    }
    return line;
}

std::vector<engine::FieldProblem> lineProblems(std::string_view text, std::int64_t line,
                                               const engine::CheckChoices& choices)
{
    const std::size_t count = fieldCountOf(text, choices.output);
    if (count != engine::kFieldCount) {
        return {{engine::Field::Call, choices.output == engine::AdifVersion::Adif3 ? lineByLineText(line, count)
                                                                                   : oddLineText({line, count})}};
    }
    auto problems = engine::contactProblems(contactFieldsOf(text), choices);
    for (auto& problem : problems) {
        problem.reason = std::string(engine::fieldLabel(problem.field)) + ": " + problem.reason;
    }
    return problems;
}

BadContactList findBadContacts(FileSystem& files, const std::string& logPath, const engine::CheckChoices& choices)
{
    BadContactList list;
    list.logPath = logPath;
    const auto bytes = readWholeFile(files, logPath, list.failure);
    if (!bytes) {
        list.failure = "The file: " + logPath + " could not be read." +
                       (list.failure.empty() ? std::string() : "\n" + list.failure);
        return list;
    }
    list.snapshot = snapshotOf(*bytes);
    list.textPage = engine::logTextPage(*bytes, choices.codePage);
    list.contacts = choices.output == engine::AdifVersion::Adif3 ? badLinesOneByOne(*bytes, choices)
                                                                 : badContactsOfStream(*bytes, choices);
    return list;
}

} // namespace quillon::run
