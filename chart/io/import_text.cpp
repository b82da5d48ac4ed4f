#include "chart/io/import_text.h"

namespace brelt::chart {

ClipboardLines clipboardLines(const QString& text) {
    ClipboardLines result;
    QByteArray bytes = text.toUtf8();
    QString kept = text;
    if (bytes.size() > kClipboardByteLimit) {
        result.cut = true;
        qsizetype end = kClipboardByteLimit;
        while (end > 0 && (static_cast<unsigned char>(bytes[end]) & 0xC0) == 0x80)
            --end; // not inside a character
        kept = QString::fromUtf8(bytes.left(end));
        // The part after the last line end was cut short: it goes, unless the cut fell on a line end.
        const char next = bytes[end];
        if (next != '\r' && next != '\n') {
            const qsizetype lastEnd =
                std::max(kept.lastIndexOf(QLatin1Char('\r')), kept.lastIndexOf(QLatin1Char('\n')));
            kept.truncate(lastEnd < 0 ? 0 : lastEnd);
        }
    }
    qsizetype start = 0;
    for (qsizetype i = 0; i <= kept.size(); ++i) {
        if (i < kept.size() && kept[i] != QLatin1Char('\r') && kept[i] != QLatin1Char('\n')) continue;
        if (i > start) result.lines << kept.mid(start, i - start);
        start = i + 1;
    }
    return result;
}

std::vector<InputField> headerFields(const QString& header) {
    const QChar separator = header.contains(QLatin1Char('\t'))  ? QLatin1Char('\t')
                            : header.contains(QLatin1Char(',')) ? QLatin1Char(',')
                                                                : QLatin1Char(' ');
    const char16_t character = separator.unicode();
    const SeparatorTable table = SeparatorTable::of(std::u16string_view(&character, 1));
    std::vector<QStringView> fields;
    splitFields(QStringView(header), table, fields);
    std::vector<InputField> names;
    for (size_t i = 0; i < fields.size(); ++i) {
        const QString name = fields[i].trimmed().toString();
        if (!name.isEmpty()) names.push_back({name, static_cast<int>(i)});
    }
    return names;
}

const QStringList& FieldLinks::requiredFields() {
    static const QStringList names = {QStringLiteral("X"), QStringLiteral("Y")};
    return names;
}

bool FieldLinks::link(int required, int input) {
    if (required < 0 || required > 1 || input < 0 || input >= static_cast<int>(m_inputs.size())) return false;
    const InputField& field = m_inputs[static_cast<size_t>(input)];
    m_columns[static_cast<size_t>(required)] = field.column;
    m_names[static_cast<size_t>(required)] = field.name;
    return true;
}

QStringList FieldLinks::lines() const {
    QStringList list;
    for (int r = 0; r < 2; ++r)
        if (m_columns[static_cast<size_t>(r)])
            list << requiredFields()[r] + QStringLiteral("   <--Copy---   ") +
                        m_names[static_cast<size_t>(r)];
    return list;
}

std::optional<SeparatorTable> separatorTableFrom(const DelimiterBoxes& boxes) {
    const QString user = boxes.user ? boxes.userCharacters : QString();
    if (user.size() > SeparatorTable::kMaxUserCharacters) return std::nullopt;
    SeparatorTable table;
    auto slot = [&table](int index, bool on, char16_t c) {
        table.setSlot(index, on ? std::optional<char16_t>(c) : std::nullopt);
    };
    slot(0, boxes.space, u' ');
    slot(1, boxes.comma, u',');
    slot(2, boxes.tab, u'\t');
    slot(3, boxes.slash, u'/');
    slot(4, boxes.null, u'\0');
    for (qsizetype i = 0; i < user.size(); ++i)
        table.setSlot(5 + static_cast<int>(i), user[i].unicode());
    table.setSize(5 + static_cast<int>(user.size()));
    return table;
}

} // namespace brelt::chart
