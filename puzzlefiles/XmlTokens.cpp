// SPDX-License-Identifier: GPL-3.0-or-later
#include "XmlTokens.h"

#include "Entities.h"
#include "TextLines.h"

#include <algorithm>

namespace {

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool startsName(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == ':'
        || static_cast<unsigned char>(c) >= 0x80;
}

bool continuesName(char c)
{
    return startsName(c) || (c >= '0' && c <= '9') || c == '-' || c == '.';
}

// The characters XML text may hold.
bool isXmlCharacter(long code)
{
    return code == 0x9 || code == 0xA || code == 0xD || (code >= 0x20 && code <= 0xD7FF)
        || (code >= 0xE000 && code <= 0xFFFD) || (code >= 0x10000 && code <= 0x10FFFF);
}

} // namespace

const std::string* XmlTokens::Token::attribute(std::string_view attributeName) const
{
    for (const Attribute& each : attributes)
        if (each.name == attributeName)
            return &each.value;
    return nullptr;
}

XmlTokens::XmlTokens(std::string_view text)
    : xml(text)
{
    // Editors on some systems start UTF-8 files with a byte order mark.
    if (xml.substr(0, 3) == "\xEF\xBB\xBF")
        xml.remove_prefix(3);
}

XmlTokens::Kind XmlTokens::fail(const std::string& reason)
{
    if (failure.empty())
        failure = atLine(lineAt(pos), reason);
    return Kind::Failed;
}

int XmlTokens::lineAt(std::size_t position)
{
    position = std::min(position, xml.size());
    if (position > countedTo) {
        linesCounted += static_cast<int>(std::count(xml.begin() + countedTo, xml.begin() + position, '\n'));
        countedTo = position;
    }
    return linesCounted;
}

bool XmlTokens::startsWith(std::string_view prefix) const
{
    return xml.substr(pos, prefix.size()) == prefix;
}

bool XmlTokens::skipPast(std::string_view end, const char* what)
{
    const std::size_t found = xml.find(end, pos);
    if (found == std::string_view::npos) {
        fail(std::string("the file ends inside ") + what);
        return false;
    }
    pos = found + end.size();
    return true;
}

std::size_t XmlTokens::nameLength(std::size_t from) const
{
    if (from >= xml.size() || !startsName(xml[from]))
        return 0;
    std::size_t end = from + 1;
    while (end < xml.size() && continuesName(xml[end]))
        ++end;
    return end - from;
}

XmlTokens::Kind XmlTokens::next(Token& token)
{
    token.name.clear();
    token.attributes.clear();
    token.text.clear();
    if (!failure.empty())
        return token.kind = Kind::Failed;
    if (pendingEnd) {
        pendingEnd = false;
        token.kind = Kind::End;
        token.name = std::move(open.back());
        token.line = lineAt(pos);
        open.pop_back();
        return token.kind;
    }
    while (true) {
        if (pos >= xml.size()) {
            if (!open.empty())
                return token.kind = fail("the file ends inside <" + excerpt(open.back()) + ">");
            if (!rootSeen)
                return token.kind = fail("the file holds no XML element");
            return token.kind = Kind::Finished;
        }
        const char c = xml[pos];
        if (!open.empty() && (c != '<' || startsWith("<![CDATA[")))
            return token.kind = readText(token);
        if (c != '<') {
            if (!isSpace(c))
                return token.kind = fail("text outside the document's element");
            ++pos;
            continue;
        }
        if (startsWith("<!--")) {
            pos += 4;
            if (!skipPast("-->", "a comment"))
                return token.kind = Kind::Failed;
        } else if (startsWith("<?")) {
            pos += 2;
            if (!skipPast("?>", "a processing instruction"))
                return token.kind = Kind::Failed;
        } else if (startsWith("<!DOCTYPE")) {
            if (rootSeen || doctypeSeen)
                return token.kind = fail("a DOCTYPE after the document's start");
            doctypeSeen = true;
            if (!skipDoctype())
                return token.kind = Kind::Failed;
        } else if (startsWith("</")) {
            return token.kind = readEndTag(token);
        } else {
            return token.kind = readStartTag(token);
        }
    }
}

void XmlTokens::appendCharacter(std::string& text, char c)
{
    // Line ends become "\n", as XML reads them.
    if (c == '\n' && lastWasCarriageReturn) {
        lastWasCarriageReturn = false;
        return;
    }
    lastWasCarriageReturn = c == '\r';
    text += c == '\r' ? '\n' : c;
}

bool XmlTokens::appendReference(std::string& text)
{
    const std::size_t length = xml.substr(pos + 1, longestEntityName + 1).find(';');
    if (length == std::string_view::npos) {
        fail("a '&' that starts no entity (a '&' itself is written &amp;)");
        return false;
    }
    const std::string_view name = xml.substr(pos + 1, length);
    long code = -1;
    if (name == "amp")
        code = '&';
    else if (name == "lt")
        code = '<';
    else if (name == "gt")
        code = '>';
    else if (name == "quot")
        code = '"';
    else if (name == "apos")
        code = '\'';
    else if (!name.empty() && name.front() == '#') {
        code = numericReference(name);
        if (!isXmlCharacter(code)) {
            fail("&" + excerpt(name) + "; is no character XML text may hold");
            return false;
        }
    }
    if (code < 0) {
        fail("the entity &" + excerpt(name) + "; is not one XML defines (entities a DOCTYPE defines are never read)");
        return false;
    }
    lastWasCarriageReturn = false;
    appendUtf8(text, static_cast<char32_t>(code));
    pos += length + 2;
    return true;
}

XmlTokens::Kind XmlTokens::readText(Token& token)
{
    token.line = lineAt(pos);
    lastWasCarriageReturn = false;
    while (pos < xml.size()) {
        const char c = xml[pos];
        if (c == '<') {
            if (startsWith("<![CDATA[")) {
                const std::size_t start = pos + 9;
                pos = start;
                if (!skipPast("]]>", "a CDATA section"))
                    return Kind::Failed;
                for (char raw : xml.substr(start, pos - 3 - start))
                    appendCharacter(token.text, raw);
                continue;
            }
            if (startsWith("<!--")) {
                pos += 4;
                if (!skipPast("-->", "a comment"))
                    return Kind::Failed;
                continue;
            }
            break;
        }
        if (c == '&') {
            if (!appendReference(token.text))
                return Kind::Failed;
            continue;
        }
        appendCharacter(token.text, c);
        ++pos;
    }
    return Kind::Text;
}

XmlTokens::Kind XmlTokens::readStartTag(Token& token)
{
    token.line = lineAt(pos);
    const std::size_t length = nameLength(pos + 1);
    if (length == 0)
        return fail("a '<' that starts no tag (a '<' itself is written &lt;)");
    token.name = std::string(xml.substr(pos + 1, length));
    pos += 1 + length;
    bool selfClosing = false;
    while (true) {
        const std::size_t before = pos;
        while (pos < xml.size() && isSpace(xml[pos]))
            ++pos;
        if (pos >= xml.size())
            return fail("the file ends inside the tag <" + excerpt(token.name) + ">");
        if (xml[pos] == '>') {
            ++pos;
            break;
        }
        if (startsWith("/>")) {
            pos += 2;
            selfClosing = true;
            break;
        }
        const std::size_t nameSize = nameLength(pos);
        if (pos == before || nameSize == 0)
            return fail("the tag <" + excerpt(token.name) + "> is malformed");
        Attribute attribute;
        attribute.name = std::string(xml.substr(pos, nameSize));
        pos += nameSize;
        while (pos < xml.size() && isSpace(xml[pos]))
            ++pos;
        if (pos >= xml.size() || xml[pos] != '=')
            return fail("the attribute " + excerpt(attribute.name) + " has no value");
        ++pos;
        while (pos < xml.size() && isSpace(xml[pos]))
            ++pos;
        if (pos >= xml.size() || (xml[pos] != '"' && xml[pos] != '\''))
            return fail("the value of the attribute " + excerpt(attribute.name) + " is not quoted");
        const char quote = xml[pos++];
        while (pos < xml.size() && xml[pos] != quote) {
            if (xml[pos] == '<')
                return fail("a '<' in the value of the attribute " + excerpt(attribute.name));
            if (xml[pos] == '&') {
                if (!appendReference(attribute.value))
                    return Kind::Failed;
                continue;
            }
            // Line ends and tabs in a value are spaces, as XML reads them.
            attribute.value += isSpace(xml[pos]) ? ' ' : xml[pos];
            ++pos;
        }
        if (pos >= xml.size())
            return fail("the file ends inside the value of the attribute " + excerpt(attribute.name));
        ++pos;
        if (token.attribute(attribute.name))
            return fail("the attribute " + excerpt(attribute.name) + " is given twice");
        if (token.attributes.size() == mostAttributes)
            return fail("the tag <" + excerpt(token.name) + "> has more attributes than the game reads");
        token.attributes.push_back(std::move(attribute));
    }
    if (open.empty() && rootSeen)
        return fail("a second document element <" + excerpt(token.name) + ">");
    if (open.size() == deepest)
        return fail("elements nested more than " + std::to_string(deepest) + " deep");
    if (++elements > mostElements)
        return fail("more than " + std::to_string(mostElements) + " elements");
    rootSeen = true;
    open.push_back(token.name);
    pendingEnd = selfClosing;
    return Kind::Start;
}

XmlTokens::Kind XmlTokens::readEndTag(Token& token)
{
    token.line = lineAt(pos);
    const std::size_t length = nameLength(pos + 2);
    token.name = std::string(xml.substr(pos + 2, length));
    pos += 2 + length;
    while (pos < xml.size() && isSpace(xml[pos]))
        ++pos;
    if (length == 0 || pos >= xml.size() || xml[pos] != '>')
        return fail("a malformed end tag");
    ++pos;
    if (open.empty())
        return fail("</" + excerpt(token.name) + "> closes no element");
    if (open.back() != token.name)
        return fail("</" + excerpt(token.name) + "> where </" + excerpt(open.back()) + "> should close <"
            + excerpt(open.back()) + ">");
    open.pop_back();
    return Kind::End;
}

bool XmlTokens::skipDoctype()
{
    // Brackets hold the internal subset; quotes and comments inside it may hold '>' and ']'.
    std::size_t depth = 0;
    pos += 9;
    while (pos < xml.size()) {
        const char c = xml[pos];
        if (c == '"' || c == '\'') {
            const std::size_t closing = xml.find(c, pos + 1);
            if (closing == std::string_view::npos)
                break;
            pos = closing + 1;
            continue;
        }
        if (startsWith("<!--")) {
            pos += 4;
            if (!skipPast("-->", "a comment"))
                return false;
            continue;
        }
        if (c == '[')
            ++depth;
        else if (c == ']' && depth > 0)
            --depth;
        else if (c == '>' && depth == 0) {
            ++pos;
            return true;
        }
        ++pos;
    }
    fail("the file ends inside its DOCTYPE");
    return false;
}
