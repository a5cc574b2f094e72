// ADIF 3 conversions of BAND, FREQ, MODE, DXCC, the QSL statuses, IOTA and CQZ, and the short dates and times.
#include "engine/Adif3Fields.h"

#include "engine/AdifEnumerations.h"
#include "engine/AdifModes.h"
#include "engine/AsciiDigits.h"
#include "engine/DatePieces.h"
#include "engine/TextRules.h"

#include <array>
#include <string>

namespace quillon::engine {

namespace {

constexpr std::string_view kMissingMode = "<MODE:5>*BAD* (Missing) ";

bool isWavelengthNumber(std::string_view text)
{
    return frequencyOf(text).has_value(); // digits with at most one point, as "60" or "1.25"
}

// Wavelengths in any letter case: the classic names first (75 is 80 m, 70 is 70 cm), then the ADIF names, with or
// without the "M".
const AdifBand* wavelengthBand(std::string_view band)
{
    if (const std::string_view classic = bandNameOf(band, BandFormat::Meters); !classic.empty()) {
        return adifBandNamed(classic);
    }
    if (const AdifBand* named = adifBandNamed(band)) {
        return named;
    }
    // "60" is read as "60M"; every band name is shorter than kLongestName.
    constexpr std::size_t kLongestName = 8;
    if (band.size() >= kLongestName || !isWavelengthNumber(band)) {
        return nullptr;
    }
    char name[kLongestName];
    band.copy(name, band.size());
    name[band.size()] = 'M';
    return adifBandNamed(std::string_view(name, band.size() + 1));
}

// Frequencies by the band edges; a whole number of MHz that lies in no band is read as the classic table reads it
// (3 for 80 m, 10 for 30 m).
const AdifBand* frequencyBand(std::string_view band)
{
    if (const auto mhz = frequencyOf(band)) {
        if (const AdifBand* found = adifBandHolding(*mhz)) {
            return found;
        }
    }
    if (band.find('.') != std::string_view::npos) {
        return nullptr;
    }
    const std::string_view classic = bandNameOf(band, BandFormat::Mhz);
    return classic.empty() ? nullptr : adifBandNamed(classic);
}

// A problem in a field that strict readers check: "*BAD* " and the value, its length counted in full.
void makeProblemFragment(AdifFragment& fragment, const AdifTag& tag, std::string_view value)
{
    const std::string data = std::string(kBadMarker) + " " + std::string(value);
    makeFragment(fragment, tag, std::string_view(data));
}

std::string_view withoutLeadingZeros(std::string_view digits)
{
    while (digits.size() > 1 && digits.front() == '0') {
        digits.remove_prefix(1);
    }
    return digits;
}

void convertListed(FieldText& field, const AdifTag& tag, bool (*listed)(std::string_view), AdifFragment& fragment)
{
    upperCaseInPlace(field);
    trimInPlace(field);
    if (field.empty()) {
        fragment.clear();
    } else if (!listed(field.view())) {
        makeMarkedFragment(fragment, tag, field);
    } else {
        makeFragment(fragment, tag, field);
    }
}

// One or two digits from `at`; the number of digits taken, 0 when there is none or a third follows.
std::size_t shortDigitRun(std::string_view text, std::size_t at)
{
    std::size_t count = 0;
    while (at + count < text.size() && isAsciiDigit(text[at + count])) {
        ++count;
    }
    return count <= 2 ? count : 0;
}

} // namespace

const AdifBand* adif3BandOf(std::string_view band, BandFormat format)
{
    return format == BandFormat::Mhz ? frequencyBand(band) : wavelengthBand(band);
}

void convertAdif3Band(FieldText& band, std::string_view freq, BandFormat format, AdifFragment& fragment,
                      BandTally* tally)
{
    trimInPlace(band);
    if (band.empty()) {
        fragment.clear();
        return;
    }
    if (format == BandFormat::Meters) {
        upperCaseInPlace(band);
    }
    const AdifBand* found = adif3BandOf(band.view(), format);
    if (tally != nullptr) {
        tally->add(format, found != nullptr, adif3BandOf(band.view(), otherFormat(format)) != nullptr);
    }
    if (found == nullptr) {
        makeProblemFragment(fragment, "BAND", band);
        return;
    }
    const auto mhz = frequencyOf(trimmedBlanks(freq));
    if (mhz && !found->holds(*mhz)) {
        makeProblemFragment(fragment, "BAND", std::string(found->name) + " (FREQ outside the band)");
        return;
    }
    makeFragment(fragment, "BAND", found->name);
}

void convertAdif3Freq(FieldText& freq, AdifFragment& fragment)
{
    trimInPlace(freq);
    if (freq.empty()) {
        fragment.clear();
    } else if (!frequencyOf(freq.view())) {
        makeMarkedFragment(fragment, "FREQ", freq);
    } else {
        makeFragment(fragment, "FREQ", freq);
    }
}

void convertAdif3Mode(FieldText& mode, AdifFragment& fragment)
{
    if (isBlank(mode)) {
        fragment.assign(kMissingMode);
        return;
    }
    trimInPlace(mode);
    const auto adif = adifModeOf(mode.view());
    if (!adif) {
        makeMarkedFragment(fragment, "MODE", mode);
        return;
    }
    makeFragment(fragment, "MODE", adif->mode);
    if (!adif->submode.empty()) {
        appendFragment(fragment, "SUBMODE", adif->submode);
    }
}

void convertAdif3Dxcc(FieldText& dxcc, AdifFragment& fragment)
{
    trimInPlace(dxcc);
    if (dxcc.empty()) {
        fragment.clear();
        return;
    }
    const std::string_view code = withoutLeadingZeros(dxcc.view());
    if (!isAllAsciiDigits(code) || code.size() > 3 || !isDxccEntityCode(asciiDigitsValue(code))) {
        makeMarkedFragment(fragment, "DXCC", dxcc);
        return;
    }
    makeFragment(fragment, "DXCC", code);
}

void convertAdif3QslSent(FieldText& qsl, AdifFragment& fragment)
{
    convertListed(qsl, "QSL_SENT", isQslSentStatus, fragment);
}

void convertAdif3QslReceived(FieldText& qsl, AdifFragment& fragment)
{
    convertListed(qsl, "QSL_RCVD", isQslReceivedStatus, fragment);
}

void convertAdif3Iota(FieldText& iota, AdifFragment& fragment)
{
    trimInPlace(iota);
    if (iota.empty()) {
        fragment.clear();
        return;
    }
    std::string upper(iota.view());
    upperCaseInPlace(upper);
    const bool dashed = upper.size() == 6 && upper[2] == '-';
    if (upper.size() != 5 && !dashed) { // checked first: a shorter text has no number to take
        makeMarkedFragment(fragment, "IOTA", iota);
        return;
    }
    const std::string_view number = std::string_view(upper).substr(dashed ? 3 : 2);
    if (!isIotaContinent(upper.substr(0, 2)) || number.size() != 3 || !isAllAsciiDigits(number) || number == "000") {
        makeMarkedFragment(fragment, "IOTA", iota);
        return;
    }
    const std::string reference = upper.substr(0, 2) + "-" + std::string(number);
    makeFragment(fragment, "IOTA", std::string_view(reference));
}

void convertAdif3Cqz(FieldText& cqz, AdifFragment& fragment)
{
    trimInPlace(cqz);
    if (cqz.empty()) {
        fragment.clear();
        return;
    }
    const std::string_view zone = withoutLeadingZeros(cqz.view());
    const bool valid =
        isAllAsciiDigits(zone) && zone.size() <= 2 && asciiDigitsValue(zone) >= 1 && asciiDigitsValue(zone) <= 40;
    if (!valid) {
        makeMarkedFragment(fragment, "CQZ", cqz);
        return;
    }
    makeFragment(fragment, "CQZ", zone);
}

// 9:05 and 9:05:30 are the only shapes widened: a single digit, a separator, two digits, and perhaps a separator and
// two digits more. 905 needs nothing here; the zero fill of the usual rule reads it.
void widenShortTime(FieldText& time)
{
    const std::string_view text = trimmedBlanks(time.view());
    if (text.size() != 4 && text.size() != 7) {
        return;
    }
    const bool shape = isAsciiDigit(text[0]) && !isAsciiDigit(text[1]) && isAllAsciiDigits(text.substr(2, 2)) &&
                       (text.size() == 4 || (!isAsciiDigit(text[4]) && isAllAsciiDigits(text.substr(5, 2))));
    if (shape) {
        std::string widened(1, '0'); // appended, not prefixed: GCC 12 warns falsely about a string put in front
        widened += text;
        time.assign(widened);
    }
}

void widenShortDate(FieldText& date, DateLayout layout)
{
    const std::string_view text = trimmedBlanks(date.view());
    if (text.size() < 5 || text.size() >= kDateLength) {
        return;
    }
    std::array<std::string_view, 3> pieces;
    char separator = 0;
    std::size_t at = 0;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const std::size_t digits = shortDigitRun(text, at);
        if (digits == 0) {
            return;
        }
        pieces[i] = text.substr(at, digits);
        at += digits;
        if (i < 2) {
            if (at >= text.size() || (separator != 0 && text[at] != separator)) {
                return;
            }
            separator = text[at++];
        }
    }
    if (at != text.size() || pieces[pieceOrderOf(layout).year].size() != 2) {
        return;
    }
    std::string widened;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (pieces[i].size() == 1) {
            widened += '0';
        }
        widened += pieces[i];
        if (i < 2) {
            widened += separator;
        }
    }
    date.assign(widened);
}

} // namespace quillon::engine
