// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Design.h"

#include <string>
#include <vector>

// The player's designs as a text file, a design a line, its fields separated by tabs:
//
//   code  title  author  licence
//
// the code as DesignCode writes it, the texts without tabs or line breaks (the designer
// keeps them to one line). Lines starting with '#' are comments. A line that cannot be read
// is kept as it is and written back, so that a damaged line costs nothing more.
struct DesignList {
    std::vector<Design> designs;
    std::vector<std::string> unreadable;
};

DesignList readDesignList(const std::string& text);
std::string writeDesignList(const DesignList& list);
// A text as one field: tabs and line breaks become spaces.
std::string oneLine(const std::string& text);
