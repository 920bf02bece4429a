// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesignCode.h"

#include "CodeAlphabet.h"
#include "PuzzleSizes.h"

#include <algorithm>
#include <cctype>

using CodeAlphabet::base;
using CodeAlphabet::digitOf;
using CodeAlphabet::digits;

namespace {

constexpr int bitsPerDigit = 5;
// A prime, so that any one digit mistyped (but 0 for Z) and any two neighbours swapped change
// it; it is below the base, so it is one digit.
constexpr int checkModulus = 31;

int checkDigit(const std::string& digitsRead, int columns, int rows, bool withGivens)
{
    long sum = 3L * columns + 5L * rows + (withGivens ? 7 : 0);
    for (std::size_t i = 0; i < digitsRead.size(); ++i)
        sum += long(i % (checkModulus - 1) + 1) * digitOf(digitsRead[i]);
    return int(sum % checkModulus);
}

int pictureDigits(int columns, int rows)
{
    return (columns * rows + bitsPerDigit - 1) / bitsPerDigit;
}

// Digits a given cell's number takes on a picture of that many cells.
int givenDigits(int cells)
{
    int count = 1;
    for (long reach = base; reach < cells; reach *= base)
        ++count;
    return count;
}

// The text without what copying adds: spaces around it, and line breaks anywhere.
std::string trimmed(const std::string& text)
{
    std::string kept;
    for (const char c : text)
        if (c != '\r' && c != '\n')
            kept += c;
    const std::size_t first = kept.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return kept.substr(first, kept.find_last_not_of(" \t") - first + 1);
}

// The size before "-D-", and where the digits start; false when there is no such start.
bool readStart(const std::string& code, int& columns, int& rows, std::size_t& digitsAt)
{
    const std::size_t dash = code.find('-');
    if (dash == std::string::npos || code.size() < dash + 3 || !readSize(code.substr(0, dash), columns, rows))
        return false;
    if (std::toupper(static_cast<unsigned char>(code[dash + 1])) != 'D' || code[dash + 2] != '-')
        return false;
    digitsAt = dash + 3;
    return true;
}

} // namespace

namespace DesignCode {

std::string of(const Design& design)
{
    std::string text = std::to_string(design.columns) + "x" + std::to_string(design.rows) + "-D-";
    std::string body;
    const int cells = design.columns * design.rows;
    for (int first = 0; first < cells; first += bitsPerDigit) {
        int digit = 0;
        for (int bit = 0; bit < bitsPerDigit; ++bit) {
            const int at = first + bit;
            digit = digit * 2 + (at < cells && design.cells[std::size_t(at)] ? 1 : 0);
        }
        body += digits[digit];
    }
    std::string givens;
    const int width = givenDigits(cells);
    for (const auto& [x, y] : design.givens) {
        std::string number;
        for (int rest = y * design.columns + x, i = 0; i < width; ++i, rest /= base)
            number.insert(number.begin(), digits[rest % base]);
        givens += number;
    }
    const int check = checkDigit(body + givens, design.columns, design.rows, !givens.empty());
    return text + body + (givens.empty() ? "" : "-" + givens) + digits[check];
}

std::optional<Design> read(const std::string& text, Problem& why)
{
    const auto refuse = [&why](Problem problem) {
        why = problem;
        return std::nullopt;
    };
    const std::string code = trimmed(text);
    int columns = 0;
    int rows = 0;
    std::size_t at = 0;
    if (!readStart(code, columns, rows, at))
        return refuse(Problem::NotADesign);
    if (!designSideFits(columns) || !designSideFits(rows))
        return refuse(Problem::SizeOutOfRange);
    std::string body = code.substr(at);
    std::string givens;
    if (const std::size_t dash = body.find('-'); dash != std::string::npos) {
        givens = body.substr(dash + 1);
        body.erase(dash);
    }
    for (const std::string* part : {&body, &givens})
        for (const char c : *part)
            if (digitOf(c) < 0)
                return refuse(Problem::BadCharacter);
    // The check digit ends the code, whichever part it follows.
    std::string& last = givens.empty() ? body : givens;
    if (last.empty())
        return refuse(Problem::WrongLength);
    const char check = last.back();
    last.pop_back();
    const int cells = columns * rows;
    const int width = givenDigits(cells);
    if (int(body.size()) != pictureDigits(columns, rows) || givens.size() % std::size_t(width) != 0
        || (code.find('-', at) != std::string::npos && givens.empty()))
        return refuse(Problem::WrongLength);
    if (digitOf(check) != checkDigit(body + givens, columns, rows, !givens.empty()))
        return refuse(Problem::WrongCheck);
    Design design = Design::blank(columns, rows);
    for (int i = 0; i < int(body.size()); ++i) {
        const int digit = digitOf(body[std::size_t(i)]);
        for (int bit = 0; bit < bitsPerDigit; ++bit) {
            const int cell = i * bitsPerDigit + bit;
            const bool filled = (digit >> (bitsPerDigit - 1 - bit)) & 1;
            if (cell < cells)
                design.cells[std::size_t(cell)] = filled ? 1 : 0;
            else if (filled)
                // Padding is always empty: a filled one is a digit mistyped past the check.
                return refuse(Problem::WrongCheck);
        }
    }
    for (std::size_t i = 0; i < givens.size(); i += std::size_t(width)) {
        int number = 0;
        for (int d = 0; d < width; ++d)
            number = number * base + digitOf(givens[i + std::size_t(d)]);
        const int x = number % columns;
        const int y = number / columns;
        if (number >= cells || design.given(x, y))
            return refuse(Problem::BadGiven);
        design.givens.emplace_back(x, y);
    }
    why = Problem::None;
    return design;
}

bool looksLikeOne(const std::string& text)
{
    int columns = 0;
    int rows = 0;
    std::size_t at = 0;
    return readStart(trimmed(text), columns, rows, at);
}

} // namespace DesignCode
