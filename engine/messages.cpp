#include "engine/messages.h"

#include "engine/engine.h"

namespace brelt::engine {

std::string CatalogueMessage(int code) {
    switch (code) {
    case 0: return "Syntax error";
    case 2: return "Stack overflow";
    case 3: return "Dummy string";
    case 4: return "No possibility";
    case 6: return "Extremum not found";
    case 7: return "Scale Overflow";
    case 8: return "Argument Error";
    case 9: return "Average undefined";
    case 10: return "Argument Negative";
    case 11: return "Overflow";
    case 12: return "Singulation";
    case 13: return "Division by zero";
    case 14: return "Empty";
    case 15: return "working...";
    case 16: return "Too many \")\"";
    case 17: return "Missing \"(\"";
    case 18: return "Missing \")\"";
    case 19: return "String stack saved";
    case 20: return "\",\" expected";
    case 21: return "Interval Error";
    case 22: return "User break";
    case 23: return "Change notation";
    case 24: return "Argument out of range";
    case 25: return "Missing \";\"";
    case 26: return "Missing argument";
    case 27: return "User Function Error ";
    default: return "Undefined";
    }
}

std::string ComposeUserFunctionError(int innerCode, int innerPosition) {
    // An inner error that was itself a user-function error shows only its fixed head: the details
    // of the deeper body are not kept.
    std::string text = "User Function Error \"" + CatalogueMessage(innerCode) +
                       " position: " + std::to_string(innerPosition) + "\" ";
    if (text.size() > kMaxMessageLength) text.resize(kMaxMessageLength);
    return text;
}

std::string Engine::MessageText(int code) const {
    if (code == kUserFunctionError)
        return ComposeUserFunctionError(UserFunctionErrorCode, UserFunctionErrorPosition);
    return CatalogueMessage(code);
}

} // namespace brelt::engine
