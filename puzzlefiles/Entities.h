// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// Character references as the text formats write them.

// The longest entity name looked for after a '&'; a text of '&'s without ';' is then read in
// one pass rather than once for every '&'.
constexpr std::size_t longestEntityName = 32;

void appendUtf8(std::string& text, char32_t code);

// The character of a numeric reference's body ("#169", "#xA9"), or -1 when the body is not
// one or names no character text may hold (NUL, a surrogate, beyond Unicode).
long numericReference(std::string_view body);

// Replaces the named and numeric references a web page knows ("&copy;", "&amp;", "&#169;",
// "&#xA9;") by their characters; a '&' that starts none, or names one not known here, stays
// as written.
std::string decodeHtmlEntities(std::string_view text);
