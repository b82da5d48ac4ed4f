#pragma once
// The keypad of the Calculator tab as data: the function buttons with their catalogue index (Tag),
// inserted name and argument pattern, the plain text buttons, and the keyboard's Ctrl and Alt
// combinations. The window builds its buttons from these tables and the key handler looks keys up
// in them, so a button and its key always insert the same text.
#include <QString>

#include <optional>
#include <span>

namespace brelt::workspace {

struct FunctionButton {
    const char* objectName;
    const char* caption; // UTF-8
    int tag;             // the catalogue row
    const char* name;    // the catalogue name, "(" included when it takes arguments
    int pattern;         // 0 "", 1 ")", 2 ",)", 3 ",,)"
};

struct TextButton {
    const char* objectName;
    const char* caption; // UTF-8
    const char* text;    // inserted text, UTF-8
    const char* hint;    // tooltip, may be empty
};

std::span<const FunctionButton> functionButtons();
std::span<const TextButton> textButtons();
const FunctionButton* findFunctionButton(const QString& objectName);

// The text a function button inserts: the name followed by its pattern.
QString functionButtonText(const FunctionButton& button);
QString argumentPattern(int pattern);

// What a Ctrl or Alt combination does: press a button (by objectName) or insert a text.
struct KeyAction {
    QString button; // objectName of the button to press, or empty
    QString text;   // text to insert when `button` is empty
};

// `key` is a Qt::Key letter or digit. Ctrl is looked up before Alt; nothing for other combinations.
std::optional<KeyAction> ctrlKeyAction(int key);
std::optional<KeyAction> altKeyAction(int key);

// Where the cursor goes after inserting `text`: just after the "(" of the first "()", "(,)" or
// "(,,)" in it (an offset into `text`), or the end of the text when it holds none of them.
int cursorAfterInsert(const QString& text);

} // namespace brelt::workspace
