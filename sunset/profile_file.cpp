#include "sunset/profile_file.hpp"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <filesystem>
#include <vector>

#include "engine/plain_text.hpp"
#include "safe_file/read_file.hpp"
#include "safe_file/safe_file.hpp"

namespace qavo {

namespace {

// A settings file is a few lines; anything far larger is not one.
constexpr std::size_t kMaxSettingsBytes = 1 << 20;
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

std::string_view Trim(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && blank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && blank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

// One line of the file, with the place it starts at and the line end it had.
struct Line {
    std::size_t begin;  // offset of its first character
    std::size_t end;    // offset just past its text, before the line end
    std::size_t next;   // offset of the next line
    std::string_view text;
};

std::vector<Line> SplitLines(std::string_view text) {
    std::vector<Line> lines;
    std::size_t begin = text.substr(0, kUtf8Mark.size()) == kUtf8Mark ? kUtf8Mark.size() : 0;
    while (begin < text.size()) {
        std::size_t newline = text.find('\n', begin);
        const std::size_t next = newline == std::string_view::npos ? text.size() : newline + 1;
        std::size_t end = newline == std::string_view::npos ? text.size() : newline;
        if (newline != std::string_view::npos && end > begin && text[end - 1] == '\r') {
            --end;  // a carriage return ends a line only before a line feed
        }
        lines.push_back({begin, end, next, text.substr(begin, end - begin)});
        begin = next;
    }
    return lines;
}

// The section name of a "[name]" line.
std::optional<std::string_view> SectionName(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line.front() != '[') {
        return std::nullopt;
    }
    const std::size_t close = line.find(']');
    return Trim(line.substr(1, close == std::string_view::npos ? line.size() - 1 : close - 1));
}

bool IsKeyLine(std::string_view line, std::string_view key) {
    const std::string_view trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() == ';') {
        return false;
    }
    const std::size_t equals = line.find('=');
    return equals != std::string_view::npos && SameIgnoringCase(Trim(line.substr(0, equals)), key);
}

// Where the section's lines are: [first, last) indexes of the lines after its
// heading; nullopt when the section is absent.
struct SectionSpan {
    std::size_t first;
    std::size_t last;
};
std::optional<SectionSpan> FindSection(const std::vector<Line>& lines, std::string_view section) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto name = SectionName(lines[i].text);
        if (name && SameIgnoringCase(*name, section)) {
            std::size_t last = i + 1;
            while (last < lines.size() && !SectionName(lines[last].text)) {
                ++last;
            }
            return SectionSpan{i + 1, last};
        }
    }
    return std::nullopt;
}

// The whole text of the settings file a change is made to; empty when there
// is no file yet.
Result<std::string> TextToChange(const std::string& path) {
    Result<std::string> text = ReadProfileText(path);
    if (!text) {
        return Failure{path + " could not be read: " + text.error()};
    }
    if (text->size() > kMaxSettingsBytes) {
        return Failure{path + " is too large to be a settings file"};
    }
    return text;
}

std::string_view LineEndOf(std::string_view text) {
    return text.find("\r\n") != std::string_view::npos || text.find('\n') == std::string_view::npos
               ? "\r\n"
               : "\n";
}

}  // namespace

std::optional<std::string> FindProfileValue(std::string_view text, std::string_view section,
                                            std::string_view key) {
    const std::vector<Line> lines = SplitLines(text);
    const auto span = FindSection(lines, section);
    if (!span) {
        return std::nullopt;
    }
    for (std::size_t i = span->first; i < span->last; ++i) {
        if (IsKeyLine(lines[i].text, key)) {
            return std::string(Trim(lines[i].text.substr(lines[i].text.find('=') + 1)));
        }
    }
    return std::nullopt;
}

std::string WithProfileValue(std::string_view text, std::string_view section, std::string_view key,
                             std::string_view value) {
    const std::vector<Line> lines = SplitLines(text);
    const std::string_view lineEnd = LineEndOf(text);
    const std::string entry = std::string(key) + "=" + std::string(value);
    const auto span = FindSection(lines, section);
    std::string out(text);
    if (!span) {
        if (!out.empty() && out.back() != '\n') {
            out += lineEnd;
        }
        return out + "[" + std::string(section) + "]" + std::string(lineEnd) + entry +
               std::string(lineEnd);
    }
    for (std::size_t i = span->first; i < span->last; ++i) {
        if (IsKeyLine(lines[i].text, key)) {
            return out.replace(lines[i].begin, lines[i].end - lines[i].begin, entry);
        }
    }
    // After the section's last line that is not blank.
    std::size_t after = span->first;
    for (std::size_t i = span->first; i < span->last; ++i) {
        if (!Trim(lines[i].text).empty()) {
            after = i + 1;
        }
    }
    const Line& previous = lines[after - 1];
    if (previous.next == previous.end) {  // the file's last line had no line end
        return out.insert(previous.end, std::string(lineEnd) + entry);
    }
    return out.insert(previous.next, entry + std::string(lineEnd));
}

std::string WithoutProfileValue(std::string_view text, std::string_view section,
                                std::string_view key) {
    const std::vector<Line> lines = SplitLines(text);
    const auto span = FindSection(lines, section);
    std::string out(text);
    if (span) {
        for (std::size_t i = span->first; i < span->last; ++i) {
            if (IsKeyLine(lines[i].text, key)) {
                return out.erase(lines[i].begin, lines[i].next - lines[i].begin);
            }
        }
    }
    return out;
}

Result<std::string> ReadProfileText(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        return std::string();
    }
    return ReadFileBytes(path, kMaxSettingsBytes);
}

Result<std::string> ReadProfileString(const std::string& path, std::string_view section,
                                      std::string_view key, std::string_view defaultValue,
                                      std::size_t maxLength) {
    const Result<std::string> text = ReadProfileText(path);
    if (!text) {
        return text;
    }
    return FindProfileValue(*text, section, key)
        .value_or(std::string(defaultValue))
        .substr(0, maxLength);
}

FileResult WriteProfileString(const std::string& path, std::string_view section,
                              std::string_view key, std::string_view value) {
    return WriteProfileStrings(path, section, {{key, value}});
}

FileResult WriteProfileStrings(const std::string& path, std::string_view section,
                               std::initializer_list<ProfileEntry> entries) {
    const Result<std::string> text = TextToChange(path);
    if (!text) {
        return Failure{text.error()};
    }
    std::string changed = *text;
    for (const ProfileEntry& entry : entries) {
        changed = WithProfileValue(changed, section, entry.key, entry.value);
    }
    return ReplaceFileSafely(path, changed);
}

FileResult RemoveProfileString(const std::string& path, std::string_view section,
                               std::string_view key) {
    const Result<std::string> text = TextToChange(path);
    if (!text) {
        return Failure{text.error()};
    }
    const std::string changed = WithoutProfileValue(*text, section, key);
    return changed == *text ? FileResult{} : ReplaceFileSafely(path, changed);
}

}  // namespace qavo
