// The field conversions that differ under ADIF 3: band and frequency by the ADIF band list, modes by the ADIF mode
// list, the value lists that strict readers check, and the short date and time shapes that can mean only one thing.
#pragma once

#include "engine/AdifBands.h"
#include "engine/AdifFragment.h"
#include "engine/BandConverter.h"
#include "engine/ContactRecord.h"
#include "engine/DateLayout.h"

#include <string_view>

namespace quillon::engine {

// The ADIF band of a trimmed BAND value: a wavelength ("60", "60M", "23CM", "1.25", and the classic names such as
// "75" and "70") or a frequency in MHz, placed by the band edges. None when it names no band.
const AdifBand* adif3BandOf(std::string_view band, BandFormat format);

// BAND by the ADIF band list. When FREQ is a frequency outside the band found, BAND is marked: a logbook refuses
// such a contact. A band that is not blank is counted in `tally`, when one is given.
void convertAdif3Band(FieldText& band, std::string_view freq, BandFormat format, AdifFragment& fragment,
                      BandTally* tally = nullptr);

// FREQ must be a number as ADIF writes one (digits and one decimal point).
void convertAdif3Freq(FieldText& freq, AdifFragment& fragment);

// MODE in ADIF's spelling; a submode is written as its mode and a SUBMODE (FT4 as MFSK and FT4).
void convertAdif3Mode(FieldText& mode, AdifFragment& fragment);

// DXCC must be a listed entity code; it is written without leading zeros.
void convertAdif3Dxcc(FieldText& dxcc, AdifFragment& fragment);

// QSL_SENT and QSL_RCVD must be one of their listed statuses.
void convertAdif3QslSent(FieldText& qsl, AdifFragment& fragment);
void convertAdif3QslReceived(FieldText& qsl, AdifFragment& fragment);

// IOTA: a continent, a dash and three digits other than 000 (OC123 gets its dash, oc-123 its capitals).
void convertAdif3Iota(FieldText& iota, AdifFragment& fragment);

// CQZ: a zone from 1 to 40.
void convertAdif3Cqz(FieldText& cqz, AdifFragment& fragment);

// A time whose hour has one digit, H:MM or H:MM:SS, gets its leading zero, so the usual time rule reads it.
void widenShortTime(FieldText& time);

// A date whose day or month has one digit (7/12/95, 1-2-03) gets its leading zeros, when it splits at one
// separator into three pieces of one or two digits and its year, by the layout, has two.
void widenShortDate(FieldText& date, DateLayout layout);

} // namespace quillon::engine
