#include "workspace/user_funcs_list.h"

namespace brelt::workspace {

std::string UserFuncsList::functionLine(const engine::TUserFunc& function) {
    if (function.IsComment()) return function.Comment();
    return function.Name() + function.ParameterText() + ") = " + function.Body() + function.Comment();
}

std::vector<std::string> UserFuncsList::displayLines() const {
    std::vector<std::string> lines;
    for (int i = 0; i < m_functions.Count(); ++i)
        lines.push_back(functionLine(m_functions.Items(i)));
    if (!m_notLoaded.empty()) {
        lines.push_back("; loading stopped at line " + std::to_string(m_stoppedAtLine) +
                        "; the lines below are not loaded");
        lines.insert(lines.end(), m_notLoaded.begin(), m_notLoaded.end());
    }
    return lines;
}

std::vector<std::string> UserFuncsList::fileLines() const {
    std::vector<std::string> lines;
    for (int i = 0; i < m_functions.Count(); ++i)
        lines.push_back(functionLine(m_functions.Items(i)));
    lines.insert(lines.end(), m_notLoaded.begin(), m_notLoaded.end());
    return lines;
}

void UserFuncsList::rebuildCollection(const std::vector<std::string>& declarations) {
    // The collection offers no insertion or removal; every declaration here was accepted before,
    // so adding them again in the new order refuses none.
    m_functions.Clear();
    for (const std::string& declaration : declarations)
        m_functions.AddFunction(declaration);
}

std::string UserFuncsList::addOrReplace(const std::string& name, const std::string& expression) {
    const std::string definition = name + " = " + expression;
    const engine::TUserFunc candidate(definition);
    // A name the calculator reads as its own, or characters it cannot read, are said as such.
    if (!candidate.NameClash().empty() || candidate.BadName() || candidate.BadParameterName() ||
        candidate.UnreadableBody())
        return engine::RefusalMessage(candidate, definition);
    if (!candidate.Valid() || candidate.IsComment()) return "Invalid user function " + definition;
    std::vector<std::string> declarations{definition};
    bool replaced = false;
    for (int i = 0; i < m_functions.Count(); ++i) {
        const engine::TUserFunc& function = m_functions.Items(i);
        if (!replaced && !function.IsComment() && function.Name() == candidate.Name()) {
            replaced = true;
            continue;
        }
        declarations.push_back(function.Line());
    }
    rebuildCollection(declarations);
    return {};
}

bool UserFuncsList::remove(int index) {
    if (index < 0 || index >= m_functions.Count()) return false;
    std::vector<std::string> declarations;
    for (int i = 0; i < m_functions.Count(); ++i)
        if (i != index) declarations.push_back(m_functions.Items(i).Line());
    rebuildCollection(declarations);
    return true;
}

bool UserFuncsList::load(const std::string& path) {
    const bool read = m_functions.LoadFromFile(path);
    // A file that is not there changes nothing; one that could not be read emptied the collection.
    if (!read && m_functions.Count() > 0) return false;
    m_stoppedAtLine = 0;
    m_notLoaded.clear();
    if (!read) return false;
    // The loader skips empty lines and stops at the first refusal: the non-empty line after the
    // last loaded function is the one that stopped it.
    // The lines not loaded are kept as the file holds them: one with a character the engine cannot
    // hold is written back unchanged.
    const std::vector<std::string>& lines = m_functions.Lines();
    const std::vector<std::string>& raw = m_functions.RawLines();
    int nonEmpty = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].empty()) continue;
        if (nonEmpty++ < m_functions.Count()) continue;
        if (m_stoppedAtLine == 0) m_stoppedAtLine = static_cast<int>(i) + 1;
        m_notLoaded.push_back(i < raw.size() ? raw[i] : lines[i]);
    }
    return true;
}

void UserFuncsList::resetFromCollection() {
    m_stoppedAtLine = 0;
    m_notLoaded.clear();
}

} // namespace brelt::workspace
