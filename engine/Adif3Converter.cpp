// The ADIF 3 record: every field in plain ASCII, checked against the ADIF lists, and the station's call signs.
#include "engine/Adif3Converter.h"

#include "engine/Adif3Fields.h"
#include "engine/AsciiFolding.h"
#include "engine/DateConverter.h"
#include "engine/FieldChecks.h"
#include "engine/TimeConverter.h"

namespace quillon::engine {

void Adif3Converter::setOptions(const Adif3Options& options)
{
    m_options = options;
    m_foldedFields = 0;
    m_station.clear();
    const std::string station = normalisedCallsign(options.stationCallsign);
    const std::string op = normalisedCallsign(options.operatorCallsign);
    if (!station.empty()) {
        m_station += taggedData("STATION_CALLSIGN", station) + " ";
    }
    if (!op.empty()) {
        m_station += taggedData("OPERATOR", op) + " ";
    }
}

// Lengths are counted after folding, on the bytes that are written.
void Adif3Converter::foldFields(ContactRecord& record)
{
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        m_foldedFields += foldInPlace(record.atInputPosition(i), m_options.codePage) ? 1 : 0;
    }
}

// The order is the classic one; FREQ is converted before BAND here, since BAND is checked against it.
void Adif3Converter::convertFields(ContactRecord& r, DateLayout layout, BandFormat format, AdifOutputSet& out,
                                   FormatSurvey& survey)
{
    using F = Field;
    using O = OutputField;
    foldFields(r);
    widenShortDate(r[F::Date], layout);
    convertDate(r[F::Date], layout, out[O::QsoDate], &survey.dateTally());
    widenShortTime(r[F::Time]);
    convertTime(r[F::Time], out[O::TimeOn]);
    convertCall(r[F::Call], out[O::Call]);
    convertAdif3Freq(r[F::Freq], out[O::Freq]);
    convertAdif3Band(r[F::Band], r[F::Freq].view(), format, out[O::Band], &survey.bandTally());
    convertAdif3Mode(r[F::Mode], out[O::Mode]);
    applyPlainRule(r[F::RstSent], "RST_SENT", out[O::RstSent]);
    applyPlainRule(r[F::RstRcvd], "RST_RCVD", out[O::RstRcvd]);
    applyPlainRule(r[F::Name], "NAME", out[O::Name]);
    applyPlainRule(r[F::Comment], "COMMENT", out[O::Comment]);
    applyPlainRule(r[F::Qth], "QTH", out[O::Qth]);
    convertAdif3Dxcc(r[F::Dxcc], out[O::Dxcc]);
    convertAdif3QslSent(r[F::QslSent], out[O::QslSent]);
    convertAdif3QslReceived(r[F::QslRcvd], out[O::QslRcvd]);
    convertState(r[F::State], out[O::State]);
    convertAdif3Iota(r[F::Iota], out[O::Iota]);
    convertCounty(r[F::Cnty], r[F::State], out[O::Cnty]);
    convertAdif3Cqz(r[F::Cqz], out[O::Cqz]);
}

// A field that held a comma was quoted in the log, and is quoted again, so the text can go back into log.asc as
// it is once mended.
void Adif3Converter::appendOddLine(const std::vector<std::string>& fields, std::int64_t line, ByteBuffer& out)
{
    std::string text;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        std::string field = fields[i];
        if (!isPrintableAscii(field)) {
            field = foldedToAscii(field, m_options.codePage);
            ++m_foldedFields;
        }
        const bool quote = field.find(',') != std::string::npos;
        if (i != 0) {
            text += ',';
        }
        text += quote ? "\"" + field + "\"" : field;
    }
    const std::string data = std::string(kBadMarker) + " line " + std::to_string(line) + " holds " +
                             std::to_string(fields.size()) + " fields, not 18: " + text;
    out.append(taggedData("APP_QUILLON_BAD_LINE", data) + " ");
    out.append(std::string_view("<EOR>"));
}

} // namespace quillon::engine
