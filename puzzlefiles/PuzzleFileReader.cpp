// SPDX-License-Identifier: GPL-3.0-or-later
#include "PuzzleFileReader.h"

#include "ClueText.h"
#include "NinFormat.h"
#include "NonFormat.h"
#include "OlsakFormats.h"
#include "PuzzleChecks.h"
#include "TextLines.h"
#include "WebpbnXml.h"

namespace {

enum class Format { Unknown, Non, Nin, Xml, G, Mk };

Format formatByName(const std::string& fileName)
{
    const std::size_t folderEnd = fileName.find_last_of("/\\");
    const std::string base = fileName.substr(folderEnd == std::string::npos ? 0 : folderEnd + 1);
    const std::size_t dot = base.rfind('.');
    if (dot == std::string::npos)
        return Format::Unknown;
    const std::string extension = lowerCase(std::string_view(base).substr(dot + 1));
    if (extension == "non" || extension == "nonpack")
        return Format::Non;
    if (extension == "nin")
        return Format::Nin;
    if (extension == "xml")
        return Format::Xml;
    if (extension == "g")
        return Format::G;
    if (extension == "mk")
        return Format::Mk;
    return Format::Unknown;
}

bool isTwoNumbers(std::string_view line)
{
    CountText first, second;
    std::string_view rest = line;
    if (!readCount(rest, first) || rest.empty() || (rest.front() != ' ' && rest.front() != '\t'))
        return false;
    rest = trimmed(rest);
    return readCount(rest, second) && rest.empty();
}

// What a text looks like, for names that do not say: XML starts with '<'; a ".non" has a
// width or height key, or a rows or columns line; a ".g" has ':' section lines; ".nin" and
// ".mk" start with the size, and only ".mk" has '#' lines.
Format formatByContent(const std::string& text)
{
    TextLines lines(text);
    bool anything = false, sizeSeen = false;
    bool nonKey = false, section = false, hashLine = false, startsWithSize = false;
    while (lines.next()) {
        const std::string_view line = trimmed(lines.line());
        if (line.empty())
            continue;
        if (!anything && line.front() == '<')
            return Format::Xml;
        anything = true;
        const std::size_t wordEnd = line.find_first_of(" \t");
        const std::string word = lowerCase(line.substr(0, wordEnd));
        std::string_view value = wordEnd == std::string_view::npos ? "" : trimmed(line.substr(wordEnd));
        const bool sizeKey = word == "width" || word == "height";
        CountText number;
        nonKey = nonKey || (sizeKey && readCount(value, number) && value.empty())
            || ((word == "rows" || word == "columns") && wordEnd == std::string_view::npos);
        section = section || line.front() == ':';
        if (line.front() == '#') {
            hashLine = true;
            continue;
        }
        if (!sizeSeen)
            startsWithSize = isTwoNumbers(line);
        sizeSeen = true;
    }
    if (nonKey)
        return Format::Non;
    if (section)
        return Format::G;
    if (startsWithSize)
        return hashLine ? Format::Mk : Format::Nin;
    return Format::Unknown;
}

// Whether the bytes are text: UTF-8 (no overlong forms, surrogates or codes beyond Unicode)
// without NUL or other control characters but tabs, line ends and form feeds.
bool isText(const std::string& bytes)
{
    std::size_t i = 0;
    while (i < bytes.size()) {
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x80) {
            if (c < 0x20 && c != '\t' && c != '\n' && c != '\r' && c != '\f')
                return false;
            ++i;
            continue;
        }
        std::size_t length = 0;
        char32_t code = 0;
        if (c >= 0xC2 && c <= 0xDF) {
            length = 2;
            code = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
            code = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
            code = c & 0x07;
        } else {
            return false;
        }
        if (bytes.size() - i < length)
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            const unsigned char follow = static_cast<unsigned char>(bytes[i + k]);
            if ((follow & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (follow & 0x3F);
        }
        const char32_t least = length == 3 ? 0x800 : length == 4 ? 0x10000 : 0x80;
        if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

} // namespace

PuzzleFileReading readPuzzleFile(const std::string& fileName, const std::string& bytes)
{
    if (bytes.size() > largestPuzzleFileBytes)
        return refusal(
            "the file is larger than " + std::to_string(largestPuzzleFileBytes >> 20) + " MB, which no puzzle file is");
    if (isBlank(bytes))
        return refusal("the file is empty");
    if (!isText(bytes))
        return refusal("this is not a text file");
    Format format = formatByName(fileName);
    if (format == Format::Unknown)
        format = formatByContent(bytes);
    switch (format) {
    case Format::Non: return readNon(bytes);
    case Format::Nin: return readNin(bytes);
    case Format::Xml: return readWebpbnXml(bytes);
    case Format::G: return readG(bytes);
    case Format::Mk: return readMk(bytes);
    case Format::Unknown: break;
    }
    return refusal("this is not a puzzle file the game can read: it is in none of the formats the game knows (.non, "
                   ".nin, .g, .mk and webpbn's XML)");
}
