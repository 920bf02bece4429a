// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The pieces of an XML text in order, read strictly and within bounds: start tags with their
// attributes (quoted with ' or "), end tags (an empty element "<a/>" gives both), and text,
// with the five entities of XML and numeric character references decoded, CDATA sections
// taken as they are and comments dropped. The XML declaration and processing instructions
// are skipped, and so is the DOCTYPE: nothing it names is ever fetched and no entity it
// defines is expanded, so a reference to one is an error.
class XmlTokens {
public:
    enum class Kind { Start, End, Text, Finished, Failed };
    struct Attribute {
        std::string name;
        std::string value;
    };
    struct Token {
        Kind kind = Kind::Finished;
        std::string name; // of a Start or End
        std::vector<Attribute> attributes; // of a Start
        std::string text; // of a Text
        int line = 0; // where the token starts
        const std::string* attribute(std::string_view attributeName) const;
    };

    static constexpr std::size_t deepest = 64;
    static constexpr long mostElements = 1L << 21;
    static constexpr std::size_t mostAttributes = 32;

    explicit XmlTokens(std::string_view text);
    // Fills in the next token and returns its kind: Finished once the text ends after its
    // element, Failed (with error()) on anything malformed; either stays so.
    Kind next(Token& token);
    // "line N: " and what is malformed.
    const std::string& error() const { return failure; }

private:
    Kind fail(const std::string& reason);
    int lineAt(std::size_t position);
    bool startsWith(std::string_view prefix) const;
    bool skipPast(std::string_view end, const char* what);
    std::size_t nameLength(std::size_t from) const;
    bool appendReference(std::string& text);
    void appendCharacter(std::string& text, char c);
    Kind readText(Token& token);
    Kind readStartTag(Token& token);
    Kind readEndTag(Token& token);
    bool skipDoctype();

    std::string_view xml;
    std::size_t pos = 0;
    std::size_t countedTo = 0;
    int linesCounted = 1;
    std::vector<std::string> open;
    bool rootSeen = false;
    bool doctypeSeen = false;
    bool pendingEnd = false;
    bool lastWasCarriageReturn = false;
    long elements = 0;
    std::string failure;
};
