#include "engine/user_functions.h"

#include "engine/function_table.h"
#include "engine/input_check.h"
#include "engine/lexer.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <utility>

namespace brelt::engine {

namespace {

constexpr std::size_t kNameReaderLimit = 21; // the evaluator keeps this many characters of a name
constexpr std::size_t kShownLineLimit = 100; // characters of a declaration a message quotes
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

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

// A name as the evaluator reads one (its "(" left out): a letter first, then anything that does
// not end a name, no control character (the rejected character and the placeholders are control
// bytes).
bool IsReadableName(std::string_view name) {
    if (name.empty() || !isLetter(static_cast<unsigned char>(name.front()))) return false;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || isNameDelimiter(byte)) return false;
    }
    return true;
}

bool IsParameterName(std::string_view name) {
    if (name.empty() || !isLetter(static_cast<unsigned char>(name.front()))) return false;
    for (const char c : name)
        if (!IsWordCharacter(c) && c != '_') return false;
    return true;
}

// At most kShownLineLimit bytes of a UTF-8 text, cut before a character, with "..." when cut;
// control bytes (a character the engine rejected) show as "?".
std::string Shortened(const std::string& text) {
    std::string shown = text;
    if (shown.size() > kShownLineLimit) {
        std::size_t cut = kShownLineLimit;
        while (cut > 0 && (static_cast<unsigned char>(shown[cut]) & 0xC0) == 0x80)
            --cut;
        shown = shown.substr(0, cut) + "...";
    }
    for (char& c : shown)
        if (static_cast<unsigned char>(c) < 0x20) c = '?';
    return shown;
}

} // namespace

std::string ReservedNameMeaning(std::string_view collectedName) {
    if (collectedName == "forJtoKstepMdo(") return "the loop for J to K step M do";
    const int code = LookupFunction(collectedName);
    if (code < 0) return {};
    if (code >= kFirstLowerVariable && code <= kLastVariable)
        return std::string("the variable ") +
               kVariableLetters[static_cast<std::size_t>((code - kFirstLowerVariable) % 10)];
    if (code == kCodePi || code == kCodePiSign) return "the constant pi";
    if (code == kCodeE) return "the constant e";
    if (code == kCodeRandom) return "the random number random";
    const std::string_view name = FunctionTable[static_cast<std::size_t>(code)].name;
    const std::string bare(name.substr(0, name.find('(')));
    if (code >= kFirstConversion && code <= kLastConversion) return "the unit conversion " + bare;
    return "the function " + bare;
}

std::string RefusalMessage(const TUserFunc& function, const std::string& shownLine) {
    if (function.Valid()) return {};
    const std::string shown = Shortened(shownLine);
    if (function.BadParameterName())
        return "Invalid parameter names in " + shown +
               ": a parameter name is letters, digits and _, beginning with a letter";
    if (function.DuplicateParameter())
        return "Dublicate parametrs (" + Shortened(function.ParameterText()) + ")";
    if (function.ParameterMissing()) return "Parametr missing " + shown;
    if (function.UnreadableBody()) return "Characters the calculator cannot read in " + shown;
    if (function.BadName())
        return "Invalid function name in " + shown + ": a name begins with a letter and holds no operators";
    if (!function.NameClash().empty()) {
        const std::string& name = function.Name();
        return "The name " + name.substr(0, name.size() - 1) + " belongs to the calculator (" +
               function.NameClash() + "): " + shown;
    }
    return "Invalid functions " + shown;
}

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
    // A call reads the name as the evaluator does; one it reads as its own never reaches here.
    m_badName = !IsReadableName(text.substr(0, open));
    if (!m_badName) m_nameClash = ReservedNameMeaning(std::string_view(m_name).substr(0, kNameReaderLimit));

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
    m_badParameterName = false;
    m_unreadableBody = false;
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
        if (!IsParameterName(piece)) {
            m_badParameterName = true;
            return;
        }
        m_namesInOrder.push_back(piece);
        m_namesByLength.push_back(std::move(piece));
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    if (static_cast<int>(m_namesInOrder.size()) > kMaxParameters) return;
    // A control byte in the body would be taken for a placeholder and replaced by an argument.
    for (const char c : m_body)
        if (static_cast<unsigned char>(c) < 0x20) {
            m_unreadableBody = true;
            return;
        }

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
    m_valid = m_parameterCount > 0 && !m_badName && m_nameClash.empty();
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
    m_rawLines.clear();
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
    return add(line, latin1ToUtf8(line));
}

bool TUserFunctions::add(const std::string& line, const std::string& shownLine) {
    TUserFunc function(line);
    if (function.Valid()) {
        m_functions.push_back(std::move(function));
        return true;
    }
    show(RefusalMessage(function, shownLine));
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
    std::string text;
    if (probe.is_open()) text.assign(std::istreambuf_iterator<char>(probe), std::istreambuf_iterator<char>());
    if (!probe.is_open() || probe.bad()) {
        m_fileName = path;
        Clear();
        show("Cannot load " + path + "!");
        return false;
    }
    LoadFromText(path, text);
    return true;
}

void TUserFunctions::LoadFromText(const std::string& name, std::string_view text) {
    m_fileName = name;
    Clear();
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) text.remove_prefix(kByteOrderMark.size());
    // Lines end with LF (a CR before it is dropped); a last line without an ending counts too.
    std::vector<std::string> shown;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string line(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        // The engine reads Latin-1: a file saved as UTF-8 ("x²" as two bytes) is turned into it,
        // one byte per character; a Latin-1 file is not valid UTF-8 and stays as it is. Messages
        // quote the line as UTF-8.
        if (IsMultiByteUtf8(line)) {
            m_lines.push_back(toEngineText(line));
            shown.push_back(line);
        } else {
            shown.push_back(latin1ToUtf8(line));
            m_lines.push_back(line);
        }
        m_rawLines.push_back(std::move(line));
    }
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].empty()) continue;
        if (!add(m_lines[i], shown[i])) break;
    }
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
