// SPDX-License-Identifier: GPL-3.0-or-later
#include "Entities.h"

namespace {

struct NamedEntity {
    const char* name;
    char32_t code;
};

// The entities of HTML that titles, authors and copyright lines use: markup, typography and
// the accented letters of names.
constexpr NamedEntity namedEntities[] = {
    {"amp", '&'},
    {"lt", '<'},
    {"gt", '>'},
    {"quot", '"'},
    {"apos", '\''},
    {"nbsp", 0xA0},
    {"copy", 0xA9},
    {"reg", 0xAE},
    {"trade", 0x2122},
    {"deg", 0xB0},
    {"middot", 0xB7},
    {"bull", 0x2022},
    {"hellip", 0x2026},
    {"ndash", 0x2013},
    {"mdash", 0x2014},
    {"lsquo", 0x2018},
    {"rsquo", 0x2019},
    {"sbquo", 0x201A},
    {"ldquo", 0x201C},
    {"rdquo", 0x201D},
    {"bdquo", 0x201E},
    {"laquo", 0xAB},
    {"raquo", 0xBB},
    {"times", 0xD7},
    {"sect", 0xA7},
    {"iexcl", 0xA1},
    {"iquest", 0xBF},
    {"euro", 0x20AC},
    {"pound", 0xA3},
    {"Agrave", 0xC0},
    {"Aacute", 0xC1},
    {"Acirc", 0xC2},
    {"Atilde", 0xC3},
    {"Auml", 0xC4},
    {"Aring", 0xC5},
    {"AElig", 0xC6},
    {"Ccedil", 0xC7},
    {"Egrave", 0xC8},
    {"Eacute", 0xC9},
    {"Ecirc", 0xCA},
    {"Euml", 0xCB},
    {"Igrave", 0xCC},
    {"Iacute", 0xCD},
    {"Icirc", 0xCE},
    {"Iuml", 0xCF},
    {"Ntilde", 0xD1},
    {"Ograve", 0xD2},
    {"Oacute", 0xD3},
    {"Ocirc", 0xD4},
    {"Otilde", 0xD5},
    {"Ouml", 0xD6},
    {"Oslash", 0xD8},
    {"Ugrave", 0xD9},
    {"Uacute", 0xDA},
    {"Ucirc", 0xDB},
    {"Uuml", 0xDC},
    {"Yacute", 0xDD},
    {"szlig", 0xDF},
    {"agrave", 0xE0},
    {"aacute", 0xE1},
    {"acirc", 0xE2},
    {"atilde", 0xE3},
    {"auml", 0xE4},
    {"aring", 0xE5},
    {"aelig", 0xE6},
    {"ccedil", 0xE7},
    {"egrave", 0xE8},
    {"eacute", 0xE9},
    {"ecirc", 0xEA},
    {"euml", 0xEB},
    {"igrave", 0xEC},
    {"iacute", 0xED},
    {"icirc", 0xEE},
    {"iuml", 0xEF},
    {"ntilde", 0xF1},
    {"ograve", 0xF2},
    {"oacute", 0xF3},
    {"ocirc", 0xF4},
    {"otilde", 0xF5},
    {"ouml", 0xF6},
    {"oslash", 0xF8},
    {"ugrave", 0xF9},
    {"uacute", 0xFA},
    {"ucirc", 0xFB},
    {"uuml", 0xFC},
    {"yacute", 0xFD},
    {"yuml", 0xFF},
};

int digitValue(char c, int base)
{
    int value = -1;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value < base ? value : -1;
}

} // namespace

void appendUtf8(std::string& text, char32_t code)
{
    if (code < 0x80) {
        text += static_cast<char>(code);
    } else if (code < 0x800) {
        text += static_cast<char>(0xC0 | (code >> 6));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        text += static_cast<char>(0xE0 | (code >> 12));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (code >> 18));
        text += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    }
}

long numericReference(std::string_view body)
{
    if (body.size() < 2 || body[0] != '#')
        return -1;
    const bool hex = body[1] == 'x' || body[1] == 'X';
    const std::string_view digits = body.substr(hex ? 2 : 1);
    if (digits.empty())
        return -1;
    long code = 0;
    for (char c : digits) {
        const int digit = digitValue(c, hex ? 16 : 10);
        if (digit < 0)
            return -1;
        code = code * (hex ? 16 : 10) + digit;
        if (code > 0x10FFFF)
            return -1;
    }
    if (code == 0 || (code >= 0xD800 && code <= 0xDFFF))
        return -1;
    return code;
}

std::string decodeHtmlEntities(std::string_view text)
{
    std::string decoded;
    decoded.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t length
            = text[i] == '&' ? text.substr(i + 1, longestEntityName + 1).find(';') : std::string_view::npos;
        if (length == std::string_view::npos) {
            decoded += text[i++];
            continue;
        }
        const std::string_view body = text.substr(i + 1, length);
        const std::size_t end = i + 1 + length;
        long code = numericReference(body);
        for (const NamedEntity& entity : namedEntities)
            if (code < 0 && body == entity.name)
                code = static_cast<long>(entity.code);
        if (code < 0) {
            decoded += text[i++];
            continue;
        }
        appendUtf8(decoded, static_cast<char32_t>(code));
        i = end + 1;
    }
    return decoded;
}
