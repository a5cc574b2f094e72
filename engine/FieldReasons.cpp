// The reasons a field fails, one text per rule. Pass or fail comes from the converter's own field conversions; the
// texts below only name the part of the rule that was broken.
#include "engine/FieldReasons.h"

#include "engine/Adif3Fields.h"
#include "engine/AdifFragment.h"
#include "engine/AsciiDigits.h"
#include "engine/AsciiFolding.h"
#include "engine/BandConverter.h"
#include "engine/CalendarRules.h"
#include "engine/DateConverter.h"
#include "engine/DatePieces.h"
#include "engine/FieldChecks.h"
#include "engine/TextRules.h"
#include "engine/TimeConverter.h"

#include <cstdio>
#include <optional>

namespace quillon::engine {

namespace {

constexpr std::string_view kLabels[kFieldCount] = {
    "CALL",     "BAND",     "FREQ",  "MODE", "RST_SENT", "RST_RCVD", "NAME", "COMMENT", "DXCC",
    "QSL_SENT", "QSL_RCVD", "STATE", "IOTA", "CNTY",     "CQZ",      "QTH",  "DATE",    "TIME",
};

constexpr std::string_view kMonthNames[12] = {"January", "February", "March",     "April",   "May",      "June",
                                              "July",    "August",   "September", "October", "November", "December"};

std::string text(std::string_view a, std::string_view b = {}, std::string_view c = {}, std::string_view d = {})
{
    std::string joined(a);
    joined.append(b).append(c).append(d);
    return joined;
}

const std::string& valueAt(const ContactFields& contact, Field field)
{
    return contact[static_cast<std::size_t>(field)];
}

// The contact as the converter reads it: under ADIF 3 every field is folded to plain ASCII first.
ContactFields readAs(const ContactFields& contact, const CheckChoices& choices)
{
    if (choices.output != AdifVersion::Adif3) {
        return contact;
    }
    ContactFields folded;
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        folded[i] = isPrintableAscii(contact[i]) ? contact[i] : foldedToAscii(contact[i], choices.codePage);
    }
    return folded;
}

// The field's value as its conversion starts on it: ADIF 3 first widens the short dates and times that can mean
// only one thing.
FieldText startValue(Field field, const ContactFields& contact, const CheckChoices& choices)
{
    FieldText value(valueAt(contact, field));
    if (choices.output == AdifVersion::Adif3 && field == Field::Date) {
        widenShortDate(value, choices.layout);
    } else if (choices.output == AdifVersion::Adif3 && field == Field::Time) {
        widenShortTime(value);
    }
    return value;
}

// The fields that ADIF 3 reads by rules of its own; false for the others, which it reads as the classic output.
bool convertByAdif3Rule(Field field, FieldText& value, const ContactFields& contact, BandFormat format,
                        AdifFragment& fragment)
{
    switch (field) {
    case Field::Band:
        convertAdif3Band(value, valueAt(contact, Field::Freq), format, fragment);
        return true;
    case Field::Freq:
        convertAdif3Freq(value, fragment);
        return true;
    case Field::Mode:
        convertAdif3Mode(value, fragment);
        return true;
    case Field::Dxcc:
        convertAdif3Dxcc(value, fragment);
        return true;
    case Field::QslSent:
        convertAdif3QslSent(value, fragment);
        return true;
    case Field::QslRcvd:
        convertAdif3QslReceived(value, fragment);
        return true;
    case Field::Iota:
        convertAdif3Iota(value, fragment);
        return true;
    case Field::Cqz:
        convertAdif3Cqz(value, fragment);
        return true;
    default:
        return false;
    }
}

void convertClassic(Field field, FieldText& value, const ContactFields& contact, const CheckChoices& choices,
                    AdifFragment& fragment)
{
    switch (field) {
    case Field::Date:
        convertDate(value, choices.layout, fragment);
        break;
    case Field::Time:
        convertTime(value, fragment);
        break;
    case Field::Call:
        convertCall(value, fragment);
        break;
    case Field::Mode:
        convertMode(value, fragment);
        break;
    case Field::Band:
        convertBand(value, choices.format, fragment);
        break;
    case Field::Dxcc:
        convertDxcc(value, fragment);
        break;
    case Field::QslSent:
        convertQsl(value, "QSL_SENT", fragment);
        break;
    case Field::QslRcvd:
        convertQsl(value, "QSL_RCVD", fragment);
        break;
    case Field::State:
        convertState(value, fragment);
        break;
    case Field::Iota:
        convertIota(value, fragment);
        break;
    case Field::Cnty: {
        FieldText state(valueAt(contact, Field::State));
        AdifFragment stateFragment;
        convertState(state, stateFragment);
        convertCounty(value, state, fragment);
        break;
    }
    default:
        applyPlainRule(value, "FIELD", fragment);
        break;
    }
}

// Runs the converter's own conversion of the field and looks for the marker it leaves in the fragment.
bool isMarked(Field field, const ContactFields& contact, const CheckChoices& choices)
{
    FieldText value = startValue(field, contact, choices);
    AdifFragment fragment;
    if (choices.output != AdifVersion::Adif3 || !convertByAdif3Rule(field, value, contact, choices.format, fragment)) {
        convertClassic(field, value, contact, choices, fragment);
    }
    return fragment.view().find(kBadMarker) != std::string_view::npos;
}

std::string missing(Field field)
{
    return text(fieldLabel(field), " is missing");
}

// 99-12-31 in the layout's own order, so the example reads as the user must write.
std::string exampleDate(DateLayout layout)
{
    const PieceOrder order = pieceOrderOf(layout);
    std::string pieces[3];
    pieces[order.year] = "99";
    pieces[order.month] = "12";
    pieces[order.day] = "31";
    return text(pieces[0], "-", pieces[1], text("-", pieces[2]));
}

std::string dateReason(std::string_view date, DateLayout layout)
{
    const std::string_view name = dateLayoutName(layout);
    const DatePieces pieces = datePiecesOf(date);
    if (date.size() != kDateLength) {
        return text(date, " is not a date in ", name, text(": two digits each, as ", exampleDate(layout)));
    }
    for (std::size_t i = 0; i < 3; ++i) {
        if (pieces.values[i] < 0) {
            return text(date.substr(3 * i, 2), " is not two digits in ", name);
        }
    }
    const PieceOrder order = pieceOrderOf(layout);
    const int month = pieces.values[order.month];
    const int day = pieces.values[order.day];
    if (month < 1 || month > 12) {
        return text("no month ", date.substr(3 * order.month, 2), " in ", name);
    }
    const std::string_view monthName = kMonthNames[month - 1];
    if (month == 2 && day == 29) { // a real month and a failed date: the year is not a leap year
        const std::string_view year = date.substr(3 * order.year, 2);
        return text(monthName, " ", text(centuryOf(pieces.values[order.year]), year), " has no day 29");
    }
    return text(monthName, " has no day ", date.substr(3 * order.day, 2));
}

// The shapes as the converter reads them: one to three characters are zero-filled to four first.
std::string timeReason(std::string_view time)
{
    constexpr std::string_view kShapes = "write HHMM, HH:MM, HHMMSS or HH:MM:SS";
    std::string filled(time.size() < 4 ? 4 - time.size() : 0, '0');
    filled += time;
    const auto shape = timeShapeOf(filled.size());
    if (!shape) {
        return text(time, " is not a time: ", kShapes);
    }
    if (hasDigitSeparator(filled, *shape)) {
        return text(time, " has a digit where the separator belongs: ", kShapes);
    }
    const int hour = twoDigitsAt(filled, 0);
    const int minute = twoDigitsAt(filled, shape->minutes);
    const int second = shape->seconds == 0 ? 0 : twoDigitsAt(filled, shape->seconds);
    if (hour < 0 || minute < 0 || second < 0) {
        return text(time, " is not a time: ", kShapes);
    }
    if (hour > 23) {
        return text("no hour ", filled.substr(0, 2), "; hours are 00 to 23");
    }
    if (minute > 59) {
        return text("no minute ", filled.substr(shape->minutes, 2), "; minutes are 00 to 59");
    }
    if (second > 59) {
        return text("no second ", filled.substr(shape->seconds, 2), "; seconds are 00 to 59");
    }
    return text(time, " is not a time: ", kShapes);
}

std::string bandReason(std::string_view band, BandFormat format)
{
    std::string reason = format == BandFormat::Meters
                             ? text(band, " is not a band; bands are 160, 80, \u2026 or 14.025 as MHz")
                             : text(band, " is not a band in MHz; bands are 1.8, 3.5, 7, \u2026 or 432 MHz, or 20 as "
                                          "meters");
    const BandFormat other = otherFormat(format);
    if (const std::string_view name = bandNameOf(band, other); !name.empty()) {
        reason += text(" (as ", bandFormatName(other), " it is ", text(name, ")"));
    }
    return reason;
}

// "14" or "14.35": a band edge as the user writes a frequency.
std::string mhzText(double mhz)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.6g", mhz);
    return buffer;
}

// A band that ADIF names is marked either for the name or for a FREQ outside its edges.
std::string adif3BandReason(std::string_view band, std::string_view freq, BandFormat format)
{
    if (const AdifBand* found = adif3BandOf(band, format)) {
        return text(
            "FREQ ", trimmedBlanks(freq), " is outside the ",
            text(found->name, " band (", mhzText(found->lowerMhz), text(" to ", mhzText(found->upperMhz), " MHz)")));
    }
    std::string reason = format == BandFormat::Meters
                             ? text(band, " is not an ADIF band; bands are 160, 80, 60, … 23CM or 14.025 as MHz")
                             : text(band, " is not an ADIF band in MHz; bands are 1.8, 3.5, 5.3, … or 20 as "
                                          "meters");
    const BandFormat other = otherFormat(format);
    if (const AdifBand* found = adif3BandOf(band, other)) {
        reason += text(" (as ", bandFormatName(other), " it is ", text(found->name, ")"));
    }
    return reason;
}

// The words of the rules that ADIF 3 reads by its own lists; none for a field read as the classic output reads it.
std::optional<std::string> adif3RuleReason(Field field, std::string_view value, const ContactFields& contact,
                                           BandFormat format)
{
    switch (field) {
    case Field::Band:
        return adif3BandReason(value, valueAt(contact, Field::Freq), format);
    case Field::Freq:
        return text("FREQ is a number in MHz, as 14.025, not ", value);
    case Field::Mode:
        return text(value, " is not an ADIF mode or submode, as SSB, CW, FT8 or PSK31");
    case Field::Dxcc:
        return text("DXCC is the number of an entity on the DXCC list, as 291, not ", value);
    case Field::QslSent:
        return text("QSL_SENT is Y, N, R, Q or I, not ", value);
    case Field::QslRcvd:
        return text("QSL_RCVD is Y, N, R, I or V, not ", value);
    case Field::Iota:
        return text("IOTA is a continent, a dash and three digits, as NA-123, not ", value);
    case Field::Cqz:
        return text("CQZ is a zone from 1 to 40, not ", value);
    default:
        return std::nullopt;
    }
}

// The rule of each field that a value of its own can break; the value is trimmed as the converter trims it.
std::string ruleReason(Field field, std::string_view value, const ContactFields& contact, const CheckChoices& choices)
{
    if (value.empty() &&
        (field == Field::Date || field == Field::Time || field == Field::Call || field == Field::Mode)) {
        return missing(field);
    }
    if (choices.output == AdifVersion::Adif3) {
        if (auto reason = adif3RuleReason(field, value, contact, choices.format)) {
            return *reason;
        }
    }
    const std::string_view state = trimmedBlanks(valueAt(contact, Field::State));
    switch (field) {
    case Field::Date:
        return dateReason(value, choices.layout);
    case Field::Time:
        return timeReason(value);
    case Field::Band:
        return bandReason(value, choices.format);
    case Field::Dxcc:
        return text("DXCC is a number, as 291, not ", value);
    case Field::State:
        return text("STATE is two characters, as MA, not ", value);
    case Field::Iota:
        return text("IOTA is two letters and three digits, as NA-123 or NA123, not ", value);
    case Field::Cnty:
        return state.empty() ? std::string("a county needs a STATE of two characters beside it")
                             : text("a county needs a STATE of two characters, not ", state);
    default:
        return text(fieldLabel(field), " does not pass its check");
    }
}

} // namespace

std::string_view fieldLabel(Field field)
{
    return kLabels[static_cast<std::size_t>(field)];
}

std::string fieldProblem(Field field, const ContactFields& contact, const CheckChoices& choices)
{
    const ContactFields read = readAs(contact, choices);
    if (!isMarked(field, read, choices)) {
        return {};
    }
    const FieldText value = startValue(field, read, choices);
    if (value.view().find(kBadMarker) != std::string_view::npos) {
        return text(fieldLabel(field), " holds *BAD*, which always sends a contact to bad.adi");
    }
    return ruleReason(field, trimmedBlanks(value.view()), read, choices);
}

std::string notInCodePageReason(std::string_view character, CodePage page)
{
    constexpr std::string_view kTitles[] = {"DOS 437", "DOS 850", "Windows-1252", "ISO-8859-1", "UTF-8"};
    return text(character, " cannot be written in the log's code page, ", kTitles[static_cast<std::size_t>(page)],
                "; type another letter or choose the log's code page under Options");
}

std::vector<FieldProblem> contactProblems(const ContactFields& fields, const CheckChoices& choices)
{
    std::vector<FieldProblem> problems;
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        const auto field = static_cast<Field>(i);
        std::string reason = fieldProblem(field, fields, choices);
        if (!reason.empty()) {
            problems.push_back({field, std::move(reason)});
        }
    }
    return problems;
}

} // namespace quillon::engine
