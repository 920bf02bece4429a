// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesignList.h"

#include "DesignCode.h"

#include <sstream>

namespace {

std::vector<std::string> fields(const std::string& line)
{
    std::vector<std::string> parts(1);
    for (const char c : line) {
        if (c == '\t')
            parts.emplace_back();
        else
            parts.back() += c;
    }
    return parts;
}

} // namespace

DesignList readDesignList(const std::string& text)
{
    DesignList list;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line.front() == '#')
            continue;
        const std::vector<std::string> parts = fields(line);
        DesignCode::Problem why;
        std::optional<Design> design = parts.size() == 4 ? DesignCode::read(parts[0], why) : std::nullopt;
        if (!design) {
            list.unreadable.push_back(line);
            continue;
        }
        design->title = parts[1];
        design->author = parts[2];
        design->licence = parts[3];
        list.designs.push_back(std::move(*design));
    }
    return list;
}

std::string writeDesignList(const DesignList& list)
{
    std::string text = "# The player's designs: code, title, author, licence, separated by tabs.\n";
    for (const Design& design : list.designs)
        text += DesignCode::of(design) + '\t' + oneLine(design.title) + '\t' + oneLine(design.author) + '\t'
            + oneLine(design.licence) + '\n';
    for (const std::string& line : list.unreadable)
        text += line + '\n';
    return text;
}

std::string oneLine(const std::string& text)
{
    std::string line = text;
    for (char& c : line)
        if (c == '\t' || c == '\n' || c == '\r')
            c = ' ';
    return line;
}
