// Converts one contact, or one line that does not hold a contact, into an ADIF 3 record.
#pragma once

#include "engine/AdifOutputSet.h"
#include "engine/AdifVersion.h"
#include "engine/ContactRecord.h"
#include "engine/DateLayout.h"
#include "engine/FormatSurvey.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillon::engine {

class Adif3Converter
{
public:
    // The code page of the log and the station's call signs, for the records converted from now on.
    void setOptions(const Adif3Options& options);

    // Folds every field to printable ASCII, then converts each into its fragment in the fixed order. The
    // conversions count what they read in `survey`.
    void convertFields(ContactRecord& record, DateLayout layout, BandFormat format, AdifOutputSet& out,
                       FormatSurvey& survey);

    // STATION_CALLSIGN and OPERATOR, as the fragments every record ends with; empty when no call sign is set.
    std::string_view stationFragments() const { return m_station; }

    // A line that does not hold 18 fields: one record, marked, that keeps the line's text (its fields joined by
    // commas, in plain ASCII) and says where the line is and how many fields it held. Appended to `out` with
    // "<EOR>", without its line end.
    void appendOddLine(const std::vector<std::string>& fields, std::int64_t line, ByteBuffer& out);

    // How many fields held other than printable ASCII and were folded, since the options were set.
    std::int64_t foldedFields() const { return m_foldedFields; }

private:
    void foldFields(ContactRecord& record);

    Adif3Options m_options;
    std::string m_station;
    std::int64_t m_foldedFields = 0;
};

} // namespace quillon::engine
