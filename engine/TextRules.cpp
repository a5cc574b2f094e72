// Trimming, emptiness and ASCII upper-casing of field values.
#include "engine/TextRules.h"

namespace quillon::engine {

void trimBlanksInPlace(ByteBuffer& text)
{
    const std::string_view view = text.view();
    const auto last = view.find_last_not_of(' ');
    if (last == std::string_view::npos) {
        text.clear();
        return;
    }
    text.truncate(last + 1);
    text.removePrefix(view.find_first_not_of(' '));
}

bool isBlank(std::string_view text)
{
    return text.find_first_not_of(' ') == std::string_view::npos;
}

namespace {

void upperCaseBytes(char* bytes, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        if (bytes[i] >= 'a' && bytes[i] <= 'z') {
            bytes[i] = static_cast<char>(bytes[i] - 'a' + 'A');
        }
    }
}

} // namespace

void upperCaseInPlace(ByteBuffer& text)
{
    upperCaseBytes(text.data(), text.size());
}

void upperCaseInPlace(std::string& text)
{
    upperCaseBytes(text.data(), text.size());
}

} // namespace quillon::engine
