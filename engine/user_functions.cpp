#include "engine/user_functions.h"

#include "engine/input_check.h"

#include <filesystem>
#include <fstream>
#include <utility>

namespace brelt::engine {

namespace {

constexpr std::size_t kNameReaderLimit = 21; // the evaluator keeps this many characters of a name

bool IsWordCharacter(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Every blank before the first ";" goes; the comment keeps its blanks.
std::string RemoveBlanksBeforeComment(const std::string& line) {
    std::string out;
    out.reserve(line.size());
    bool inComment = false;
    for (char c : line) {
        if (c == ';') inComment = true;
        if (!inComment && (c == ' ' || c == '\t')) continue;
        out += c;
    }
    return out;
}

// Replaces each whole-word occurrence of name in text by the single byte placeholder.
std::string ReplaceWholeWords(const std::string& text, const std::string& name, char placeholder) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        if (text.compare(i, name.size(), name) == 0) {
            const bool startsWord = i == 0 || !IsWordCharacter(text[i - 1]);
            const std::size_t after = i + name.size();
            const bool endsWord = after >= text.size() || !IsWordCharacter(text[after]);
            if (startsWord && endsWord) {
                out += placeholder;
                i = after;
                continue;
            }
        }
        out += text[i++];
    }
    return out;
}

// True when the line is well-formed UTF-8 with at least one multi-byte character.
bool IsMultiByteUtf8(const std::string& line) {
    bool multiByte = false;
    for (std::size_t i = 0; i < line.size();) {
        const auto lead = static_cast<unsigned char>(line[i]);
        std::size_t extra = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if (lead >= 0xC2 && lead <= 0xDF) {
            extra = 1;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            extra = 2;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            extra = 3;
        } else {
            return false;
        }
        if (i + extra >= line.size()) return false;
        for (std::size_t k = 1; k <= extra; ++k) {
            if ((static_cast<unsigned char>(line[i + k]) & 0xC0) != 0x80) return false;
        }
        multiByte = true;
        i += extra + 1;
    }
    return multiByte;
}

} // namespace

TUserFunc::TUserFunc(const std::string& line) : m_line(line) {
    const std::string text = RemoveBlanksBeforeComment(line);
    if (!text.empty() && text[0] == ';') {
        m_comment = text;
        m_isComment = true;
        m_valid = true;
        return;
    }
    const std::size_t open = text.find('(');
    if (open == std::string::npos) return;
    m_name = text.substr(0, open + 1);

    const std::size_t semicolon = text.find(';');
    const std::size_t equals = text.find('=');
    if (equals != std::string::npos && (semicolon == std::string::npos || equals < semicolon)) {
        const std::size_t end = semicolon == std::string::npos ? text.size() : semicolon;
        m_body = text.substr(equals + 1, end - equals - 1);
    }
    if (semicolon != std::string::npos) m_comment = text.substr(semicolon);
    if (m_body.empty()) return;

    const std::size_t close = text.find(')');
    if (close == std::string::npos || close < open) return;
    m_parameterText = text.substr(open + 1, close - open - 1);
    if (m_parameterText.empty()) return;
    Prepare();
}

void TUserFunc::Prepare() {
    m_namesByLength.clear();
    m_namesInOrder.clear();
    m_parameterCount = 0;
    m_preparedBody = m_body;
    m_parameterMissing = false;
    m_duplicateParameter = false;
    m_valid = false;
    if (m_isComment) {
        m_valid = true;
        return;
    }

    std::size_t start = 0;
    while (start <= m_parameterText.size()) {
        const std::size_t comma = m_parameterText.find(',', start);
        const std::size_t end = comma == std::string::npos ? m_parameterText.size() : comma;
        std::string piece = m_parameterText.substr(start, end - start);
        if (piece.empty()) break;
        m_namesInOrder.push_back(piece);
        m_namesByLength.push_back(std::move(piece));
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    if (static_cast<int>(m_namesInOrder.size()) > kMaxParameters) return;

    // Exchange sort by decreasing length: a longer name is replaced before a shorter one inside it.
    for (std::size_t i = 0; i < m_namesByLength.size(); ++i) {
        for (std::size_t j = i + 1; j < m_namesByLength.size(); ++j) {
            if (m_namesByLength[j].size() > m_namesByLength[i].size()) {
                std::swap(m_namesByLength[i], m_namesByLength[j]);
            }
        }
    }
    for (std::size_t i = 0; i < m_namesInOrder.size(); ++i) {
        for (std::size_t j = i + 1; j < m_namesInOrder.size(); ++j) {
            if (m_namesInOrder[i] == m_namesInOrder[j]) {
                m_duplicateParameter = true;
                return;
            }
        }
    }
    for (const std::string& name : m_namesByLength) {
        if (m_preparedBody.find(name) == std::string::npos) {
            m_parameterMissing = true;
            return;
        }
        std::size_t place = 0;
        while (m_namesInOrder[place] != name)
            ++place;
        m_preparedBody = ReplaceWholeWords(m_preparedBody, name, static_cast<char>(place + 1));
        ++m_parameterCount;
    }
    m_valid = m_parameterCount > 0;
}

std::string TUserFunc::Substitute(const std::vector<std::string>& arguments) const {
    std::string out;
    out.reserve(m_preparedBody.size() + 16);
    for (char c : m_preparedBody) {
        const int code = static_cast<unsigned char>(c);
        if (code >= 1 && code <= m_parameterCount && static_cast<std::size_t>(code) <= arguments.size()) {
            out += arguments[static_cast<std::size_t>(code - 1)];
        } else {
            out += c;
        }
    }
    return out;
}

void TUserFunctions::Clear() {
    m_functions.clear();
    m_valueStack.clear();
    m_lines.clear();
}

Real TUserFunctions::Pop() {
    if (m_valueStack.empty()) return 0;
    const Real value = m_valueStack.back();
    m_valueStack.pop_back();
    return value;
}

void TUserFunctions::show(const std::string& text) const {
    if (m_showMessage) m_showMessage(text);
}

bool TUserFunctions::AddFunction(const std::string& line) {
    TUserFunc function(line);
    if (function.Valid()) {
        m_functions.push_back(std::move(function));
        return true;
    }
    if (function.DuplicateParameter()) {
        show("Dublicate parametrs (" + function.ParameterText() + ")");
    } else if (function.ParameterMissing()) {
        show("Parametr missing " + line);
    } else {
        show("Invalid functions " + line);
    }
    return false;
}

bool TUserFunctions::LoadFromFile(const std::string& name) {
    std::string path = name;
    if (path.empty()) {
        if (!m_chooseFile) return false;
        path = m_chooseFile();
        if (path.empty()) return false;
    }
    // A file that does not exist is no error (a first run has none); one that cannot be read is.
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return false;
    std::ifstream probe;
    if (std::filesystem::is_regular_file(path, error)) probe.open(path, std::ios::binary);
    if (!probe.is_open()) {
        m_fileName = path;
        Clear();
        show("Cannot load " + path + "!");
        return false;
    }
    m_fileName = path;
    Clear();
    std::string line;
    while (std::getline(probe, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        // The engine reads Latin-1: a file saved as UTF-8 ("x²" as two bytes) is turned into it,
        // one byte per character; a Latin-1 file is not valid UTF-8 and stays as it is.
        if (IsMultiByteUtf8(line)) line = toEngineText(line);
        m_lines.push_back(line);
    }
    if (probe.bad()) {
        Clear();
        show("Cannot load " + path + "!");
        return false;
    }
    for (const std::string& text : m_lines) {
        if (text.empty()) continue;
        if (!AddFunction(text)) break;
    }
    return true;
}

int TUserFunctions::Find(std::string_view collectedName) const {
    for (std::size_t i = 0; i < m_functions.size(); ++i) {
        const std::string& name = m_functions[i].Name();
        if (name.empty()) continue;
        if (std::string_view(name).substr(0, kNameReaderLimit) == collectedName) return static_cast<int>(i);
    }
    return -1;
}

} // namespace brelt::engine
