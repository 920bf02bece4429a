// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextLines.h"

namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t longestExcerpt = 40;

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

} // namespace

TextLines::TextLines(std::string_view text)
    : rest(text)
{
    if (rest.substr(0, byteOrderMark.size()) == byteOrderMark)
        rest.remove_prefix(byteOrderMark.size());
}

bool TextLines::next()
{
    if (rest.empty())
        return false;
    const std::size_t end = rest.find('\n');
    current = rest.substr(0, end);
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    if (!current.empty() && current.back() == '\r')
        current.remove_suffix(1);
    ++lineNumber;
    return true;
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

bool isBlank(std::string_view text)
{
    return trimmed(text).empty();
}

std::string lowerCase(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

std::string atLine(int line, const std::string& reason)
{
    return line > 0 ? "line " + std::to_string(line) + ": " + reason : reason;
}

std::string excerpt(std::string_view text)
{
    if (text.size() <= longestExcerpt)
        return std::string(text);
    std::size_t cut = longestExcerpt;
    // Back to the first byte of a UTF-8 character, so the reason stays valid text.
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    return std::string(text.substr(0, cut)) + "...";
}
