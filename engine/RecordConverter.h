// Turns one contact into its ADIF record line and says which file the line belongs in.
#pragma once

#include "engine/AdifOutputSet.h"
#include "engine/ContactRecord.h"
#include "engine/DateLayout.h"
#include "engine/FormatSurvey.h"

#include <string>
#include <string_view>

namespace quillon::engine {

enum class Destination { LogFile, BadFile };

// A line that holds the *BAD* marker anywhere (exact, case-sensitive) goes to bad.adi, every other to log.adi.
Destination destinationOf(std::string_view line);

class RecordConverter
{
public:
    // Converts every field of `record` (normalised values are written back into it), asking `formats` for the
    // current date layout and band format, and appends the record line, without its line end, to `out`: the
    // output buffer itself, so the line is not copied once more.
    Destination convert(ContactRecord& record, const FormatSource& formats, ByteBuffer& out);

    // The same, with the line kept here; line() then holds it.
    Destination convert(ContactRecord& record, const FormatSource& formats);
    std::string_view line() const { return m_line.view(); }

    // How the dates and bands converted since the last clearSurvey() read under every layout and format, and
    // where. The line is that of the record converted next.
    const FormatSurvey& survey() const { return m_survey; }
    void clearSurvey() { m_survey = {}; }
    void setSurveyLine(std::int64_t line) { m_survey.setLine(line); }

private:
    void convertFields(ContactRecord& record, DateLayout layout, BandFormat format);

    AdifOutputSet m_fragments;
    ByteBuffer m_line;
    FormatSurvey m_survey;
};

} // namespace quillon::engine
