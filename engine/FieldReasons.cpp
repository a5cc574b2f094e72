// The reasons a field fails, one text per rule. Pass or fail comes from the converter's own field conversions; the
// texts below only name the part of the rule that was broken.
#include "engine/FieldReasons.h"

#include "engine/AdifFragment.h"
#include "engine/AsciiDigits.h"
#include "engine/BandConverter.h"
#include "engine/CalendarRules.h"
#include "engine/DateConverter.h"
#include "engine/DatePieces.h"
#include "engine/FieldChecks.h"
#include "engine/TextRules.h"
#include "engine/TimeConverter.h"

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

// Runs the converter's own conversion of the field and looks for the marker it leaves in the fragment.
bool isMarked(Field field, std::string_view value, std::string_view state, DateLayout layout, BandFormat format)
{
    FieldText fieldText(value);
    AdifFragment fragment;
    switch (field) {
    case Field::Date:
        convertDate(fieldText, layout, fragment);
        break;
    case Field::Time:
        convertTime(fieldText, fragment);
        break;
    case Field::Call:
        convertCall(fieldText, fragment);
        break;
    case Field::Mode:
        convertMode(fieldText, fragment);
        break;
    case Field::Band:
        convertBand(fieldText, format, fragment);
        break;
    case Field::Dxcc:
        convertDxcc(fieldText, fragment);
        break;
    case Field::QslSent:
        convertQsl(fieldText, "QSL_SENT", fragment);
        break;
    case Field::QslRcvd:
        convertQsl(fieldText, "QSL_RCVD", fragment);
        break;
    case Field::State:
        convertState(fieldText, fragment);
        break;
    case Field::Iota:
        convertIota(fieldText, fragment);
        break;
    case Field::Cnty: {
        FieldText convertedState(state);
        AdifFragment stateFragment;
        convertState(convertedState, stateFragment);
        convertCounty(fieldText, convertedState, fragment);
        break;
    }
    default:
        applyPlainRule(fieldText, "FIELD", fragment);
        break;
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
    const std::string shape = text(time, " is not a time: write HHMM, HH:MM, HHMMSS or HH:MM:SS");
    std::string filled(time.size() < 4 ? 4 - time.size() : 0, '0');
    filled += time;
    std::size_t minutes = 2;
    std::size_t seconds = 0;
    switch (filled.size()) {
    case 4:
        break;
    case 5:
        minutes = 3;
        break;
    case 6:
        seconds = 4;
        break;
    case 8:
        minutes = 3;
        seconds = 6;
        break;
    default:
        return shape;
    }
    if (minutes == 3 && (isAsciiDigit(filled[2]) || (seconds == 6 && isAsciiDigit(filled[5])))) {
        return text(time, " has a digit where the separator belongs: write HHMM, HH:MM, HHMMSS or HH:MM:SS");
    }
    const int hour = twoDigitsAt(filled, 0);
    const int minute = twoDigitsAt(filled, minutes);
    const int second = seconds == 0 ? 0 : twoDigitsAt(filled, seconds);
    if (hour < 0 || minute < 0 || second < 0) {
        return shape;
    }
    if (hour > 23) {
        return text("no hour ", filled.substr(0, 2), "; hours are 00 to 23");
    }
    if (minute > 59) {
        return text("no minute ", filled.substr(minutes, 2), "; minutes are 00 to 59");
    }
    if (second > 59) {
        return text("no second ", filled.substr(seconds, 2), "; seconds are 00 to 59");
    }
    return shape;
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

// The rule of each field that a value of its own can break; the value is trimmed as the converter trims it.
std::string ruleReason(Field field, std::string_view value, std::string_view state, DateLayout layout,
                       BandFormat format)
{
    if (value.empty() &&
        (field == Field::Date || field == Field::Time || field == Field::Call || field == Field::Mode)) {
        return missing(field);
    }
    switch (field) {
    case Field::Date:
        return dateReason(value, layout);
    case Field::Time:
        return timeReason(value);
    case Field::Band:
        return bandReason(value, format);
    case Field::Dxcc:
        return text("DXCC is a number, as 291, not ", value);
    case Field::State:
        return text("STATE is two characters, as MA, not ", value);
    case Field::Iota:
        return text("IOTA is two letters and three digits, as NA-123 or NA123, not ", value);
    case Field::Cnty:
        return trimmedBlanks(state).empty()
                   ? std::string("a county needs a STATE of two characters beside it")
                   : text("a county needs a STATE of two characters, not ", trimmedBlanks(state));
    default:
        return text(fieldLabel(field), " does not pass its check");
    }
}

} // namespace

std::string_view fieldLabel(Field field)
{
    return kLabels[static_cast<std::size_t>(field)];
}

std::string fieldProblem(Field field, std::string_view value, std::string_view state, DateLayout layout,
                         BandFormat format)
{
    if (!isMarked(field, value, state, layout, format)) {
        return {};
    }
    if (value.find(kBadMarker) != std::string_view::npos) {
        return text(fieldLabel(field), " holds *BAD*, which always sends a contact to bad.adi");
    }
    return ruleReason(field, trimmedBlanks(value), state, layout, format);
}

std::vector<FieldProblem> contactProblems(const ContactFields& fields, DateLayout layout, BandFormat format)
{
    std::vector<FieldProblem> problems;
    const std::string& state = fields[static_cast<std::size_t>(Field::State)];
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        const auto field = static_cast<Field>(i);
        std::string reason = fieldProblem(field, fields[i], state, layout, format);
        if (!reason.empty()) {
            problems.push_back({field, std::move(reason)});
        }
    }
    return problems;
}

} // namespace quillon::engine
