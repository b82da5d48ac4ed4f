#pragma once
// Splitting a line of data into fields, the one rule every import of chart data uses (clipboard
// paste, paste by field name, ASCII files, the command line's --data).
//
// The separator table is an ordered list of up to 11 slots, each holding a character or empty
// (an empty slot never matches). Slots 1 to 4 are blank, comma, tab and slash, slot 5 the NUL
// character when it is asked for, the rest the user's own characters. The standard table used by
// paste is blank, comma, tab and two empty slots.
//
// Splitting: among the table's characters, in table order, the first one that occurs in the rest
// of the line ends the field there; that occurrence and all directly following repeats of the
// same character are removed (a run of blanks is one separator). When none occurs, the rest is the
// last field. Empty fields are kept: they still count as columns. The table order is a priority:
// a header split with tab first keeps "Time, s" in one field.
//
// Both forms take a plain text buffer and allocate nothing beyond the output list.
#include <QStringView>

#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace brelt::chart {

class SeparatorTable {
public:
    static constexpr int kCapacity = 11;
    static constexpr int kMaxUserCharacters = 6;

    // Blank, comma, tab and two empty slots.
    static SeparatorTable standard();
    // The given characters in the given order (at most kCapacity; the rest is ignored).
    static SeparatorTable of(std::u16string_view characters);

    void setSlot(int index, std::optional<char16_t> character); // index 0..kCapacity-1
    std::optional<char16_t> slot(int index) const { return m_slots[static_cast<size_t>(index)]; }
    int size() const { return m_size; }
    void setSize(int size);
    // True when every character in use is ASCII (the byte form can split UTF-8 text with it).
    bool asciiOnly() const;
    bool operator==(const SeparatorTable&) const = default;

private:
    std::array<std::optional<char16_t>, kCapacity> m_slots{};
    int m_size = 0;
};

// Appends the fields of `line` to `fields` (cleared first).
void splitFields(QStringView line, const SeparatorTable& table, std::vector<QStringView>& fields);
void splitFields(std::string_view line, const SeparatorTable& table, std::vector<std::string_view>& fields);

} // namespace brelt::chart
