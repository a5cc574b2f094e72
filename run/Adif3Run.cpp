// The ADIF 3 header fields and the note on folded text.
#include "run/Adif3Run.h"

#include "engine/AdifFragment.h"
#include "engine/ProgramInfo.h"
#include "run/RunTexts.h"

namespace quillon::run {

namespace {

// Zero-filled to `width` digits.
std::string digits(int value, std::size_t width)
{
    std::string text = std::to_string(value);
    return std::string(text.size() < width ? width - text.size() : 0, '0') + text;
}

} // namespace

std::vector<std::string> adif3HeaderFields(const Clock& clock)
{
    const auto [date, time] = clock.utcNow();
    const std::string timestamp = digits(date.year, 4) + digits(date.month, 2) + digits(date.day, 2) + " " +
                                  digits(time.hour, 2) + digits(time.minute, 2) + digits(time.second, 2);
    return {
        engine::taggedData("ADIF_VER", "3.1.6"),
        engine::taggedData("PROGRAMID", std::string(engine::kApplicationTitle)),
        engine::taggedData("PROGRAMVERSION", engine::versionText()),
        engine::taggedData("CREATED_TIMESTAMP", timestamp),
    };
}

std::optional<Message> foldedFieldsNote(std::int64_t foldedFields)
{
    if (foldedFields == 0) {
        return std::nullopt;
    }
    const std::string text = counted(foldedFields, "field") + (foldedFields == 1 ? " holds" : " hold") +
                             " characters outside plain ASCII: letters were written as their base letters (e for an "
                             "accented e, ss for a sharp s), anything else as ?";
    return Message{text, "Folded text", MessageStyle::Information};
}

} // namespace quillon::run
