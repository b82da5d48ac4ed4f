#pragma once
// User-defined functions: one-line declarations name(p1,p2,...)=body;comment, kept in a file of
// such lines. A call is a text substitution: the argument texts replace the parameters in the body
// and the result is evaluated in place of the call (user_function_call.cpp). To make the
// substitution safe, the body is prepared once per call: every whole-word parameter becomes a
// placeholder byte (code k for parameter k), longest names first so "ab" is not eaten by "a".
#include "engine/real.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace brelt::engine {

class Engine;

// One declaration. A line beginning with ";" is a comment line: valid, with no name.
class TUserFunc {
public:
    // Placeholders are bytes 1..31, so a declaration has at most this many parameters.
    static constexpr int kMaxParameters = 31;

    explicit TUserFunc(const std::string& line);

    // Rebuilds the prepared body, the name lists and the flags from the parameter text and body.
    void Prepare();

    // The prepared body with placeholder k replaced by arguments[k - 1], in one pass (an argument
    // text that happens to hold a placeholder byte is never substituted again).
    std::string Substitute(const std::vector<std::string>& arguments) const;

    bool IsComment() const { return m_isComment; }
    bool Valid() const { return m_valid; }
    bool DuplicateParameter() const { return m_duplicateParameter; }
    bool ParameterMissing() const { return m_parameterMissing; }
    // A parameter that is not letters and digits beginning with a letter (placeholders are control
    // bytes, and a character the language cannot hold reads as one).
    bool BadParameterName() const { return m_badParameterName; }
    // The body holds a character the language cannot hold: a placeholder would take its place.
    bool UnreadableBody() const { return m_unreadableBody; }
    // What the calculator reads the name as ("the variable K", "the function sin"), when a call
    // would never reach this function; "" when the name is free.
    const std::string& NameClash() const { return m_nameClash; }
    // The name cannot be read as a name at all (no letter first, an operator or a control
    // character inside).
    bool BadName() const { return m_badName; }
    int ParameterCount() const { return m_parameterCount; }
    const std::string& Line() const { return m_line; }
    const std::string& Name() const { return m_name; } // up to and including "("
    const std::string& ParameterText() const { return m_parameterText; }
    const std::string& Body() const { return m_body; }
    const std::string& Comment() const { return m_comment; } // from ";" on; empty without one
    const std::string& PreparedBody() const { return m_preparedBody; }
    const std::vector<std::string>& NamesByLength() const { return m_namesByLength; }
    const std::vector<std::string>& NamesInOrder() const { return m_namesInOrder; }

private:
    std::string m_line; // as given, blanks included
    std::string m_name;
    std::string m_parameterText;
    std::string m_body;
    std::string m_comment;
    std::string m_preparedBody;
    std::vector<std::string> m_namesByLength;
    std::vector<std::string> m_namesInOrder;
    int m_parameterCount = 0;
    bool m_isComment = false;
    bool m_valid = false;
    bool m_parameterMissing = false;
    bool m_duplicateParameter = false;
    bool m_badParameterName = false;
    bool m_unreadableBody = false;
    bool m_badName = false;
    std::string m_nameClash;
};

// What the evaluator reads a collected name as (the name with the character that ended it: "k(",
// "pi+"), when that is one of its own: "the variable K", "the constant pi", "the function sin",
// "the unit conversion ft_m", "the loop for J to K step M do". "" for a name free for the user.
std::string ReservedNameMeaning(std::string_view collectedName);

// The message that refuses `function`, quoting the declaration as `shownLine` (cut when long);
// "" for a valid one. The spelled texts ("Dublicate parametrs", "Parametr missing", "Invalid
// functions") are the ones stored files and users know.
std::string RefusalMessage(const TUserFunc& function, const std::string& shownLine);

// The program's one collection of user functions, in file order, with the value stack that carries
// a body's result back to the evaluator. Refusals are shown through the message sink (the engine
// host's message box, which the window replaces by its own error box) as UTF-8 text that quotes
// the declaration as the file holds it; an empty file name asks the file chooser (the open dialog).
class TUserFunctions {
public:
    using MessageSink = std::function<void(const std::string& text)>;
    using FileChooser = std::function<std::string()>; // returns "" when cancelled

    void setMessageSink(MessageSink sink) { m_showMessage = std::move(sink); }
    void setFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }

    void Clear();
    // Replaces the collection by the file's declarations; the first refused line ends the loading.
    // Returns false when nothing was read (cancelled, missing or unreadable file). A UTF-8 byte
    // order mark at the start is skipped.
    bool LoadFromFile(const std::string& name);
    // The same for a file's contents already read (the file name is kept as given).
    void LoadFromText(const std::string& name, std::string_view text);
    // `line` is engine text (Latin-1).
    bool AddFunction(const std::string& line);
    int Count() const { return static_cast<int>(m_functions.size()); }
    TUserFunc& Items(int index) { return m_functions.at(static_cast<std::size_t>(index)); }
    const TUserFunc& Items(int index) const { return m_functions.at(static_cast<std::size_t>(index)); }
    void Push(Real value) { m_valueStack.push_back(value); }
    Real Pop(); // 0 from an empty stack

    const std::string& FileName() const { return m_fileName; }
    const std::vector<std::string>& Lines() const { return m_lines; }
    // The same lines as the file holds them (its bytes, UTF-8 or Latin-1), so that a line that was
    // not loaded can be written back unchanged.
    const std::vector<std::string>& RawLines() const { return m_rawLines; }

    // The index of the first function whose name equals the name the evaluator collected (its
    // first 21 characters, "(" included), or -1.
    int Find(std::string_view collectedName) const;

    // Nesting of calls now running: a body that calls itself ends with "Stack overflow" here.
    static constexpr int kMaxCallDepth = 64;
    int& CallDepth() { return m_callDepth; }
    long& CallCount() { return m_callCount; } // calls so far; the break test runs every few

private:
    void show(const std::string& text) const;
    bool add(const std::string& line, const std::string& shownLine);

    std::string m_fileName;
    std::vector<TUserFunc> m_functions;
    std::vector<Real> m_valueStack;
    std::vector<std::string> m_lines;
    std::vector<std::string> m_rawLines;
    MessageSink m_showMessage;
    FileChooser m_chooseFile;
    int m_callDepth = 0;
    long m_callCount = 0;
};

// Makes `functions` the collection the engine's name lookup searches and its calls use, and shows
// its refusals through the engine's host. Both must live as long as they are connected.
void ConnectUserFunctions(Engine& engine, TUserFunctions& functions);

} // namespace brelt::engine
