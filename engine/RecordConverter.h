// Turns one contact into its ADIF record line and says which file the line belongs in.
#pragma once

#include "engine/Adif3Converter.h"
#include "engine/AdifOutputSet.h"
#include "engine/ContactRecord.h"
#include "engine/DateLayout.h"
#include "engine/FormatSurvey.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillon::engine {

enum class Destination { LogFile, BadFile };

// A line that holds the *BAD* marker anywhere (exact, case-sensitive) goes to bad.adi, every other to log.adi.
Destination destinationOf(std::string_view line);

class RecordConverter
{
public:
    // The output of the records converted from now on: classic (the default) or ADIF 3 with its options. A run sets
    // it once, before its first record.
    void setOutput(AdifVersion version, const Adif3Options& options = {});
    AdifVersion output() const { return m_version; }

    // Converts every field of `record` (normalised values are written back into it), asking `formats` for the
    // current date layout and band format, and appends the record line, without its line end, to `out`: the
    // output buffer itself, so the line is not copied once more.
    Destination convert(ContactRecord& record, const FormatSource& formats, ByteBuffer& out);

    // The same, with the line kept here; line() then holds it.
    Destination convert(ContactRecord& record, const FormatSource& formats);
    std::string_view line() const { return m_line.view(); }

    // Under ADIF 3, a line of the log that does not hold 18 fields: one marked record that keeps its text, which
    // always goes to bad.adi.
    Destination convertOddLine(const std::vector<std::string>& fields, std::int64_t line, ByteBuffer& out);

    // How many fields were folded to plain ASCII since the output was set; always 0 in the classic output.
    std::int64_t foldedFields() const { return m_adif3.foldedFields(); }

    // How the dates and bands converted since the last clearSurvey() read under every layout and format, and
    // where. The line is that of the record converted next.
    const FormatSurvey& survey() const { return m_survey; }
    void clearSurvey() { m_survey = {}; }
    void setSurveyLine(std::int64_t line) { m_survey.setLine(line); }

private:
    void convertFields(ContactRecord& record, DateLayout layout, BandFormat format);

    AdifVersion m_version = AdifVersion::Classic;
    Adif3Converter m_adif3;
    AdifOutputSet m_fragments;
    ByteBuffer m_line;
    FormatSurvey m_survey;
};

} // namespace quillon::engine
