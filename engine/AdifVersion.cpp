// Names of the output kinds and code pages as the user writes them.
#include "engine/AdifVersion.h"

#include "engine/TextRules.h"

namespace quillon::engine {

namespace {

constexpr std::string_view kCodePageNames[] = {"437", "850", "1252", "latin1", "utf8"};

std::string lowerCased(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower) {
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return lower;
}

} // namespace

std::optional<CodePage> codePageFromName(std::string_view name)
{
    const std::string lower = lowerCased(name);
    for (const CodePage page : kAllCodePages) {
        if (lower == codePageName(page)) {
            return page;
        }
    }
    return std::nullopt;
}

std::string_view codePageName(CodePage page)
{
    return kCodePageNames[static_cast<std::size_t>(page)];
}

std::optional<AdifVersion> adifVersionFromName(std::string_view name)
{
    const std::string lower = lowerCased(name);
    if (lower == "3") {
        return AdifVersion::Adif3;
    }
    if (lower == "classic") {
        return AdifVersion::Classic;
    }
    return std::nullopt;
}

std::string_view adifVersionName(AdifVersion version)
{
    return version == AdifVersion::Adif3 ? "3" : "classic";
}

std::string normalisedCallsign(std::string_view text)
{
    std::string call(trimmedBlanks(text));
    upperCaseInPlace(call);
    for (const char c : call) {
        if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '/')) {
            return {};
        }
    }
    return call;
}

} // namespace quillon::engine
