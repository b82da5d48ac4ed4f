#include "engine/user_function_call.h"

#include "engine/engine.h"
#include "engine/user_functions.h"

#include <algorithm>
#include <string>
#include <vector>

namespace brelt::engine {

namespace {

constexpr int kMissingArgument = 26;
constexpr long kCallsBetweenBreakTests = 1024;

// The engine's name lookup holds one of these, so a call finds its collection again through it.
struct UserFunctionLookup {
    TUserFunctions* functions;
    int operator()(std::string_view name) const { return functions->Find(name); }
};

TUserFunctions* CollectionOf(Engine& engine) {
    auto* lookup = engine.userFunctionLookup.target<UserFunctionLookup>();
    return lookup ? lookup->functions : nullptr;
}

class DepthGuard {
public:
    explicit DepthGuard(int& depth) : m_depth(depth) { ++m_depth; }
    ~DepthGuard() { --m_depth; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;

private:
    int& m_depth;
};

// Reads one argument text: depth starts at 1, "(" and ")" move it, a "," at depth 1 ends the
// argument; the closing character stays current and is not part of the text. False (with error 26
// raised) at the end of the text or for an empty argument.
bool ReadArgument(Engine& engine, std::string& text, unsigned char& closing) {
    int depth = 1;
    int read = 0;
    for (;;) {
        const unsigned char c = engine.currentChar();
        if (c == kEndMarker) break;
        ++read;
        if (c == '(') ++depth;
        if (c == ')') --depth;
        if (c == ',' && depth == 1) depth = 0;
        if ((c == ')' || c == ',') && depth == 0) {
            closing = c;
            if (!text.empty()) return true;
            break;
        }
        text += static_cast<char>(c);
        engine.NextChar();
    }
    const int position = engine.position();
    engine.SetError(kMissingArgument);
    engine.ErrorPosition = position;
    engine.ErrorLength = std::max(read, 1);
    return false;
}

// Evaluates the substituted body as a text of its own (text left unread is an error there too);
// the caller's reading state is put back. Returns false when the body failed, with the inner code and
// position kept for message 27.
bool EvaluateBody(Engine& engine, const std::string& body, Real& value) {
    const ReadingState saved = engine.saveReading();
    value = engine.Evaluate(body);
    const bool ok = !engine.ErrorFlag;
    if (!ok && engine.ErrorCode != kUserFunctionError) {
        // A nested call already recorded its innermost cause: that is what the message names.
        engine.UserFunctionErrorCode = engine.ErrorCode;
        engine.UserFunctionErrorPosition = engine.ErrorPosition - 1;
    }
    engine.restoreReading(saved);
    return ok;
}

} // namespace

void ConnectUserFunctions(Engine& engine, TUserFunctions& functions) {
    engine.userFunctionLookup = UserFunctionLookup{&functions};
    functions.setMessageSink([&engine](const std::string& text) { engine.host().showMessage(text); });
}

Real CallUserFunction(Engine& engine, int index) {
    TUserFunctions* functions = CollectionOf(engine);
    if (!functions || index < 0 || index >= functions->Count()) {
        engine.SetError(kSyntaxError);
        return 0;
    }
    // A body that calls itself, directly or through others, would recurse for ever.
    if (functions->CallDepth() >= TUserFunctions::kMaxCallDepth) {
        engine.SetError(kStackOverflow);
        return 0;
    }
    if (++functions->CallCount() % kCallsBetweenBreakTests == 0 && engine.breakConfirmed()) return 0;
    const DepthGuard depth(functions->CallDepth());

    TUserFunc& function = functions->Items(index);
    function.Prepare();
    const int nameLength = static_cast<int>(std::min<std::size_t>(function.Name().size(), kMaxNameLength));

    std::vector<std::string> arguments;
    unsigned char closing = ')';
    for (int k = 1; k <= function.ParameterCount(); ++k) {
        if (k > 1) engine.NextChar(); // past the ","
        std::string text;
        if (!ReadArgument(engine, text, closing)) return 0;
        arguments.push_back(std::move(text));
    }
    if (closing != ')') {
        // More arguments than parameters.
        engine.SetError(kSyntaxError);
        return 0;
    }

    Real value = 0;
    if (!EvaluateBody(engine, function.Substitute(arguments), value)) {
        const int outerLength = static_cast<int>(engine.workingExpression().size());
        const int position = std::clamp(engine.ErrorPosition + nameLength - 1, 1, outerLength + 1);
        engine.seek(outerLength + 1); // the rest of the formula is skipped, as after any error
        engine.ErrorCode = kUserFunctionError;
        engine.ErrorPosition = position;
        engine.ErrorLength = 1;
        engine.ErrorFlag = true;
        return 0;
    }
    functions->Push(value);
    engine.NextChar(); // past the ")"
    return functions->Pop();
}

} // namespace brelt::engine
