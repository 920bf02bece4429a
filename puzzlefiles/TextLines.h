// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// The lines of a text one at a time, without copying them: "\n" and "\r\n" end a line, a
// byte order mark before the first line is dropped (editors on some systems write one), and
// lines are numbered from 1, as an editor shows them. A last line without its "\n" counts.
class TextLines {
public:
    explicit TextLines(std::string_view text);
    // Moves to the next line; false after the last.
    bool next();
    std::string_view line() const { return current; }
    int number() const { return lineNumber; }

private:
    std::string_view rest;
    std::string_view current;
    int lineNumber = 0;
};

std::string_view trimmed(std::string_view text);
bool isBlank(std::string_view text);
// ASCII letters in lower case; other bytes as they are.
std::string lowerCase(std::string_view text);
// "line 7: " and the reason, or the reason alone for line 0 (a file without lines to name).
std::string atLine(int line, const std::string& reason);
// A piece of the file to quote in a reason, cut (at a character's start) so that no file can
// make a reason long.
std::string excerpt(std::string_view text);
