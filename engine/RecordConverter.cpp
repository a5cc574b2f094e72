// Converts the fields in their fixed order, joins the fragments and routes the line.
#include "engine/RecordConverter.h"

#include "engine/BandConverter.h"
#include "engine/DateConverter.h"
#include "engine/FieldChecks.h"
#include "engine/TimeConverter.h"

namespace quillon::engine {

Destination destinationOf(std::string_view line)
{
    return line.find(kBadMarker) == std::string_view::npos ? Destination::LogFile : Destination::BadFile;
}

void RecordConverter::setOutput(AdifVersion version, const Adif3Options& options)
{
    m_version = version;
    m_adif3.setOptions(options);
}

Destination RecordConverter::convert(ContactRecord& record, const FormatSource& formats, ByteBuffer& out)
{
    const std::size_t start = out.size();
    if (m_version == AdifVersion::Classic) [[likely]] {
        convertFields(record, formats.dateLayout(), formats.bandFormat());
        m_fragments.appendRecordLine(out);
    } else {
        m_adif3.convertFields(record, formats.dateLayout(), formats.bandFormat(), m_fragments, m_survey);
        m_fragments.appendRecordLine(out, m_adif3.stationFragments());
    }
    m_fragments.clear();
    return destinationOf(out.view().substr(start));
}

Destination RecordConverter::convert(ContactRecord& record, const FormatSource& formats)
{
    m_line.clear();
    return convert(record, formats, m_line);
}

Destination RecordConverter::convertOddLine(const std::vector<std::string>& fields, std::int64_t line, ByteBuffer& out)
{
    m_adif3.appendOddLine(fields, line, out);
    return Destination::BadFile;
}

// The order matters in one place only: CNTY reads STATE as the STATE conversion left it.
void RecordConverter::convertFields(ContactRecord& r, DateLayout layout, BandFormat format)
{
    auto& out = m_fragments;
    using F = Field;
    using O = OutputField;
    convertDate(r[F::Date], layout, out[O::QsoDate], &m_survey.dateTally());
    convertTime(r[F::Time], out[O::TimeOn]);
    convertCall(r[F::Call], out[O::Call]);
    convertBand(r[F::Band], format, out[O::Band], &m_survey.bandTally());
    applyPlainRule(r[F::Freq], "FREQ", out[O::Freq]);
    convertMode(r[F::Mode], out[O::Mode]);
    applyPlainRule(r[F::RstSent], "RST_SENT", out[O::RstSent]);
    applyPlainRule(r[F::RstRcvd], "RST_RCVD", out[O::RstRcvd]);
    applyPlainRule(r[F::Name], "NAME", out[O::Name]);
    applyPlainRule(r[F::Comment], "COMMENT", out[O::Comment]);
    applyPlainRule(r[F::Qth], "QTH", out[O::Qth]);
    convertDxcc(r[F::Dxcc], out[O::Dxcc]);
    convertQsl(r[F::QslSent], "QSL_SENT", out[O::QslSent]);
    convertQsl(r[F::QslRcvd], "QSL_RCVD", out[O::QslRcvd]);
    convertState(r[F::State], out[O::State]);
    convertIota(r[F::Iota], out[O::Iota]);
    convertCounty(r[F::Cnty], r[F::State], out[O::Cnty]);
    applyPlainRule(r[F::Cqz], "CQZ", out[O::Cqz]);
}

} // namespace quillon::engine
