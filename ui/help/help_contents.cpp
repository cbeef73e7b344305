#include "ui/help/help_contents.hpp"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <optional>

#include "engine/plain_text.hpp"

namespace qavo::help {
namespace {

struct NamedEntity {
    std::string_view name;
    std::string_view text;
};

// The named entities a help text may use in a heading; others stay as written.
constexpr NamedEntity kNamedEntities[] = {
    {"amp", "&"},        {"lt", "<"},         {"gt", ">"},         {"quot", "\""},
    {"apos", "'"},       {"nbsp", " "},       {"ndash", "\u2013"}, {"mdash", "\u2014"},
    {"rsquo", "\u2019"}, {"lsquo", "\u2018"},
};

bool IsSpace(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// Position of needle in text at or after from, ignoring letter case.
std::size_t FindNoCase(std::string_view text, std::string_view needle, std::size_t from) {
    const auto it =
        std::search(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(), needle.begin(),
                    needle.end(), [](char a, char b) { return LowerCase(a) == LowerCase(b); });
    return it == text.end() ? std::string_view::npos : static_cast<std::size_t>(it - text.begin());
}

void AppendUtf8(std::string& out, std::uint32_t code) {
    if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        code = 0xFFFD;
    }
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// Decodes the entity whose name (between '&' and ';') is given; nullopt when unknown.
std::optional<std::string> DecodeEntity(std::string_view name) {
    if (name.size() >= 2 && name[0] == '#') {
        const bool hex = LowerCase(name[1]) == 'x';
        const std::string_view digits = name.substr(hex ? 2 : 1);
        if (digits.empty() || digits.size() > 8) {
            return std::nullopt;
        }
        std::uint32_t code = 0;
        for (const char c : digits) {
            const int digit = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                              : hex && std::isxdigit(static_cast<unsigned char>(c))
                                  ? LowerCase(c) - 'a' + 10
                                  : -1;
            if (digit < 0) {
                return std::nullopt;
            }
            code = code * (hex ? 16 : 10) + static_cast<std::uint32_t>(digit);
        }
        std::string out;
        AppendUtf8(out, code);
        return out;
    }
    for (const NamedEntity& entity : kNamedEntities) {
        if (entity.name == name) {
            return std::string(entity.text);
        }
    }
    return std::nullopt;
}

// Reads the tag that starts at text[open] == '<': its lower-case name and the
// position just past its closing '>' (quoted attribute values may hold '>').
struct Tag {
    std::string name;
    std::string_view attributes;
    std::size_t end = std::string_view::npos;
};

Tag ReadTag(std::string_view text, std::size_t open) {
    Tag tag;
    std::size_t pos = open + 1;
    while (pos < text.size() && (std::isalnum(static_cast<unsigned char>(text[pos])) ||
                                 (pos == open + 1 && (text[pos] == '/' || text[pos] == '!')))) {
        tag.name += LowerCase(text[pos]);
        ++pos;
    }
    const std::size_t attributesBegin = pos;
    char quote = 0;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (quote != 0) {
            if (c == quote) {
                quote = 0;
            }
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '>') {
            tag.attributes = text.substr(attributesBegin, pos - attributesBegin);
            tag.end = pos + 1;
            break;
        }
    }
    return tag;
}

// The value of attribute name in a tag's attribute text; empty when absent.
std::string AttributeValue(std::string_view attributes, std::string_view name) {
    std::size_t pos = 0;
    while (pos < attributes.size()) {
        while (pos < attributes.size() && IsSpace(attributes[pos])) {
            ++pos;
        }
        std::string key;
        while (pos < attributes.size() && !IsSpace(attributes[pos]) && attributes[pos] != '=') {
            key += LowerCase(attributes[pos]);
            ++pos;
        }
        while (pos < attributes.size() && IsSpace(attributes[pos])) {
            ++pos;
        }
        std::string value;
        if (pos < attributes.size() && attributes[pos] == '=') {
            ++pos;
            while (pos < attributes.size() && IsSpace(attributes[pos])) {
                ++pos;
            }
            if (pos < attributes.size() && (attributes[pos] == '"' || attributes[pos] == '\'')) {
                const char quote = attributes[pos++];
                const std::size_t close = attributes.find(quote, pos);
                const std::size_t stop =
                    close == std::string_view::npos ? attributes.size() : close;
                value = attributes.substr(pos, stop - pos);
                pos = stop + 1;
            } else {
                while (pos < attributes.size() && !IsSpace(attributes[pos])) {
                    value += attributes[pos++];
                }
            }
        }
        if (key == name) {
            return value;
        }
        if (key.empty()) {
            ++pos;  // a stray character such as a lone '/' of "<br/>"
        }
    }
    return {};
}

// Position of the closing tag of name at or after from; npos when it is never closed.
std::size_t ClosingTag(std::string_view text, std::string_view name, std::size_t from) {
    return FindNoCase(text, std::string("</") + std::string(name), from);
}

}  // namespace

std::string PlainHeadingText(std::string_view markup) {
    std::string decoded;
    for (std::size_t pos = 0; pos < markup.size();) {
        const char c = markup[pos];
        if (c == '<') {
            const Tag tag = ReadTag(markup, pos);
            if (tag.end == std::string_view::npos) {
                break;
            }
            decoded += ' ';  // a tag such as <br> separates words
            pos = tag.end;
        } else if (c == '&') {
            const std::size_t semicolon = markup.find(';', pos);
            const std::optional<std::string> entity =
                semicolon == std::string_view::npos || semicolon - pos > 10
                    ? std::nullopt
                    : DecodeEntity(markup.substr(pos + 1, semicolon - pos - 1));
            if (entity) {
                decoded += *entity;
                pos = semicolon + 1;
            } else {
                decoded += c;
                ++pos;
            }
        } else {
            decoded += c;
            ++pos;
        }
    }
    std::string plain;
    for (const char c : decoded) {
        if (IsSpace(c)) {
            if (!plain.empty() && plain.back() != ' ') {
                plain += ' ';
            }
        } else {
            plain += c;
        }
    }
    if (!plain.empty() && plain.back() == ' ') {
        plain.pop_back();
    }
    return plain;
}

HelpContents ReadHelpContents(std::string_view html) {
    HelpContents contents;
    bool titleSeen = false;
    std::size_t pos = html.find('<');
    while (pos != std::string_view::npos) {
        if (html.substr(pos, 4) == "<!--") {
            const std::size_t close = html.find("-->", pos + 4);
            if (close == std::string_view::npos) {
                break;
            }
            pos = html.find('<', close + 3);
            continue;
        }
        const Tag tag = ReadTag(html, pos);
        if (tag.end == std::string_view::npos) {
            break;
        }
        std::size_t next = tag.end;
        if (tag.name == "title" || tag.name == "h2" || tag.name == "h3") {
            const std::size_t close = ClosingTag(html, tag.name, tag.end);
            if (close == std::string_view::npos) {
                break;
            }
            const std::string text = PlainHeadingText(html.substr(tag.end, close - tag.end));
            if (tag.name == "title") {
                if (!titleSeen) {
                    contents.title = text;
                    titleSeen = true;
                }
            } else if (std::string id = AttributeValue(tag.attributes, "id"); !id.empty()) {
                contents.topics.push_back({std::move(id), text, tag.name == "h2" ? 2 : 3});
            }
            next = close;
        }
        pos = html.find('<', next);
    }
    return contents;
}

}  // namespace qavo::help
