// SPDX-License-Identifier: GPL-3.0-or-later
#include "PuzzleSizes.h"

#include "PuzzleMaker.h"

#include <cctype>

namespace {

// A count of cells: decimal digits only, no sign, no leading zero, and few enough that it
// cannot overflow. at moves past it.
bool readCount(const std::string& text, std::size_t& at, int& count)
{
    constexpr std::size_t mostDigits = 4;
    const auto isDigit
        = [&](std::size_t i) { return i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); };
    const std::size_t start = at;
    count = 0;
    while (isDigit(at) && at - start < mostDigits)
        count = count * 10 + (text[at++] - '0');
    return at > start && text[start] != '0' && !isDigit(at);
}

} // namespace

bool readSize(const std::string& text, int& columns, int& rows)
{
    std::size_t at = 0;
    return readCount(text, at, columns) && at < text.size() && (text[at] == 'x' || text[at] == 'X')
        && readCount(text, ++at, rows) && at == text.size();
}

int sizeIndexOf(int columns, int rows)
{
    for (int index = 0; index < puzzleSizeCount; ++index)
        if (puzzleSizes[index].columns == columns && puzzleSizes[index].rows == rows)
            return index;
    return -1;
}

int sizeIndexOf(const std::string& label)
{
    for (int index = 0; index < puzzleSizeCount; ++index)
        if (label == puzzleSizes[index].label)
            return index;
    return -1;
}

bool madeByClimb(int columns, int rows)
{
    const int index = sizeIndexOf(columns, rows);
    return index >= 0 && !puzzleSizes[index].pictures;
}

bool madeOfPictures(int columns, int rows)
{
    const int index = sizeIndexOf(columns, rows);
    return index >= 0 && puzzleSizes[index].pictures;
}

BandReach bandOutOfReach(int sizeIndex, int band)
{
    const PuzzleSize& size = puzzleSizes[sizeIndex];
    if (band <= size.hardestBand)
        return BandReach::Made;
    return PuzzleMaker::canMake(band, size.pictures) ? BandReach::TooRare : BandReach::BeyondTheSevenTechniques;
}
