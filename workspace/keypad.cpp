#include "workspace/keypad.h"

#include <Qt>

#include <array>

namespace brelt::workspace {

namespace {

constexpr std::array kFunctionButtons{
    FunctionButton{"sbSIN", "sin", 1, "sin(", 1},
    FunctionButton{"sbCOS", "cos", 12, "cos(", 1},
    FunctionButton{"sbTAN", "tan", 13, "tan(", 1},
    FunctionButton{"sbASIN", "asin", 2, "arcsin(", 1},
    FunctionButton{"sbACOS", "acos", 3, "arccos(", 1},
    FunctionButton{"sbATAN", "atan", 4, "arctan(", 1},
    FunctionButton{"sbSINH", "sinh", 8, "sinh(", 1},
    FunctionButton{"sbCOSH", "cosh", 9, "cosh(", 1},
    FunctionButton{"sbTANH", "tanh", 10, "tanh(", 1},
    FunctionButton{"sbASNH", "asnh", 5, "arcsinh(", 1},
    FunctionButton{"sbACSH", "acsh", 6, "arccosh(", 1},
    FunctionButton{"sbATNH", "atnh", 7, "arctanh(", 1},
    FunctionButton{"sbLOG", "log", 17, "log(", 1},
    FunctionButton{"sbLN", "ln", 16, "ln(", 1},
    FunctionButton{"sb10A", "10\xcb\xa3", 87, "10^(", 1},
    FunctionButton{"sbEXP", "exp", 14, "exp(", 1},
    FunctionButton{"sbSqr", "a\xc2\xb2", 40, "sqr(", 1},
    FunctionButton{"sbSQRT", "\xe2\x88\x9a", 15, "sqrt(", 1},
    FunctionButton{"sbGAMMA", "\xce\x93", 26, "gamma(", 1},
    FunctionButton{"sbSi", "Si", 24, "Si(", 1},
    FunctionButton{"sbCi", "Ci", 23, "Ci(", 1},
    FunctionButton{"sbERF", "erf", 25, "erf(", 1},
    FunctionButton{"sbSOLV", "solv", 22, "solve(", 3},
    FunctionButton{"sbIntegral", "\xe2\x88\xab", 27, "integral(", 3},
    FunctionButton{"sbMin", "min", 0, "min(", 3},
    FunctionButton{"sbMax", "max", 37, "max(", 3},
    FunctionButton{"sbJn", "Jn", 18, "Jn(", 2},
    FunctionButton{"sbYn", "Yn", 19, "Yn(", 2},
    FunctionButton{"sbIn", "In", 20, "In(", 2},
    FunctionButton{"sbKn", "Kn", 21, "Kn(", 2},
    FunctionButton{"sbNf", "n!", 31, "n!(", 1},
    FunctionButton{"sbeFD", "eFD", 32, "eFD(", 2},
    FunctionButton{"scAbs", "abs", 33, "abs(", 1},
    FunctionButton{"sbRound", "round", 34, "round(", 1},
    FunctionButton{"sbFrac", "frac", 35, "frac(", 1},
    FunctionButton{"sbXn", "mean", 38, "mean(", 1},
    FunctionButton{"sbSx", "std", 39, "std(", 1},
    FunctionButton{"sbRand", "rand", 11, "random", 0},
    FunctionButton{"sbSum", "sum", 41, "sum(", 1},
    FunctionButton{"sbGauss", "gauss", 42, "gauss(", 2},
    FunctionButton{"sbPoly", "poly", 43, "poly(", 1},
    FunctionButton{"sbStat", "stat", 44, "stat(", 2},
};

// In reading order of the pad, five to a row.
constexpr std::array kTextButtons{
    TextButton{"sb7", "7", "7", ""},
    TextButton{"sb8", "8", "8", ""},
    TextButton{"sb9", "9", "9", ""},
    TextButton{"sbDel", "\xc3\xb7", "/", "Divide"},
    TextButton{"sbPower", "^", "^", "Power"},
    TextButton{"sb4", "4", "4", ""},
    TextButton{"sb5", "5", "5", ""},
    TextButton{"sb6", "6", "6", ""},
    TextButton{"sbMult", "\xc3\x97", "*", "Multiply"},
    TextButton{"sbPersent", "%", "%", "Percent"},
    TextButton{"sb1", "1", "1", ""},
    TextButton{"sb2", "2", "2", ""},
    TextButton{"sb3", "3", "3", ""},
    TextButton{"sbMinus", "\xe2\x88\x92", "-", "Subtract"},
    TextButton{"sbPrev", "?", "?", "Last Result"},
    TextButton{"sb0", "0", "0", ""},
    TextButton{"sbPoint", ".", ".", ""},
    TextButton{"sb_2", "x\xc2\xb2", "\xc2\xb2", "Squared"},
    TextButton{"sb_3", "x\xc2\xb3", "\xc2\xb3", "Cubed"},
    TextButton{"sbPlus", "+", "+", "Add"},
    TextButton{"SpeedButton3", "x\xc2\xbd", "\xc2\xbd", "Square root"},
    TextButton{"sbAnd", "and", "&", "Bitwise and"},
    TextButton{"sbOr", "or", "|", "Bitwise or"},
    TextButton{"sbXOR", "xor", "\\", "Bitwise exclusive or"},
    TextButton{"sbLoop", "Loop", "for J to K step M do(?)", "Counted loop"},
};

struct KeyEntry {
    int key;
    const char* button; // objectName, or nullptr for a text
    const char* text;
};

constexpr std::array kCtrlKeys{
    KeyEntry{Qt::Key_1, "sb10A", nullptr},  KeyEntry{Qt::Key_4, "sbIntegral", nullptr},
    KeyEntry{Qt::Key_A, "sbASIN", nullptr}, KeyEntry{Qt::Key_C, "sbCOS", nullptr},
    KeyEntry{Qt::Key_D, "sbSx", nullptr},   KeyEntry{Qt::Key_E, nullptr, "e"},
    KeyEntry{Qt::Key_F, "sbERF", nullptr},  KeyEntry{Qt::Key_G, "sbLOG", nullptr},
    KeyEntry{Qt::Key_I, "sbIn", nullptr},   KeyEntry{Qt::Key_J, "sbJn", nullptr},
    KeyEntry{Qt::Key_K, "sbKn", nullptr},   KeyEntry{Qt::Key_L, "sbLN", nullptr},
    KeyEntry{Qt::Key_M, "sbXn", nullptr},   KeyEntry{Qt::Key_N, "sbATAN", nullptr},
    KeyEntry{Qt::Key_O, "sbACOS", nullptr}, KeyEntry{Qt::Key_P, nullptr, "\xc2\xb6"},
    KeyEntry{Qt::Key_Q, "sbSQRT", nullptr}, KeyEntry{Qt::Key_R, "sbERF", nullptr},
    KeyEntry{Qt::Key_S, "sbSIN", nullptr},  KeyEntry{Qt::Key_T, "sbTAN", nullptr},
    KeyEntry{Qt::Key_Y, "sbYn", nullptr},
};

constexpr std::array kAltKeys{
    KeyEntry{Qt::Key_A, "sbASNH", nullptr}, KeyEntry{Qt::Key_C, "sbCOSH", nullptr},
    KeyEntry{Qt::Key_E, "sbEXP", nullptr},  KeyEntry{Qt::Key_G, "sbGAMMA", nullptr},
    KeyEntry{Qt::Key_H, "sbACSH", nullptr}, KeyEntry{Qt::Key_O, "sbSOLV", nullptr},
    KeyEntry{Qt::Key_Q, "sbSqr", nullptr},  KeyEntry{Qt::Key_R, "sbRand", nullptr},
    KeyEntry{Qt::Key_S, "sbSINH", nullptr}, KeyEntry{Qt::Key_T, "sbTANH", nullptr},
    KeyEntry{Qt::Key_X, "btX", nullptr},    KeyEntry{Qt::Key_Y, "btY", nullptr},
    KeyEntry{Qt::Key_Z, "btZ", nullptr},    KeyEntry{Qt::Key_V, "btV", nullptr},
    KeyEntry{Qt::Key_W, "btW", nullptr},    KeyEntry{Qt::Key_I, "btI", nullptr},
    KeyEntry{Qt::Key_J, "btJ", nullptr},    KeyEntry{Qt::Key_K, "btK", nullptr},
    KeyEntry{Qt::Key_M, "btM", nullptr},    KeyEntry{Qt::Key_N, "btN", nullptr},
};

template <std::size_t N> std::optional<KeyAction> lookUp(const std::array<KeyEntry, N>& table, int key) {
    for (const KeyEntry& entry : table)
        if (entry.key == key) {
            if (entry.button) return KeyAction{QString::fromLatin1(entry.button), QString()};
            return KeyAction{QString(), QString::fromUtf8(entry.text)};
        }
    return std::nullopt;
}

} // namespace

std::span<const FunctionButton> functionButtons() {
    return kFunctionButtons;
}
std::span<const TextButton> textButtons() {
    return kTextButtons;
}

const FunctionButton* findFunctionButton(const QString& objectName) {
    for (const FunctionButton& button : kFunctionButtons)
        if (objectName == QLatin1String(button.objectName)) return &button;
    return nullptr;
}

QString argumentPattern(int pattern) {
    switch (pattern) {
    case 1: return QStringLiteral(")");
    case 2: return QStringLiteral(",)");
    case 3: return QStringLiteral(",,)");
    default: return QString();
    }
}

QString functionButtonText(const FunctionButton& button) {
    return QString::fromLatin1(button.name) + argumentPattern(button.pattern);
}

std::optional<KeyAction> ctrlKeyAction(int key) {
    return lookUp(kCtrlKeys, key);
}
std::optional<KeyAction> altKeyAction(int key) {
    return lookUp(kAltKeys, key);
}

int cursorAfterInsert(const QString& text) {
    int best = -1;
    for (const char* pattern : {"()", "(,)", "(,,)"}) {
        const qsizetype at = text.indexOf(QLatin1String(pattern));
        if (at >= 0 && (best < 0 || at < best)) best = static_cast<int>(at);
    }
    return best >= 0 ? best + 1 : static_cast<int>(text.size());
}

} // namespace brelt::workspace
