// SPDX-License-Identifier: GPL-3.0-or-later
#include "GalleryFile.h"

#include <cstdio>
#include <set>
#include <sstream>

namespace {

std::vector<std::string> split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos)
            return parts;
        start = end + 1;
    }
}

// A whole non-negative number of at most six digits, or -1.
int number(const std::string& text)
{
    if (text.empty() || text.size() > 6)
        return -1;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

char colourCharacter(int index)
{
    return index < 0 ? '.' : index < 10 ? char('0' + index) : char('a' + index - 10);
}

int colourIndex(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 10;
    return c == '.' ? -1 : -2;
}

// Reads one line's fields into the picture; the reason it cannot, or "".
std::string readPicture(const std::vector<std::string>& fields, GalleryPicture& picture)
{
    constexpr std::size_t fieldCount = 7 + galleryLanguages.size();
    if (fields.size() != fieldCount)
        return "it has " + std::to_string(fields.size()) + " fields, not " + std::to_string(fieldCount);
    picture.id = fields[0];
    picture.album = fields[1];
    if (picture.id.empty() || picture.album.empty())
        return "it has no id or no album";
    const std::vector<std::string> size = split(fields[2], 'x');
    picture.columns = size.size() == 2 ? number(size[0]) : -1;
    picture.rows = size.size() == 2 ? number(size[1]) : -1;
    if (picture.columns < 1 || picture.rows < 1 || picture.columns > 100 || picture.rows > 100)
        return "its size is not COLUMNSxROWS of 1 to 100";
    picture.technique = number(fields[3]);
    if (picture.technique < 0)
        return "its technique is not a number";
    for (const std::string& colour : split(fields[4], ',')) {
        std::uint32_t value = 0;
        for (const char c : colour) {
            if (hexDigit(c) < 0)
                return "its palette holds " + colour + ", not six hex digits";
            value = value * 16 + std::uint32_t(hexDigit(c));
        }
        if (colour.size() != 6)
            return "its palette holds " + colour + ", not six hex digits";
        picture.palette.push_back(value);
    }
    if (int(picture.palette.size()) > galleryColours)
        return "its palette has more than " + std::to_string(galleryColours) + " colours";
    const std::string& cells = fields[5];
    if (cells.size() != std::size_t(picture.columns) * std::size_t(picture.rows))
        return "it has " + std::to_string(cells.size()) + " cells, not " + fields[2];
    for (const char c : cells) {
        const int index = colourIndex(c);
        if (index < -1 || index >= int(picture.palette.size()))
            return std::string("a cell's colour '") + c + "' is not in its palette";
        picture.colours.push_back(index);
    }
    if (fields[6] != "-") {
        std::set<std::pair<int, int>> seen;
        for (const std::string& given : split(fields[6], ' ')) {
            const std::vector<std::string> at = split(given, ',');
            const int x = at.size() == 2 ? number(at[0]) : -1;
            const int y = at.size() == 2 ? number(at[1]) : -1;
            if (x < 0 || y < 0 || x >= picture.columns || y >= picture.rows || !seen.insert({x, y}).second)
                return "its given \"" + given + "\" is not a cell of it, once";
            picture.givens.emplace_back(x, y);
        }
    }
    for (std::size_t i = 0; i < galleryLanguages.size(); ++i)
        picture.titles[i] = fields[7 + i];
    if (picture.titles[0].empty())
        return "it has no English title";
    return {};
}

} // namespace

GalleryReading readGallery(const std::string& text)
{
    GalleryReading reading;
    std::set<std::string> ids;
    std::istringstream lines(text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        GalleryPicture picture;
        std::string why = readPicture(split(line, '\t'), picture);
        if (why.empty() && !ids.insert(picture.id).second)
            why = "its id " + picture.id + " is taken";
        if (!why.empty()) {
            reading.pictures.clear();
            reading.error = "line " + std::to_string(number) + ": " + why;
            return reading;
        }
        reading.pictures.push_back(std::move(picture));
    }
    return reading;
}

std::string writeGallery(const std::vector<GalleryPicture>& pictures)
{
    std::string text;
    for (const GalleryPicture& picture : pictures) {
        text += picture.id + '\t' + picture.album + '\t' + std::to_string(picture.columns) + 'x'
            + std::to_string(picture.rows) + '\t' + std::to_string(picture.technique) + '\t';
        for (std::size_t i = 0; i < picture.palette.size(); ++i) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "%06x", unsigned(picture.palette[i] & 0xffffffu));
            text += (i ? "," : "") + std::string(hex);
        }
        text += '\t';
        for (const int index : picture.colours)
            text += colourCharacter(index);
        text += '\t';
        if (picture.givens.empty())
            text += '-';
        for (std::size_t i = 0; i < picture.givens.size(); ++i)
            text += (i ? " " : "") + std::to_string(picture.givens[i].first) + ','
                + std::to_string(picture.givens[i].second);
        for (const std::string& title : picture.titles)
            text += '\t' + title;
        text += '\n';
    }
    return text;
}
