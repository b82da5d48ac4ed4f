#include "engine/user_variable_file.h"

#include "engine/lexer.h"
#include "engine/user_functions.h"

#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <system_error>

namespace brelt::engine {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t kListedLines = 5;       // line numbers a message names before "and N more"
constexpr std::size_t kQuotedCharacters = 60; // of a skipped line quoted in a message

// As the evaluator reads a name: a letter first, nothing that ends a name or is a control byte.
bool isReadableName(std::string_view name) {
    if (name.empty() || !isLetter(static_cast<unsigned char>(name.front()))) return false;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= ' ' || isNameDelimiter(byte)) return false;
    }
    return true;
}

std::string quoted(const std::string& text) {
    if (text.size() <= kQuotedCharacters) return '"' + text + '"';
    std::size_t cut = kQuotedCharacters;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    return '"' + text.substr(0, cut) + "...\"";
}

// "1, 2, 3, 4, 5 and 19995 more" for the line numbers of `lines`.
std::string numberList(const std::vector<const SkippedLine*>& lines) {
    std::string numbers;
    for (std::size_t i = 0; i < lines.size() && i < kListedLines; ++i) {
        if (!numbers.empty()) numbers += ", ";
        numbers += std::to_string(lines[i]->lineNumber);
    }
    if (lines.size() > kListedLines)
        numbers += " and " + std::to_string(lines.size() - kListedLines) + " more";
    return numbers;
}

} // namespace

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

bool parseDecimal(std::string_view text, Real& value) {
    text = trimBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // from_chars also takes "inf" and "nan"; a decimal number starts with a digit or a point.
    if (text.empty() || !(isDigit(text.front()) || text.front() == '.')) return false;
    Real parsed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(parsed)) return false;
    value = negative ? -parsed : parsed;
    return true;
}

bool parseUserVariableLine(std::string_view line, std::string& name, Real& value) {
    const std::size_t separator = line.find(kUserVariableSeparator);
    if (separator == std::string_view::npos || separator == 0) return false;
    std::string_view valueText = line.substr(separator + kUserVariableSeparator.size());
    if (valueText.size() > kMaxValueText) valueText = valueText.substr(0, kMaxValueText);
    Real parsed = 0;
    if (!parseDecimal(valueText, parsed)) return false;
    const std::string_view fullName = line.substr(0, separator);
    if (!isReadableName(fullName)) return false;
    name = std::string(fullName.substr(0, kMaxUserVariableName));
    value = parsed;
    return true;
}

std::string reservedVariableMeaning(std::string_view name) {
    // The evaluator collects a name with the character that ends it; an operator is what follows a
    // variable that is read.
    return ReservedNameMeaning(std::string(name) + '+');
}

UserVariableFileContents parseUserVariableText(std::string_view text) {
    UserVariableFileContents contents;
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) text.remove_prefix(kByteOrderMark.size());
    int lineNumber = 0;
    for (std::string_view line : splitLines(text)) {
        ++lineNumber;
        if (trimBlanks(line).empty()) continue;
        UserVariable record;
        if (!parseUserVariableLine(line, record.name, record.value)) {
            contents.skipped.push_back({lineNumber, std::string(line)});
        } else if (std::string meaning = reservedVariableMeaning(record.name); !meaning.empty()) {
            contents.skipped.push_back({lineNumber, std::string(line), std::move(meaning)});
        } else {
            contents.records.push_back(std::move(record));
        }
    }
    // Newest first: the first line stands where the last-created record would.
    const int count = static_cast<int>(contents.records.size());
    for (int k = 0; k < count; ++k)
        contents.records[static_cast<std::size_t>(k)].code = count - k + kFirstUserVariableCode - 1;
    return contents;
}

bool readUserVariableFile(const std::string& path, UserVariableFileContents& contents) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open()) return false;
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) return false;
    contents = parseUserVariableText(text.str());
    return true;
}

bool loadUserVariables(Engine& engine, const std::string& path, std::vector<SkippedLine>* skipped) {
    UserVariableFileContents contents;
    if (!readUserVariableFile(path, contents)) return false;
    engine.UserVariableList = std::move(contents.records);
    if (skipped) *skipped = std::move(contents.skipped);
    return true;
}

std::string skippedLinesMessage(const std::string& path, const std::vector<SkippedLine>& skipped) {
    if (skipped.empty()) return {};
    if (skipped.size() == 1) {
        const SkippedLine& line = skipped.front();
        const std::string start =
            "Line " + std::to_string(line.lineNumber) + " of " + path + " was skipped: ";
        if (line.reservedAs.empty()) return start + quoted(line.text) + " is not a name = decimal number";
        const std::size_t separator = line.text.find(kUserVariableSeparator);
        return start + "the name " + line.text.substr(0, separator) + " belongs to the calculator (" +
               line.reservedAs + ")";
    }
    std::vector<const SkippedLine*> malformed;
    std::vector<const SkippedLine*> reserved;
    for (const SkippedLine& line : skipped)
        (line.reservedAs.empty() ? malformed : reserved).push_back(&line);
    std::string message;
    if (!malformed.empty())
        message = (malformed.size() == 1 ? "Line " : "Lines ") + numberList(malformed) + " of " + path +
                  (malformed.size() == 1 ? " was" : " were") +
                  " skipped: " + (malformed.size() == 1 ? "it is" : "they are") +
                  " not name = decimal number";
    if (!reserved.empty()) {
        if (!message.empty()) message += "\n";
        std::string names;
        for (std::size_t i = 0; i < reserved.size() && i < kListedLines; ++i) {
            if (!names.empty()) names += ", ";
            names += reserved[i]->text.substr(0, reserved[i]->text.find(kUserVariableSeparator));
        }
        message += (reserved.size() == 1 ? "Line " : "Lines ") + numberList(reserved) + " of " + path +
                   (reserved.size() == 1 ? " was" : " were") + " skipped: the calculator reads " + names +
                   (reserved.size() > kListedLines ? " ..." : "") + " as its own";
    }
    return message;
}

std::string exactDecimalText(Real value) {
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (error != std::errc()) return "0";
    std::string text(buffer, end);
    for (char& c : text)
        if (c == 'e') c = 'E';
    return text;
}

std::string userVariableFileLine(const UserVariable& record) {
    return record.name + std::string(kUserVariableSeparator) + exactDecimalText(record.value);
}

int addOrModifyUserVariable(Engine& engine, std::string name, Real value) {
    if (name.size() > kMaxUserVariableName) name.resize(kMaxUserVariableName);
    return engine.addUserVariableRecord(name, value);
}

bool deleteUserVariable(Engine& engine, int index) {
    if (index < 0 || index >= static_cast<int>(engine.UserVariableList.size())) return false;
    engine.UserVariableList.erase(engine.UserVariableList.begin() + index);
    return true;
}

bool writeUserVariableFile(const std::string& path, const std::vector<UserVariable>& records) {
    std::vector<std::string> lines;
    lines.reserve(records.size());
    for (const UserVariable& record : records)
        lines.push_back(userVariableFileLine(record));
    return writeLinesAtomically(path, lines);
}

bool writeLinesAtomically(const std::string& path, const std::vector<std::string>& lines) {
    if (path.empty()) return false;
    // A name of its own per save: two saves of the same file at once (two windows) must not
    // write into one temporary file.
    static std::mt19937_64 names{std::random_device{}()};
    const std::string temporary = path + ".tmp-brelt-" + std::to_string(names());
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out.is_open()) return false;
        for (const std::string& line : lines)
            out << line << "\r\n";
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return false;
    }
    return true;
}

} // namespace brelt::engine
