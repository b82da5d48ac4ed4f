#pragma once
// Keeps the lines of the User Funcs tab and the engine's user-function collection in step: line
// k is function k, always, because the lines are rebuilt from the collection after every change.
// A function's line is its name (ending in "("), its parameters, ") = ", its body and its comment.
//
// Loading stops at the first declaration the collection refuses. Nothing of the file is dropped
// for that: the refused line and those after it stay below the functions as "not loaded" lines
// (after a notice line that names the line which stopped the loading); they cannot be selected,
// and saving writes them back, so loading and saving a file never loses a line of it.
//
// Texts are the evaluator's bytes (Latin-1), as the collection holds them; the lines not loaded
// are the file's own bytes (UTF-8 or Latin-1), so that saving writes them back unchanged.
#include "engine/user_functions.h"

#include <string>
#include <vector>

namespace brelt::workspace {

class UserFuncsList {
public:
    explicit UserFuncsList(engine::TUserFunctions& functions) : m_functions(functions) {}

    // The list's lines: one per function, then the notice and the lines not loaded, if any.
    std::vector<std::string> displayLines() const;
    // What "&Save" writes: one line per function, then the lines not loaded.
    std::vector<std::string> fileLines() const;
    int functionCount() const { return m_functions.Count(); }

    // Builds "name = expression"; a valid declaration replaces the first function of the same name
    // and goes first. Returns "" on success, else the warning "Invalid user function " + text, or
    // for a name the calculator reads as its own or characters it cannot read, the message that
    // says so.
    std::string addOrReplace(const std::string& name, const std::string& expression);
    // Removes function `index`; false when there is none.
    bool remove(int index);
    // Loads `path` into the collection (its loader reports unreadable files and refusals) and
    // notes where the loading stopped. False when nothing was read.
    bool load(const std::string& path);
    // Takes the collection as it stands (loaded elsewhere), with nothing left over.
    void resetFromCollection();

    int stoppedAtLine() const { return m_stoppedAtLine; } // 1-based line of the file, 0 none
    const std::vector<std::string>& notLoaded() const { return m_notLoaded; }

    static std::string functionLine(const engine::TUserFunc& function);

private:
    void rebuildCollection(const std::vector<std::string>& declarations);

    engine::TUserFunctions& m_functions;
    int m_stoppedAtLine = 0;
    std::vector<std::string> m_notLoaded;
};

} // namespace brelt::workspace
