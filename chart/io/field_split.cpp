#include "chart/io/field_split.h"

#include <algorithm>

namespace brelt::chart {

SeparatorTable SeparatorTable::standard() {
    SeparatorTable t;
    t.m_slots[0] = u' ';
    t.m_slots[1] = u',';
    t.m_slots[2] = u'\t';
    t.m_size = 5;
    return t;
}

SeparatorTable SeparatorTable::of(std::u16string_view characters) {
    SeparatorTable t;
    for (const char16_t c : characters) {
        if (t.m_size == kCapacity) break;
        t.m_slots[static_cast<size_t>(t.m_size++)] = c;
    }
    return t;
}

void SeparatorTable::setSlot(int index, std::optional<char16_t> character) {
    if (index < 0 || index >= kCapacity) return;
    m_slots[static_cast<size_t>(index)] = character;
    m_size = std::max(m_size, index + 1);
}

void SeparatorTable::setSize(int size) {
    m_size = std::clamp(size, 0, kCapacity);
}

bool SeparatorTable::asciiOnly() const {
    for (int i = 0; i < m_size; ++i)
        if (m_slots[static_cast<size_t>(i)] && *m_slots[static_cast<size_t>(i)] > 0x7F) return false;
    return true;
}

namespace {

qsizetype findIn(QStringView text, QChar c) {
    return text.indexOf(c);
}
qsizetype findIn(std::string_view text, char c) {
    const size_t at = text.find(c);
    return at == std::string_view::npos ? -1 : static_cast<qsizetype>(at);
}

QStringView head(QStringView text, qsizetype n) {
    return text.first(n);
}
QStringView tail(QStringView text, qsizetype from) {
    return text.sliced(from);
}
std::string_view head(std::string_view text, qsizetype n) {
    return text.substr(0, static_cast<size_t>(n));
}
std::string_view tail(std::string_view text, qsizetype from) {
    return text.substr(static_cast<size_t>(from));
}

template <typename View, typename Char>
void split(View line, const SeparatorTable& table, std::vector<View>& fields, Char) {
    fields.clear();
    // The table's characters in order, without empty slots (and, for bytes, without non-ASCII).
    Char order[SeparatorTable::kCapacity];
    int count = 0;
    for (int i = 0; i < table.size(); ++i) {
        const auto c = table.slot(i);
        if (!c || (sizeof(Char) == 1 && *c > 0x7F)) continue;
        order[count++] = static_cast<Char>(*c);
    }
    for (;;) {
        qsizetype at = -1;
        Char found{};
        for (int i = 0; i < count && at < 0; ++i) {
            at = findIn(line, order[i]);
            found = order[i];
        }
        if (at < 0) {
            fields.push_back(line);
            return;
        }
        fields.push_back(head(line, at));
        qsizetype next = at + 1;
        while (next < static_cast<qsizetype>(line.size()) && line[next] == found)
            ++next;
        line = tail(line, next);
    }
}

} // namespace

void splitFields(QStringView line, const SeparatorTable& table, std::vector<QStringView>& fields) {
    split(line, table, fields, QChar());
}

void splitFields(std::string_view line, const SeparatorTable& table, std::vector<std::string_view>& fields) {
    split(line, table, fields, char());
}

} // namespace brelt::chart
