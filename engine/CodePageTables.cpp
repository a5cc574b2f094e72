// The code pages' upper halves and the Latin letters of Unicode, each byte or code point with the plain ASCII it
// folds to: a letter to its base letter (é to e, ß to ss, ø to o), typographic quotes and dashes to their plain
// forms, anything else to "?".
#include "engine/CodePageTables.h"

namespace quillon::engine::detail {

namespace {

constexpr std::string_view kDos437[] = {
    "C", "u", "e",  "a",  "a", "a", "a", "c", "e", "e",  "e", "i", "i", "i", "A", "A", "E", "ae", "AE", "o", "o", "o",
    "u", "u", "y",  "O",  "U", "?", "?", "?", "?", "f",  "a", "i", "o", "u", "n", "N", "a", "o",  "?",  "?", "?", "?",
    "?", "?", "\"", "\"", "?", "?", "?", "?", "?", "?",  "?", "?", "?", "?", "?", "?", "?", "?",  "?",  "?", "?", "?",
    "?", "?", "?",  "?",  "?", "?", "?", "?", "?", "?",  "?", "?", "?", "?", "?", "?", "?", "?",  "?",  "?", "?", "?",
    "?", "?", "?",  "?",  "?", "?", "?", "?", "?", "ss", "?", "?", "?", "?", "?", "?", "?", "?",  "?",  "?", "?", "?",
    "?", "?", "?",  "?",  "?", "?", "?", "?", "?", "?",  "?", "?", "?", "?", "n", "2", "?", " ",
};
constexpr std::string_view kDos850[] = {
    "C", "u", "e",  "a",  "a", "a", "a", "c", "e", "e",  "e", "i", "i", "i", "A", "A",  "E",  "ae", "AE", "o", "o", "o",
    "u", "u", "y",  "O",  "U", "o", "?", "O", "?", "f",  "a", "i", "o", "u", "n", "N",  "a",  "o",  "?",  "?", "?", "?",
    "?", "?", "\"", "\"", "?", "?", "?", "?", "?", "A",  "A", "A", "?", "?", "?", "?",  "?",  "?",  "?",  "?", "?", "?",
    "?", "?", "?",  "?",  "a", "A", "?", "?", "?", "?",  "?", "?", "?", "?", "d", "D",  "E",  "E",  "E",  "i", "I", "I",
    "I", "?", "?",  "?",  "?", "?", "I", "?", "O", "ss", "O", "O", "o", "O", "?", "th", "TH", "U",  "U",  "U", "y", "Y",
    "?", "?", "?",  "?",  "?", "?", "?", "?", "?", "?",  "?", "?", "?", "1", "3", "2",  "?",  " ",
};
constexpr std::string_view kWindows1252[] = {
    "?",  "?",  "'",  "f", "\"", "...", "?", "?",  "?", "?",  "S", "?", "OE", "?",  "Z", "?", "?", "'", "'",
    "\"", "\"", "?",  "-", "-",  "?",   "?", "s",  "?", "oe", "?", "z", "Y",  " ",  "?", "?", "?", "?", "?",
    "?",  "?",  "?",  "?", "a",  "\"",  "?", "?",  "?", "?",  "?", "?", "2",  "3",  "?", "?", "?", "?", "?",
    "1",  "o",  "\"", "?", "?",  "?",   "?", "A",  "A", "A",  "A", "A", "A",  "AE", "C", "E", "E", "E", "E",
    "I",  "I",  "I",  "I", "D",  "N",   "O", "O",  "O", "O",  "O", "?", "O",  "U",  "U", "U", "U", "Y", "TH",
    "ss", "a",  "a",  "a", "a",  "a",   "a", "ae", "c", "e",  "e", "e", "e",  "i",  "i", "i", "i", "d", "n",
    "o",  "o",  "o",  "o", "o",  "?",   "o", "u",  "u", "u",  "u", "y", "th", "y",
};
constexpr std::string_view kLatin1[] = {
    "?", "?", "?", "?", "?",  "?", "?",  "?",  "?", "?", "?", "?", "?", "?", "?",  "?",  "?",  "?", "?", "?", "?", "?",
    "?", "?", "?", "?", "?",  "?", "?",  "?",  "?", "?", " ", "?", "?", "?", "?",  "?",  "?",  "?", "?", "?", "a", "\"",
    "?", "?", "?", "?", "?",  "?", "2",  "3",  "?", "?", "?", "?", "?", "1", "o",  "\"", "?",  "?", "?", "?", "A", "A",
    "A", "A", "A", "A", "AE", "C", "E",  "E",  "E", "E", "I", "I", "I", "I", "D",  "N",  "O",  "O", "O", "O", "O", "?",
    "O", "U", "U", "U", "U",  "Y", "TH", "ss", "a", "a", "a", "a", "a", "a", "ae", "c",  "e",  "e", "e", "e", "i", "i",
    "i", "i", "d", "n", "o",  "o", "o",  "o",  "o", "?", "o", "u", "u", "u", "u",  "y",  "th", "y",
};
constexpr std::string_view kLatinCodePoints[] = {
    "?", "?",  "?",  "?",  "?", "?", "?",  "?", "?", "?", "?",  "?",  "?", "?", "?",  "?",  "?", "?", "?",  "?",
    "?", "?",  "?",  "?",  "?", "?", "?",  "?", "?", "?", "?",  "?",  " ", "?", "?",  "?",  "?", "?", "?",  "?",
    "?", "?",  "a",  "\"", "?", "?", "?",  "?", "?", "?", "2",  "3",  "?", "?", "?",  "?",  "?", "1", "o",  "\"",
    "?", "?",  "?",  "?",  "A", "A", "A",  "A", "A", "A", "AE", "C",  "E", "E", "E",  "E",  "I", "I", "I",  "I",
    "D", "N",  "O",  "O",  "O", "O", "O",  "?", "O", "U", "U",  "U",  "U", "Y", "TH", "ss", "a", "a", "a",  "a",
    "a", "a",  "ae", "c",  "e", "e", "e",  "e", "i", "i", "i",  "i",  "d", "n", "o",  "o",  "o", "o", "o",  "?",
    "o", "u",  "u",  "u",  "u", "y", "th", "y", "A", "a", "A",  "a",  "A", "a", "C",  "c",  "C", "c", "C",  "c",
    "C", "c",  "D",  "d",  "D", "d", "E",  "e", "E", "e", "E",  "e",  "E", "e", "E",  "e",  "G", "g", "G",  "g",
    "G", "g",  "G",  "g",  "H", "h", "H",  "h", "I", "i", "I",  "i",  "I", "i", "I",  "i",  "I", "i", "IJ", "ij",
    "J", "j",  "K",  "k",  "k", "L", "l",  "L", "l", "L", "l",  "L",  "l", "L", "l",  "N",  "n", "N", "n",  "N",
    "n", "'n", "N",  "n",  "O", "o", "O",  "o", "O", "o", "OE", "oe", "R", "r", "R",  "r",  "R", "r", "S",  "s",
    "S", "s",  "S",  "s",  "S", "s", "T",  "t", "T", "t", "T",  "t",  "U", "u", "U",  "u",  "U", "u", "U",  "u",
    "U", "u",  "U",  "u",  "W", "w", "Y",  "y", "Y", "Z", "z",  "Z",  "z", "Z", "z",  "s",
};

} // namespace

std::span<const std::string_view, 128> upperHalfOf(CodePage page)
{
    switch (page) {
    case CodePage::Dos437:
        return kDos437;
    case CodePage::Dos850:
        return kDos850;
    case CodePage::Latin1:
    case CodePage::Utf8: // bytes that are not UTF-8 after all are read as ISO-8859-1
        return kLatin1;
    case CodePage::Windows1252:
        break;
    }
    return kWindows1252;
}

std::string_view foldedCodePoint(char32_t codePoint)
{
    if (codePoint >= 0x80 && codePoint < 0x180) {
        return kLatinCodePoints[codePoint - 0x80];
    }
    switch (codePoint) {
    case 0x2018: // left and right single quotes, the low one and the reversed one
    case 0x2019:
    case 0x201A:
    case 0x201B:
        return "'";
    case 0x201C: // double quotes
    case 0x201D:
    case 0x201E:
        return "\"";
    case 0x2013: // en and em dash
    case 0x2014:
        return "-";
    case 0x2026: // ellipsis
        return "...";
    default:
        return "?";
    }
}

} // namespace quillon::engine::detail
