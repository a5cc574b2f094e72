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

Destination RecordConverter::convert(ContactRecord& record, const FormatSource& formats, ByteBuffer& out)
{
    convertFields(record, formats.dateLayout(), formats.bandFormat());
    const std::size_t start = out.size();
    m_fragments.appendRecordLine(out);
    m_fragments.clear();
    return destinationOf(out.view().substr(start));
}

Destination RecordConverter::convert(ContactRecord& record, const FormatSource& formats)
{
    m_line.clear();
    return convert(record, formats, m_line);
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
