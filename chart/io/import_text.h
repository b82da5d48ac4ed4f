#pragma once
// The text side of the data editor's imports: clipboard text cut into lines, a header line split
// into field names, the links between the required fields (X, Y) and the header's fields, and the
// separator table of the "Show data" dialog's boxes.
#include "chart/io/field_split.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace brelt::chart {

inline constexpr int kClipboardByteLimit = 64000;

struct ClipboardLines {
    QStringList lines;
    // The text was longer than the limit: the lines end with the last one complete within it.
    bool cut = false;
};

// At most kClipboardByteLimit bytes (UTF-8) of the text, cut into lines at CR, LF or CR LF, empty
// lines dropped. A line the limit cuts in two is dropped whole, so no number arrives shortened.
ClipboardLines clipboardLines(const QString& text);

// One field of a header line: its name and its column (0-based, empty fields counted).
struct InputField {
    QString name;
    int column = 0;
};

// The header's separator is tab if it holds one, else comma, else blank, and the header is split at
// that character alone, so "Time, s<tab>Volt, V" gives two names. The non-empty fields, trimmed, are
// the names.
std::vector<InputField> headerFields(const QString& header);

// Links of the required fields X and Y to input fields. A new link of a required field replaces its
// earlier one; the link list shows one line per linked field, "X   <--Copy---   Time".
class FieldLinks {
public:
    static const QStringList& requiredFields(); // "X", "Y"

    explicit FieldLinks(std::vector<InputField> inputs = {}) : m_inputs(std::move(inputs)) {}

    const std::vector<InputField>& inputs() const { return m_inputs; }
    // False when either index is out of range (no selection): the dialog says "Select both fields".
    bool link(int required, int input);
    // The column linked to required field 0 (X) or 1 (Y).
    std::optional<int> column(int required) const { return m_columns[static_cast<size_t>(required)]; }
    QStringList lines() const;

private:
    std::vector<InputField> m_inputs;
    std::array<std::optional<int>, 2> m_columns{};
    std::array<QString, 2> m_names{};
};

// The "Show data" dialog's delimiter boxes; blank, comma and tab are on at first, as on the command
// line.
struct DelimiterBoxes {
    bool space = true;
    bool comma = true;
    bool tab = true;
    bool slash = false;
    bool null = false; // the NUL character
    bool user = false;
    QString userCharacters;
};

inline const QString kTooManyUserCharacters =
    QStringLiteral("The number of User Define charakters must be <=6.");

// Slots 1..4 blank, comma, tab, slash as ticked, slot 5 NUL when ticked, then the user's characters.
// None when more than six user characters are given.
std::optional<SeparatorTable> separatorTableFrom(const DelimiterBoxes& boxes);

} // namespace brelt::chart
