// Checks of the fields that need more than trimming.
#include "engine/FieldChecks.h"

#include "engine/AdifFragment.h"
#include "engine/AsciiDigits.h"
#include "engine/TextRules.h"

#include <cstddef>

namespace quillon::engine {

namespace {

constexpr std::string_view kMissingCall = "<CALL:5>*BAD* (Missing) ";
constexpr std::string_view kMissingMode = "<MODE:5>*BAD* (Missing) ";
constexpr std::string_view kCountyWithBadState = "<CNTY:5>*BAD* (Bad STATE) ";

// Skips a run of ASCII digits from `i` and returns how many there were.
std::size_t skipDigits(std::string_view text, std::size_t& i)
{
    const std::size_t start = i;
    while (i < text.size() && isAsciiDigit(text[i])) {
        ++i;
    }
    return i - start;
}

bool skipSign(std::string_view text, std::size_t& i)
{
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
        return true;
    }
    return false;
}

// A plain decimal number, read without any locale: an optional sign, digits with at most one decimal point and
// at least one digit on either side of it ("1.", ".5"), then an optional exponent "e" or "E" with its own
// optional sign and at least one digit. Nothing else may stand in the text, not even an inner blank, so "+",
// ".", "e5", "1e", "1,000", "$5" and "0x1F" are not numbers.
bool isDecimalNumber(std::string_view text)
{
    std::size_t i = 0;
    skipSign(text, i);
    std::size_t mantissaDigits = skipDigits(text, i);
    if (i < text.size() && text[i] == '.') {
        ++i;
        mantissaDigits += skipDigits(text, i);
    }
    if (mantissaDigits == 0) {
        return false;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        skipSign(text, i);
        if (skipDigits(text, i) == 0) {
            return false;
        }
    }
    return i == text.size();
}

// CALL and MODE: a missing value is a problem; anything else is kept as written.
void convertRequired(FieldText& field, const AdifTag& tag, std::string_view missingMarker, AdifFragment& fragment)
{
    if (isBlank(field)) {
        fragment.assign(missingMarker);
        return;
    }
    trimInPlace(field);
    makeFragment(fragment, tag, field);
}

} // namespace

void convertCall(FieldText& call, AdifFragment& fragment)
{
    convertRequired(call, "CALL", kMissingCall, fragment);
}

void convertMode(FieldText& mode, AdifFragment& fragment)
{
    convertRequired(mode, "MODE", kMissingMode, fragment);
}

void convertDxcc(FieldText& dxcc, AdifFragment& fragment)
{
    if (isBlank(dxcc)) {
        fragment.clear();
        return;
    }
    trimInPlace(dxcc);
    if (!isDecimalNumber(dxcc)) {
        makeMarkedFragment(fragment, "DXCC", dxcc);
        return;
    }
    makeFragment(fragment, "DXCC", dxcc); // the number is written as the user wrote it
}

void convertQsl(FieldText& qsl, const AdifTag& tag, AdifFragment& fragment)
{
    upperCaseInPlace(qsl);
    applyPlainRule(qsl, tag, fragment);
}

// A blank STATE keeps its blanks (upper-casing leaves them alone): the county reads it as it stands, so two
// blanks still make a two-character state.
void convertState(FieldText& state, AdifFragment& fragment)
{
    upperCaseInPlace(state);
    if (isBlank(state)) {
        fragment.clear();
        return;
    }
    trimInPlace(state);
    if (state.size() != 2) {
        makeMarkedFragment(fragment, "STATE", state);
        return;
    }
    makeFragment(fragment, "STATE", state);
}

// IOTA references are two letters and three digits; written without the dash (OC123), the fragment gets it
// (OC-123) while the field keeps the user's text. The characters themselves are not checked.
void convertIota(FieldText& iota, AdifFragment& fragment)
{
    trimInPlace(iota);
    switch (iota.size()) {
    case 0:
        fragment.clear();
        break;
    case 5:
        startFragment(fragment, "IOTA", 6);
        fragment += std::string_view(iota).substr(0, 2);
        fragment += '-';
        fragment += std::string_view(iota).substr(2, 3);
        fragment += ' ';
        break;
    case 6:
        makeFragment(fragment, "IOTA", iota);
        break;
    default:
        makeMarkedFragment(fragment, "IOTA", iota);
        break;
    }
}

// The county is written with its state in front, "MA,Hampden", so it needs a two-character STATE.
void convertCounty(FieldText& county, const FieldText& state, AdifFragment& fragment)
{
    if (isBlank(county)) {
        fragment.clear();
        return;
    }
    trimInPlace(county);
    if (state.size() != 2) {
        fragment.assign(kCountyWithBadState);
        return;
    }
    startFragment(fragment, "CNTY", county.size() + 3);
    fragment += state;
    fragment += ',';
    fragment += county;
    fragment += ' ';
}

} // namespace quillon::engine
