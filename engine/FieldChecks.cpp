// Checks of the fields that need more than trimming.
#include "engine/FieldChecks.h"

#include "engine/AdifFragment.h"
#include "engine/AsciiDigits.h"
#include "engine/TextRules.h"

#include <string_view>

namespace quillon::engine {

namespace {

constexpr std::string_view kMissingCall = "<CALL:5>*BAD* (Missing) ";
constexpr std::string_view kMissingMode = "<MODE:5>*BAD* (Missing) ";
constexpr std::string_view kCountyWithBadState = "<CNTY:5>*BAD* (Bad STATE) ";

constexpr bool isAsciiLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// An IOTA reference: two letters for the continent, then three digits, with or without a dash between them.
bool isIotaReference(std::string_view iota)
{
    const bool dashed = iota.size() == 6;
    if ((iota.size() != 5 && !dashed) || (dashed && iota[2] != '-')) {
        return false;
    }
    return isAsciiLetter(iota[0]) && isAsciiLetter(iota[1]) && isAllAsciiDigits(iota.substr(dashed ? 3 : 2));
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
    // An entity code is a whole number; a sign, a point or an exponent is a typo, not another way to write it.
    if (!isAllAsciiDigits(dxcc)) {
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

// A blank STATE keeps its blanks (upper-casing leaves them alone) and gets no fragment.
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
// (OC-123) while the field keeps the user's text. Letter case is kept as written.
void convertIota(FieldText& iota, AdifFragment& fragment)
{
    trimInPlace(iota);
    if (iota.empty()) {
        fragment.clear();
    } else if (!isIotaReference(iota)) {
        makeMarkedFragment(fragment, "IOTA", iota);
    } else if (iota.size() == 5) {
        startFragment(fragment, "IOTA", 6);
        fragment += std::string_view(iota).substr(0, 2);
        fragment += '-';
        fragment += std::string_view(iota).substr(2, 3);
        fragment += ' ';
    } else {
        makeFragment(fragment, "IOTA", iota);
    }
}

// The county is written with its state in front, "MA,Hampden", so it needs a two-character STATE; blanks are
// no state at all.
void convertCounty(FieldText& county, const FieldText& state, AdifFragment& fragment)
{
    if (isBlank(county)) {
        fragment.clear();
        return;
    }
    trimInPlace(county);
    if (state.size() != 2 || isBlank(state)) {
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
