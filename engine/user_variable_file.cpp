#include "engine/user_variable_file.h"

#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
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
    name = std::string(line.substr(0, std::min(separator, kMaxUserVariableName)));
    value = parsed;
    return true;
}

UserVariableFileContents parseUserVariableText(std::string_view text) {
    UserVariableFileContents contents;
    int lineNumber = 0;
    for (std::string_view line : splitLines(text)) {
        ++lineNumber;
        if (trimBlanks(line).empty()) continue;
        UserVariable record;
        if (parseUserVariableLine(line, record.name, record.value))
            contents.records.push_back(std::move(record));
        else
            contents.skipped.push_back({lineNumber, std::string(line)});
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
    std::string numbers;
    for (const SkippedLine& line : skipped) {
        if (!numbers.empty()) numbers += ", ";
        numbers += std::to_string(line.lineNumber);
    }
    if (skipped.size() == 1)
        return "Line " + numbers + " of " + path + " was skipped: \"" + skipped.front().text +
               "\" is not a name = decimal number";
    return "Lines " + numbers + " of " + path + " were skipped: they are not name = decimal number";
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
    const std::string temporary = path + ".tmp-brelt";
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
